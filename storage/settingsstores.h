#pragma once

#include <QObject>
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

private:
    bool replaceStore(QSettings *&store, const QString &source);

    QSettings *m_global = nullptr;
    QSettings *m_defaults = nullptr;
    std::array<QSettings *, 10> m_profiles{};
    int m_currentProfile = 0;
};
