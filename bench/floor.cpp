// The floor of the start-up figures: a bare frameless 1024 x 640
// QQuickWidget, built with the same toolkit and flags as the program.
#include <QApplication>
#include <QQuickWidget>
#include <QUrl>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QQuickWidget view;
    view.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    view.setResizeMode(QQuickWidget::SizeViewToRootObject);
    view.setSource(QUrl(QStringLiteral("qrc:/bench/Floor.qml")));
    view.show();
    return app.exec();
}
