#include "device/dpiswitchtext.h"

#include <QMutex>
#include <QMutexLocker>

#include <array>

namespace dpiswitchtext {
namespace {

QMutex lock;

std::array<QString, kTexts> startTexts()
{
    std::array<QString, kTexts> texts;
    texts.fill(QStringLiteral("DPI Switch to"));
    return texts;
}

std::array<QString, kTexts> &texts()
{
    static std::array<QString, kTexts> current = startTexts();
    return current;
}

} // namespace

QString forStage(int stage)
{
    QMutexLocker locker(&lock);
    const int index = (stage >= 1 && stage <= 7) ? stage - 1 : 7;
    return texts()[index];
}

void replace(const QStringList &replacement)
{
    QMutexLocker locker(&lock);
    for (int i = 0; i < kTexts && i < replacement.size(); ++i)
        texts()[i] = replacement.at(i);
}

void reset()
{
    QMutexLocker locker(&lock);
    texts() = startTexts();
}

} // namespace dpiswitchtext
