#include "shell/focus/autoprofile.h"

#include "shell/focus/focuslog.h"
#include "storage/settingsstores.h"

#include <QSettings>

namespace {

const QString kProgramsKey = QStringLiteral("autoProfile/programs");
const QString kEnabledKey = QStringLiteral("autoProfile/enabled");

QStringList storedList(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return value.toStringList();
    const QString one = value.toString();
    return one.isEmpty() ? QStringList() : QStringList{one};
}

} // namespace

AutoProfile::AutoProfile(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_settleTimer.setSingleShot(true);
    connect(&m_settleTimer, &QTimer::timeout, this, &AutoProfile::settle);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &AutoProfile::trySwitch);
}

void AutoProfile::addSource(FocusSource *source, bool makesAvailable)
{
    if (!source)
        return;
    source->setParent(this);
    connect(source, &FocusSource::activated, this,
            [this](const QString &windowClass, const QString &) { windowActivated(windowClass); });
    if (!source->start()) {
        qCInfo(lcFocus) << "focus source" << source->name() << "is not available here";
        source->deleteLater();
        return;
    }
    qCInfo(lcFocus) << "the window in front is learnt from" << source->name();
    m_started << source;
    if (makesAvailable && !m_available) {
        m_available = true;
        emit availableChanged();
    }
}

bool AutoProfile::listsWindows() const
{
    return std::any_of(m_started.cbegin(), m_started.cend(), [](const auto &s) { return s && s->listsWindows(); });
}

bool AutoProfile::enabled() const
{
    return !m_stores || !m_stores->global() || m_stores->global()->value(kEnabledKey, true).toBool();
}

bool AutoProfile::setEnabled(bool on)
{
    if (!m_stores || !m_stores->global())
        return false;
    const bool was = enabled();
    m_stores->global()->setValue(kEnabledKey, on);
    const bool stored = m_stores->flush();
    if (was != on)
        emit enabledChanged();
    if (!on) {
        m_pending.reset();
        m_retryTimer.stop();
    }
    return stored;
}

QStringList AutoProfile::programs(int slot) const
{
    const QSettings *store = m_stores ? m_stores->profile(slot) : nullptr;
    return store ? focus::cleanedPrograms(storedList(store->value(kProgramsKey))) : QStringList();
}

bool AutoProfile::setPrograms(int slot, const QStringList &programs)
{
    QSettings *store = m_stores ? m_stores->profile(slot) : nullptr;
    if (!store)
        return false;
    const QStringList kept = focus::cleanedPrograms(programs);
    if (kept.isEmpty())
        store->remove(kProgramsKey);
    else
        store->setValue(kProgramsKey, kept);
    return m_stores->flush();
}

QVariantList AutoProfile::openWindows() const
{
    QVariantList windows;
    QStringList seen;
    for (const auto &source : m_started) {
        if (!source || !source->listsWindows())
            continue;
        for (const OpenWindow &w : source->openWindows()) {
            if (isOwn(w.windowClass) || seen.contains(w.windowClass + QLatin1Char('\n') + w.title))
                continue;
            seen << w.windowClass + QLatin1Char('\n') + w.title;
            windows << QVariantMap{{QStringLiteral("windowClass"), w.windowClass}, {QStringLiteral("title"), w.title}};
        }
    }
    return windows;
}

bool AutoProfile::isOwn(const QString &windowClass) const
{
    return std::any_of(ownClasses.cbegin(), ownClasses.cend(),
                       [&](const QString &own) { return focus::sameProgram(own, windowClass); });
}

void AutoProfile::windowActivated(const QString &windowClass)
{
    if (isOwn(windowClass))
        return;
    m_settling.note(m_clock.elapsed(), windowClass);
    m_settleTimer.start(int(focus::FocusSettling::kSettleMs));
}

QList<focus::ProfileRule> AutoProfile::rules(const QList<Profile> &list) const
{
    QList<focus::ProfileRule> rules;
    for (const Profile &p : list)
        rules.append({p.slot, programs(p.slot)});
    return rules;
}

void AutoProfile::settle()
{
    const std::optional<QString> window = m_settling.settled(m_clock.elapsed());
    if (const std::optional<qint64> due = m_settling.dueAt())
        m_settleTimer.start(int(qMax<qint64>(0, *due - m_clock.elapsed())));
    if (!window || !enabled() || !profiles)
        return;
    const QList<Profile> list = profiles();
    const std::optional<int> wanted = focus::slotForWindow(rules(list), *window);
    if (!wanted)
        return;
    const int lastWanted = m_lastWanted.value_or(list.first().slot);
    m_lastWanted = *wanted;
    if (*wanted == lastWanted && !m_pending)
        return;
    m_pending = *wanted;
    trySwitch();
}

void AutoProfile::trySwitch()
{
    if (!m_pending || !enabled())
        return;
    const int slot = *m_pending;
    if (currentSlot && currentSlot() == slot) {
        m_pending.reset();
        return;
    }
    if (!switchTo || switchTo(slot) == Outcome::Refused) {
        m_retryTimer.start();
        return;
    }
    m_pending.reset();
    if (announce && profiles) {
        for (const Profile &p : profiles()) {
            if (p.slot == slot)
                announce(p.name);
        }
    }
}
