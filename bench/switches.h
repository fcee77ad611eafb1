#pragma once

class myQQuickView;
class QQuickItem;

// Profile switches and a save through the window's own sequences, on the
// mouse the session connected: between profiles that differ in one DPI
// value, in lighting only, in everything, in nothing, and a save of one DPI
// value. Prints "name wall-ms pauses-ms commands" lines; "switch_today" is
// the switch to the profile that differs in everything with nothing left
// out, as every switch went before.
void switches(myQQuickView &view, QQuickItem &root);
