#include "shell/input/taggedmessage.h"

#include <QtEndian>

#include <algorithm>

namespace taggedmessage {

QByteArray encode(quint64 tag, QByteArrayView bytes)
{
    Q_ASSERT(quint64(bytes.size()) <= kMaxBytes);
    QByteArray frame(kHeaderSize, '\0');
    qToLittleEndian<quint64>(tag, frame.data() + kTagOffset);
    qToLittleEndian<quint32>(quint32(bytes.size()), frame.data() + kCountOffset);
    frame.append(bytes.data(), bytes.size());
    return frame;
}

qsizetype Reader::wanted() const
{
    if (m_oversized)
        return 0;
    if (!m_haveHeader)
        return kHeaderSize - m_header.size();
    return qsizetype(m_count) - m_bytes.size();
}

qsizetype Reader::append(QByteArrayView bytes)
{
    qsizetype used = 0;
    while (used < bytes.size() && !m_oversized) {
        const qsizetype want = wanted();
        if (want == 0)
            break;
        const qsizetype n = std::min(want, bytes.size() - used);
        if (!m_haveHeader) {
            m_header.append(bytes.data() + used, n);
            used += n;
            if (m_header.size() == kHeaderSize) {
                m_tag = qFromLittleEndian<quint64>(m_header.constData() + kTagOffset);
                m_count = qFromLittleEndian<quint32>(m_header.constData() + kCountOffset);
                m_haveHeader = true;
                if (m_count > kMaxBytes)
                    m_oversized = true;
                else
                    m_bytes.reserve(qsizetype(m_count));
            }
        } else {
            m_bytes.append(bytes.data() + used, n);
            used += n;
        }
    }
    return used;
}

Reader::Status Reader::take(Message &message)
{
    if (m_oversized)
        return Status::Oversized;
    if (!m_haveHeader || m_bytes.size() < qsizetype(m_count))
        return Status::NeedMore;
    message.tag = m_tag;
    message.bytes = std::move(m_bytes);
    m_bytes = QByteArray();
    m_header.clear();
    m_haveHeader = false;
    m_count = 0;
    m_tag = 0;
    return Status::Complete;
}

} // namespace taggedmessage
