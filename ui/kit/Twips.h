#pragma once
// Window geometry is designed in twips, 15 to a pixel on the design display.

#include <QRect>

namespace brevath::ui {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidthTwips = 9585; // 639 pixels
constexpr int kClientHeightTwips = 7185; // 479 pixels

constexpr int ToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

int ToPixels(int twips);

// Converted edge by edge, so that controls whose edges meet in twips still meet in pixels.
QRect PixelRect(int left, int top, int width, int height);
QRect PixelRect(const QRect &twips);

} // namespace brevath::ui
