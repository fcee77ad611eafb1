// The view's profile, name list and macro slots as the pages call them,
// with the file dialogs answered in the user's place.
#include "controller/myquickview.h"
#include "controller/storagedialogs.h"
#include "storage/settingsstores.h"

#include "programfolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QJSValue>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using storagedialogs::Kind;
using storagedialogs::Request;

class StorageSlotsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    QList<Request> asked;
    QString answer;

    void answerWith(const QString &picked)
    {
        answer = picked;
        asked.clear();
        storagedialogs::setProvider([this](const Request &request) {
            asked.append(request);
            return answer;
        });
    }

    // Each slot's file has a length of its own: the settings cache takes a
    // file of equal size and time stamp for unchanged.
    static QByteArray slotText(int slot)
    {
        return "[mouse]\nreportRate=" + QByteArray::number(slot % 4) + "\npad=" + QByteArray(40 + slot, 'x') + "\n";
    }

private slots:
    void initTestCase()
    {
        // The dialogs start on the desktop of a home of the test's own.
        static QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("Desktop"));
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    }

    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
        QVERIFY(QDir(folder->root()).mkpath("modules/macro"));
        for (int slot = 0; slot < 10; ++slot)
            QVERIFY(folder->write(QString("modules/setting/p%1.bin").arg(slot + 1), slotText(slot)));
        QVERIFY(folder->write("modules/setting/pD.bin", "[mouse]\nreportRate=3\n[mouseKeyMatrix]\n3=1, 242, 0, 0\n"));
        QVERIFY(folder->write("picked.pf", "[mouse]\nreportRate=1\nimported=yes\n"));
        answerWith(QString());
    }

    void cleanup()
    {
        storagedialogs::setProvider({});
        folder.reset();
    }

    void dialogsAskAsSpecified_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::newRow("profile import") << "loadProfile" << int(Kind::Open) << "Open File"
                                        << "Profile(*.pf)";
        QTest::newRow("profile export") << "saveProfile" << int(Kind::Save) << "Save File"
                                        << "Profile(*.pf)";
        QTest::newRow("macro import") << "loadMacroFile" << int(Kind::Open) << "Open File"
                                      << "Macro(*.mc)";
        QTest::newRow("macro export") << "saveMacroFile" << int(Kind::Save) << "Save File"
                                      << "Macro(*.mc)";
    }

    void dialogsAskAsSpecified()
    {
        QFETCH(QString, operation);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        QVERIFY(folder->write("modules/macro/M1.bin", "[config]\ntotal=0\n"));
        myQQuickView view;
        if (operation == "loadProfile")
            QVERIFY(!view.loadProfile(2));
        else if (operation == "saveProfile")
            view.saveProfile(2);
        else if (operation == "loadMacroFile")
            QVERIFY(!view.loadMacroFile("Macro_0"));
        else
            view.saveMacroFile("M1");

        QCOMPARE(asked.size(), 1);
        QCOMPARE(int(asked[0].kind), kind);
        QCOMPARE(asked[0].caption, caption);
        QCOMPARE(asked[0].filter, filter);
        QCOMPARE(asked[0].parent, &view);
        QCOMPARE(asked[0].directory, QDir::homePath() + "/Desktop");
    }

    // An export offers the element's name with the filter's extension, so
    // that the import's filter shows the file again.
    void exportOffersTheNameWithItsExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("offered");
        QTest::newRow("plain") << "Sniper burst" << "mc" << "Sniper burst.mc";
        QTest::newRow("blanks around") << "  p1 " << "pf" << "p1.pf";
        QTest::newRow("characters no file name holds") << "a/b:c*?" << "pf" << "a_b_c__.pf";
        QTest::newRow("only a dot") << "." << "mc" << "export.mc";
        QTest::newRow("nothing") << "" << "pf" << "export.pf";
        QTest::newRow("no extension known") << "x" << "" << "x";
    }

    void exportOffersTheNameWithItsExtension()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(QString, offered);
        QCOMPARE(storagedialogs::suggestedFileName(name, extension), offered);
    }

    void filterNamesItsExtension_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("extension");
        QTest::newRow("profile") << "Profile(*.pf)" << "pf";
        QTest::newRow("macro with a blank") << "Macro (*.mc)" << "mc";
        QTest::newRow("translated") << "宏(*.mc)" << "mc";
        QTest::newRow("any file") << "All (*)" << "";
    }

    void filterNamesItsExtension()
    {
        QFETCH(QString, filter);
        QFETCH(QString, extension);
        QCOMPARE(storagedialogs::extensionOf(filter), extension);
    }

    // The export dialogs offer the element's name; the outcome tells the
    // page what to confirm, and a failed write is never reported done.
    void exportAndImportReportTheirOutcome()
    {
        QVERIFY(folder->write("modules/macro/Burst.bin", "[config]\ntotal=0\n"));
        myQQuickView view;
        answerWith(folder->path("out/Burst.mc"));
        QVERIFY(QDir(folder->root()).mkpath("out"));
        view.saveMacroFile("Burst");
        QCOMPARE(asked.last().fileName, QStringLiteral("Burst.mc"));
        QVariantMap outcome = view.lastFileOutcome();
        QCOMPARE(outcome.value("done").toBool(), true);
        QCOMPARE(outcome.value("name").toString(), QStringLiteral("Burst"));

        view.nameNextExport("My profile");
        answerWith(folder->path("no/such/folder/p.pf"));
        view.saveProfile(1);
        QCOMPARE(asked.last().fileName, QStringLiteral("My profile.pf"));
        QCOMPARE(view.lastFileOutcome().value("done").toBool(), false);
        // The name was for that one export only.
        view.saveProfile(1);
        QCOMPARE(asked.last().fileName, QString());

        answerWith(folder->path("picked.pf"));
        QVERIFY(view.loadProfile(3));
        outcome = view.lastFileOutcome();
        QCOMPARE(outcome.value("name").toString(), QStringLiteral("picked"));
        QCOMPARE(outcome.value("done").toBool(), true);

        answerWith(QString());
        QVERIFY(!view.loadMacroFile("Macro_0"));
        QCOMPARE(view.lastFileOutcome().value("file").toString(), QString());
    }

    void cancelledImportChangesNothing()
    {
        myQQuickView view;
        QSettings *before = view.stores()->profile(2);
        QVERIFY(!view.loadProfile(2));
        QCOMPARE(view.stores()->profile(2), before);
        QCOMPARE(folder->read("modules/setting/p3.bin"), slotText(2));

        QVERIFY(!view.loadMacroFile("Macro_0"));
        QVERIFY(!QFile::exists(folder->path("modules/macro/Macro_0.bin")));
    }

    void importedProfileIsReadAtOnce()
    {
        myQQuickView view;
        view.setCurrentProfile(2);
        answerWith(folder->path("picked.pf"));
        QVERIFY(view.loadProfile(2));
        QCOMPARE(folder->read("modules/setting/p3.bin"), folder->read("picked.pf"));
        QCOMPARE(view.getData("mouse/imported", false).toString(), QStringLiteral("yes"));
        QCOMPARE(view.getData("mouse/reportRate", false).toInt(), 1);
        QCOMPARE(view.currentProfile(), 2);
    }

    void importOfAFileThatCannotBeReadKeepsTheSlot()
    {
        myQQuickView view;
        view.setCurrentProfile(2);
        view.setData("mouse/reportRate", 0);
        answerWith(folder->path("vanished.pf"));
        QVERIFY(!view.loadProfile(2));
        QCOMPARE(view.getData("mouse/reportRate", false).toInt(), 0);
        QVERIFY(folder->read("modules/setting/p3.bin").contains("reportRate"));
    }

    void profileNumbersOutsideTheSlotsAskNothing()
    {
        myQQuickView view;
        answerWith(folder->path("picked.pf"));
        QVERIFY(!view.loadProfile(10));
        view.saveProfile(-1);
        view.resetProfile(10);
        view.copyProfile(0, 10);
        view.copyProfile(11, 0);
        QVERIFY(asked.isEmpty());
        for (int slot = 0; slot < 10; ++slot)
            QCOMPARE(folder->read(QString("modules/setting/p%1.bin").arg(slot + 1)), slotText(slot));
    }

    void exportsReplaceTheChosenFile()
    {
        QVERIFY(folder->write("out.pf", "an older export, longer than the new one ...........\n"));
        QVERIFY(folder->write("modules/macro/M1.bin", "[config]\ntotal=0\nrepeat=4\n"));
        myQQuickView view;
        view.setData("mouse/reportRate", 2);
        answerWith(folder->path("out.pf"));
        view.saveProfile(0);
        QSettings exported(folder->path("out.pf"), QSettings::IniFormat);
        QCOMPARE(exported.value("mouse/reportRate").toInt(), 2);
        QVERIFY(!folder->read("out.pf").contains("older"));

        answerWith(folder->path("out.mc"));
        view.saveMacroFile("M1");
        QCOMPARE(folder->read("out.mc"), folder->read("modules/macro/M1.bin"));

        // A macro that is not there leaves the chosen file as it was.
        view.saveMacroFile("Nobody");
        QCOMPARE(folder->read("out.mc"), folder->read("modules/macro/M1.bin"));
    }

    void resetAndCopyThroughTheView()
    {
        myQQuickView view;
        view.setCurrentProfile(4);
        view.resetProfile(4);
        QCOMPARE(view.getData("mouse/reportRate", false).toInt(), 3);
        QCOMPARE(folder->read("modules/setting/p5.bin"), folder->read("modules/setting/pD.bin"));

        view.setCurrentProfile(1);
        view.copyProfile(1, 3);
        QCOMPARE(view.getData("mouse/reportRate", false).toInt(), 3);
        QCOMPARE(folder->read("modules/setting/p2.bin"), slotText(3));
        view.copyProfile(3, 1);
        QCOMPARE(folder->read("modules/setting/p4.bin"), slotText(3));
        view.copyProfile(2, 2);
        QCOMPARE(folder->read("modules/setting/p3.bin"), slotText(2));
    }

    void importedMacroJoinsTheLibrary()
    {
        QVERIFY(folder->write("picked.mc", "[config]\ntotal=1\nrepeat=2\n[macro]\n0=\"1,A\"\n"));
        myQQuickView view;
        answerWith(folder->path("picked.mc"));
        QVERIFY(view.loadMacroFile("Macro_0"));
        QCOMPARE(view.loadMacroIni("Macro_0"), (QStringList{"1,A", "2"}));
        // An existing macro of that name stays.
        QVERIFY(folder->write("picked.mc", "[config]\ntotal=0\nrepeat=9\n"));
        QVERIFY(view.loadMacroFile("Macro_0"));
        QCOMPARE(view.loadMacroIni("Macro_0"), (QStringList{"1,A", "2"}));
        // A name that is no file name asks nothing and imports nothing.
        answerWith(folder->path("picked.mc"));
        QVERIFY(!view.loadMacroFile("../setting/p1"));
        view.saveMacroFile("../setting/p1");
        QVERIFY(asked.isEmpty());
        QCOMPARE(folder->read("modules/setting/p1.bin"), slotText(0));
    }

    // The macro editor's own sequence: new, save, rename, delete, each
    // followed by the name list.
    void macroEditorSequence()
    {
        QVERIFY(
            folder->write("modules/setting/p2.bin", "[mouseKeyMatrix]\n3=4, 0, 3, 0\n[mouseMacroKey]\n3=Macro_0\n"));
        myQQuickView view;
        QCOMPARE(view.createMacroIni("Macro_0", 0), QVariant(true));
        QCOMPARE(view.updataNameList(0, {"Macro_0"}), QVariant(true));
        QCOMPARE(view.getNameList(0), (QVariantList{"Macro_0", "loaderzorvex"}));

        QCOMPARE(view.saveMacroIni("Macro_0", {"1,A", "0,50", "2,A"}, 3), QVariant(true));
        QCOMPARE(view.loadMacroIni("Macro_0"), (QStringList{"1,A", "0,50", "2,A", "3"}));

        QCOMPARE(view.modifyMacroNameUpdateProfile("Macro_0", "Fire"), QVariant(true));
        QCOMPARE(view.updataNameList(0, {"Fire", "Other"}), QVariant(true));
        view.setCurrentProfile(1);
        QCOMPARE(view.getData("mouseMacroKey/3", false).toString(), QStringLiteral("Fire"));
        QCOMPARE(view.loadMacroIni("Fire").size(), 4);

        QCOMPARE(view.deleteMacroIni("Fire"), QVariant(true));
        view.deleteMacroUpdateProfile("Fire");
        QCOMPARE(view.getDataList("mouseKeyMatrix/3", false), (QVariantList{"1", "242", "0", "0"}));
        QCOMPARE(view.deleteMacroIni("Fire"), QVariant(false));
        QCOMPARE(view.updataNameList(0, {}), QVariant(true));
        QVERIFY(view.getNameList(0).isEmpty());
        QCOMPARE(view.updataNameList(7, {"x", "y"}), QVariant(true));
        QVERIFY(view.getNameList(5).isEmpty());
    }

    void valuesWrappedAsScriptValuesAreUnwrapped()
    {
        myQQuickView view;
        const QVariant name = QVariant::fromValue(QJSValue(QStringLiteral("Macro_3")));
        QCOMPARE(view.createMacroIni(name, QVariant::fromValue(QJSValue(0))), QVariant(true));
        QVERIFY(QFile::exists(folder->path("modules/macro/Macro_3.bin")));
        QCOMPARE(view.updataNameList(QVariant::fromValue(QJSValue(2)), {"Work0", "Game3"}), QVariant(true));
        QCOMPARE(view.getNameList(2), (QVariantList{"Work0", "Game3"}));
        view.setXYSensitive(QVariant::fromValue(QJSValue(1)), QVariant::fromValue(QJSValue(6)));
        QCOMPARE(view.getXYSensitive(1).toInt(), 6);
    }

    void perProfileAccessorsFollowTheCurrentSlot()
    {
        myQQuickView view;
        view.setCurrentProfile(3);
        QCOMPARE(view.getXYSensitive(1), QVariant(4));
        QCOMPARE(view.getselectGun(0), QVariant(QString()));
        view.setXYSensitive(0, 9);
        view.setSelectGun(1, "M4");
        QCOMPARE(view.getXYSensitive(0).toInt(), 9);
        QCOMPARE(view.getselectGun(1).toString(), QStringLiteral("M4"));
        view.setCurrentProfile(0);
        QCOMPARE(view.getXYSensitive(0), QVariant(4));
        view.setCurrentProfile(42);
        QCOMPARE(view.getXYSensitive(0), QVariant(4));
        view.setXYSensitive(0, 1);
        QCOMPARE(view.getselectGun(1), QVariant(QString()));
    }

    void gunRecordsThroughTheView()
    {
        QVERIFY(folder->write("modules/gun/gunData.bin", ""));
        myQQuickView view;
        for (int i = 0; i < 6; ++i)
            view.mouseSaveGundata(i, {QString("G%1").arg(i), "L-Click", 10, 0, 5 + i, 0});
        QCOMPARE(view.getGunDataKey(), (QStringList{"0", "1", "2", "3", "4", "5"}));
        QCOMPARE(view.getGunData(2), (QVariantList{"G2", "L-Click", "10", "0", "7", "0"}));
        view.modifyGundata(1, {"AK", "L-Click", 10, 0, 20, 0, "G9"});
        QCOMPARE(view.getGunData("AK"), (QVariantList{"L-Click", "10", "0", "20", "0"}));
        view.modifyGundata(0, {"AK"});
        QVERIFY(view.getGunData("AK").isEmpty());
        QCOMPARE(view.getGunDataKey().size(), 6);
    }

    // The real dialog, driven from a timer as a user would.
    void realDialogsPickAndCancel()
    {
        storagedialogs::setProvider({});
        myQQuickView view;
        std::optional<QString> title, filter, directory;
        bool parentIsView = false;
        auto answerDialog = [&](const QString &pick) {
            QTimer::singleShot(0, [&, pick] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                title = dialog->windowTitle();
                filter = dialog->nameFilters().join(';');
                directory = dialog->directory().absolutePath();
                parentIsView = dialog->parentWidget() == &view;
                if (pick.isEmpty()) {
                    dialog->reject();
                } else {
                    dialog->selectFile(pick);
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            });
        };

        answerDialog(QString());
        QVERIFY(!view.loadProfile(2));
        QCOMPARE(title.value_or("no dialog"), QStringLiteral("Open File"));
        QCOMPARE(filter.value_or(""), QStringLiteral("Profile(*.pf)"));
        QCOMPARE(directory.value_or(""), QDir::homePath() + "/Desktop");
        QVERIFY(parentIsView);
        QCOMPARE(folder->read("modules/setting/p3.bin"), slotText(2));

        title.reset();
        answerDialog(folder->path("picked.pf"));
        QVERIFY(view.loadProfile(2));
        QCOMPARE(title.value_or("no dialog"), QStringLiteral("Open File"));
        QCOMPARE(folder->read("modules/setting/p3.bin"), folder->read("picked.pf"));

        title.reset();
        answerDialog(folder->path("exported.pf"));
        view.saveProfile(0);
        QCOMPARE(title.value_or("no dialog"), QStringLiteral("Save File"));
        QCOMPARE(folder->read("exported.pf"), slotText(0));
    }
};

QTEST_MAIN(StorageSlotsTest)
#include "tst_storageslots.moc"
