#pragma once

#include "controller/myquickview.h"
#include "device/deviceowner.h"
#include "device/hidthread.h"
#include "programfolder.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>

// One controller view wired to a transport on one virtual mouse, in a fresh
// program folder: what a slot sends is read back from the mouse's state and
// from the trace of command reports.
struct MouseSetup {
    bool family560 = false;
    bool isGun = false;
    bool isColorful = false;
    bool is55328 = false;
};

class MouseBench : public DeviceOwner {
public:
    explicit MouseBench(const MouseSetup &setup);
    ~MouseBench() override;

    bool isValid() const { return m_valid; }
    myQQuickView &view() { return *m_view; }
    Hid_Thread &hid() { return *m_hid; }

    // The mouse's state as the virtual mouse reports it.
    QJsonObject state() const;
    QList<int> bytes(const QString &field) const;
    QList<int> row(const QString &field, int index) const;

    // Command blocks (code, six arguments, checksum) sent since the last
    // clear, in order; queries included.
    QList<QByteArray> commands() const;
    // The same as "CC" or "CC:AA" texts (code and first argument, in hex).
    QStringList codes(bool withFirstArgument = true) const;
    void clearTrace();
    // Milliseconds the link paused for, on the virtual clock.
    qint64 sleptMs() const { return m_sleptMs; }

    // Reads the mouse's profile images into the view, as the connect does.
    void readProfileImages();

    // DeviceOwner
    void showInfoBalloon(const QString &) override { }
    void setViewEnabled(bool) override { }
    void showCurrentDpi(int) override { }

private:
    MouseSetup m_setup;
    ProgramFolder m_folder;
    std::unique_ptr<Hid_Thread> m_hid;
    std::unique_ptr<myQQuickView> m_view;
    bool m_valid = false;
    qint64 m_sleptMs = 0;
};
