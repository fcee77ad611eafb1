#pragma once

#include <QVariant>

class QSettings;

// What the mouse is, as the global settings describe it: read once at the
// start and handed to the transport and to the view, which choose their
// commands and profile handling from it.
namespace devicemodel {

// The two controller families.
enum class Family { F553, F560 };

// On-board profiles 1 to 4 on a gun mouse of the 560 family; profile 1 only
// without the gun.
constexpr int kGunProfiles = 4;
constexpr int kFirstUserProfile = 1;

struct Model {
    Family family = Family::F553;
    bool gun = false;
    bool colourful = false;
    bool is55328 = false;

    bool is560() const { return family == Family::F560; }
    // The last on-board profile in use (560 family).
    int lastUserProfile() const { return gun ? kGunProfiles : kFirstUserProfile; }
};

// "mouse/icType"; anything but the 560 text counts as the 553 family.
Family familyFromText(const QVariant &icType);

// The "mouse" group of the global settings.
Model fromSettings(const QSettings &global);

} // namespace devicemodel
