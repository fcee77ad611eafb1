#pragma once

#include <QString>

#include <functional>

class QWidget;

// The modal file dialogs of profile and macro import and export. They sit
// behind a replaceable provider so that tests can see what would be asked
// (kind, parent, caption, folder, filter) and answer in the user's place.
namespace storagedialogs {

enum class Kind { Open, Save };

struct Request {
    Kind kind = Kind::Open;
    QWidget *parent = nullptr;
    QString caption;
    QString directory;
    QString filter;
};

using Provider = std::function<QString(const Request &)>;

// The picked file; an empty text when the user cancelled.
QString ask(const Request &request);

// Puts another provider in place; an empty one brings the real dialogs back.
void setProvider(Provider provider);

// Where the dialogs start: the user's desktop folder.
QString desktopFolder();

} // namespace storagedialogs
