#include "Lumetra/SaveProgress.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

constexpr int kWidth = 5040, kHeight = 1560;
constexpr int kMargin = 240;
constexpr int kBarTop = 600, kBarHeight = 255;
constexpr int kBarWidth = kWidth - 2 * kMargin;
constexpr forms::Color kBarColor = 0xC07000;  // a blue of the system's kind

} // namespace

SaveProgress::SaveProgress() : Form("SaveProgress") {
    setBorder(Border::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setClientSize(kWidth, kHeight);
    setStartPosition(StartPosition::CenterScreen);
    What.move(kMargin, 180, kBarWidth, 255);
    BarFrame.move(kMargin, kBarTop, kBarWidth, kBarHeight);
    BarFrame.setBorderColor(0x808080);
    Bar.move(kMargin + 15, kBarTop + 15, 0, kBarHeight - 30);
    Bar.setBackColor(kBarColor);
    Cancel.move(kWidth - kMargin - 1215, 1020, 1215, 375);
    Cancel.setCancel(true);
    Cancel.setDefault(true);
}

void SaveProgress::prepare(const SaveWavTexts& texts, const std::string& fileName) {
    setCaption(texts.title);
    What.setCaption(std::string(texts.writing) + " \"" + fileName + "\"");
    Cancel.setCaption(texts.cancel);
    setFraction(0);
}

void SaveProgress::setFraction(double fraction) {
    const int inner = kBarWidth - 30;
    const int filled = static_cast<int>(std::lround(inner * std::clamp(fraction, 0.0, 1.0)));
    if (filled != Bar.width()) Bar.move(Bar.left(), Bar.top(), filled, Bar.height());
}

} // namespace lumetra
