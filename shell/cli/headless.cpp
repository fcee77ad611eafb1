#include "shell/cli/headless.h"

#include "controller/myquickview.h"
#include "device/detectionhost.h"
#include "device/devicedetection.h"
#include "device/hidthread.h"
#include "storage/paths.h"

namespace cli {

namespace {

// The detection pass's host without a window: nothing to show or hide.
class HeadlessHost : public DetectionHost {
public:
    explicit HeadlessHost(myQQuickView &view) : m_view(view) { }

    bool connected = false;

    void showInfoBalloon(const QString &) override { }
    void setViewEnabled(bool) override { }
    void showCurrentDpi(int) override { }
    void clearHidBusy() override { m_view.clearHidBusy(); }
    void setDeviceConnected(bool isConnected) override { connected = isConnected; }
    void startUI() override { }
    void hideWindow() override { }

private:
    myQQuickView &m_view;
};

} // namespace

Result runHeadless(const cliargs::Request &request)
{
    myQQuickView view;
    Hid_Thread hid;
    HeadlessHost host(view);
    hid.owner = &host;
    view.hid = &hid;
    hid.setDeviceModel(view.model);
    // The profile in use, as the window's start takes it.
    bool isNumber = false;
    const int stored = view.getGlobalData(QStringLiteral("mouse/profileNo")).toString().trimmed().toInt(&isNumber);
    view.setCurrentProfile(isNumber && stored >= 0 && stored < paths::kProfileSlots ? stored : 0);
    {
        DeviceDetection detection(hid, host, paths::globalSettings());
        detection.request();
    }
    Target target;
    target.view = &view;
    target.hid = &hid;
    target.connected = host.connected;
    const Result result = execute(request, target);
    hid.stopListening();
    hid.waitForListenerEnd();
    return result;
}

} // namespace cli
