#include "shell/focus/desktop/wlrfocussource.h"

#include "wlr-foreign-toplevel-management-unstable-v1-server-protocol.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <wayland-server.h>

#include <sys/eventfd.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

// A compositor that lists toplevel windows and nothing else, run in a thread
// of its own (the source's start waits for its answers); the test hands it
// work through a queue.
class FakeCompositor {
public:
    explicit FakeCompositor(bool offersList)
    {
        m_display = wl_display_create();
        m_socket = wl_display_add_socket_auto(m_display);
        if (offersList)
            wl_global_create(m_display, &zwlr_foreign_toplevel_manager_v1_interface, 3, this, &FakeCompositor::bind);
        m_wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        wl_event_loop_add_fd(wl_display_get_event_loop(m_display), m_wake, WL_EVENT_READABLE,
                             &FakeCompositor::runQueued, this);
        m_thread = std::thread([this] { wl_display_run(m_display); });
    }

    ~FakeCompositor()
    {
        post([this] { wl_display_terminate(m_display); });
        m_thread.join();
        wl_display_destroy_clients(m_display);
        wl_display_destroy(m_display);
        ::close(m_wake);
    }

    QByteArray socket() const { return m_socket; }

    // Runs `work` in the compositor's thread and waits for it.
    void run(std::function<void()> work)
    {
        std::promise<void> done;
        post([&] { work(); wl_display_flush_clients(m_display); done.set_value(); });
        done.get_future().wait();
    }

    // A new window, announced with its details; returns its number.
    int open(const char *appId, const char *title, bool activated)
    {
        int number = -1;
        run([&] {
            wl_resource *handle = wl_resource_create(wl_resource_get_client(m_manager),
                &zwlr_foreign_toplevel_handle_v1_interface, wl_resource_get_version(m_manager), 0);
            wl_resource_set_implementation(handle, &handleRequests, nullptr, nullptr);
            zwlr_foreign_toplevel_manager_v1_send_toplevel(m_manager, handle);
            zwlr_foreign_toplevel_handle_v1_send_app_id(handle, appId);
            zwlr_foreign_toplevel_handle_v1_send_title(handle, title);
            sendState(handle, activated);
            m_handles.push_back(handle);
            number = int(m_handles.size()) - 1;
        });
        return number;
    }

    void setActivated(int window, bool activated)
    {
        run([&] { sendState(m_handles[window], activated); });
    }

    void closeWindow(int window)
    {
        run([&] { zwlr_foreign_toplevel_handle_v1_send_closed(m_handles[window]); });
    }

    bool clientBound() { bool bound = false; run([&] { bound = m_manager != nullptr; }); return bound; }

private:
    static void sendState(wl_resource *handle, bool activated)
    {
        wl_array states;
        wl_array_init(&states);
        *static_cast<uint32_t *>(wl_array_add(&states, sizeof(uint32_t))) = ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MAXIMIZED;
        if (activated)
            *static_cast<uint32_t *>(wl_array_add(&states, sizeof(uint32_t))) = ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        zwlr_foreign_toplevel_handle_v1_send_state(handle, &states);
        zwlr_foreign_toplevel_handle_v1_send_done(handle);
        wl_array_release(&states);
    }

    void post(std::function<void()> work)
    {
        {
            std::lock_guard lock(m_queueLock);
            m_queue.push_back(std::move(work));
        }
        const uint64_t one = 1;
        [[maybe_unused]] auto written = write(m_wake, &one, sizeof one);
    }

    static int runQueued(int fd, uint32_t, void *data)
    {
        auto *self = static_cast<FakeCompositor *>(data);
        uint64_t count;
        [[maybe_unused]] auto drained = ::read(fd, &count, sizeof count);
        std::vector<std::function<void()>> work;
        {
            std::lock_guard lock(self->m_queueLock);
            work.swap(self->m_queue);
        }
        for (auto &w : work)
            w();
        return 0;
    }

    static void bind(wl_client *client, void *data, uint32_t version, uint32_t id)
    {
        auto *self = static_cast<FakeCompositor *>(data);
        self->m_manager = wl_resource_create(client, &zwlr_foreign_toplevel_manager_v1_interface, int(version), id);
        wl_resource_set_implementation(self->m_manager, &managerRequests, self, nullptr);
    }

    // The source sends no request but a handle's destroy.
    static constexpr struct zwlr_foreign_toplevel_manager_v1_interface managerRequests{};
    static constexpr struct zwlr_foreign_toplevel_handle_v1_interface handleRequests = [] {
        struct zwlr_foreign_toplevel_handle_v1_interface requests{};
        requests.destroy = [](wl_client *, wl_resource *resource) { wl_resource_destroy(resource); };
        return requests;
    }();

    wl_display *m_display = nullptr;
    QByteArray m_socket;
    int m_wake = -1;
    std::thread m_thread;
    std::mutex m_queueLock;
    std::vector<std::function<void()>> m_queue;
    wl_resource *m_manager = nullptr;
    std::vector<wl_resource *> m_handles;
};

class TestWlrFocusSource : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

    using Reports = QList<QStringList>;
    static Reports reports(const QSignalSpy &spy)
    {
        Reports all;
        for (const auto &args : spy)
            all << QStringList{args.at(0).toString(), args.at(1).toString()};
        return all;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    // No compositor at all, or one that does not list its windows.
    void notOfferedWithoutAWindowList()
    {
        QVERIFY(!WlrFocusSource("orbex-no-such-compositor").start());
        FakeCompositor compositor(false);
        QVERIFY(!WlrFocusSource(compositor.socket()).start());
    }

    // Two windows; focus moves to the second, back to the first, which then
    // closes, leaving none in front.
    void followsTheWindowInFront()
    {
        FakeCompositor compositor(true);
        WlrFocusSource source(compositor.socket());
        QSignalSpy spy(&source, &FocusSource::activated);
        QVERIFY(source.start());
        QVERIFY(compositor.clientBound());
        const int terminal = compositor.open("foot", "~", true);
        const int game = compositor.open("steam_app_570", "Dota 2", false);
        QTRY_COMPARE(reports(spy), (Reports{{"foot", "~"}}));
        QTRY_COMPARE(source.openWindows(), (QList<OpenWindow>{{"foot", "~"}, {"steam_app_570", "Dota 2"}}));

        compositor.setActivated(terminal, false);
        compositor.setActivated(game, true);
        QTRY_COMPARE(reports(spy).last(), (QStringList{"steam_app_570", "Dota 2"}));
        compositor.setActivated(game, false);
        compositor.setActivated(terminal, true);
        QTRY_COMPARE(reports(spy).last(), (QStringList{"foot", "~"}));
        compositor.closeWindow(terminal);
        QTRY_COMPARE(reports(spy).last(), (QStringList{"", ""}));
        QTRY_COMPARE(source.openWindows(), (QList<OpenWindow>{{"steam_app_570", "Dota 2"}}));
    }

    // A compositor that goes away leaves the source quiet, not reading a
    // closed connection.
    void compositorGoneStopsTheSource()
    {
        auto compositor = std::make_unique<FakeCompositor>(true);
        WlrFocusSource source(compositor->socket());
        QSignalSpy spy(&source, &FocusSource::activated);
        QVERIFY(source.start());
        QTest::ignoreMessage(QtWarningMsg, "wlr: the connection to the compositor broke");
        compositor.reset();
        QTest::qWait(200);
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWlrFocusSource)
#include "tst_wlrfocussource.moc"
