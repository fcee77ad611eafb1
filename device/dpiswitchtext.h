#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <array>

// The eight tray texts for a DPI stage change made on the mouse. Written by
// the GUI thread when the language strings are loaded, read by the listener.
class DpiSwitchTexts {
public:
    static constexpr int kTexts = 8;

    // "DPI Switch to" everywhere until the language's texts arrive.
    DpiSwitchTexts();

    // Text for stage s (counted from 1): text s-1 for stages 1 to 7, text 7
    // for any other stage.
    QString forStage(int stage) const;

    // The first eight texts replace the current ones; with fewer than eight,
    // the texts without a replacement stay as they were.
    void replace(const QStringList &texts);

private:
    mutable QMutex m_lock;
    std::array<QString, kTexts> m_texts;
};
