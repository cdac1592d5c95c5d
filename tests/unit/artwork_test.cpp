// The window's pictures, judged by sampling pixels as an eye would: shades
// that run the right way, buttons whose corners blend into the strip, a white
// X and a white bar where they belong.
#include "Lumetra/Artwork.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

namespace Artwork = lumetra::Artwork;

int red(std::uint32_t c) { return (c >> 16) & 0xFF; }
int green(std::uint32_t c) { return (c >> 8) & 0xFF; }
int blue(std::uint32_t c) { return c & 0xFF; }
int brightness(std::uint32_t c) { return red(c) + green(c) + blue(c); }
bool isGrey(std::uint32_t c) {
    return std::abs(red(c) - green(c)) <= 2 && std::abs(green(c) - blue(c)) <= 2;
}
bool isWhite(std::uint32_t c) { return red(c) >= 0xF0 && green(c) >= 0xF0 && blue(c) >= 0xF0; }
// Mostly glyph: a pixel the white covers more than half of (the square's own
// blue is below 0x40).
bool isMostlyWhite(std::uint32_t c) { return red(c) >= 0xF0 && green(c) >= 0x98 && blue(c) >= 0x98; }
// The title strip's colour on a row, drawn at its design size.
std::uint32_t stripAt(int row) { return Artwork::TitleStrip()->at(0, row); }
bool isOrangeRed(std::uint32_t c) {
    return red(c) >= 0xC0 && green(c) >= 0x20 && green(c) <= 0x70 && blue(c) <= 0x40;
}

// Every row one colour, grey, and no row brighter than the one above.
void expectGreyShadeDownwards(const forms::Bitmap& b) {
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            ASSERT_EQ(b.at(x, y), b.at(0, y)) << x << "," << y;
        }
        EXPECT_TRUE(isGrey(b.at(0, y))) << y;
        if (y > 0) {
            EXPECT_LE(brightness(b.at(0, y)), brightness(b.at(0, y - 1))) << y;
        }
    }
}

TEST(Artwork, TitleStripShadesFromGreyToBlack) {
    const forms::Picture strip = Artwork::TitleStrip();
    ASSERT_EQ(strip->width, 691);
    ASSERT_EQ(strip->height, 25);
    ASSERT_EQ(strip->pixels.size(), 691u * 25u);
    expectGreyShadeDownwards(*strip);
    EXPECT_GE(red(strip->at(0, 0)), 0x50) << "grey at the top";
    EXPECT_LE(red(strip->at(0, 24)), 0x08) << "black at the bottom";
    EXPECT_LT(brightness(strip->at(0, 20)), brightness(strip->at(0, 4)));
}

TEST(Artwork, BottomBandShadesFromWhiteToLightGrey) {
    const forms::Picture band = Artwork::BottomBand();
    ASSERT_EQ(band->width, 16);
    ASSERT_EQ(band->height, 72);
    expectGreyShadeDownwards(*band);
    EXPECT_EQ(band->at(0, 0), 0xFFFFFFu);
    EXPECT_GE(red(band->at(0, 71)), 0xC0) << "light";
    EXPECT_LE(red(band->at(0, 71)), 0xE8) << "but grey";
}

TEST(Artwork, ButtonsAreOrangeRedRoundedSquaresOnTheStrip) {
    for (const forms::Picture& button : {Artwork::ClosePicture(), Artwork::MinimizePicture()}) {
        ASSERT_EQ(button->width, 21);
        ASSERT_EQ(button->height, 21);
        // The very corners lie outside the rounding: the strip shows there.
        for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) {
            EXPECT_TRUE(isGrey(button->at(x, y))) << x << "," << y;
            const std::uint32_t strip = stripAt(Artwork::kButtonOffsetInStrip + y);
            EXPECT_LE(std::abs(red(button->at(x, y)) - red(strip)), 1) << x << "," << y;
        }
        // The rim, away from the glyph, is orange-red, straight edges included.
        for (auto [x, y] : {std::pair{10, 2}, {2, 10}, {18, 10}, {10, 0}, {0, 10}, {3, 3}, {17, 17}}) {
            EXPECT_TRUE(isOrangeRed(button->at(x, y))) << x << "," << y << " " << std::hex << button->at(x, y);
        }
        // Smoothed corners: pixels on the rounding's edge lie between the two.
        for (auto [x, y] : {std::pair{2, 0}, {0, 2}, {18, 0}, {20, 18}}) {
            const std::uint32_t edge = button->at(x, y);
            EXPECT_FALSE(isGrey(edge) || isOrangeRed(edge)) << x << "," << y << " " << std::hex << edge;
            EXPECT_GT(red(edge), red(stripAt(Artwork::kButtonOffsetInStrip + y))) << x << "," << y;
        }
    }
}

TEST(Artwork, ClosePictureCarriesAWhiteX) {
    const forms::Picture close = Artwork::ClosePicture();
    // The centre and each arm of the X are white.
    for (auto [x, y] : {std::pair{10, 10}, {7, 7}, {13, 13}, {13, 7}, {7, 13}}) {
        EXPECT_TRUE(isWhite(close->at(x, y))) << x << "," << y;
    }
    // Between the arms the square shows.
    for (auto [x, y] : {std::pair{10, 6}, {10, 14}, {6, 10}, {14, 10}}) {
        EXPECT_TRUE(isOrangeRed(close->at(x, y))) << x << "," << y;
    }
}

TEST(Artwork, MinimizePictureCarriesAWhiteBarLowDown) {
    const forms::Picture minimize = Artwork::MinimizePicture();
    for (int x = 7; x <= 13; ++x) EXPECT_TRUE(isWhite(minimize->at(x, 13)) && isWhite(minimize->at(x, 14))) << x;
    // Nothing white above the bar or below it, nor in the middle.
    for (auto [x, y] : {std::pair{10, 10}, {10, 7}, {10, 17}, {4, 14}, {16, 14}}) {
        EXPECT_TRUE(isOrangeRed(minimize->at(x, y))) << x << "," << y;
    }
}

// A window at another DPI asks for each picture at its own size: drawn afresh
// there, the shapes land where the design puts them, scaled, and stay sharp.
TEST(Artwork, EveryPictureDrawsItselfAgainAtTheSizeAWindowNeeds) {
    for (const forms::Picture& p : {Artwork::TitleStrip(), Artwork::ClosePicture(), Artwork::MinimizePicture(), Artwork::BottomBand()}) {
        ASSERT_TRUE(p->redraw);
        EXPECT_EQ(p->redraw(p->width, p->height).pixels, p->pixels) << "the design size is the same drawing";
    }
    for (double scale : {1.25, 1.5, 2.0}) {
        auto at = [scale](int design) { return static_cast<int>(design * scale + 0.5); };

        SCOPED_TRACE(scale);
        const forms::Bitmap strip = Artwork::TitleStrip()->redraw(at(691), at(25));
        ASSERT_EQ(strip.width, at(691));
        ASSERT_EQ(strip.pixels.size(), static_cast<std::size_t>(at(691)) * at(25));
        expectGreyShadeDownwards(strip);
        EXPECT_GE(red(strip.at(0, 0)), 0x50);
        EXPECT_LE(red(strip.at(0, strip.height - 1)), 0x08);

        const int n = at(21);
        // The pixel of this size that covers the middle of design pixel d.
        auto px = [n](int d) { return static_cast<int>((d + 0.5) * n / 21); };
        const forms::Bitmap close = Artwork::ClosePicture()->redraw(n, n);
        const forms::Bitmap minimize = Artwork::MinimizePicture()->redraw(n, n);
        for (const forms::Bitmap* b : {&close, &minimize}) {
            EXPECT_TRUE(isGrey(b->at(0, 0)) && isGrey(b->at(n - 1, n - 1))) << "the strip shows at the corners";
            EXPECT_TRUE(isOrangeRed(b->at(n / 2, px(2)))) << "the rim";
            EXPECT_TRUE(isOrangeRed(b->at(px(2), n / 2)));
        }
        EXPECT_TRUE(isMostlyWhite(close.at(n / 2, n / 2))) << "the X's centre";
        EXPECT_TRUE(isMostlyWhite(close.at(px(7), px(7))) && isMostlyWhite(close.at(px(14), px(7))));
        EXPECT_TRUE(isOrangeRed(close.at(n / 2, px(6)))) << "between the arms";
        EXPECT_TRUE(isMostlyWhite(minimize.at(n / 2, px(14)))) << "the bar";
        EXPECT_TRUE(isOrangeRed(minimize.at(n / 2, px(10))));
        // Sharp, not stretched: above the X, the square's top edge blends
        // into the strip within two pixels.
        int blended = 0;
        for (int y = 0; y < px(5); ++y) {
            const std::uint32_t c = close.at(n / 2, y);
            if (!isOrangeRed(c) && !isGrey(c) && !isMostlyWhite(c)) ++blended;
        }
        EXPECT_LE(blended, 2) << "down the middle column";
    }
}

} // namespace
