#pragma once

#include "shell/focus/focussource.h"
#include "shell/focus/profilerules.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariantList>

#include <functional>
#include <optional>

class SettingsStores;

// Profiles that follow the program in front: the programs each profile is
// used for (kept in the profile's own file, so that its export carries
// them), the on/off choice (global settings), and the switch itself once
// the window in front has settled. The window is reached through the
// hooks below; the profile page reaches this object as "autoProfile".
class AutoProfile : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool available READ available NOTIFY availableChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool listsWindows READ listsWindows NOTIFY availableChanged)
public:
    // A profile as the profile list shows it, in list order.
    struct Profile {
        int slot = 0;
        QString name;
    };
    // How the window took a switch.
    enum class Outcome {
        Done,    // switching (now, or once the mouse's running exchange ends)
        Refused, // not now: edits not saved or a dialog open; asked again later
    };

    static constexpr int kRetryMs = 1000;

    explicit AutoProfile(QObject *parent = nullptr);

    void setStores(SettingsStores *stores) { m_stores = stores; }

    // Starts the source, which reports the window in front from then on;
    // one that started and `makesAvailable` makes switching available.
    // Takes ownership.
    void addSource(FocusSource *source, bool makesAvailable = true);

    bool available() const { return m_available; }
    bool listsWindows() const;
    bool enabled() const;
    // Stored at once; false when the settings file could not be written.
    Q_INVOKABLE bool setEnabled(bool on);

    // The programs profile `slot` is used for.
    Q_INVOKABLE QStringList programs(int slot) const;
    // Stored at once; false when the profile's file could not be written.
    Q_INVOKABLE bool setPrograms(int slot, const QStringList &programs);
    // The windows the picker offers: [{windowClass, title}], without the
    // program's own and without repeats.
    Q_INVOKABLE QVariantList openWindows() const;

    // The window's side.
    std::function<QList<Profile>()> profiles;
    std::function<int()> currentSlot;
    std::function<Outcome(int slot)> switchTo;
    std::function<void(const QString &name)> announce;
    // Classes of the program's own windows: they are a part of whatever is
    // in front, never a reason to switch.
    QStringList ownClasses;

    // The window in front, as the sources report it.
    void windowActivated(const QString &windowClass);

signals:
    void availableChanged();
    void enabledChanged();

private:
    void settle();
    void trySwitch();
    QList<focus::ProfileRule> rules(const QList<Profile> &list) const;
    bool isOwn(const QString &windowClass) const;

    SettingsStores *m_stores = nullptr;
    QList<QPointer<FocusSource>> m_started;
    bool m_available = false;
    focus::FocusSettling m_settling;
    QElapsedTimer m_clock;
    QTimer m_settleTimer;
    QTimer m_retryTimer;
    // The profile the window in front asked for last, and one still to be
    // switched to. Until a listed program comes to the front the first
    // profile counts as asked for: a start or a change by hand in front of
    // an unlisted program is kept.
    std::optional<int> m_lastWanted;
    std::optional<int> m_pending;
};
