// The settings readers on files as a careless user or a damaged disk leaves
// them: the device table, the name lists, macro files and language files.
// Whatever a file holds, reading it must neither crash nor loop without end.
//
// Input: byte 0 picks the reader, the rest is the file's content.
#include "device/devicetable.h"
#include "storage/languagestrings.h"
#include "storage/macrolibrary.h"
#include "storage/namelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

enum Reader { DeviceTableFile, NameLists, MacroFile, LanguageFile, kReaders };

const char *const kLanguageGroups[] = {"keyCode", "dpiSetting", "main", "macroEditor", "other"};

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{ }

bool write(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_settings_readers";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    qInstallMessageHandler(quiet);
    // A program folder of its own; every path of the readers is relative.
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkpath(QStringLiteral("modules/setting"));
    QDir().mkpath(QStringLiteral("modules/macro"));
    QDir().mkpath(QStringLiteral("modules/i18n"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // A new name each run: the settings cache would take a file of the same
    // name, size and time stamp for unchanged.
    static quint64 run = 0;
    const QString name = QStringLiteral("f%1").arg(++run);
    const uint8_t *content = data + 1;
    const size_t length = size - 1;

    QString path;
    switch (data[0] % kReaders) {
    case DeviceTableFile: {
        path = QStringLiteral("./modules/setting/") + name + QStringLiteral(".bin");
        if (!write(path, content, length))
            return 0;
        const DeviceTable table = devicetable::readFile(path);
        for (const DeviceEntry &e : table)
            (void)e.sCode.size();
        break;
    }
    case NameLists:
        path = QStringLiteral("./modules/setting/") + name + QStringLiteral(".bin");
        if (!write(path, content, length))
            return 0;
        for (int type = 0; type < namelists::kTypes; ++type)
            (void)namelists::read(path, type);
        break;
    case MacroFile:
        path = QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
        if (!write(path, content, length))
            return 0;
        (void)macrolibrary::load(name);
        break;
    case LanguageFile:
        path = QStringLiteral("./modules/i18n/") + name + QStringLiteral(".ini");
        if (!write(path, content, length))
            return 0;
        for (const char *group : kLanguageGroups)
            (void)languagestrings::readGroup(path, QLatin1String(group));
        break;
    }
    QFile::remove(path);
    return 0;
}
