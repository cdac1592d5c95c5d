#pragma once
// Saving what Start would play as a WAV file, from the window (Ctrl+S and the
// system menu's item): the system's Save dialog with a length, then a write
// in blocks on a timer so that the window stays usable; a small progress
// window with Cancel shows when the write takes more than half a second.
// Whatever ends a write early (Cancel, a failure, the window closing, the
// program ending) leaves no file behind.
#include "Lumetra/Form1.h"
#include "Lumetra/SaveProgress.h"
#include "Lumetra/WavFileWriter.h"

#include "forms/timer.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/save_dialog.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace lumetra {

// The lengths offered, in minutes, and the one shown at first.
inline constexpr std::array<int, 10> kSessionLengths{1, 5, 10, 15, 20, 30, 45, 60, 90, 120};
inline constexpr int kFirstLength = 30;

struct SavePlatform {
    platform::SaveDialog& dialog;
    platform::MessageBoxes& boxes;
    platform::FileSystem& files;
    // Milliseconds on a steady clock: how long a tick has written, and when
    // the progress window is due.
    std::function<long long()> now;
    // Makes the progress window real before it shows (again after the user
    // closed it); tests pass nothing.
    std::function<void(forms::Form&)> makeReal;
};

class SaveAsWav : private forms::FormObserver {
public:
    SaveAsWav(Form1& window, const SavePlatform& platform);
    ~SaveAsWav() override;
    SaveAsWav(const SaveAsWav&) = delete;
    SaveAsWav& operator=(const SaveAsWav&) = delete;

    // Ctrl+S and the menu's item. While a write runs it shows its progress.
    void Save();
    // The menu item's caption in the language box's language.
    std::string menuCaption() const;
    bool writing() const noexcept { return writer_ != nullptr; }
    // The program ends: an unfinished file goes.
    void abandon() noexcept;

    SaveProgress Progress;

private:
    void WavWriter_Timer();
    void finish();
    void cancel();
    void reportFailure(const SaveWavTexts& texts, const std::string& path, const std::string& reason);
    void showProgress();
    std::string proposedName(const ToneSession& session, int minutes) const;

    // The window closing cancels the write (as it hides; a window that was
    // never shown at its next tick).
    void formChanged(forms::Form& form, forms::Prop what) override;
    void controlChanged(forms::Control&, forms::Prop) override {}

    Form1& window_;
    SavePlatform platform_;
    // Lives on the main window, whose window lasts as long as the program.
    forms::Timer WavWriter;
    std::unique_ptr<WavFileWriter> writer_;
    const SaveWavTexts* texts_ = nullptr;
    long long startedAt_ = 0;
    bool asking_ = false;  // the Save dialog is open
};

} // namespace lumetra
