#include "Wizard/WizardLook.h"

#include "Product.h"
#include "Wizard/WizardTexts.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace wizard {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb unpack(std::uint32_t c) { return {double((c >> 16) & 0xFF), double((c >> 8) & 0xFF), double(c & 0xFF)}; }

std::uint32_t pack(Rgb c) {
    auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// Paints a picture whose pixel colour is given per point of the unit
// square: `colour(x, y)` returns the colour and its coverage (0..1) over the
// white header behind it. Each pixel averages 4 x 4 samples, so edges are
// smooth at any size; the picture is painted afresh at whatever size a
// window at another DPI shows it.
template <class Colour>
forms::Picture paint(int size, Colour colour) {
    return forms::drawnAtAnySize(size, size, [colour](int width, int height) {
        forms::Bitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
        const Rgb white = unpack(0xFFFFFF);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                Rgb sum;
                for (int sy = 0; sy < 4; ++sy) {
                    for (int sx = 0; sx < 4; ++sx) {
                        const double px = (x + (sx + 0.5) / 4) / width, py = (y + (sy + 0.5) / 4) / height;
                        const auto [c, cover] = colour(px, py);
                        const Rgb s = mix(white, unpack(c), cover);
                        sum.r += s.r / 16, sum.g += s.g / 16, sum.b += s.b / 16;
                    }
                }
                bitmap.pixels[static_cast<std::size_t>(y) * width + x] = pack(sum);
            }
        }
        return bitmap;
    });
}

bool insideRoundedSquare(double x, double y, double radius) {
    const double cx = std::clamp(x, radius, 1 - radius), cy = std::clamp(y, radius, 1 - radius);
    return std::hypot(x - cx, y - cy) <= radius;
}

struct Shade {
    std::uint32_t colour;
    double cover;
};

} // namespace

forms::Picture Logo() {
    // Two waves a little apart in pitch: the two tones and their beat.
    return paint(49, [](double x, double y) -> Shade {
        if (!insideRoundedSquare(x, y, 0.18)) return {0xFFFFFF, 0};
        const Rgb back = mix(unpack(0x1E5A8C), unpack(0x0D2B45), y);
        for (const double cycles : {2.0, 2.5}) {
            const double wave = 0.5 + 0.22 * std::sin(2 * kPi * cycles * (x - 0.1));
            if (x > 0.12 && x < 0.88 && std::abs(y - wave) < 0.035) return {cycles == 2.0 ? 0xFFFFFFu : 0xFFB070u, 1};
        }
        return {pack(back), 1};
    });
}

forms::Picture Emblem() {
    return paint(32, [](double x, double y) -> Shade {
        const double r = std::hypot(x - 0.5, y - 0.5);
        if (r > 0.48) return {0xFFFFFF, 0};
        if (r > 0.22 && r < 0.32) return {0xFFFFFF, 1};
        return {pack(mix(unpack(0xFF5A28), unpack(0xD83A10), y)), 1};
    });
}

forms::Picture BarPicture() {
    auto bitmap = std::make_shared<forms::Bitmap>();
    bitmap->width = bitmap->height = 1;
    const forms::Color c = kBarColor;  // 0xBBGGRR to the bitmap's 0xRRGGBB
    bitmap->pixels = {(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF)};
    return bitmap;
}

void makeHeading(forms::Label& label) {
    forms::Font bold = label.font();
    bold.bold = true;
    bold.size = 9.75;
    label.setFont(bold);
}

void placePicture(forms::Image& image, const forms::Rect& at, forms::Picture picture) {
    image.move(at.left, at.top, at.width, at.height);
    image.setStretch(true);
    image.setPicture(std::move(picture));
}

void placeHeader(forms::Frame& strip, forms::Label& title, forms::Image& logo, forms::Image& emblem) {
    strip.move(kHeader.left, kHeader.top, kHeader.width, kHeader.height);
    strip.setBackColor(kHeaderColor);
    title.move(kTitle.left, kTitle.top, kTitle.width, kTitle.height);
    title.setBackColor(kHeaderColor);
    title.setAlignment(forms::Alignment::Center);
    makeHeading(title);
    placePicture(logo, kLogo, Logo());
    placePicture(emblem, kEmblem, Emblem());
    nameEmblem(emblem);
    // Painted pictures say nothing to a screen reader by themselves.
    logo.setAccessibleName(std::string(product::kName) + " logo");
}

void nameEmblem(forms::Image& emblem) { emblem.setAccessibleName(std::string(product::kPublisher) + " emblem"); }

void placePage(forms::Frame& page) {
    page.move(kPage.left, kPage.top, kPage.width, kPage.height);
    page.setTransparent(true);
}

void placeButtons(forms::CommandButton* next, forms::CommandButton& cancel) {
    if (next) {
        next->move(kNextButton.left, kNextButton.top, kNextButton.width, kNextButton.height);
        next->setDefault(true);
    }
    cancel.move(kCancelButton.left, kCancelButton.top, kCancelButton.width, kCancelButton.height);
    cancel.setCaption(say(texts::kCancel));
    cancel.setCancel(true);
}

void placeSeparator(forms::Line& line) {
    line.setEnds(kMargin, kSeparatorTop, kPage.width - kMargin, kSeparatorTop);
    line.setBorderColor(0x808080);
}

void placeMakerLabel(forms::Label& label) {
    label.move(kMakerLabel.left, kMakerLabel.top, kMakerLabel.width, kMakerLabel.height);
    label.setForeColor(kMakerColor);
    label.setTransparent(true);
}

void placeText(forms::Label& label, int top, int height) {
    label.move(kTextLeft, top, kTextWidth, height);
    label.setTransparent(true);
}

void placeWelcome(forms::Label& label, int top, int height) {
    placeText(label, top, height);
    forms::Font bold = label.font();
    bold.bold = true;
    label.setFont(bold);
}

} // namespace wizard
