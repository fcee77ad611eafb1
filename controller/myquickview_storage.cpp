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

#include <QFileInfo>

#include <utility>

namespace {

QString textOf(const QVariant &value)
{
    return slotvalues::plain(value).toString();
}

constexpr char kProfileFilter[] = QT_TRANSLATE_NOOP("myQQuickView", "Profile(*.pf)");
constexpr char kMacroFilter[] = QT_TRANSLATE_NOOP("myQQuickView", "Macro(*.mc)");

} // namespace

// The modal dialog over the view, starting on the desktop; the texts pass
// through the view's translation.
QString myQQuickView::askForFile(bool isSave, const char *filter, const QString &offeredName)
{
    storagedialogs::Request request;
    request.kind = isSave ? storagedialogs::Kind::Save : storagedialogs::Kind::Open;
    request.parent = this;
    request.caption = isSave ? tr("Save File") : tr("Open File");
    request.directory = storagedialogs::desktopFolder();
    request.filter = tr(filter);
    if (isSave && !offeredName.isEmpty())
        request.fileName = storagedialogs::suggestedFileName(offeredName, storagedialogs::extensionOf(request.filter));
    m_lastFile = storagedialogs::ask(request);
    m_lastFileDone = false;
    return m_lastFile;
}

void myQQuickView::noteFileOutcome(bool done)
{
    m_lastFileDone = done;
}

void myQQuickView::nameNextExport(const QString &name)
{
    m_nextExportName = name;
}

QVariantMap myQQuickView::lastFileOutcome() const
{
    return {{QStringLiteral("file"), m_lastFile},
            {QStringLiteral("name"), QFileInfo(m_lastFile).completeBaseName()},
            {QStringLiteral("done"), m_lastFileDone}};
}

bool myQQuickView::loadMacroFile(QVariant macroFileName)
{
    // A name that can be no macro file asks the user nothing.
    if (!safename::isSafe(textOf(macroFileName)))
        return false;
    const QString picked = askForFile(false, kMacroFilter);
    if (picked.isEmpty())
        return false;
    noteFileOutcome(macrolibrary::importFrom(picked, textOf(macroFileName)));
    return m_lastFileDone;
}

void myQQuickView::saveMacroFile(QVariant macroFileName)
{
    m_nextExportName.clear();
    if (!safename::isSafe(textOf(macroFileName)))
        return;
    const QString picked = askForFile(true, kMacroFilter, textOf(macroFileName));
    if (!picked.isEmpty())
        noteFileOutcome(macrolibrary::exportTo(textOf(macroFileName), picked));
}

bool myQQuickView::loadProfile(int profile)
{
    if (!profiles::isSlot(profile))
        return false;
    const QString picked = askForFile(false, kProfileFilter);
    if (picked.isEmpty())
        return false;
    noteFileOutcome(profiles::importFrom(*m_stores, profile, picked));
    return m_lastFileDone;
}

void myQQuickView::saveProfile(int profile)
{
    const QString offered = std::exchange(m_nextExportName, QString());
    if (!profiles::isSlot(profile))
        return;
    const QString picked = askForFile(true, kProfileFilter, offered);
    if (!picked.isEmpty())
        noteFileOutcome(profiles::exportTo(*m_stores, profile, picked));
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
