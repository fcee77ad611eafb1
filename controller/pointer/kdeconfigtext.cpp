#include "controller/pointer/kdeconfigtext.h"

#include <QList>

namespace kdeconfigtext {

namespace {

bool isGroupHeader(const QByteArray &line)
{
    return line.trimmed().startsWith('[');
}

// "Key=...", "Key = ..." and the localised or flagged "Key[...]=" forms all
// name the key; only the plain form is replaced.
bool namesKey(const QByteArray &line, const QByteArray &key)
{
    const int eq = line.indexOf('=');
    return eq > 0 && line.left(eq).trimmed() == key;
}

} // namespace

QByteArray withEntry(const QByteArray &text, const QByteArray &group, const QByteArray &key, const QByteArray &value)
{
    const QByteArray entry = key + '=' + value;
    const QByteArray header = '[' + group + ']';
    QList<QByteArray> lines = text.split('\n');
    const bool endsWithNewline = text.isEmpty() || text.endsWith('\n');
    if (endsWithNewline)
        lines.removeLast(); // the empty piece after the last newline

    qsizetype groupAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == header) {
            groupAt = i;
            break;
        }
    }
    if (groupAt < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append(header);
        lines.append(entry);
    } else {
        qsizetype end = groupAt + 1;
        while (end < lines.size() && !isGroupHeader(lines[end]))
            ++end;
        qsizetype found = -1;
        for (qsizetype i = groupAt + 1; i < end; ++i) {
            if (namesKey(lines[i], key)) {
                found = i;
                break;
            }
        }
        if (found >= 0) {
            lines[found] = entry;
        } else {
            // After the group's last entry, before the blank lines that
            // separate it from the next group.
            qsizetype at = end;
            while (at > groupAt + 1 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, entry);
        }
    }
    return lines.join('\n') + '\n';
}

} // namespace kdeconfigtext
