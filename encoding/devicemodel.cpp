#include "encoding/devicemodel.h"

#include <QSettings>

namespace devicemodel {

Family familyFromText(const QVariant &icType)
{
    return icType.toString() == QLatin1String("560") ? Family::F560 : Family::F553;
}

Model fromSettings(const QSettings &global)
{
    Model model;
    model.family = familyFromText(global.value(QStringLiteral("mouse/icType")));
    model.gun = global.value(QStringLiteral("mouse/isGun")).toBool();
    model.colourful = global.value(QStringLiteral("mouse/isColorful")).toBool();
    model.is55328 = global.value(QStringLiteral("mouse/is55328")).toBool();
    return model;
}

} // namespace devicemodel
