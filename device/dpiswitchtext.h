#pragma once

#include <QString>
#include <QStringList>

// The eight tray texts for a DPI stage change made on the mouse. Written by
// the GUI thread when the language strings are loaded, read by the listener.
namespace dpiswitchtext {

constexpr int kTexts = 8;

// Text for stage s (counted from 1): text s-1 for stages 1 to 7, text 7 for
// any other stage.
QString forStage(int stage);

// The first eight texts replace the current ones; with fewer than eight, the
// texts without a replacement stay as they were.
void replace(const QStringList &texts);

// Back to "DPI Switch to" everywhere (start-up state).
void reset();

} // namespace dpiswitchtext
