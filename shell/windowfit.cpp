#include "shell/windowfit.h"

#include <algorithm>
#include <cmath>

namespace windowfit {

double scaleFor(QSize available, QSize designed)
{
    if (available.isEmpty() || designed.isEmpty())
        return 1.0;
    const double byWidth = double(available.width()) / designed.width();
    const double byHeight = double(available.height()) / designed.height();
    return std::clamp(std::min(byWidth, byHeight), kSmallestScale, 1.0);
}

QSize scaledSize(QSize designed, double scale)
{
    // A hair below the exact product, so that 1024 * (800 / 1024) stays 800.
    const auto scaled = [scale](int length) { return int(std::floor(length * scale + 1e-9)); };
    return {scaled(designed.width()), scaled(designed.height())};
}

QPoint placeIn(const QRect &available, QSize size)
{
    const int x = available.x() + std::max(0, (available.width() - size.width()) / 2);
    const int y = available.y() + std::max(0, (available.height() - size.height()) / 2);
    return {x, y};
}

} // namespace windowfit
