#include "shell/scenegraphchoice.h"

#include <QDir>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStringList>

namespace scenegraphchoice {
namespace {

bool envSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

bool hasRenderNodes()
{
    return !QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
}

} // namespace

QString openGlRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}

Choice choose(const Facts &facts)
{
    if (facts.backendNamed || !facts.windowSystem)
        return Choice::Leave;
    if (facts.glForcedSoftware || !facts.renderNodes)
        return Choice::Software;
    return Choice::AskRenderer;
}

bool isSoftwareRasteriser(const QString &glRenderer)
{
    static const QStringList kNames = {QStringLiteral("llvmpipe"), QStringLiteral("softpipe"), QStringLiteral("swrast"),
                                       QStringLiteral("software rasterizer")};
    for (const QString &name : kNames) {
        if (glRenderer.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool applyPreferred()
{
    const QString platform = QGuiApplication::platformName();
    Facts facts;
    facts.backendNamed = envSet("QT_QUICK_BACKEND") || envSet("QSG_RHI_BACKEND");
    facts.glForcedSoftware = qEnvironmentVariable("LIBGL_ALWAYS_SOFTWARE", QStringLiteral("0")) != QLatin1String("0");
    facts.renderNodes = hasRenderNodes();
    facts.windowSystem = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");

    bool software = false;
    switch (choose(facts)) {
    case Choice::Leave:
        return false;
    case Choice::Software:
        software = true;
        break;
    case Choice::AskRenderer:
        software = isSoftwareRasteriser(openGlRenderer());
        break;
    }
    if (software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return software;
}

} // namespace scenegraphchoice
