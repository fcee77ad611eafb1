#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

class QQmlEngine;
class QObject;

// The pages' scripts (ranges, names, what saving writes and sends) as the
// command line reads them, loaded into a QML engine from the program's own
// resources.
class PageRules {
public:
    explicit PageRules(QQmlEngine &engine);
    ~PageRules();
    PageRules(const PageRules &) = delete;
    PageRules &operator=(const PageRules &) = delete;

    bool isValid() const { return m_object != nullptr; }
    QString error() const { return m_error; }

    // A function of a page script, its result as plain values.
    QVariant call(const QString &library, const QString &function, const QVariantList &arguments = {}) const;
    // A variable of a page script.
    QVariant value(const QString &library, const QString &name) const;
    int intValue(const QString &library, const QString &name) const;
    QVariantList listValue(const QString &library, const QString &name) const;

    // The key name table, after the language's names were given to it.
    void setKeyNames(const QStringList &names);
    QString keyName(int code) const;
    QStringList keyNames() const;
    QList<int> keyCodes() const;
    QVariant macroPayload(const QStringList &stored) const;
    QVariant gunPeriods(const QVariantList &positions, const QVariantList &periodsByPosition) const;
    QString entryText(const QVariantList &entry, const QStringList &texts, const QStringList &macroNames) const;

private:
    QVariant invoke(const char *method, const QVariantList &arguments) const;

    std::unique_ptr<QObject> m_object;
    QString m_error;
};

// A value from a script as plain Qt values (arrays as lists, objects as maps).
QVariant plainValue(const QVariant &value);
