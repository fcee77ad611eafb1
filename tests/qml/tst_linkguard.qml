import QtQuick
import QtTest
import "qrc:/modules/qml/common/LinkGuard.js" as LinkGuard

TestCase {
    name: "LinkGuard"

    property var ran: []
    property var queue: null
    property bool busy: false

    function init() {
        ran = []
        queue = LinkGuard.create()
        busy = false
    }

    function action(name) { return function() { ran.push(name) } }
    function isBusy() { return busy }

    function test_free_link_keeps_nothing() {
        verify(!LinkGuard.deferIfBusy(queue, false, "save", action("save")))
        compare(LinkGuard.waitingKinds(queue), [])
    }

    function test_kinds_wait_once_in_order_with_the_latest_request() {
        verify(LinkGuard.deferIfBusy(queue, true, "profile", action("profile 2")))
        verify(LinkGuard.deferIfBusy(queue, true, "save", action("save")))
        verify(LinkGuard.deferIfBusy(queue, true, "profile", action("profile 4")))
        compare(LinkGuard.waitingKinds(queue), ["profile", "save"])
        LinkGuard.runWaiting(queue, isBusy)
        compare(ran, ["profile 4", "save"])
        compare(LinkGuard.waitingKinds(queue), [])
    }

    // An action that leaves the link busy (its last command still in a
    // pause) holds back the rest until the link is free again.
    function test_busy_link_holds_the_rest_back() {
        LinkGuard.deferIfBusy(queue, true, "save", function() { ran.push("save"); busy = true })
        LinkGuard.deferIfBusy(queue, true, "reset", action("reset"))
        LinkGuard.runWaiting(queue, isBusy)
        compare(ran, ["save"])
        compare(LinkGuard.waitingKinds(queue), ["reset"])
        busy = false
        LinkGuard.runWaiting(queue, isBusy)
        compare(ran, ["save", "reset"])
    }
}
