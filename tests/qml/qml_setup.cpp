#include "programfolder.h"

#include <QQmlEngine>
#include <QtQuickTest>

// The plain runner for the UI's scripts and items: the core QML files come
// from the program's resources, and each test file runs in its own program
// folder (one process per file).
class QmlSetup : public QObject {
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine) { engine->addImportPath(QStringLiteral("qrc:/")); }

private:
    ProgramFolder m_folder;
};

QUICK_TEST_MAIN_WITH_SETUP(orbex_qml, QmlSetup)

#include "qml_setup.moc"
