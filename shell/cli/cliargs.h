#pragma once

#include <QString>
#include <QStringList>

// The command line's grammar: which arguments make a command rather than
// the window, what each subcommand takes, and the help texts. Pure: no
// application object, no files.
namespace cliargs {

enum class Kind { Help, Version, List, Show, Set, Profile, Macro };

struct Request {
    Kind kind = Kind::Help;
    // help: the subcommand asked about; set: SETTING VALUE...; profile and
    // macro: the action and its arguments. Files are absolute.
    QStringList words;
    bool json = false;
};

struct Parsed {
    bool ok = false;
    Request request;
    QString error; // a usage error, for exit code 2
};

// True when the arguments (without the program) ask for a command: a first
// argument that is a subcommand, "help", or --help/-h/--version/-v. Anything
// else (none, or Qt's own options) starts the window.
bool isCommand(const QStringList &arguments);

// `currentFolder` makes the files of export and import absolute, so that
// the running instance finds them whatever its own folder.
Parsed parse(const QStringList &arguments, const QString &currentFolder);

QStringList subcommands();
// The overview, or one subcommand's text; empty for an unknown name.
QString helpText(const QString &subcommand = QString());

// The whole request as arguments again, for the running instance.
QStringList toArguments(const Request &request);

// Exit codes of every command.
inline constexpr int kDone = 0;
inline constexpr int kNotTaken = 1;
inline constexpr int kBadUsage = 2;
inline constexpr int kNoMouse = 3;
inline constexpr int kNotStored = 4;

} // namespace cliargs
