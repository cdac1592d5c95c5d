#pragma once
// A freshly opened main window over the recording sound fake, its timers on a
// manual clock. It opens in English, as after a run that ended in English.
#include "Lumetra/Form1.h"
#include "fake_sound.h"
#include "fake_window_platform.h"

#include "support/manual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class LumetraWindow : public ::testing::Test {
protected:
    LumetraWindow() {
        desk.writeSettings("-2800\r\n0\r\n");
        form.load();
        clock.attach(form);
    }

    void start() { form.Command1.press(); }
    void stop() { form.Command2.press(); }
    // A press and release on list entry `index` (-1: below the entries).
    void pick(int index, int button = 1) {
        forms::MouseArgs args;
        args.button = button;
        form.MentalState.userPress(index, args);
        form.MentalState.userRelease(args);
    }
    // What a language switch does to the list: refilled, nothing current.
    void refillList() {
        form.MentalState.Clear();
        for (int i = 0; i < 11; ++i) form.MentalState.AddItem("preset " + std::to_string(i));
    }
    // Left, right and difference readouts.
    std::vector<std::string> readouts() const {
        return {form.Label9.caption(), form.Label8.caption(), form.FrecventaLabel.caption()};
    }
    // Log lines written since `mark`.
    std::vector<std::string> logSince(std::size_t mark) const {
        return {sound.log.begin() + static_cast<std::ptrdiff_t>(mark), sound.log.end()};
    }

    fakes::FakeSoundSystem sound;
    fakes::FakeWindowPlatform desk;
    lumetra::Form1 form{sound, desk.platform()};
    forms::ManualClock clock;
};
