#include "programfolder.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Each test file gets the UI's three context objects as QML fakes that
// record what the pages call and answer from plain tables, and runs in its
// own program folder.
class UiQmlSetup : public QObject {
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        const struct {
            const char *name;
            const char *file;
        } fakes[] = {{"ui_View", "FakeView.qml"}, {"ui_Ctl", "FakeControl.qml"}, {"hid", "FakeHid.qml"}};
        for (const auto &fake : fakes) {
            QQmlComponent component(engine,
                                    QUrl::fromLocalFile(QStringLiteral(UI_FAKES_DIR "/") + QLatin1String(fake.file)));
            QObject *object = component.create();
            if (!object)
                qFatal("cannot create %s: %s", fake.file, qPrintable(component.errorString()));
            object->setParent(engine);
            engine->rootContext()->setContextProperty(QLatin1String(fake.name), object);
        }
    }

private:
    ProgramFolder m_folder;
};

QUICK_TEST_MAIN_WITH_SETUP(ui_qml, UiQmlSetup)

#include "ui_qml_setup.moc"
