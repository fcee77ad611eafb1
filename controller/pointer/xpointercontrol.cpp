#include "controller/pointer/xpointercontrol.h"

#include "controller/pointer/pointerlog.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace xpointercontrol {

namespace {

struct ConnectionCloser {
    void operator()(xcb_connection_t *c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

Connection connect()
{
    Connection c(xcb_connect(nullptr, nullptr));
    if (c && xcb_connection_has_error(c.get())) {
        qCDebug(lcPointer) << "no X server for the pointer control";
        c.reset();
    }
    return c;
}

} // namespace

int setSpeed(int64_t speed)
{
    if (speed < kMinSpeed || speed > kMaxSpeed)
        return 0;
    Connection c = connect();
    if (!c)
        return 0;
    const xcb_void_cookie_t cookie =
        xcb_change_pointer_control_checked(c.get(), int16_t(speed), kSpeedDenominator, 0, 1, 0);
    if (xcb_generic_error_t *error = xcb_request_check(c.get(), cookie)) {
        qCDebug(lcPointer) << "pointer control refused, X error" << error->error_code;
        std::free(error);
        return 0;
    }
    return 1;
}

std::optional<int> speed()
{
    Connection c = connect();
    if (!c)
        return std::nullopt;
    xcb_get_pointer_control_reply_t *reply =
        xcb_get_pointer_control_reply(c.get(), xcb_get_pointer_control(c.get()), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<int> result;
    if (reply->acceleration_denominator != 0) {
        const int den = reply->acceleration_denominator;
        result = (reply->acceleration_numerator * kSpeedDenominator + den / 2) / den;
    }
    std::free(reply);
    return result;
}

} // namespace xpointercontrol
