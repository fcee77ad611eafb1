// Helpers for driving the virtual mouse through hidapi in tests.
#pragma once

#include <hidapi/hidapi.h>
#include <virtual_mouse.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace vmtest {

// "00 01 02" -> bytes
inline QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

inline QString toHex(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex());
}

// A plain (not enciphered) mouse of a family, on its own, with the usual pairs.
inline QByteArray plainMouse(int family, bool isGun = false, int reportLength = 32)
{
    return QStringLiteral("[mouse]\nfamily = %1\nisEncode = false\nisGun = %2\nreportLength = %3\n")
        .arg(family)
        .arg(isGun ? "true" : "false")
        .arg(reportLength)
        .toLatin1();
}

inline int configure(const QByteArray &ini)
{
    return vm_configure_text(ini.constData());
}

class Handle {
public:
    explicit Handle(const char *path) : dev(hid_open_path(path)) { }
    ~Handle()
    {
        if (dev)
            hid_close(dev);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    hid_device *get() const { return dev; }
    explicit operator bool() const { return dev != nullptr; }

private:
    hid_device *dev;
};

inline int sendFeature(hid_device *dev, const QByteArray &report)
{
    return hid_send_feature_report(dev, reinterpret_cast<const unsigned char *>(report.constData()),
                                   size_t(report.size()));
}

// The reply report (report ID included), empty on failure.
inline QByteArray getFeature(hid_device *dev, int size = 9)
{
    QByteArray buf(size, '\0');
    const int n = hid_get_feature_report(dev, reinterpret_cast<unsigned char *>(buf.data()), size_t(size));
    return n < 0 ? QByteArray() : buf.left(n);
}

// One output report as the program sends it: report ID 0, the chunk, zero fill to the report length.
inline int writeChunk(hid_device *dev, const QByteArray &chunk, int reportLength = 32)
{
    QByteArray report(reportLength + 1, '\0');
    report.replace(1, chunk.size(), chunk);
    return hid_write(dev, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
}

// Sends a payload in report-length chunks.
inline bool writePayload(hid_device *dev, const QByteArray &payload, int reportLength = 32)
{
    for (int off = 0; off < payload.size(); off += reportLength)
        if (writeChunk(dev, payload.mid(off, reportLength), reportLength) < 0)
            return false;
    return true;
}

// Result of one read: count (-1, 0 or bytes) and the bytes.
struct ReadResult {
    int count;
    QByteArray bytes;
};

inline ReadResult readTimeout(hid_device *dev, int ms, int size = 33)
{
    QByteArray buf(size, '\0');
    const int n = hid_read_timeout(dev, reinterpret_cast<unsigned char *>(buf.data()), size_t(size), ms);
    return {n, n > 0 ? buf.left(n) : QByteArray()};
}

inline QJsonObject device(int index)
{
    const QJsonObject root = QJsonDocument::fromJson(QByteArray(vm_state_json())).object();
    return root.value("devices").toArray().at(index).toObject();
}

inline QByteArray bytesOf(const QJsonValue &array)
{
    QByteArray out;
    for (const QJsonValue v : array.toArray())
        out.append(char(v.toInt()));
    return out;
}

inline QStringList traceLines()
{
    return QString::fromLatin1(vm_trace()).split('\n', Qt::SkipEmptyParts);
}

// The trace without timestamps: "op path hex".
inline QStringList traceOps()
{
    QStringList out;
    for (const QString &line : traceLines())
        out << line.section(' ', 1);
    return out;
}

} // namespace vmtest
