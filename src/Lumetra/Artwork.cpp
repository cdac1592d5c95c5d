#include "Lumetra/Artwork.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace lumetra::Artwork {

namespace {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb unpack(std::uint32_t c) {
    return {double((c >> 16) & 0xFF), double((c >> 8) & 0xFF), double(c & 0xFF)};
}

std::uint32_t pack(Rgb c) {
    auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Top colour on the first row, bottom colour on the last.
Rgb shade(std::uint32_t top, std::uint32_t bottom, double row, int height) {
    const double t = height > 1 ? std::clamp(row / (height - 1), 0.0, 1.0) : 0.0;
    return mix(unpack(top), unpack(bottom), t);
}

forms::Bitmap blank(int width, int height) {
    forms::Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.pixels.assign(static_cast<std::size_t>(std::max(0, width)) * std::max(0, height), 0);
    return bitmap;
}

forms::Bitmap verticalGradient(int width, int height, std::uint32_t top, std::uint32_t bottom) {
    forms::Bitmap bitmap = blank(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t c = pack(shade(top, bottom, y, height));
        std::fill_n(bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width, c);
    }
    return bitmap;
}

// Distance from p to the segment a-b.
double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

bool insideRoundedSquare(double x, double y, double size, double radius) {
    const double cx = std::clamp(x, radius, size - radius);
    const double cy = std::clamp(y, radius, size - radius);
    return std::hypot(x - cx, y - cy) <= radius;
}

// A button `size` pixels square: the rounded square over the strip's shade,
// with a white glyph. Shapes are laid out on the 21-pixel design and scaled,
// so every size is drawn sharp; each pixel averages 4 x 4 samples, which
// smooths the edges.
forms::Bitmap button(int width, int height, const std::function<bool(double x, double y)>& glyph) {
    constexpr int kSamples = 4;
    constexpr double kRadius = 4.5;
    const double scale = static_cast<double>(width) / kButtonSize;
    const int stripHeight = std::max(1, static_cast<int>(std::lround(kStripHeight * scale)));
    forms::Bitmap bitmap = blank(width, height);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            Rgb sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = px + (sx + 0.5) / kSamples;  // in pixels of this size
                    const double y = py + (sy + 0.5) / kSamples;
                    const double dx = x / scale, dy = y / scale;  // on the design
                    Rgb c;
                    if (!insideRoundedSquare(dx, dy, kButtonSize, kRadius))
                        c = shade(kStripTop, kStripBottom, kButtonOffsetInStrip * scale + y - 0.5, stripHeight);
                    else if (glyph(dx, dy)) c = unpack(kGlyph);
                    else c = shade(kButtonTop, kButtonBottom, y - 0.5, height);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            constexpr double n = kSamples * kSamples;
            bitmap.pixels[static_cast<std::size_t>(py) * width + px] = pack({sum.r / n, sum.g / n, sum.b / n});
        }
    }
    return bitmap;
}

bool closeGlyph(double x, double y) {
    // Two strokes corner to corner of the middle 8 x 8 pixels, meeting in the
    // centre pixel.
    constexpr double lo = 6.5, hi = 14.5, halfWidth = 1.1;
    return segmentDistance(x, y, lo, lo, hi, hi) <= halfWidth || segmentDistance(x, y, hi, lo, lo, hi) <= halfWidth;
}

bool minimizeGlyph(double x, double y) { return x >= 6 && x <= 15 && y >= 13 && y <= 15; }

} // namespace

forms::Picture TitleStrip() {
    return forms::drawnAtAnySize(kStripWidth, kStripHeight, [](int w, int h) {
        return verticalGradient(w, h, kStripTop, kStripBottom);
    });
}

forms::Picture ClosePicture() {
    return forms::drawnAtAnySize(kButtonSize, kButtonSize, [](int w, int h) { return button(w, h, closeGlyph); });
}

forms::Picture MinimizePicture() {
    return forms::drawnAtAnySize(kButtonSize, kButtonSize, [](int w, int h) { return button(w, h, minimizeGlyph); });
}

forms::Picture BottomBand() {
    return forms::drawnAtAnySize(kBandWidth, kBandHeight, [](int w, int h) {
        return verticalGradient(w, h, kBandTop, kBandBottom);
    });
}

} // namespace lumetra::Artwork
