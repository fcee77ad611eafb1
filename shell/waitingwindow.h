#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The small window that says what to do while no mouse answers, for desktops
// without a tray. It stays until the mouse connects or the user quits.
class WaitingWindow : public QWidget {
    Q_OBJECT
public:
    explicit WaitingWindow(QWidget *parent = nullptr);

    // Shows the window with the current texts and brings it forward.
    void present(const QString &title);

signals:
    void quitRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_caption = nullptr;
    QLabel *m_advice = nullptr;
    QPushButton *m_quit = nullptr;
};
