#include "shell/cli/pagerules.h"

#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>

namespace {
const QUrl kRules(QStringLiteral("qrc:/cli/PageRules.qml"));
}

QVariant plainValue(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>())
        return value.value<QJSValue>().toVariant();
    return value;
}

PageRules::PageRules(QQmlEngine &engine)
{
    QQmlComponent component(&engine, kRules);
    m_object.reset(component.create());
    if (!m_object)
        m_error = component.errorString();
}

PageRules::~PageRules() = default;

QVariant PageRules::invoke(const char *method, const QVariantList &arguments) const
{
    if (!m_object)
        return {};
    QVariant result;
    auto arg = [&](int i) { return Q_ARG(QVariant, i < arguments.size() ? arguments.at(i) : QVariant()); };
    switch (arguments.size()) {
    case 0:
        QMetaObject::invokeMethod(m_object.get(), method, Q_RETURN_ARG(QVariant, result));
        break;
    case 1:
        QMetaObject::invokeMethod(m_object.get(), method, Q_RETURN_ARG(QVariant, result), arg(0));
        break;
    case 2:
        QMetaObject::invokeMethod(m_object.get(), method, Q_RETURN_ARG(QVariant, result), arg(0), arg(1));
        break;
    default:
        QMetaObject::invokeMethod(m_object.get(), method, Q_RETURN_ARG(QVariant, result), arg(0), arg(1), arg(2));
        break;
    }
    return plainValue(result);
}

QVariant PageRules::call(const QString &library, const QString &function, const QVariantList &arguments) const
{
    return invoke("call", {library, function, QVariant(arguments)});
}

QVariant PageRules::value(const QString &library, const QString &name) const
{
    return invoke("value", {library, name});
}

int PageRules::intValue(const QString &library, const QString &name) const
{
    return value(library, name).toInt();
}

QVariantList PageRules::listValue(const QString &library, const QString &name) const
{
    return value(library, name).toList();
}

void PageRules::setKeyNames(const QStringList &names)
{
    invoke("setKeyNames", {QVariant(names)});
}

QString PageRules::keyName(int code) const
{
    return invoke("keyName", {code}).toString();
}

QStringList PageRules::keyNames() const
{
    return invoke("keyNameList", {}).toStringList();
}

QList<int> PageRules::keyCodes() const
{
    QList<int> codes;
    for (const QVariant &v : invoke("keyCodeList", {}).toList())
        codes << v.toInt();
    return codes;
}

QString PageRules::entryText(const QVariantList &entry, const QStringList &texts, const QStringList &macroNames) const
{
    return invoke("entryText", {QVariant(entry), QVariant(texts), QVariant(macroNames)}).toString();
}

QVariant PageRules::gunPeriods(const QVariantList &positions, const QVariantList &periodsByPosition) const
{
    return invoke("gunPeriods", {QVariant(positions), QVariant(periodsByPosition)});
}

QVariant PageRules::macroPayload(const QStringList &stored) const
{
    return invoke("macroPayload", {QVariant(stored)});
}
