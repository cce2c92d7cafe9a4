#include "Twips.h"

#include <cmath>

namespace brevath::ui {

int ToPixels(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

QRect PixelRect(int left, int top, int width, int height)
{
    const int x = ToPixels(left);
    const int y = ToPixels(top);
    return QRect(x, y, ToPixels(left + width) - x, ToPixels(top + height) - y);
}

QRect PixelRect(const QRect &twips)
{
    return PixelRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace brevath::ui
