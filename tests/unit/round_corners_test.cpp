// The window's rounded outline, in whole pixels.
#include "Lumetra/mdlSmooth.h"

#include <gtest/gtest.h>

namespace {

struct ScreenGuard {
    forms::ScreenMetrics saved = forms::screen();
    ~ScreenGuard() { forms::screen() = saved; }
};

TEST(RoundCorners, OuterSizeAndCornerInWholePixels) {
    struct Case {
        int width, height;
        double tppX, tppY;
        double corner;
        forms::Form::RoundRegion expected;
    };
    const Case cases[] = {
        {10365, 6465, 15, 15, 11, {691, 431, 11}},     // the main window at 96 DPI
        {10365, 6465, 12, 12, 11, {864, 539, 14}},     // 120 DPI: 863.75, 538.75 and a 13.75 corner
        {10365, 6465, 10, 10, 11, {1036, 646, 16}},    // 144 DPI: every half to the even neighbour
        {10365, 6465, 7.5, 7.5, 11, {1382, 862, 22}},  // 192 DPI: a fractional 7.5 twips per pixel
        {5, 7, 2, 2, 2.5, {2, 4, 19}},                 // 2.5 and 3.5 go to the even neighbour
        {10365, 6465, 15, 10, 10.5, {691, 646, 10}},   // each direction its own scale; 646.5 is a half
    };
    for (const Case& c : cases) {
        ScreenGuard guard;
        forms::screen() = {c.tppX, c.tppY};
        forms::Form form("Form1");
        form.setClientSize(c.width, c.height);
        lumetra::mdlSmooth::RoundCorners(form, c.corner);
        ASSERT_TRUE(form.region().has_value());
        EXPECT_EQ(*form.region(), c.expected) << c.width << "x" << c.height << " at " << c.tppX << "/" << c.tppY;
    }
}

TEST(RoundCorners, CountsTheBorderOfAWindowThatHasOne) {
    forms::Form form("Form1");
    form.setClientSize(10365, 6465);
    form.hostAttached(0, 90, 420);
    lumetra::mdlSmooth::RoundCorners(form, 11);
    EXPECT_EQ(*form.region(), (forms::Form::RoundRegion{697, 459, 11}));
}

} // namespace
