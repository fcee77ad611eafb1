#include "shell/cli/climain.h"
#include "shell/cli/commandserver.h"
#include "shell/focus/focussources.h"
#include "shell/input/inputhook.h"
#include "shell/input/windowkeysource.h"
#include "shell/input/windowhooks.h"
#include "shell/quitsignals.h"
#include "shell/scenegraphchoice.h"
#include "shell/singleapplication.h"
#include "shell/userfolder.h"
#include "shell/widget.h"
#include "storage/storagefaults.h"

#include <QDir>
#include <QQmlDebuggingEnabler>
#include <QTextStream>

#include <fontconfig/fontconfig.h>

#include <thread>

// Honours Qt's own QML debugging switch on the command line.
static QQmlTriviallyDestructibleDebuggingEnabler qmlDebugging(false);

int main(int argc, char *argv[])
{
    // A subcommand runs the command line, never the window.
    if (cli::wanted(argc, argv))
        return cli::run(argc, argv);

    // Reading the font configuration takes about 10 ms; it is done beside
    // the application's own set-up, and Qt finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    SingleApplication app(argc, argv);
    fontConfiguration.join();
    if (!app.startError().isEmpty()) {
        QTextStream(stderr) << "orbex-mouse: " << app.startError() << '\n';
        return 1;
    }
    if (app.isRunning()) {
        if (!app.sendMessage(QString(), 5000))
            QTextStream(stderr) << "orbex-mouse: the running instance did not answer\n";
        return 1;
    }

    // Every path of the program is relative to its own folder, or to the
    // user's copy of it where the user may not write there.
    const QString program = QCoreApplication::applicationFilePath();
    QString unusableFolder;
    QDir::setCurrent(userfolder::workingFolder(program.left(program.lastIndexOf(QLatin1Char('/'))), &unusableFolder));

    // Before the first window: without a GPU the software scene graph draws
    // the same window for far less.
    scenegraphchoice::applyPreferred();

    Widget window;
    // Told once the window can show it, not only logged.
    if (!unusableFolder.isEmpty())
        storagefaults::report(storagefaults::Kind::Folder, unusableFolder);
    QObject::connect(&app, &SingleApplication::messageReceived, &window, &Widget::receiveMessage);
    cli::CommandServer commands(window);
    app.setRequestHandler([&commands](const QString &request, SingleApplication::Answer answer) {
        commands.take(request, std::move(answer));
    });
    // Log-out, systemctl and kill end the program as its Quit does.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, &Widget::exitSYS);

    // Mapped first: nothing below is needed for the first frame, and no
    // notice is handled before the event loop runs.
    window.showNormal();

    // Profiles follow the program in front where the desktop tells which it is.
    focus::startSources(*window.autoProfile(), focus::FocusEnvironment::fromProcess());

    // Without X11 there are no global notices; the program runs on.
    InputHook inputHook(false);
    registerWindowCallbacks(&window, &app);

    // Where no hook could be installed, key capture still works for keys
    // typed into the window.
    WindowKeySource windowKeys(window.windowHandle());
    // A pass that finds no mouse hides the window again at once.
    window.checkDevice();

    const int exitCode = app.exec();
    inputHook.removeHooks();
    return exitCode;
}
