#pragma once

#include <QString>

// Every file of the program lies under ./modules/ beside the executable;
// start-up makes the executable's folder the working directory.
namespace paths {

inline QString globalSettings()
{
    return QStringLiteral("./modules/setting/apConfig.bin");
}
inline QString factoryGlobalSettings()
{
    return QStringLiteral("./modules/setting/apConfigD.bin");
}
inline QString defaultProfile()
{
    return QStringLiteral("./modules/setting/pD.bin");
}
inline QString nameLists()
{
    return QStringLiteral("./modules/setting/name.bin");
}
inline QString gunData()
{
    return QStringLiteral("./modules/gun/gunData.bin");
}
inline QString trayIcon()
{
    return QStringLiteral("./modules/img/logo.ico");
}

constexpr int kProfileSlots = 10;
// The profile list offers slots 0 to 5; slots 6 to 9 are files the list
// never names.
constexpr int kUiProfileSlots = 6;
static_assert(kUiProfileSlots <= kProfileSlots);

constexpr bool isProfileSlot(int slot)
{
    return slot >= 0 && slot < kProfileSlots;
}

// Slot n (0 to 9) is p(n+1).bin.
inline QString profileSlot(int slot)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(slot + 1);
}

inline QString macroFile(const QString &name)
{
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

inline QString languageFile(const QString &langCode)
{
    return QStringLiteral("./modules/i18n/") + langCode + QStringLiteral(".ini");
}

} // namespace paths
