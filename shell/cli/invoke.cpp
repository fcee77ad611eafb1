#include "shell/cli/invoke.h"

#include <QMetaMethod>
#include <QObject>

#include <array>

namespace cli {

QVariant callByName(QObject *target, const QString &name, const QVariantList &arguments, bool *found)
{
    if (found)
        *found = false;
    constexpr int kMostArguments = 4;
    if (!target || arguments.size() > kMostArguments)
        return {};
    const QMetaObject *meta = target->metaObject();
    const QByteArray wanted = name.toLatin1();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != wanted || method.parameterCount() != arguments.size())
            continue;
        // Each argument as the parameter's type; a QVariant parameter takes
        // it as it is.
        std::array<QVariant, kMostArguments> converted;
        std::array<QGenericArgument, kMostArguments> generic;
        for (int p = 0; p < method.parameterCount(); ++p) {
            const QMetaType type = method.parameterMetaType(p);
            if (type == QMetaType::fromType<QVariant>()) {
                converted[size_t(p)] = arguments.at(p);
                generic[size_t(p)] = QGenericArgument("QVariant", &converted[size_t(p)]);
            } else {
                converted[size_t(p)] = arguments.at(p);
                if (!converted[size_t(p)].convert(type))
                    return {};
                generic[size_t(p)] = QGenericArgument(type.name(), converted[size_t(p)].constData());
            }
        }
        QVariant result;
        const QMetaType returnType = method.returnMetaType();
        bool invoked = false;
        if (returnType == QMetaType::fromType<QVariant>()) {
            invoked = method.invoke(target, Qt::DirectConnection, Q_RETURN_ARG(QVariant, result), generic[0],
                                    generic[1], generic[2], generic[3]);
        } else if (returnType.isValid() && returnType.id() != QMetaType::Void) {
            result = QVariant(returnType);
            invoked = method.invoke(target, Qt::DirectConnection,
                                    QGenericReturnArgument(returnType.name(), result.data()), generic[0],
                                    generic[1], generic[2], generic[3]);
        } else {
            invoked = method.invoke(target, Qt::DirectConnection, generic[0], generic[1], generic[2], generic[3]);
        }
        if (found)
            *found = invoked;
        return result;
    }
    return {};
}

} // namespace cli
