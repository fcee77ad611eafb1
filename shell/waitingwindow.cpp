#include "shell/waitingwindow.h"

#include "device/noticetexts.h"
#include "storage/paths.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The program's dark theme, so the window reads like the main one.
const char kStyle[] =
    "WaitingWindow { background: rgb(26, 26, 26); } "
    "QLabel { color: rgb(225, 225, 225); } "
    "QLabel#caption { font-weight: bold; font-size: 15px; } "
    "QPushButton { color: rgb(240, 240, 240); background: rgb(9, 52, 127); border: 1px solid rgb(60, 60, 60); "
    "border-radius: 3px; padding: 5px 22px; } "
    "QPushButton:hover { background: rgb(207, 62, 0); } "
    "QPushButton:focus { border: 1px solid rgb(240, 240, 240); } ";

} // namespace

WaitingWindow::WaitingWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("waitingWindow"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kStyle));
    if (QFileInfo(paths::trayIcon()).isFile())
        setWindowIcon(QIcon(paths::trayIcon()));

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_advice = new QLabel(this);
    m_advice->setObjectName(QStringLiteral("advice"));
    m_advice->setWordWrap(true);
    m_quit = new QPushButton(this);
    m_quit->setObjectName(QStringLiteral("quit"));
    connect(m_quit, &QPushButton::clicked, this, &WaitingWindow::quitRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_quit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(m_caption);
    layout->addWidget(m_advice);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

void WaitingWindow::present(const QString &title)
{
    setWindowTitle(title);
    m_caption->setText(noticetexts::text(noticetexts::NoMouseCaption));
    m_advice->setText(noticetexts::text(noticetexts::NoMouseAdvice));
    m_quit->setText(noticetexts::text(noticetexts::Quit));
    adjustSize();
    show();
    raise();
    activateWindow();
}

void WaitingWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape only closes the notice; the program waits on.
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
