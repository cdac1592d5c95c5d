// The window's rounded outline, in whole pixels.
#include "mdlSmooth.h"

#include <gtest/gtest.h>

namespace {

struct ScreenGuard {
    forms::ScreenMetrics saved = forms::screen();
    ~ScreenGuard() { forms::screen() = saved; }
};

TEST(RoundCorners, OuterSizeAndCornerInWholePixels) {
    struct Case {
        int width, height, tppX, tppY;
        double corner;
        forms::Form::RoundRegion expected;
    };
    const Case cases[] = {
        {10365, 6465, 15, 15, 11, {691, 431, 11}},    // the main window at 96 DPI
        {10365, 6465, 12, 12, 11, {864, 539, 11}},    // 120 DPI: 863.75 and 538.75
        {5, 7, 2, 2, 2.5, {2, 4, 2}},                 // halves go to the even neighbour
        {10365, 6465, 15, 10, 10.5, {691, 646, 10}},  // each direction its own scale; 646.5 is a half
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
