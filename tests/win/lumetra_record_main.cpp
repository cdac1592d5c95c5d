// Plays the main window's first preset through real DirectSound for a while,
// as Start does, stops, plays it again and ends with the close picture. The
// sound tests record what it mixed through ALSA and measure the tones and
// how each stretch of them ends.
//
//   lumetra_record.exe MILLISECONDS
#include "Lumetra/Form1.h"
#include "win32/directsound.h"
#include "fake_window_platform.h"

#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int milliseconds = argc > 1 ? std::atoi(argv[1]) : 3000;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        auto sound = host::makeDirectSoundSystem();
        // No settings file: the window opens with its first preset ticked.
        fakes::FakeWindowPlatform desk;
        lumetra::Form1 form(*sound, desk.platform());
        form.load();
        form.Command1.press();
        if (!form.Sound.hasBuffer(0) || !form.Sound.hasBuffer(1)) {
            std::fprintf(stderr, "record: Start made no sound buffers\n");
            status = 1;
        }
        std::printf("record: playing %s / %s (%s Hz beat) for %d ms\n", form.Label15.caption().c_str(),
                    form.Label16.caption().c_str(), form.FrecventaLabel.caption().c_str(), milliseconds);
        std::fflush(stdout);
        ::Sleep(static_cast<DWORD>(milliseconds));
        form.Command2.press();
        ::Sleep(static_cast<DWORD>(milliseconds / 2));
        form.Command1.press();
        ::Sleep(static_cast<DWORD>(milliseconds));
        try {
            form.Image5.Click();
        } catch (const forms::ProgramEnded&) {
            // the close picture ends the program once the tones have faded
        }
    }
    ::CoUninitialize();
    return status;
}
