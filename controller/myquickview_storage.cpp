// Profiles, name lists and the macro library: the UI's calls onto the
// settings files. The work is done in storage/; these only pick the files,
// the stores and the dialogs.
#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "controller/storagedialogs.h"
#include "storage/macrolibrary.h"
#include "storage/namelists.h"
#include "storage/paths.h"
#include "storage/profiles.h"
#include "storage/safename.h"
#include "storage/settingsstores.h"

namespace {

QString textOf(const QVariant &value)
{
    return slotvalues::plain(value).toString();
}

constexpr char kProfileFilter[] = QT_TRANSLATE_NOOP("myQQuickView", "Profile(*.pf)");
constexpr char kMacroFilter[] = QT_TRANSLATE_NOOP("myQQuickView", "Macro(*.mc)");

// The modal dialog over the view, starting on the desktop; the texts pass
// through the view's translation.
QString askForFile(myQQuickView *view, storagedialogs::Kind kind, const char *filter)
{
    storagedialogs::Request request;
    request.kind = kind;
    request.parent = view;
    request.caption =
        kind == storagedialogs::Kind::Save ? myQQuickView::tr("Save File") : myQQuickView::tr("Open File");
    request.directory = storagedialogs::desktopFolder();
    request.filter = myQQuickView::tr(filter);
    return storagedialogs::ask(request);
}

constexpr auto kOpen = storagedialogs::Kind::Open;
constexpr auto kSave = storagedialogs::Kind::Save;

} // namespace

bool myQQuickView::loadMacroFile(QVariant macroFileName)
{
    // A name that can be no macro file asks the user nothing.
    if (!safename::isSafe(textOf(macroFileName)))
        return false;
    const QString picked = askForFile(this, kOpen, kMacroFilter);
    if (picked.isEmpty())
        return false;
    return macrolibrary::importFrom(picked, textOf(macroFileName));
}

void myQQuickView::saveMacroFile(QVariant macroFileName)
{
    if (!safename::isSafe(textOf(macroFileName)))
        return;
    const QString picked = askForFile(this, kSave, kMacroFilter);
    if (!picked.isEmpty())
        macrolibrary::exportTo(textOf(macroFileName), picked);
}

bool myQQuickView::loadProfile(int profile)
{
    if (!profiles::isSlot(profile))
        return false;
    const QString picked = askForFile(this, kOpen, kProfileFilter);
    if (picked.isEmpty())
        return false;
    return profiles::importFrom(*m_stores, profile, picked);
}

void myQQuickView::saveProfile(int profile)
{
    if (!profiles::isSlot(profile))
        return;
    const QString picked = askForFile(this, kSave, kProfileFilter);
    if (!picked.isEmpty())
        profiles::exportTo(*m_stores, profile, picked);
}

void myQQuickView::resetProfile(int profile)
{
    profiles::resetToFactory(*m_stores, profile);
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    profiles::copySlot(*m_stores, destprofile, srcprofile);
}

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return macrolibrary::create(textOf(name), slotvalues::plain(macroIndex));
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return namelists::store(paths::nameLists(), slotvalues::plain(type), nameList);
}

QVariant myQQuickView::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    const bool renamed = macrolibrary::rename(*m_stores, textOf(oldname), textOf(newname));
    m_stores->flushSoon();
    return renamed;
}

void myQQuickView::deleteMacroUpdateProfile(QVariant macroName)
{
    macrolibrary::takeOffKeys(*m_stores, textOf(macroName));
    m_stores->flushSoon();
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return macrolibrary::remove(textOf(name));
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    return namelists::read(paths::nameLists(), slotvalues::plain(type));
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return macrolibrary::save(textOf(name), macros, slotvalues::plain(repeat));
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return macrolibrary::load(textOf(name));
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    return profiles::xySensitive(m_stores->current(), slotvalues::plain(index));
}

QVariant myQQuickView::getselectGun(QVariant index)
{
    return profiles::selectGun(m_stores->current(), slotvalues::plain(index));
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    profiles::setXYSensitive(m_stores->current(), slotvalues::plain(index), slotvalues::plain(xyData));
    m_stores->flushSoon();
}

void myQQuickView::setSelectGun(QVariant index, QVariant xyData)
{
    profiles::setSelectGun(m_stores->current(), slotvalues::plain(index), slotvalues::plain(xyData));
    m_stores->flushSoon();
}
