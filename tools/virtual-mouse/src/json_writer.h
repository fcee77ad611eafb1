// Minimal JSON text builder for the state dump.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vm {

class JsonWriter {
public:
    void beginObject()
    {
        separate();
        text += '{';
        first = true;
    }
    void endObject()
    {
        text += '}';
        first = false;
    }
    void beginArray()
    {
        separate();
        text += '[';
        first = true;
    }
    void endArray()
    {
        text += ']';
        first = false;
    }
    void key(const char *name)
    {
        separate();
        text += '"';
        text += name;
        text += "\":";
        first = true; // the value follows without a comma
    }
    void value(long v)
    {
        separate();
        text += std::to_string(v);
        first = false;
    }
    void value(bool v)
    {
        separate();
        text += v ? "true" : "false";
        first = false;
    }
    void value(const std::string &s)
    {
        separate();
        text += '"';
        for (const char c : s) {
            if (c == '"' || c == '\\') {
                text += '\\';
                text += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static const char digits[] = "0123456789abcdef";
                text += "\\u00";
                text += digits[(c >> 4) & 0xf];
                text += digits[c & 0xf];
            } else {
                text += c;
            }
        }
        text += '"';
        first = false;
    }
    void bytes(std::span<const uint8_t> data)
    {
        beginArray();
        for (const uint8_t b : data)
            value(long(b));
        endArray();
    }
    template <typename Rows> void byteRows(const Rows &rows)
    {
        beginArray();
        for (const auto &row : rows)
            bytes(row);
        endArray();
    }
    const std::string &str() const { return text; }

private:
    void separate()
    {
        if (!first)
            text += ',';
        first = false;
    }
    std::string text;
    bool first = true;
};

} // namespace vm
