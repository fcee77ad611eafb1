#pragma once

#include <QList>
#include <QObject>
#include <QString>

// A window open on the desktop, as the profile page's picker lists it.
struct OpenWindow {
    QString windowClass;
    QString title;
    bool operator==(const OpenWindow &) const = default;
};

// Tells which program's window is in front. One source per kind of desktop,
// chosen at start; each says when the window in front changes.
class FocusSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // For the log.
    virtual QString name() const = 0;
    // Starts watching; false where this desktop does not offer what the
    // source needs, and then nothing is ever emitted.
    virtual bool start() = 0;
    // Whether openWindows() can name the windows open now.
    virtual bool listsWindows() const { return false; }
    virtual QList<OpenWindow> openWindows() const { return {}; }

signals:
    // The window in front changed. An empty class: no window is in front.
    void activated(const QString &windowClass, const QString &title);
};
