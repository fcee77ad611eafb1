#include "shell/warningtext.h"

#include <algorithm>

namespace warningtext {

QString shortened(const QString &text)
{
    qsizetype end = std::min(text.size(), kMaxChars);
    qsizetype lines = 1;
    for (qsizetype i = 0; i < end; ++i) {
        if (text.at(i) == QLatin1Char('\n') && ++lines > kMaxLines) {
            end = i;
            break;
        }
    }
    if (end == text.size())
        return text;
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end) + kCutMark;
}

} // namespace warningtext
