#include "controller/myquickview.h"

#include <QJSValue>
#include <QMap>
#include <QMetaMethod>
#include <QObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStringList>
#include <QTest>

#include <memory>
#include <utility>

namespace {

// Name -> parameter count. A slot with a default argument appears once per
// count; the wrapper passes what it is given, so the longest form counts.
using Calls = QMap<QString, int>;

// A QML function's name cannot start with a capital, so the wrapper's
// function for such a slot starts with the small letter.
QString wrapperName(const QByteArray &slot)
{
    QString name = QString::fromLatin1(slot);
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

void note(Calls &calls, const QMetaMethod &method)
{
    const QString name = wrapperName(method.name());
    calls[name] = std::max(calls.value(name, 0), method.parameterCount());
}

// What the UI may call on the controller: its own public slots and
// invokable operations, and the widget's setEnabled, which the shell uses
// to lock the window.
Calls controllerCalls()
{
    Calls calls;
    const QMetaObject &meta = myQQuickView::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const bool slot = method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public;
        if (slot || method.methodType() == QMetaMethod::Method)
            note(calls, method);
    }
    note(calls, meta.method(meta.indexOfSlot("setEnabled(bool)")));
    return calls;
}

} // namespace

// The UI's typed wrapper of the controller against the controller itself:
// a call misspelt, dropped or given the wrong parameters on either side
// fails here rather than as a warning when the page runs.
class TestControllerWrapper : public QObject {
    Q_OBJECT
private slots:
    void wrapperMatchesTheController()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/modules/qml/common/Controller.qml")));
        std::unique_ptr<QObject> wrapper(component.create());
        QVERIFY2(wrapper, qPrintable(component.errorString()));

        Calls wrapped;
        const QMetaObject *meta = wrapper->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Method || method.methodType() == QMetaMethod::Slot)
                note(wrapped, method);
        }

        const Calls expected = controllerCalls();
        QVERIFY(expected.contains(QStringLiteral("getGlobalData")));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QVERIFY2(wrapped.contains(it.key()), qPrintable(it.key() + QStringLiteral(" has no wrapper")));
            QCOMPARE(wrapped.value(it.key()), it.value());
        }
        for (auto it = wrapped.cbegin(); it != wrapped.cend(); ++it)
            QVERIFY2(expected.contains(it.key()), qPrintable(it.key() + QStringLiteral(" is no call of the controller")));
    }

    // Each function passes its call on under the slot's own name.
    void eachFunctionCallsItsSlot()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/modules/qml/common/Controller.qml")));
        std::unique_ptr<QObject> wrapper(component.create());
        QVERIFY2(wrapper, qPrintable(component.errorString()));
        QQmlEngine::setObjectOwnership(wrapper.get(), QQmlEngine::CppOwnership);

        QJSValue recorder = engine.evaluate(QStringLiteral(
            "(function() { var r = { last: '' };"
            " r.target = new Proxy({}, { get: function(o, name) { return function() { r.last = name } } });"
            " return r })()"));
        QJSValue jsWrapper = engine.newQObject(wrapper.get());
        jsWrapper.setProperty(QStringLiteral("target"), recorder.property(QStringLiteral("target")));

        const QMetaObject &meta = myQQuickView::staticMetaObject;
        QStringList slotNames{QStringLiteral("setEnabled")};
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            if (method.methodType() != QMetaMethod::Signal && method.access() == QMetaMethod::Public)
                slotNames << QString::fromLatin1(method.name());
        }
        for (const QString &slot : std::as_const(slotNames)) {
            recorder.setProperty(QStringLiteral("last"), QString());
            const QJSValue result = jsWrapper.property(wrapperName(slot.toLatin1())).callWithInstance(jsWrapper);
            QVERIFY2(!result.isError(), qPrintable(slot + QStringLiteral(": ") + result.toString()));
            QCOMPARE(recorder.property(QStringLiteral("last")).toString(), slot);
        }
    }
};

QTEST_MAIN(TestControllerWrapper)
#include "tst_controllerwrapper.moc"
