#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include <array>

class QSettings;

// The twelve settings files the controller keeps open for the whole run: the
// global settings, the factory profile (read only) and ten profile slots.
class SettingsStores : public QObject {
    Q_OBJECT
public:
    explicit SettingsStores(QObject *parent = nullptr);
    ~SettingsStores() override;

    QSettings *global() const { return m_global; }
    QSettings *defaults() const { return m_defaults; }
    QSettings *profile(int slot) const; // null outside 0 to 9
    QSettings *current() const { return profile(m_currentProfile); }

    int currentProfile() const { return m_currentProfile; }
    void setCurrentProfile(int slot) { m_currentProfile = slot; }

    // Whole-file replacement: the file's new content is a copy of `source`,
    // and a fresh store on it takes the old one's place. When the copy fails
    // the file and the store stay as they were and the result is false.
    bool replaceProfile(int slot, const QString &source);
    bool replaceGlobal(const QString &source);

    // Writes what the global and profile stores hold to their files now.
    // A file that could not be written is reported (storagefaults) and the
    // result is false; what it should have held stays in its store, shown
    // and tried again with the next flush.
    bool flush();
    // The same once control is back in the event loop, so that the many
    // writes of one save make one flush.
    void flushSoon();

private:
    bool replaceStore(QSettings *&store, const QString &source);
    bool flushAll(bool asked);
    bool flushStore(QSettings *&store, bool asked);

    QSettings *m_global = nullptr;
    QSettings *m_defaults = nullptr;
    std::array<QSettings *, 10> m_profiles{};
    int m_currentProfile = 0;
    bool m_flushQueued = false;
    QSet<QString> m_failing; // files whose last flush failed

};
