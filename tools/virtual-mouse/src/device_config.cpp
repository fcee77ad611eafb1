#include "device_config.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace vm {
namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::optional<bool> parseBool(std::string_view v)
{
    const std::string l = lower(v);
    if (l == "true" || l == "1" || l == "yes" || l == "on")
        return true;
    if (l == "false" || l == "0" || l == "no" || l == "off")
        return false;
    return std::nullopt;
}

std::optional<long> parseNumber(std::string_view v, int base)
{
    if (base == 16 && v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X'))
        v.remove_prefix(2);
    long value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value, base);
    if (ec != std::errc() || end != v.data() + v.size() || v.empty())
        return std::nullopt;
    return value;
}

class Parser {
public:
    ConfigResult run(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") // editors that mark UTF-8
            text.remove_prefix(3);
        std::size_t pos = 0;
        while (pos <= text.size() && result.error.empty()) {
            const std::size_t eol = std::min(text.find('\n', pos), text.size());
            ++lineNo;
            line(trim(text.substr(pos, eol - pos)));
            pos = eol + 1;
        }
        result.ok = result.error.empty();
        if (!result.ok)
            result.devices.clear();
        return result;
    }

private:
    void fail(const std::string &what)
    {
        if (result.error.empty())
            result.error = "line " + std::to_string(lineNo) + ": " + what;
    }

    void line(std::string_view l)
    {
        if (l.empty() || l.front() == ';' || l.front() == '#')
            return;
        if (l.front() == '[') {
            if (l.back() != ']')
                return fail("section header without ']'");
            result.devices.emplace_back();
            return;
        }
        const std::size_t eq = l.find('=');
        if (eq == std::string_view::npos)
            return fail("expected key = value");
        if (result.devices.empty())
            return fail("key outside a device section");
        std::string_view value = trim(l.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        const std::string_view name = trim(l.substr(0, eq));
        assign(lower(name), std::string(name), value, result.devices.back());
    }

    void hex16(std::string_view key, std::string_view v, uint16_t &out)
    {
        const auto n = parseNumber(v, 16);
        if (!n || *n < 0 || *n > 0xffff)
            return fail(std::string(key) + ": expected a hexadecimal value up to ffff");
        out = uint16_t(*n);
    }

    void flag(std::string_view key, std::string_view v, bool &out)
    {
        const auto b = parseBool(v);
        if (!b)
            return fail(std::string(key) + ": expected true or false");
        out = *b;
    }

    void assign(const std::string &lowered, const std::string &key, std::string_view v, DeviceConfig &d)
    {
        if (lowered == "vid")
            hex16(key, v, d.vid);
        else if (lowered == "pid")
            hex16(key, v, d.pid);
        else if (lowered == "usagepage")
            hex16(key, v, d.usagePage);
        else if (lowered == "usage")
            hex16(key, v, d.usage);
        else if (lowered == "usagepage2")
            hex16(key, v, d.usagePage2);
        else if (lowered == "usage2")
            hex16(key, v, d.usage2);
        else if (lowered == "reportlength") {
            const auto n = parseNumber(v, 10);
            if (!n || *n < 1 || *n > kMaxReportLength)
                return fail("reportLength: expected 1 to " + std::to_string(kMaxReportLength));
            d.reportLength = int(*n);
        } else if (lowered == "isencode")
            flag(key, v, d.isEncode);
        else if (lowered == "scode") {
            if (v.size() != 6)
                return fail("sCode: expected six characters");
            d.sCode = std::string(v);
        } else if (lowered == "family") {
            if (v == "553")
                d.family = Family::F553;
            else if (v == "560")
                d.family = Family::F560;
            else
                return fail("family: expected 553 or 560");
        } else if (lowered == "isgun")
            flag(key, v, d.isGun);
        else if (lowered == "present")
            flag(key, v, d.present);
        else if (lowered == "absent") {
            bool absent = false;
            flag(key, v, absent);
            d.present = !absent;
        } else if (lowered == "openfails")
            flag(key, v, d.faults.openFails);
        else if (lowered == "noreply")
            flag(key, v, d.faults.noReply);
        else if (lowered == "wrongecho")
            flag(key, v, d.faults.wrongEcho);
        else if (lowered == "featureerror")
            flag(key, v, d.faults.featureError);
        else if (lowered == "writeerror")
            flag(key, v, d.faults.writeError);
        else if (lowered == "eventneedsoption")
            flag(key, v, d.faults.eventNeedsOption);
        else if (lowered == "keepsoldbyte")
            flag(key, v, d.faults.keepsOldByte);
        else if (lowered == "unplugafter") {
            const auto n = parseNumber(v, 10);
            if (!n || *n < 0 || *n > 1000000000)
                return fail("unplugAfter: expected a count of calls, 0 for never");
            d.faults.unplugAfter = int(*n);
        } else
            fail("unknown key '" + key + "'");
    }

    ConfigResult result;
    int lineNo = 0;
};

} // namespace

ConfigResult parseConfig(std::string_view text)
{
    return Parser().run(text);
}

} // namespace vm
