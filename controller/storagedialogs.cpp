#include "controller/storagedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace storagedialogs {

namespace {

// The window's own sheet makes every child transparent, which left the
// dialog's texts black on black; the dialog gets a readable sheet of its own.
const char kDialogStyle[] =
    "QFileDialog, QFileDialog QWidget { background: rgb(40, 40, 42); color: rgb(230, 230, 230); } "
    "QFileDialog QAbstractItemView { background: rgb(26, 26, 26); alternate-background-color: rgb(34, 34, 36); "
    "selection-background-color: rgb(9, 52, 127); selection-color: white; } "
    "QFileDialog QLineEdit, QFileDialog QComboBox { background: rgb(26, 26, 26); border: 1px solid rgb(100, 100, 100); "
    "padding: 2px; } "
    "QFileDialog QLineEdit:focus, QFileDialog QComboBox:focus { border: 1px solid rgb(207, 62, 0); } "
    "QFileDialog QPushButton { background: rgb(9, 52, 127); border: 1px solid rgb(60, 60, 60); border-radius: 3px; "
    "padding: 4px 16px; } "
    "QFileDialog QPushButton:hover, QFileDialog QPushButton:focus { background: rgb(207, 62, 0); } "
    "QFileDialog QToolButton { background: transparent; } "
    "QFileDialog QHeaderView::section { background: rgb(60, 60, 60); color: rgb(230, 230, 230); border: none; "
    "padding: 3px; } ";

QString realDialog(const Request &request)
{
    QFileDialog dialog(request.parent, request.caption, request.directory, request.filter);
    dialog.setStyleSheet(QString::fromLatin1(kDialogStyle));
    if (request.kind == Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(extensionOf(request.filter));
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

Provider &provider()
{
    static Provider current;
    return current;
}

} // namespace

QString ask(const Request &request)
{
    const Provider &current = provider();
    return current ? current(request) : realDialog(request);
}

void setProvider(Provider replacement)
{
    provider() = std::move(replacement);
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString extensionOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString suggestedFileName(const QString &name, const QString &extension)
{
    QString base = name.trimmed();
    static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    base.replace(unfit, QStringLiteral("_"));
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        base = QStringLiteral("export");
    return extension.isEmpty() ? base : base + QLatin1Char('.') + extension;
}

} // namespace storagedialogs
