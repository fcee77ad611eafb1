#include "shell/cli/executor.h"

#include "controller/myquickview.h"
#include "device/devicetable.h"
#include "device/hidthread.h"
#include "shell/cli/command.h"
#include "shell/cli/invoke.h"
#include "storage/paths.h"
#include "storage/settingsstores.h"

#include <QQmlEngine>

namespace cli {

QString versionText()
{
    return QStringLiteral("orbex-mouse %1\n").arg(QStringLiteral(ORBEX_VERSION));
}

Result execute(const cliargs::Request &request, Target &target)
{
    if (request.kind == cliargs::Kind::Help) {
        Result help;
        help.out = cliargs::helpText(request.words.value(0));
        return help;
    }
    if (request.kind == cliargs::Kind::Version) {
        Result version;
        version.out = versionText();
        return version;
    }
    Command command(target);
    return command.run(request);
}

Command::Command(Target &target) : m_target(target)
{
    if (m_target.view)
        m_rules = std::make_unique<PageRules>(*m_target.view->engine());
}

Result Command::usage(const QString &text)
{
    return fail(cliargs::kBadUsage, text);
}

Result Command::fail(int exit, const QString &text)
{
    Result result;
    result.exit = exit;
    result.err = QStringLiteral("orbex-mouse: ") + text + QLatin1Char('\n');
    return result;
}

Result Command::noMouse() const
{
    return fail(cliargs::kNoMouse, QStringLiteral("no mouse found; nothing was changed"));
}

Result Command::run(const cliargs::Request &request)
{
    if (!m_target.view || !m_rules || !m_rules->isValid())
        return fail(cliargs::kNotTaken, QStringLiteral("the pages' rules could not be loaded: ")
                                            + (m_rules ? m_rules->error() : QString()));
    switch (request.kind) {
    case cliargs::Kind::List:
        return list();
    case cliargs::Kind::Show:
        return show(request.json);
    case cliargs::Kind::Set:
        return set(request.words);
    case cliargs::Kind::Profile:
        return profile(request.words);
    case cliargs::Kind::Macro:
        return macro(request.words);
    default:
        break;
    }
    return usage(QStringLiteral("nothing to do"));
}

Result Command::list()
{
    DeviceTable table = devicetable::readFile(paths::globalSettings());
    devicetable::locate(table);
    const QString family = m_target.view->model.is560() ? QStringLiteral("560") : QStringLiteral("553");
    Result result;
    int found = 0;
    for (int j = 0; j < table.size(); ++j) {
        const DeviceEntry &entry = table.at(j);
        if (entry.cmdPath.isEmpty())
            continue;
        ++found;
        const bool inUse = m_target.connected && m_target.hid && m_target.hid->deviceIndex == j;
        result.out += QStringLiteral("%1 family  %2:%3%4\n")
                          .arg(family)
                          .arg(entry.vid, 4, 16, QLatin1Char('0'))
                          .arg(entry.pid, 4, 16, QLatin1Char('0'))
                          .arg(inUse ? QStringLiteral("  in use") : QString());
    }
    if (found == 0)
        return fail(cliargs::kNoMouse, QStringLiteral("no mouse found"));
    return result;
}

Result Command::set(const QStringList &words)
{
    const ProfileState state = readProfileState(*m_target.view, *m_rules);
    std::variant<Change, Result> planned = plan(words, state);
    if (std::holds_alternative<Result>(planned))
        return std::get<Result>(planned);
    const Change &change = std::get<Change>(planned);
    if (change.needsMouse && !m_target.connected)
        return noMouse();
    Result result = apply(change.calls, QStringLiteral("%1 set").arg(words.first()));
    if (result.exit == cliargs::kDone && change.pointerSetting > 0
        && !m_target.view->pointerSettingTaken(change.pointerSetting))
        result = fail(cliargs::kNotTaken, QStringLiteral("stored, but the desktop did not take it"));
    if (m_target.storedChanged)
        m_target.storedChanged();
    if (change.activeStage > 0 && result.exit == cliargs::kDone && m_target.activeStageChanged)
        m_target.activeStageChanged(change.activeStage);
    return result;
}

Result Command::apply(const Calls &calls, const QString &done)
{
    QString missing;
    // One action of the controller's: whether every command reached the
    // mouse comes back with its end.
    m_target.view->beginDeviceAction(QStringLiteral("commandLine"));
    for (const Call &call : calls) {
        bool found = false;
        callByName(m_target.view, call.first, call.second, &found);
        if (!found)
            missing += QLatin1Char(' ') + call.first;
    }
    const QVariantMap outcome = m_target.view->endDeviceAction();
    const bool taken = outcome.value(QStringLiteral("ok"), true).toBool();
    // A profile file that is no file has no store: nothing was kept.
    SettingsStores *stores = m_target.view->stores();
    const bool saved = stores->flush() && stores->current();
    if (!missing.isEmpty())
        return fail(cliargs::kNotTaken, QStringLiteral("the controller lacks") + missing);
    if (!saved)
        return fail(cliargs::kNotStored,
                    QStringLiteral("not saved on this computer: the settings files could not be written%1")
                        .arg(taken ? QStringLiteral("; the mouse has the change until it is reset")
                                   : QStringLiteral("; the mouse did not take it either")));
    if (!taken)
        return fail(cliargs::kNotTaken,
                    QStringLiteral("stored, but the mouse did not take it (%1, %2); it gets the stored profile "
                                   "when it is connected again")
                        .arg(outcome.value(QStringLiteral("kind")).toString(),
                             outcome.value(QStringLiteral("command")).toString()));
    Result result;
    result.err = QStringLiteral("orbex-mouse: %1\n").arg(done);
    return result;
}

Calls Command::keyMatrixCalls(const ProfileState &state, const QList<QList<int>> &keys) const
{
    QVariantList entries;
    for (const QList<int> &key : keys) {
        QVariantList entry;
        for (int v : key)
            entry << v;
        entries << QVariant(entry);
    }
    const QVariant values = m_rules->call(QStringLiteral("KeyMatrix"), QStringLiteral("matrixValues"), {QVariant(entries)});
    return {{QStringLiteral("mouseSetKeyMatrix"), {values, true, QVariant(gunPeriods(state, *m_rules))}}};
}

QVariantMap Command::lightingState(const ProfileState &s) const
{
    QVariantList blocks;
    for (const QList<int> &b : s.colours)
        blocks << QVariant(QVariantList{b.value(0), b.value(1), b.value(2)});
    return {{QStringLiteral("effect"), s.effect},         {QStringLiteral("speed"), s.speed},
            {QStringLiteral("brightness"), s.brightness}, {QStringLiteral("blocks"), blocks},
            {QStringLiteral("is55328"), s.is55328},       {QStringLiteral("isColorful"), s.isColorful}};
}

Calls callsOf(const QVariant &listed)
{
    Calls calls;
    for (const QVariant &entry : listed.toList()) {
        const QVariantList pair = entry.toList();
        calls.append({pair.value(0).toString(), pair.value(1).toList()});
    }
    return calls;
}

Calls Command::profileCalls(const ProfileState &s) const
{
    Calls calls = keyMatrixCalls(s, s.keys);
    if (s.reportIndex >= 0) {
        const QVariantList device = m_rules->listValue(QStringLiteral("ReportRate"), QStringLiteral("deviceValues"));
        calls.append({QStringLiteral("mouseSetReportRate"), {device.value(s.reportIndex)}});
    }
    QVariantList stages;
    for (int v : s.dpiValues)
        stages << v;
    calls += callsOf(m_rules->call(QStringLiteral("DpiSetting"), QStringLiteral("saveCalls"),
                                   {stages, s.stagesInUse, s.sensorType, true}));
    calls += callsOf(m_rules->call(QStringLiteral("LightControl"), QStringLiteral("saveCalls"),
                                   {lightingState(s), true, 0}));
    if (s.isGun) {
        calls.append({QStringLiteral("mouseSwitchKeyMatrix"), {1}});
        calls.append({QStringLiteral("mouseResetKeyMatrix"), {}});
    }
    return calls;
}

QList<QPair<QString, int>> Command::profiles(const ProfileState &state)
{
    const QString kProfile = QStringLiteral("Profile");
    const QStringList texts = languageTexts(*m_target.view, *m_rules, QStringLiteral("profile"),
                                            m_rules->listValue(kProfile, QStringLiteral("defaultTexts")),
                                            state.language);
    const QString first = texts.value(m_rules->intValue(kProfile, QStringLiteral("firstProfileText")));
    const QVariantMap parsed =
        m_rules->call(kProfile, QStringLiteral("parseList"), {QVariant(m_target.view->getNameList(2))}).toMap();
    QList<QPair<QString, int>> list;
    for (const QVariant &element : parsed.value(QStringLiteral("elements")).toList()) {
        const QVariantMap e = element.toMap();
        list.append({e.value(QStringLiteral("textValue")).toString(), e.value(QStringLiteral("profileNo")).toInt()});
    }
    if (list.isEmpty())
        list.append({first, 0});
    list.first().first = first;
    return list;
}

} // namespace cli
