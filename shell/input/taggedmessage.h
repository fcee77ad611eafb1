#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// The tagged text message that other processes send to the running
// instance: a tag, a byte count and that many bytes. The running instance
// answers every message with one byte, kHandled or kNotHandled.
namespace taggedmessage {

inline constexpr qsizetype kTagOffset = 0; // little-endian 64-bit tag
inline constexpr qsizetype kTagSize = 8;
inline constexpr qsizetype kCountOffset = 8; // little-endian 32-bit byte count
inline constexpr qsizetype kCountSize = 4;
inline constexpr qsizetype kHeaderSize = 12;
static_assert(kCountOffset == kTagOffset + kTagSize);
static_assert(kHeaderSize == kCountOffset + kCountSize);

// Larger messages are refused before anything is allocated for them.
inline constexpr quint32 kMaxBytes = 1u << 20;

inline constexpr char kHandled = 1;
inline constexpr char kNotHandled = 0;

QByteArray encode(quint64 tag, QByteArrayView bytes);

struct Message {
    quint64 tag = 0;
    QByteArray bytes;
};

// Collects one message at a time from a stream.
class Reader {
public:
    enum class Status { NeedMore, Complete, Oversized };

    // How many more bytes the current message needs; a caller that reads no
    // more than this never buffers more than one message.
    qsizetype wanted() const;
    // Takes bytes of the stream; at most wanted() are used, the rest are
    // returned as not taken.
    qsizetype append(QByteArrayView bytes);
    // Complete hands over the message and starts the next; Oversized stays
    // until the stream is dropped.
    Status take(Message &message);
    // True between messages.
    bool idle() const { return !m_haveHeader && m_header.isEmpty(); }

private:
    QByteArray m_header;
    QByteArray m_bytes;
    quint64 m_tag = 0;
    quint32 m_count = 0;
    bool m_haveHeader = false;
    bool m_oversized = false;
};

} // namespace taggedmessage
