// A minimal program on the single-instance application: the first start
// prints "ready" and, when a later start hands over, "received:<text>".
#include "shell/singleapplication.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    if (!app.startError().isEmpty()) {
        std::fprintf(stderr, "probe: %s\n", qPrintable(app.startError()));
        return 1;
    }
    if (app.isRunning()) {
        app.sendMessage(QStringLiteral("hello"), 5000);
        return 1;
    }
    QObject::connect(&app, &SingleApplication::messageReceived, &app, [](const QString &text) {
        std::printf("received:%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
