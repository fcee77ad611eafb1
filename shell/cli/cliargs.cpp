#include "shell/cli/cliargs.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace cliargs {

namespace {

struct Subcommand {
    const char *name;
    Kind kind;
    const char *usage;
    const char *text;
};

const Subcommand kSubcommands[] = {
    {"list", Kind::List, "list", "The mice found: family, vendor and product ids, and whether it is the one in use."},
    {"show", Kind::Show, "show [--json]",
     "Every setting of the profile in use, named and numbered as the window shows them.\n"
     "--json prints one JSON object (see orbex-mouse(1) for its fields)."},
    {"set", Kind::Set, "set SETTING VALUE...",
     "Changes one setting of the profile in use, stores it and sends it to the mouse.\n"
     "Settings:\n"
     "  report-rate HZ                125, 250, 500 or 1000\n"
     "  dpi-stages N                  how many DPI stages are in use\n"
     "  dpi STAGE VALUE               the DPI of a stage\n"
     "  active-stage STAGE            the stage the mouse uses now\n"
     "  lighting-effect NAME|NUMBER   as the lighting list names it\n"
     "  lighting-speed STEP           0 to 4\n"
     "  lighting-brightness STEP      0 to 4\n"
     "  lighting-colour N #RRGGBB     colour N (1 to 8)\n"
     "  key N FUNCTION...             key N (1 to 8): a function by the key dialog's name,\n"
     "                                a key or combination such as ctrl+a,\n"
     "                                fire KEY [RATE [TIMES]], or macro NAME [once|loop|hold]\n"
     "  gun-slot N GUN                gun slot N (1 to 3) holds the gun named or numbered\n"
     "  pointer-speed N               1 (slow) to 11 (fast)\n"
     "  double-click-speed N          1 (slow) to 11 (fast)\n"
     "  scroll-rows N|screen          1 to 100 rows a notch, or one screen"},
    {"profile", Kind::Profile, "profile list|use P|new [NAME]|rename P NAME|export P FILE|import FILE",
     "The profiles, numbered 1 to 6 in the window's order; P is a number or a name."},
    {"macro", Kind::Macro, "macro list|export NAME FILE|import FILE NAME", "The macro library."},
};

const Subcommand *find(const QString &name)
{
    for (const Subcommand &s : kSubcommands) {
        if (name == QLatin1String(s.name))
            return &s;
    }
    return nullptr;
}

Parsed usageError(const QString &text)
{
    Parsed parsed;
    parsed.error = text;
    return parsed;
}

Parsed done(Request request)
{
    Parsed parsed;
    parsed.ok = true;
    parsed.request = std::move(request);
    return parsed;
}

QString absolute(const QString &file, const QString &currentFolder)
{
    return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(file));
}

// Action name -> the number of arguments it takes (min, max), and which of
// them is a file.
struct Action {
    const char *name;
    int least;
    int most;
    int fileAt; // -1: none
};

const Action kProfileActions[] = {
    {"list", 0, 0, -1}, {"use", 1, 1, -1}, {"new", 0, 1, -1},
    {"rename", 2, 2, -1}, {"export", 2, 2, 1}, {"import", 1, 1, 0},
};
const Action kMacroActions[] = {
    {"list", 0, 0, -1}, {"export", 2, 2, 1}, {"import", 2, 2, 0},
};

template <size_t N>
Parsed parseActions(Kind kind, const char *what, const Action (&actions)[N], QStringList words,
                    const QString &currentFolder)
{
    if (words.isEmpty())
        return usageError(QStringLiteral("%1: name an action (%2)").arg(QLatin1String(what), helpText(QLatin1String(what)).section(QLatin1Char('\n'), 0, 0)));
    for (const Action &a : actions) {
        if (words.first() != QLatin1String(a.name))
            continue;
        const int given = int(words.size()) - 1;
        if (given < a.least || given > a.most)
            return usageError(QStringLiteral("%1 %2: wrong number of arguments").arg(QLatin1String(what), words.first()));
        if (a.fileAt >= 0)
            words[1 + a.fileAt] = absolute(words[1 + a.fileAt], currentFolder);
        Request request;
        request.kind = kind;
        request.words = words;
        return done(request);
    }
    return usageError(QStringLiteral("%1: unknown action \"%2\"").arg(QLatin1String(what), words.first()));
}

} // namespace

QStringList subcommands()
{
    QStringList names;
    for (const Subcommand &s : kSubcommands)
        names << QLatin1String(s.name);
    names << QStringLiteral("help");
    return names;
}

bool isCommand(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("--version")
        || first == QLatin1String("-v"))
        return true;
    // Qt's own options (-platform, -style, -qmljsdebugger=...) start the
    // window as before; a word is a subcommand, known or not.
    return !first.startsWith(QLatin1Char('-'));
}

QString helpText(const QString &subcommand)
{
    if (subcommand.isEmpty()) {
        QString text = QStringLiteral("Usage: orbex-mouse [SUBCOMMAND [ARGUMENTS...]]\n\n"
                                      "Without a subcommand the window starts. Subcommands:\n");
        for (const Subcommand &s : kSubcommands)
            text += QStringLiteral("  %1\n").arg(QLatin1String(s.usage));
        text += QStringLiteral("  help SUBCOMMAND\n\n"
                               "Exit codes: 0 done, 1 the mouse did not take it, 2 bad usage or value,\n"
                               "3 no mouse found, 4 the settings could not be stored.\n");
        return text;
    }
    if (subcommand == QLatin1String("help"))
        return QStringLiteral("Usage: orbex-mouse help [SUBCOMMAND]\n\nThis text, or a subcommand's.\n");
    const Subcommand *s = find(subcommand);
    if (!s)
        return QString();
    return QStringLiteral("Usage: orbex-mouse %1\n\n%2\n").arg(QLatin1String(s->usage), QLatin1String(s->text));
}

Parsed parse(const QStringList &arguments, const QString &currentFolder)
{
    if (arguments.isEmpty())
        return usageError(QStringLiteral("no subcommand"));
    const QString first = arguments.first();
    QStringList rest = arguments.mid(1);
    Request request;
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        if (rest.size() > 1)
            return usageError(QStringLiteral("help takes one subcommand"));
        if (!rest.isEmpty() && helpText(rest.first()).isEmpty())
            return usageError(QStringLiteral("no subcommand \"%1\"").arg(rest.first()));
        request.kind = Kind::Help;
        request.words = rest;
        return done(request);
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        if (!rest.isEmpty())
            return usageError(QStringLiteral("--version takes no arguments"));
        request.kind = Kind::Version;
        return done(request);
    }
    const Subcommand *s = find(first);
    if (!s)
        return usageError(QStringLiteral("no subcommand \"%1\"; see orbex-mouse --help").arg(first));

    // A subcommand's own --help.
    if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h"))) {
        request.kind = Kind::Help;
        request.words = QStringList{first};
        return done(request);
    }

    request.kind = s->kind;
    switch (s->kind) {
    case Kind::List:
        if (!rest.isEmpty())
            return usageError(QStringLiteral("list takes no arguments"));
        return done(request);
    case Kind::Show: {
        QCommandLineParser parser;
        const QCommandLineOption json(QStringLiteral("json"));
        parser.addOption(json);
        if (!parser.parse(QStringList{first} + rest))
            return usageError(QStringLiteral("show: ") + parser.errorText());
        if (!parser.positionalArguments().isEmpty())
            return usageError(QStringLiteral("show takes no arguments but --json"));
        request.json = parser.isSet(json);
        return done(request);
    }
    case Kind::Set:
        if (rest.size() < 2)
            return usageError(QStringLiteral("set: name a setting and its value; see orbex-mouse help set"));
        request.words = rest;
        return done(request);
    case Kind::Profile:
        return parseActions(Kind::Profile, "profile", kProfileActions, rest, currentFolder);
    case Kind::Macro:
        return parseActions(Kind::Macro, "macro", kMacroActions, rest, currentFolder);
    default:
        break;
    }
    return usageError(QStringLiteral("no subcommand \"%1\"").arg(first));
}

QStringList toArguments(const Request &request)
{
    switch (request.kind) {
    case Kind::Help:
        return QStringList{QStringLiteral("help")} + request.words;
    case Kind::Version:
        return {QStringLiteral("--version")};
    case Kind::List:
        return {QStringLiteral("list")};
    case Kind::Show:
        return request.json ? QStringList{QStringLiteral("show"), QStringLiteral("--json")}
                            : QStringList{QStringLiteral("show")};
    case Kind::Set:
        return QStringList{QStringLiteral("set")} + request.words;
    case Kind::Profile:
        return QStringList{QStringLiteral("profile")} + request.words;
    case Kind::Macro:
        return QStringList{QStringLiteral("macro")} + request.words;
    }
    return {};
}

} // namespace cliargs
