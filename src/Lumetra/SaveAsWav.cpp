#include "Lumetra/SaveAsWav.h"

#include "platform/paths.h"

#include <algorithm>
#include <iterator>

namespace lumetra {

namespace {

// A tick writes for about this long, then lets the window's messages through.
constexpr long long kTickBudgetMs = 40;
constexpr int kMostBlocksInATick = 256;
constexpr long long kProgressAfterMs = 500;
constexpr int kTickInterval = 10;
// Sent on to the disk as it goes: closing a long file then waits for little.
constexpr std::int64_t kFlushEvery = 16 << 20;

int lengthIndex(int minutes) {
    const auto at = std::find(kSessionLengths.begin(), kSessionLengths.end(), minutes);
    return static_cast<int>(std::distance(kSessionLengths.begin(), at));
}

} // namespace

SaveAsWav::SaveAsWav(Form1& window, const SavePlatform& platform)
    : window_(window), platform_(platform), WavWriter(window, "WavWriter", kTickInterval) {
    WavWriter.setEnabled(false);
    WavWriter.Tick = [this] { WavWriter_Timer(); };
    Progress.Cancel.Click = [this] { cancel(); };
    // Closing the progress window is Cancel too.
    Progress.Unload = [this] { cancel(); };
    window_.addObserver(this);
}

SaveAsWav::~SaveAsWav() {
    window_.removeObserver(this);
    abandon();
}

std::string SaveAsWav::menuCaption() const { return saveWavTextsFor(window_.Combo1.listIndex()).menuItem; }

void SaveAsWav::Save() {
    if (writer_) {
        showProgress();
        return;
    }
    if (asking_) return;
    const SaveWavTexts& texts = saveWavTextsFor(window_.Combo1.listIndex());
    // What Start would play now, before the dialog's wait lets a glide move on.
    const ToneSession session = sessionStartWouldPlay(startInputsOf(window_));
    platform::SaveRequest request;
    request.owner = window_.hWnd();
    request.title = texts.title;
    request.typeName = texts.typeName;
    request.extension = "wav";
    request.choiceLabel = texts.lengthLabel;
    for (int minutes : kSessionLengths) {
        request.choices.push_back(texts.minutes(minutes));
        request.choiceNames.push_back(proposedName(session, minutes));
    }
    request.chosen = lengthIndex(kFirstLength);
    request.proposedName = request.choiceNames[static_cast<std::size_t>(request.chosen)];
    asking_ = true;
    const std::optional<platform::SaveAnswer> answer = platform_.dialog.ask(request);
    asking_ = false;
    if (!answer) return;

    const int chosen = std::clamp(answer->chosen, 0, static_cast<int>(kSessionLengths.size()) - 1);
    const int minutes = kSessionLengths[static_cast<std::size_t>(chosen)];
    auto writer =
        std::make_unique<WavFileWriter>(platform_.files, answer->path, session, framesOfMinutes(minutes), kFlushEvery);
    if (!writer->ok()) {
        reportFailure(texts, answer->path, writer->failure());
        return;
    }
    writer_ = std::move(writer);
    texts_ = &texts;
    startedAt_ = platform_.now();
    Progress.prepare(texts, platform::fileNameOf(answer->path));
    WavWriter.setEnabled(true);
}

// Writes for a share of a tick's time, so that the window's own messages
// and timers (the flashing panel, the glide) keep their pace.
void SaveAsWav::WavWriter_Timer() {
    if (!window_.loaded()) cancel();
    if (!writer_) {
        WavWriter.setEnabled(false);
        return;
    }
    const long long tickStart = platform_.now();
    for (int blocks = 0; blocks < kMostBlocksInATick && !writer_->complete(); ++blocks) {
        if (!writer_->writeBlocks(1) || platform_.now() - tickStart >= kTickBudgetMs) break;
    }
    if (!writer_->ok() || writer_->complete()) {
        finish();
        return;
    }
    Progress.setFraction(writer_->fraction());
    if (!Progress.visible() && platform_.now() - startedAt_ >= kProgressAfterMs) showProgress();
}

void SaveAsWav::finish() {
    // Stopped before any message box: the timer would go on ticking under it.
    WavWriter.setEnabled(false);
    const std::unique_ptr<WavFileWriter> writer = std::move(writer_);
    Progress.unload();
    if (writer->ok()) writer->commit();
    if (!writer->ok()) reportFailure(*texts_, writer->path(), writer->failure());
}

void SaveAsWav::cancel() {
    if (!writer_) return;
    abandon();
    Progress.unload();
}

void SaveAsWav::abandon() noexcept {
    WavWriter.setEnabled(false);
    writer_.reset();  // the unfinished file goes with it
}

void SaveAsWav::reportFailure(const SaveWavTexts& texts, const std::string& path, const std::string& reason) {
    platform_.boxes.ask(cannotWriteMessage(texts, path, reason), texts.title, platform::Buttons::Ok,
                        platform::BoxIcon::Error);
}

// Over the middle of the main window.
void SaveAsWav::showProgress() {
    if (platform_.makeReal) platform_.makeReal(Progress);
    Progress.setLeft(window_.left() + static_cast<float>(window_.width() - Progress.width()) / 2);
    Progress.setTop(window_.top() + static_cast<float>(window_.height() - Progress.height()) / 2);
    Progress.show();
}

// The chosen preset's name in the list's language, or the slider's beat.
std::string SaveAsWav::proposedName(const ToneSession& session, int minutes) const {
    const StartInputs in = startInputsOf(window_);
    std::string source;
    if (!in.customMode && in.listIndex >= 0 && in.listIndex < window_.MentalState.ListCount())
        source = window_.MentalState.List(in.listIndex);
    else
        source = "Custom " + std::to_string(session.beatShown()) + " Hz";
    return source + " " + std::to_string(minutes) + " min.wav";
}

void SaveAsWav::formChanged(forms::Form& form, forms::Prop) {
    if (&form == &window_ && !window_.loaded()) cancel();
}

} // namespace lumetra
