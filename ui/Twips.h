#pragma once

#include <QRect>

namespace ui {

// Every position and size in the forms is in twips, measured from the top-left corner of the
// window's client area. Qt works in device-independent pixels, so 15 twips are one pixel at
// every screen scale and the windows keep their proportions.
constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

struct Twips {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return {pixels(left), pixels(top), pixels(width), pixels(height)}; }
};

} // namespace ui
