#pragma once

#include <QString>

// The text of a warning box that another process asked for. Laying out a
// box for a text of a mebibyte holds the window for many seconds, and a
// box taller than the screen hides its own button, so the text is cut.
namespace warningtext {

inline constexpr qsizetype kMaxChars = 2000;
inline constexpr qsizetype kMaxLines = 30;
inline const QString kCutMark = QStringLiteral("\u2026");

// The text itself when it fits; else its start, at most kMaxChars characters
// and kMaxLines lines, never ending in half a surrogate pair, followed by
// kCutMark.
QString shortened(const QString &text);

} // namespace warningtext
