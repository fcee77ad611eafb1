#include "device/dpiswitchtext.h"

#include <QMutexLocker>

DpiSwitchTexts::DpiSwitchTexts()
{
    m_texts.fill(QStringLiteral("DPI Switch to"));
}

QString DpiSwitchTexts::forStage(int stage) const
{
    QMutexLocker locker(&m_lock);
    const int index = (stage >= 1 && stage <= 7) ? stage - 1 : 7;
    return m_texts[size_t(index)];
}

void DpiSwitchTexts::replace(const QStringList &texts)
{
    QMutexLocker locker(&m_lock);
    for (int i = 0; i < kTexts && i < texts.size(); ++i)
        m_texts[size_t(i)] = texts.at(i);
}
