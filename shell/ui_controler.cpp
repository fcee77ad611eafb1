#include "shell/ui_controler.h"

#include "controller/myquickview.h"
#include "shell/windowfit.h"
#include "storage/paths.h"
#include "storage/regularfile.h"

#include <QDebug>
#include <QEvent>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <QWidget>
#include <QWindow>

Ui_Controler::Ui_Controler(QObject *parent) : QObject(parent)
{ }

void Ui_Controler::setupUi(QWidget *window, QObject *transport, QObject *autoProfile)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));

    widget = window;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    view = new myQQuickView(window);
    view->setObjectName(QStringLiteral("ui_View"));
    view->setResizeMode(QQuickWidget::SizeViewToRootObject);
    view->setClearColor(Qt::transparent);
    // Named before the window is made: a name added to a context afterwards
    // has every binding in it evaluated again.
    QQmlContext *context = view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), view);
    context->setContextProperty(QStringLiteral("hid"), transport);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);
    context->setContextProperty(QStringLiteral("autoProfile"), autoProfile);

    // The window maps with its start-up logo alone; the pages and the
    // backdrop hidden behind the logo are made once that has been drawn
    // (or by initUI, whichever comes first).
    // The same URL as the QML modules' own ("qrc:/..."): with another
    // spelling every file would be a second type, and a page's typed
    // property would refuse the window's objects made through the qmldir.
    const QUrl source(QStringLiteral("qrc:/modules/qml/main.qml"));
    auto *component = new QQmlComponent(view->engine(), source, view);
    QObject *root = component->createWithInitialProperties({{QStringLiteral("pagesWanted"), false}}, context);
    if (!root)
        qWarning().noquote() << component->errorString();
    view->setContent(source, component, root);
    if (root) {
        m_pagesRoot = root;
        connect(view->quickWindow(), &QQuickWindow::afterRendering, this, &Ui_Controler::noteFirstFrame,
                Qt::SingleShotConnection);
    }

    window->resize(view->size());
    fitToScreen(window->screen());

    QSettings settings(regularfile::forSettings(paths::globalSettings()), QSettings::IniFormat);
    window->setWindowTitle(settings.value(QStringLiteral("common/name")).toString());
}

void Ui_Controler::noteFirstFrame()
{
    // The frame reaches the screen when the view paints it; the pages are
    // made from the event loop right behind that paint.
    if (view)
        view->installEventFilter(this);
}

bool Ui_Controler::eventFilter(QObject *watched, QEvent *event)
{
    if (view && watched == view && event->type() == QEvent::Paint) {
        view->removeEventFilter(this);
        if (m_pagesRoot)
            QMetaObject::invokeMethod(m_pagesRoot, "makePages", Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Ui_Controler::onMinimize()
{
    if (widget)
        widget->showMinimized();
}

void Ui_Controler::onClose()
{
    if (widget)
        widget->setVisible(false);
}

void Ui_Controler::fitToScreen(QScreen *screen)
{
    QQuickItem *root = view ? view->rootObject() : nullptr;
    if (!root || !screen)
        return;
    const QSize designed(qRound(root->width()), qRound(root->height()));
    const QRect available = screen->availableGeometry();
    const double scale = windowfit::scaleFor(available.size(), designed);
    if (qFuzzyCompare(root->scale(), scale))
        return;
    root->setTransformOrigin(QQuickItem::TopLeft);
    root->setScale(scale);
    const QSize size = windowfit::scaledSize(designed, scale);
    view->resize(size);
    widget->resize(size);
    widget->move(windowfit::placeIn(available, size));
}

bool Ui_Controler::startSystemMove()
{
    // Wayland compositors ignore a window placing itself; the move is theirs.
    QWindow *handle = widget ? widget->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

void Ui_Controler::onXChanged(int x)
{
    if (widget)
        widget->move(widget->x() + x, widget->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (widget)
        widget->move(widget->x(), widget->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (view)
        view->setBusy(busyTime);
}
