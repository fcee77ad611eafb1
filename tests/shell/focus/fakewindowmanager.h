#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// What a window manager tells about the windows of an X server without one
// (Xvfb): small windows with a WM_CLASS and a title, the client list and the
// active window on the root.
class FakeWindowManager {
public:
    explicit FakeWindowManager(const char *display = nullptr)
    {
        int screenNumber = 0;
        m_c = xcb_connect(display, &screenNumber);
        if (xcb_connection_has_error(m_c))
            return;
        auto it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        m_screen = it.data;
        m_active = atom("_NET_ACTIVE_WINDOW");
        m_clients = atom("_NET_CLIENT_LIST");
        m_netName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
    }
    ~FakeWindowManager() { xcb_disconnect(m_c); }
    FakeWindowManager(const FakeWindowManager &) = delete;
    FakeWindowManager &operator=(const FakeWindowManager &) = delete;

    bool isValid() const { return m_screen != nullptr; }

    // A mapped 64 x 48 window; its index for front().
    int addWindow(const std::string &instance, const std::string &className, const std::string &title)
    {
        const xcb_window_t w = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_screen->root, 0, 0, 64, 48, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, 0, nullptr);
        std::string wmClass = instance;
        wmClass.push_back('\0');
        wmClass += className;
        wmClass.push_back('\0');
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            uint32_t(wmClass.size()), wmClass.data());
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, m_netName, m_utf8, 8, uint32_t(title.size()), title.data());
        xcb_map_window(m_c, w);
        m_windows.push_back(w);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_screen->root, m_clients, XCB_ATOM_WINDOW, 32,
                            uint32_t(m_windows.size()), m_windows.data());
        xcb_aux_sync();
        return int(m_windows.size()) - 1;
    }

    // The window at `index` comes to the front; -1: none does.
    void front(int index)
    {
        const xcb_window_t w = index >= 0 && index < int(m_windows.size()) ? m_windows.at(size_t(index)) : xcb_window_t(XCB_WINDOW_NONE);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_screen->root, m_active, XCB_ATOM_WINDOW, 32, 1, &w);
        xcb_aux_sync();
    }

    // Ends what this manager told: no active window, no client list.
    void clearRoot()
    {
        xcb_delete_property(m_c, m_screen->root, m_active);
        xcb_delete_property(m_c, m_screen->root, m_clients);
        xcb_aux_sync();
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    }
    // Every request has reached the server once this returns.
    void xcb_aux_sync() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

    xcb_connection_t *m_c = nullptr;
    xcb_screen_t *m_screen = nullptr;
    xcb_atom_t m_active = XCB_ATOM_NONE;
    xcb_atom_t m_clients = XCB_ATOM_NONE;
    xcb_atom_t m_netName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
    std::vector<xcb_window_t> m_windows;
};
