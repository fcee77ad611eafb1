#include "device/linkoutcome.h"

namespace linkoutcome {

QString name(Kind kind)
{
    switch (kind) {
    case Kind::Done:
        return QStringLiteral("done");
    case Kind::NotKept:
        return QStringLiteral("notKept");
    case Kind::Refused:
        return QStringLiteral("refused");
    case Kind::NoAnswer:
        return QStringLiteral("noAnswer");
    case Kind::Busy:
        return QStringLiteral("busy");
    case Kind::Gone:
        return QStringLiteral("gone");
    }
    return QStringLiteral("done");
}

Kind worse(Kind a, Kind b)
{
    return uint8_t(a) >= uint8_t(b) ? a : b;
}

void Action::add(const QString &command, Kind result)
{
    ++commands;
    if (result == Kind::Done)
        return;
    if (failed++ == 0)
        firstFailure = command;
    kind = worse(kind, result);
}

QVariantMap Action::toMap() const
{
    return {{QStringLiteral("action"), name},
            {QStringLiteral("ok"), ok()},
            {QStringLiteral("kind"), linkoutcome::name(kind)},
            {QStringLiteral("commands"), commands},
            {QStringLiteral("failed"), failed},
            {QStringLiteral("held"), held},
            {QStringLiteral("command"), firstFailure}};
}

} // namespace linkoutcome
