// Writes the udev rule and the AppStream metainfo for the devices of the
// factory device table, so that both follow the table.
//   orbex-device-rules <apConfig.bin> <rules out> <metainfo template> <metainfo out>

#include "device/devicetable.h"
#include "packaging/devicerules.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

const char kRuleHeader[] = "# Gives the logged-in user access to the HID interfaces of the mice in the\n"
                           "# program's device table, so that the program needs no elevated rights.\n"
                           "# Generated from the factory device table.\n";

bool write(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        std::fprintf(stderr, "orbex-device-rules: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: orbex-device-rules <apConfig.bin> <rules out> "
                             "<metainfo template> <metainfo out>\n");
        return 2;
    }

    const DeviceTable table = devicetable::readFile(args[1]);
    const QStringList rules = devicerules::udevRules(table);
    if (rules.isEmpty()) {
        // A package whose rule covers no mouse would install silently and
        // then fail to open every device.
        std::fprintf(stderr, "orbex-device-rules: %s lists no device with a vendor and product\n", qPrintable(args[1]));
        return 1;
    }

    QFile metainfo(args[3]);
    if (!metainfo.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orbex-device-rules: cannot read %s\n", qPrintable(args[3]));
        return 1;
    }
    const QString filled =
        devicerules::fillMetainfo(QString::fromUtf8(metainfo.readAll()), devicerules::modaliases(table));

    const QByteArray ruleFile = kRuleHeader + rules.join(QLatin1Char('\n')).toUtf8() + '\n';
    return write(args[2], ruleFile) && write(args[4], filled.toUtf8()) ? 0 : 1;
}
