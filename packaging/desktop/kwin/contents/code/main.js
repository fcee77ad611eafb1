// Tells Orbex Mouse which window is in front: its class (what the profile
// page lists) and its title (shown in the page's picker). An empty class
// means no window is in front. The program loads this script when it finds
// KWin; without the program running the calls go nowhere.
var service = "example.meridan_orbex.OrbexMouse";
var path = "/example/meridan_orbex/OrbexMouse";
var iface = "example.meridan_orbex.OrbexMouse.Focus";

function text(value) {
    return value === undefined || value === null ? "" : String(value);
}

function report(client) {
    var windowClass = client ? text(client.resourceClass) : "";
    var title = client ? text(client.caption) : "";
    callDBus(service, path, iface, "WindowActivated", windowClass, title);
}

workspace.clientActivated.connect(report);
// The window in front when the script starts.
report(workspace.activeClient);
