#pragma once

#include <QString>
#include <QStringList>

// The program's own texts outside the pages: the tray's notices and menu and
// the window that waits for a mouse. Built-in English until a language file's
// "notice" group replaces them. GUI thread only.
namespace noticetexts {

enum Text {
    InfoCaption,
    MouseDetected,
    ShowWindow,
    Quit,
    NoMouseCaption,
    NoMouseAdvice,
    DpiUnit,
    ProfileNotice, // "%1" stands for the profile's name
    AutomaticSwitching,
    Count
};

QString text(Text which);

// Non-empty texts replace the current ones position by position; the rest
// keep what they were.
void replace(const QStringList &texts);

// Back to the built-in texts.
void reset();

// The DPI stage notice with the stage's DPI, where it is known (above 0).
QString dpiNotice(const QString &stageText, int dpi);

// The notice of a change of the profile in use.
QString profileNotice(const QString &name);

} // namespace noticetexts
