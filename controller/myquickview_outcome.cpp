// Outcomes of the user's actions on the mouse, and the note that the mouse
// missed a write and is to be sent the stored profile when it is back.
#include "controller/myquickview.h"

#include "device/hidthread.h"
#include "storage/settingsstores.h"

#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcOutcome, "orbex.controller.outcome", QtInfoMsg)

namespace {

const QString kBehindKey = QStringLiteral("mouse/pendingSync");

} // namespace

void myQQuickView::watchTransport()
{
    if (m_watched == hid)
        return;
    if (m_watched) {
        disconnect(m_watched, &Hid_Thread::commandEnded, this, nullptr);
        disconnect(m_watched, &Hid_Thread::commandHeld, this, nullptr);
    }
    m_watched = hid;
    if (hid) {
        connect(hid, &Hid_Thread::commandEnded, this,
                [this](const QString &command, linkoutcome::Kind kind) { m_gatherer.add(command, kind); });
        connect(hid, &Hid_Thread::commandHeld, this, [this] { m_gatherer.addHeld(); });
    }
}

void myQQuickView::beginDeviceAction(const QString &name)
{
    watchTransport();
    if (!m_gatherer.active() && hid)
        hid->spareHeldWrites(leavesOutHeldWrites(name));
    m_gatherer.begin(name);
}

QVariantMap myQQuickView::endDeviceAction()
{
    const std::optional<linkoutcome::Action> action = m_gatherer.end();
    if (!action)
        return {};
    if (hid)
        hid->spareHeldWrites(false);
    m_lastOutcome = action->toMap();
    QSettings *global = m_stores->global();
    if (!action->ok()) {
        qCWarning(lcOutcome).noquote() << "not saved to the mouse:" << action->name << linkoutcome::name(action->kind)
                                       << "first at" << action->firstFailure << "(" << action->failed << "of"
                                       << action->commands << "commands failed)";
        global->setValue(kBehindKey, true);
        global->sync();
    } else if (action->commands > 0 || action->held > 0) {
        qCInfo(lcOutcome).noquote() << "saved to the mouse:" << action->name << action->commands << "commands,"
                                    << action->held << "left out as the mouse held them";
        if (action->name == QLatin1String(kCatchUpAction) && global->contains(kBehindKey)) {
            global->remove(kBehindKey);
            global->sync();
        }
    }
    emit deviceActionEnded(m_lastOutcome);
    return m_lastOutcome;
}

bool myQQuickView::mouseBehind() const
{
    return m_stores->global()->value(kBehindKey, false).toBool();
}
