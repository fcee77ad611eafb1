// The KWin script and the GNOME Shell extension, run against stand-ins for
// the desktop's objects: what each calls on the session bus for a table of
// windows coming to the front, at start and on every change.
//   node focus_scripts_test.js <kwin package dir> <gnome extension dir> <service> <path> <interface> <kwin id>
'use strict';
const assert = require('assert');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const [kwinDir, gnomeDir, service, objectPath, iface, kwinId] = process.argv.slice(2);
const expected = (windowClass, title) => [service, objectPath, iface, 'WindowActivated', windowClass, title];

// Windows coming to the front in turn; a class or title the desktop does not
// know yet (null) goes out empty.
const windows = [
    { windowClass: 'steam_app_570', title: 'Dota 2' },
    { windowClass: 'org.gnome.Nautilus', title: 'Dossier « été »' },
    { windowClass: '', title: 'Loading…' },
    { windowClass: null, title: null },
];
const sentForTable = windows.map(w => expected(w.windowClass ?? '', w.title ?? ''));

let failures = 0;
function check(name, body) {
    try {
        body();
        console.log('PASS', name);
    } catch (e) {
        failures++;
        console.log('FAIL', name, '\n   ', e.message);
    }
}

function runScript(file, context) {
    vm.createContext(context);
    vm.runInContext(fs.readFileSync(file, 'utf8'), context, { filename: file });
    return context;
}

// KWin: workspace.clientActivated and callDBus.
function kwin(activeClient) {
    const calls = [];
    const handlers = [];
    const context = runScript(path.join(kwinDir, 'contents/code/main.js'), {
        workspace: { activeClient, clientActivated: { connect: f => handlers.push(f) } },
        callDBus: (...args) => calls.push(args),
    });
    return { calls, handlers, context };
}

check('kwin: the window in front at start, then each one coming to the front, then none', () => {
    const k = kwin({ resourceClass: 'kate', caption: 'notes.txt' });
    assert.strictEqual(k.handlers.length, 1);
    for (const w of windows)
        k.handlers[0]({ resourceClass: w.windowClass, caption: w.title });
    k.handlers[0](null);
    assert.deepStrictEqual(k.calls, [expected('kate', 'notes.txt'), ...sentForTable, expected('', '')]);
});
check('kwin: package metadata agree on the plugin id and main script', () => {
    const json = JSON.parse(fs.readFileSync(path.join(kwinDir, 'metadata.json'), 'utf8'));
    const desktop = fs.readFileSync(path.join(kwinDir, 'metadata.desktop'), 'utf8');
    assert.strictEqual(json.KPlugin.Id, kwinId);
    assert.match(desktop, new RegExp(`^X-KDE-PluginInfo-Name=${kwinId}$`, 'm'));
    assert.deepStrictEqual(json.KPlugin.ServiceTypes, ['KWin/Script']);
    assert.match(desktop, /^X-KDE-ServiceTypes=KWin\/Script$/m);
    for (const main of [json['X-Plasma-MainScript'], desktop.match(/^X-Plasma-MainScript=(.*)$/m)[1]])
        assert.ok(fs.existsSync(path.join(kwinDir, 'contents', main)), `contents/${main} is missing`);
});

// GNOME Shell: global.display's notify::focus-window and Gio.DBus.session.
function gnome(focusWindow) {
    const calls = [];
    const display = {
        focus_window: focusWindow,
        handlers: new Map(),
        next: 1,
        connect(signal, f) { this.handlers.set(this.next, [signal, f]); return this.next++; },
        disconnect(id) { assert.ok(this.handlers.delete(id), `disconnect of unknown handler ${id}`); },
    };
    function Variant(signature, values) { this.signature = signature; this.values = values; }
    const Gio = {
        DBus: { session: { call: (...args) => calls.push(args) } },
        DBusCallFlags: { NONE: 0, NO_AUTO_START: 1 },
    };
    const context = runScript(path.join(gnomeDir, 'extension.js'), {
        imports: { gi: { Gio, GLib: { Variant } } },
        global: { display },
    });
    // What the call carried, as the KWin calls above.
    const sent = () => calls.map(c => {
        assert.strictEqual(c[4].signature, '(ss)');
        assert.strictEqual(c[7], -1);
        assert.strictEqual(c[6] & Gio.DBusCallFlags.NO_AUTO_START, 1, 'a call must not start the program');
        return [c[0], c[1], c[2], c[3], ...c[4].values];
    });
    return { calls, sent, display, context };
}
const metaWindow = w => w && { get_wm_class: () => w.windowClass, get_title: () => w.title };

check('gnome: the window in front at enable, then each one coming to the front, then none', () => {
    const g = gnome(metaWindow({ windowClass: 'firefox-esr', title: 'Start' }));
    g.context.init();
    g.context.enable();
    const handlers = [...g.display.handlers.values()];
    assert.deepStrictEqual(handlers.map(h => h[0]), ['notify::focus-window']);
    for (const w of [...windows, null]) {
        g.display.focus_window = metaWindow(w);
        handlers[0][1]();
    }
    assert.deepStrictEqual(g.sent(), [expected('firefox-esr', 'Start'), ...sentForTable, expected('', '')]);
});
check('gnome: disable stops the reports, and enable after it starts them again', () => {
    const g = gnome(null);
    g.context.init();
    g.context.enable();
    g.context.disable();
    assert.strictEqual(g.display.handlers.size, 0);
    g.context.disable();
    g.context.enable();
    assert.strictEqual(g.display.handlers.size, 1);
});
check('gnome: metadata names the shell version and a uuid for the folder', () => {
    const meta = JSON.parse(fs.readFileSync(path.join(gnomeDir, 'metadata.json'), 'utf8'));
    assert.ok(meta['shell-version'].includes('43'));
    assert.match(meta.uuid, /^[A-Za-z0-9._-]+@[A-Za-z0-9._-]+$/);
    for (const key of ['name', 'description'])
        assert.ok(typeof meta[key] === 'string' && meta[key].length > 0, `${key} is missing`);
});

console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
