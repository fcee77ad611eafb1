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
    // Export only: the file name offered, with the extension the filter
    // expects, which a typed name without one also gets.
    QString fileName;
};

using Provider = std::function<QString(const Request &)>;

// The picked file; an empty text when the user cancelled.
QString ask(const Request &request);

// Puts another provider in place; an empty one brings the real dialogs back.
void setProvider(Provider provider);

// Where the dialogs start: the user's desktop folder.
QString desktopFolder();

// The extension a filter such as "Macro(*.mc)" expects ("mc"); empty when it
// names none.
QString extensionOf(const QString &filter);

// The file name an export offers: the element's name, with characters no
// file name may hold replaced, and the extension.
QString suggestedFileName(const QString &name, const QString &extension);

} // namespace storagedialogs
