/* exported init, enable, disable */
// Tells Orbex Mouse which window is in front: its class (what the profile
// page lists) and its title (shown in the page's picker). An empty class
// means no window is in front. Without the program running the calls go
// nowhere: they start nothing and nobody waits for an answer.
const { Gio, GLib } = imports.gi;

const service = 'example.meridan_orbex.OrbexMouse';
const path = '/example/meridan_orbex/OrbexMouse';
const iface = 'example.meridan_orbex.OrbexMouse.Focus';

let focusHandler = 0;

function text(value) {
    return value === undefined || value === null ? '' : String(value);
}

function report(window) {
    const windowClass = window ? text(window.get_wm_class()) : '';
    const title = window ? text(window.get_title()) : '';
    Gio.DBus.session.call(service, path, iface, 'WindowActivated',
        new GLib.Variant('(ss)', [windowClass, title]), null,
        Gio.DBusCallFlags.NO_AUTO_START, -1, null, null);
}

function init() {
}

function enable() {
    focusHandler = global.display.connect('notify::focus-window',
        () => report(global.display.focus_window));
    report(global.display.focus_window);
}

function disable() {
    if (focusHandler)
        global.display.disconnect(focusHandler);
    focusHandler = 0;
}
