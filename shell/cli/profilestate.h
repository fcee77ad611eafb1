#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class PageRules;
class myQQuickView;

namespace cli {

// The profile in use as the window's pages read it from the stores, by the
// pages' own rules: what `show` prints and what `set` starts from.
struct ProfileState {
    // The device as the global settings describe it.
    bool isColorful = false;
    bool is55328 = false;
    bool isGun = false;
    int keyCount = 8;
    QString language;

    // Report rate: position in ReportRate.rates, -1 when the stored one is
    // none of them.
    int reportIndex = -1;

    // DPI: the stages the panel shows (dpiCount), how many are in use, the
    // values of all eight, the range and step.
    int dpiCount = 0;
    int stagesInUse = 0;
    QList<int> dpiValues;
    int minDpi = 0;
    int maxDpi = 0;
    int dpiStep = 1;
    QString sensorType;

    // Lighting: position in the effect list, slider steps, eight colours.
    QStringList effectNames;
    int effect = 0;
    int speed = 0;
    int brightness = 0;
    QList<QList<int>> colours;

    // Sixteen key entries (type, p1, p2, p3) and the texts the key list
    // shows for them.
    QList<QList<int>> keys;
    QStringList keyTexts;
    QStringList keyDialogTexts;
    QStringList macroSlotNames; // "mouseMacroKey/<slot>"

    // Gun records (name, period, ... as the gun page holds them) and the
    // positions that gun slots 1 to 3 hold.
    QVariantList guns;
    QList<int> gunSlots;

    // The system page: knob positions of pointer speed and double-click
    // speed, the wheel's rows or one screen a notch.
    int speedPosition = 0;
    int doubleClickPosition = 0;
    bool oneScreen = false;
    int scrollRows = 3;
};

// The language's texts of a group over the built-in ones (Texts.merged).
QStringList languageTexts(myQQuickView &view, const PageRules &rules, const QString &group,
                          const QVariantList &builtIn, const QString &language);

ProfileState readProfileState(myQQuickView &view, PageRules &rules);

// The fire periods of the guns in slots 1 to 3, as the key list sends them.
QVariantList gunPeriods(const ProfileState &state, const PageRules &rules);

// "#rrggbb"
QString colourText(const QList<int> &rgb);

} // namespace cli
