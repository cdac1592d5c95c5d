#pragma once
// What a run of Setup or Uninstall leaves for the administrator who started
// it: the log asked for with /LOG, one line per step, and the exit status
// with its reason. Until the program says how it went, the run counts as
// cancelled: Cancel, the close box or a "Cancel" answer all end it that way.
#include "Wizard/Switches.h"
#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <string>

namespace wizard {

class RunReport {
public:
    // Starts the log file, replacing one of that name; fails with the
    // sentence that says why it cannot be written.
    rt::Outcome<> openLog(platform::FileSystem& files, const std::string& path);
    // The same, but the file stays untouched until releaseLog(): only
    // whether it could be written is asked now, and the steps wait in
    // memory. Setup holds its log until the folder page has checked it
    // against the folder chosen there.
    rt::Outcome<> holdLog(platform::FileSystem& files, const std::string& path);
    // Opens a held log and writes the steps so far; fails as openLog does.
    // Without a held log there is nothing to do.
    rt::Outcome<> releaseLog();
    // A held log that turned out to name a file the run needs is never written.
    void dropLog() noexcept;
    // The path of a log still held, else empty.
    const std::string& heldLog() const noexcept { return heldPath_; }
    // One line of the log (line breaks in it become spaces); nothing
    // without a log.
    void step(const std::string& line);

    // The install or removal went through: `what` says what was done.
    void succeeded(const std::string& what);
    // It failed; the first reason is the one the result gives.
    void failed(const std::string& reason);
    // It was stopped; only while nothing else was settled.
    void cancelled(const std::string& reason);
    // The command line was refused: nothing was done.
    void refused(const std::string& reason);

    // A copy of the program started with administrator rights goes on with
    // the run: this one closes the log for it (which starts it anew) and,
    // once the copy has ended, ends with its status and writes no more.
    // When no copy started, the log is taken up again at its end.
    void lendLog();
    void takeBackLog();
    void wentOnInCopy(int status);

    int status() const noexcept { return status_; }
    const std::string& reason() const noexcept { return reason_; }

    // The result line, once, and the log closed: the program ends with the
    // status returned. After wentOnInCopy only the copy's status is left.
    int finish();

private:
    void settle(int status, const char* outcome, const std::string& reason);

    std::unique_ptr<platform::File> log_;
    platform::FileSystem* logFiles_ = nullptr;
    std::string logPath_;
    platform::FileSystem* heldFiles_ = nullptr;
    std::string heldPath_;
    std::string heldSteps_;
    std::int64_t logEnd_ = 0;
    int status_ = kExitCancelled;
    bool settled_ = false;
    bool finished_ = false;
    const char* outcome_ = "cancelled";
    std::string reason_;
};

// Something in this program reports how its run went: the report is the
// program's own from main, or a private one (tests, a run with no command
// line), so it is always there.
class ReportsRun {
public:
    void reportTo(RunReport& report) noexcept { report_ = &report; }
    RunReport& report() noexcept { return *report_; }

private:
    RunReport own_;
    RunReport* report_ = &own_;
};

} // namespace wizard
