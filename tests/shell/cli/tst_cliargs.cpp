// The command line's grammar as a table: which arguments start the window,
// what each command line parses to, and which are usage errors.
#include "shell/cli/cliargs.h"

#include <QtTest>

using cliargs::Kind;

class CliArgsTest : public QObject {
    Q_OBJECT

private slots:
    void commandOrWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("command");
        QTest::newRow("none: the window") << QStringList{} << false;
        QTest::newRow("Qt's platform option") << QStringList{"-platform", "xcb"} << false;
        QTest::newRow("QML debugger") << QStringList{"-qmljsdebugger=port:1234"} << false;
        QTest::newRow("subcommand") << QStringList{"show"} << true;
        QTest::newRow("unknown word is a command") << QStringList{"shwo"} << true;
        QTest::newRow("--help") << QStringList{"--help"} << true;
        QTest::newRow("-v") << QStringList{"-v"} << true;
    }

    void commandOrWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, command);
        QCOMPARE(cliargs::isCommand(arguments), command);
    }

    void parses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("json");
        auto row = [](const char *name, QStringList args, bool ok, Kind kind = Kind::Help, QStringList words = {},
                      bool json = false) {
            QTest::newRow(name) << args << ok << int(kind) << words << json;
        };
        row("help", {"help"}, true, Kind::Help);
        row("help set", {"help", "set"}, true, Kind::Help, {"set"});
        row("help of nothing", {"help", "fly"}, false);
        row("subcommand's --help", {"set", "--help"}, true, Kind::Help, {"set"});
        row("version", {"--version"}, true, Kind::Version);
        row("version with more", {"--version", "x"}, false);
        row("list", {"list"}, true, Kind::List);
        row("list with more", {"list", "all"}, false);
        row("show", {"show"}, true, Kind::Show);
        row("show --json", {"show", "--json"}, true, Kind::Show, {}, true);
        row("show, unknown option", {"show", "--jsn"}, false);
        row("show, a word", {"show", "keys"}, false);
        row("set", {"set", "report-rate", "500"}, true, Kind::Set, {"report-rate", "500"});
        row("set, a negative value", {"set", "dpi", "2", "-500"}, true, Kind::Set, {"dpi", "2", "-500"});
        row("set without value", {"set", "report-rate"}, false);
        row("profile use", {"profile", "use", "2"}, true, Kind::Profile, {"use", "2"});
        row("profile new", {"profile", "new"}, true, Kind::Profile, {"new"});
        row("profile new NAME", {"profile", "new", "Work"}, true, Kind::Profile, {"new", "Work"});
        row("profile rename, one short", {"profile", "rename", "2"}, false);
        row("profile export, file made absolute", {"profile", "export", "1", "p.pf"}, true, Kind::Profile,
            {"export", "1", "/home/u/p.pf"});
        row("profile import, ../ resolved", {"profile", "import", "../x.pf"}, true, Kind::Profile,
            {"import", "/home/x.pf"});
        row("profile, no action", {"profile"}, false);
        row("profile, unknown action", {"profile", "delete", "2"}, false);
        row("macro import", {"macro", "import", "/tmp/m.mc", "Jump"}, true, Kind::Macro,
            {"import", "/tmp/m.mc", "Jump"});
        row("macro export, no file", {"macro", "export", "Jump"}, false);
        row("unknown subcommand", {"shwo"}, false);
    }

    void parses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        QFETCH(int, kind);
        QFETCH(QStringList, words);
        QFETCH(bool, json);
        const cliargs::Parsed parsed = cliargs::parse(arguments, QStringLiteral("/home/u"));
        QCOMPARE(parsed.ok, ok);
        if (!ok) {
            QVERIFY(!parsed.error.isEmpty());
            return;
        }
        QCOMPARE(int(parsed.request.kind), kind);
        QCOMPARE(parsed.request.words, words);
        QCOMPARE(parsed.request.json, json);
        // What the running instance gets parses to the same request.
        const cliargs::Parsed again = cliargs::parse(cliargs::toArguments(parsed.request), QStringLiteral("/"));
        QVERIFY(again.ok);
        QCOMPARE(int(again.request.kind), kind);
        QCOMPARE(again.request.words, words);
        QCOMPARE(again.request.json, json);
    }

    void everySubcommandHasHelp()
    {
        for (const QString &name : cliargs::subcommands())
            QVERIFY2(!cliargs::helpText(name).isEmpty(), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(CliArgsTest)
#include "tst_cliargs.moc"
