#pragma once
// The wizard window Setup and Uninstall both are: the header strip with the
// title between the logo and the emblem, the maker's name at the bottom
// left, the 1 ms timer that drives the schedule, the welcome page and the
// progress page with its status text and growing bar. Each program adds its
// own pages, its texts and its schedule: a table of the ticks that do
// something, each with the status text it shows and the action it runs.
#include "Wizard/Language.h"
#include "Wizard/RunReport.h"
#include "core/errors.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace wizard {

// The schedule counts ticks 1 to kLastTick; at the last one the program's
// completion window takes over.
inline constexpr std::int16_t kLastTick = 100;

// One row of a program's schedule: at `tick` the progress page shows
// `status`, which stays up until the next row replaces it, and then
// `action` runs when there is one.
template <class Wizard>
struct ScheduleRow {
    std::int16_t tick;
    Text status;
    void (Wizard::*action)() = nullptr;
};

// Where the welcome page's texts lie and what its buttons say; the texts
// themselves are set at load.
struct WelcomePage {
    int introHeight;     // SetupLabel: one line, or two where it names a folder
    int moreTop;         // SetupLabel2, two lines high
    int clickTop;        // Label3
    std::string click;   // Label3's caption
    std::string next;    // Command4's caption
};

class WizardForm : public forms::Form, public ReportsRun {
public:
    std::string ProductName;
    std::int16_t StepCounter = 0;

    // Declared before the pages: it shows through them at the bottom left.
    forms::Label Label2{*this, "Label2"};
    // Header strip, on every page.
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Titlu{*this, "Titlu", &Frame1};
    forms::Image Image1{*this, "Image1", &Frame1};
    forms::Image Image2{*this, "Image2", &Frame1};
    forms::Line HeaderLine{*this, "HeaderLine"};
    forms::Timer InstallTimer{*this, "InstallTimer", 1};

    // Welcome page.
    forms::Frame Pas1{*this, "Pas1"};
    forms::Label WelcomeLabel{*this, "WelcomeLabel", &Pas1};
    forms::Label SetupLabel{*this, "SetupLabel", &Pas1};
    forms::Label SetupLabel2{*this, "SetupLabel2", &Pas1};
    forms::Label Label3{*this, "Label3", &Pas1};
    forms::Line Line1{*this, "Line1", &Pas1};
    forms::CommandButton Command4{*this, "Command4", &Pas1};
    forms::CommandButton Command5{*this, "Command5", &Pas1};

    // Progress page.
    forms::Frame Pas3{*this, "Pas3"};
    forms::Frame Frame2{*this, "Frame2", &Pas3};
    forms::Label Status{*this, "Status", &Frame2};
    forms::Image Bar{*this, "Bar", &Frame2};
    forms::Label Label1{*this, "Label1", &Pas3};
    forms::Line Line3{*this, "Line3", &Pas3};
    forms::CommandButton Command8{*this, "Command8", &Pas3};

    // After the load: shows the wizard, or only the progress page (/SILENT),
    // or nothing (/VERYSILENT). A silent run goes through the pages as a
    // user would; when it cannot start the work (a refused folder, a "No"
    // to a question; the reason is in the report) the run ends here.
    void start(const Switches& switches);

protected:
    // What the program takes from the switches before anything shows.
    virtual void takeSwitches(const Switches&) {}
    // The shown wizard has opened.
    virtual void startedShown(const Switches&) {}
    // A silent run presses what a user would press to start the work: the
    // timer runs from then on.
    virtual void passPages() = 0;

    Quiet quiet_ = Quiet::Shown;

    // The window titled `caption`, laid out with its header, its welcome
    // page and its progress page; the timer is stopped.
    WizardForm(const std::string& caption, const WelcomePage& welcome);

    // One tick of `schedule`, every statement run even when one before it
    // failed: count the tick; at the last tick `finish` shows the completion
    // window; widen the bar; then the row of this tick, if any.
    template <class Wizard, std::size_t N>
    void runTick(const ScheduleRow<Wizard> (&schedule)[N], void (Wizard::*finish)());

private:
    void growBar();
};

template <class Wizard, std::size_t N>
void WizardForm::runTick(const ScheduleRow<Wizard> (&schedule)[N], void (Wizard::*finish)()) {
    Wizard& program = static_cast<Wizard&>(*this);
    rt::ResumeNext steps;
    steps([&] { StepCounter = static_cast<std::int16_t>(StepCounter + 1); });
    if (StepCounter == kLastTick) steps([&] { (program.*finish)(); });
    steps([&] { growBar(); });
    for (const ScheduleRow<Wizard>& row : schedule) {
        if (row.tick != StepCounter) continue;
        steps([&] { Status.setCaption(say(row.status)); });
        if (row.action) steps([&] { (program.*row.action)(); });
    }
}

} // namespace wizard
