#include "Wizard/RunReport.h"

#include "Wizard/Language.h"
#include "Wizard/WizardTexts.h"

#include <utility>

namespace wizard {

namespace {

// The sentence that says why the log at `path` cannot be written.
rt::Failure<> logRefused(const std::string& path, const platform::OpenedFile& opened) {
    const std::string why = opened.reason().empty() ? "it cannot be written" : opened.reason();
    return rt::fail(say(texts::kLogRefused, {path, why}));
}

} // namespace

rt::Outcome<> RunReport::openLog(platform::FileSystem& files, const std::string& path) {
    (void)files.writeFile(path, "");
    platform::OpenedFile opened = files.openFile(path, platform::OpenMode::ReadWrite);
    if (!opened) return logRefused(path, opened);
    (void)(*opened)->truncate(0);
    log_ = std::move(*opened);
    logEnd_ = 0;
    logFiles_ = &files;
    logPath_ = path;
    return {};
}

// Opening an existing file without emptying it, or making a new one and
// taking it back, tells whether it can be written and leaves it as it was.
rt::Outcome<> RunReport::holdLog(platform::FileSystem& files, const std::string& path) {
    const bool existed = files.fileExists(path);
    platform::OpenedFile opened = files.openFile(path, existed ? platform::OpenMode::ReadWrite : platform::OpenMode::CreateNew);
    if (!opened) return logRefused(path, opened);
    (void)(*opened)->close();
    if (!existed) (void)files.deleteFile(path);
    heldFiles_ = &files;
    heldPath_ = path;
    return {};
}

rt::Outcome<> RunReport::releaseLog() {
    if (heldPath_.empty()) return {};  // nothing held, nothing to open
    const std::string path = std::exchange(heldPath_, {});
    if (rt::Outcome<> opened = openLog(*heldFiles_, path); !opened) return opened;
    const std::string steps = std::exchange(heldSteps_, {});
    if (log_->writeAt(0, steps.data(), steps.size())) logEnd_ = static_cast<std::int64_t>(steps.size());
    return {};
}

void RunReport::dropLog() noexcept {
    heldPath_.clear();
    heldSteps_.clear();
}

void RunReport::lendLog() {
    if (log_) (void)log_->close();
    log_.reset();
}

void RunReport::takeBackLog() {
    if (!logFiles_ || log_) return;
    platform::OpenedFile opened = logFiles_->openFile(logPath_, platform::OpenMode::ReadWrite);
    if (!opened) return;
    log_ = std::move(*opened);
    logEnd_ = log_->size();
}

void RunReport::wentOnInCopy(int status) {
    lendLog();
    dropLog();  // the copy keeps the log now: nothing held here may replace it
    logFiles_ = nullptr;
    settle(status, "handed over", "");
    finished_ = true;
}

void RunReport::step(const std::string& line) {
    if (!log_ && heldPath_.empty()) return;
    std::string text = inEnglish(line);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    text += "\r\n";
    if (!heldPath_.empty()) {
        heldSteps_ += text;
        return;
    }
    // A log that stops being writable mid-run has nowhere to say so; the run
    // itself goes on.
    if (log_->writeAt(logEnd_, text.data(), text.size())) logEnd_ += static_cast<std::int64_t>(text.size());
}

void RunReport::settle(int status, const char* outcome, const std::string& reason) {
    settled_ = true;
    status_ = status;
    outcome_ = outcome;
    reason_ = inEnglish(reason);
}

void RunReport::succeeded(const std::string& what) {
    if (settled_ && status_ == kExitFailed) return;
    settle(kExitDone, "done", what);
}

void RunReport::failed(const std::string& reason) {
    if (settled_ && status_ == kExitFailed) return;
    step("Failed: " + inEnglish(reason));
    settle(kExitFailed, "failed", reason);
}

void RunReport::cancelled(const std::string& reason) {
    if (settled_) return;
    reason_ = inEnglish(reason);
}

void RunReport::refused(const std::string& reason) {
    step("Refused: " + inEnglish(reason));
    settle(kExitCancelled, "refused", reason);
}

int RunReport::finish() {
    if (finished_) return status_;
    finished_ = true;
    step("Result: " + std::string(outcome_) + ", exit status " + std::to_string(status_) +
         (reason_.empty() ? std::string(".") : ": " + reason_));
    (void)releaseLog();  // a log that cannot be opened now has nowhere to say so
    if (log_) (void)log_->close();
    log_.reset();
    return status_;
}

} // namespace wizard
