// The sleep timer: after the chosen minutes of playing, the tones fade out
// over a minute and Stop runs as if pressed. It counts on the window's own
// timer: whole minutes first, then the fade in short ticks, and nothing at
// all while it is off or the tones are stopped.
#include "Lumetra/Form1.h"

#include "Lumetra/SaveWavTexts.h"
#include "Lumetra/VolumeRamp.h"

#include "core/errors.h"

#include <array>

namespace lumetra {

namespace {

// The choices the menu offers, in minutes; 0 is off.
constexpr std::array<int, 7> kChoices{0, 15, 30, 45, 60, 90, 120};
constexpr int kMinuteMs = 60000;
// The last minute: the volume falls in 600 steps of 100 ms.
constexpr int kFadeTickMs = 100;
constexpr int kFadeTicks = kMinuteMs / kFadeTickMs;

bool english(const forms::ComboBox& language) { return language.listIndex() == 0; }

} // namespace

void Form1::SetSleepMinutes(int minutes) {
    const bool wasFading = fadeTicks_ > 0;
    sleepMinutes_ = minutes;
    cancelSleepCount();
    // A fade cut short: the volume bar's level again.
    if (wasFading) VScroll1_Change();
    if (tonesPlaying_) startSleepCount();
}

void Form1::startSleepCount() {
    cancelSleepCount();
    if (sleepMinutes_ <= 0) return;
    minutesBeforeFade_ = sleepMinutes_ - 1;
    TimerSleep.setInterval(minutesBeforeFade_ > 0 ? kMinuteMs : kFadeTickMs);
    TimerSleep.setEnabled(true);
}

void Form1::cancelSleepCount() {
    TimerSleep.setEnabled(false);
    minutesBeforeFade_ = 0;
    fadeTicks_ = 0;
}

// Each tick of the fade lowers both tones, linear in amplitude, from the
// volume bar's level, which stays as it is for the next Start.
void Form1::TimerSleep_Timer() {
    if (minutesBeforeFade_ > 0) {
        if (--minutesBeforeFade_ == 0) TimerSleep.setInterval(kFadeTickMs);
        return;
    }
    ++fadeTicks_;
    const std::int32_t volume = scaledVolume(VScroll1.value(), 1.0 - static_cast<double>(fadeTicks_) / kFadeTicks);
    rt::ResumeNext steps;
    for (int i = 0; i < 2; ++i)
        if (Sound.hasBuffer(i)) steps([&] { Sound.buffer(i).setVolume(volume); });
    if (fadeTicks_ >= kFadeTicks) Command2_Click();
}

std::string Form1::sleepMenuTitle() const { return english(Combo1) ? "Stop after" : "Oprește după"; }

std::vector<std::string> Form1::sleepMenuItems() const {
    const SaveWavTexts& texts = saveWavTextsFor(Combo1.listIndex());
    std::vector<std::string> items;
    for (int minutes : kChoices)
        items.push_back(minutes == 0 ? (english(Combo1) ? "Off" : "Dezactivat") : texts.minutes(minutes));
    return items;
}

int Form1::sleepMenuChecked() const {
    for (std::size_t i = 0; i < kChoices.size(); ++i)
        if (kChoices[i] == sleepMinutes_) return static_cast<int>(i);
    return 0;
}

void Form1::sleepMenuChoose(int item) {
    if (item >= 0 && item < static_cast<int>(kChoices.size())) SetSleepMinutes(kChoices[static_cast<std::size_t>(item)]);
}

} // namespace lumetra
