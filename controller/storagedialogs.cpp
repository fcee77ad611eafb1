#include "controller/storagedialogs.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace storagedialogs {

namespace {

QString realDialog(const Request &request)
{
    if (request.kind == Kind::Open)
        return QFileDialog::getOpenFileName(request.parent, request.caption, request.directory, request.filter);
    return QFileDialog::getSaveFileName(request.parent, request.caption, request.directory, request.filter);
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

} // namespace storagedialogs
