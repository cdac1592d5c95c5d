#include "Setup/SetupForm1.h"

#include "Product.h"
#include "Setup/OtherInstall.h"
#include "Setup/SetupTexts.h"
#include "Wizard/LogTarget.h"
#include "Wizard/WizardLook.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace setup {

Form1::Form1(SetupSystem system)
    : WizardForm(wizard::say(texts::kCaption),
                 {255, 1080, 1800, wizard::say(texts::kClickNext), wizard::say(texts::kNext)}),
      doneForm(system.shortcuts, Cale, *this),
      dezarhivator(system.folders, system.files),
      system_(system) {
    layOutFolderPage();
    dezarhivator.setInstallFolderBox(&Cale);
    dezarhivator.EntryExtracted = [this](const std::string& name, const rt::Outcome<>& written) {
        entryExtracted(name, written);
    };

    Load = [this] { Form_Load(); };
    // Closing the window, or Cancel on any page, takes back what the install
    // made so far (nothing before the progress page) and ends the program.
    Unload = [this] { Cancel_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    ForAllUsers.Click = [this] { setMode(wizard::InstallMode::AllUsers); };
    ForMeOnly.Click = [this] { setMode(wizard::InstallMode::CurrentUser); };
    Command5.Click = [this] { Cancel_Click(); };
    Command6.Click = [this] { Cancel_Click(); };
    Command8.Click = [this] { Cancel_Click(); };
    InstallTimer.Tick = [this] { InstallTimer_Timer(); };
}

void Form1::layOutFolderPage() {
    wizard::placePage(Pas2);
    // Whom for, first: the folder proposed below follows the choice.
    ForAllUsers.setCaption(wizard::say(texts::kForAllUsers));
    ForAllUsers.move(wizard::kTextLeft, 360, wizard::kTextWidth, 255);
    ForAllUsers.setValue(true);
    ForMeOnly.setCaption(wizard::say(texts::kForMeOnly));
    ForMeOnly.move(wizard::kTextLeft, 675, wizard::kTextWidth, 255);
    Label5.setCaption(wizard::say(texts::kInstalledIn));
    wizard::placeText(Label5, 1170, 255);
    // The box leaves room for "Browse..." at its right, the button centred
    // on the box's height and as wide as the page's other buttons.
    constexpr int kBoxTop = 1530, kBoxHeight = 315, kGap = 120;
    constexpr int kBrowseLeft = wizard::kTextLeft + wizard::kTextWidth - wizard::kButtonWidth;
    Cale.move(wizard::kTextLeft, kBoxTop, kBrowseLeft - kGap - wizard::kTextLeft, kBoxHeight);
    Cale.setBackColor(forms::kWindowBackground);
    Command9.setCaption(wizard::say(texts::kBrowse));
    Command9.move(kBrowseLeft, kBoxTop - (wizard::kButtonHeight - kBoxHeight) / 2, wizard::kButtonWidth,
                  wizard::kButtonHeight);
    // Empty (and so not shown) until the load has read the package.
    wizard::placeText(Label6, kBoxTop + kBoxHeight + 165, 255);
    wizard::placeSeparator(Line2);
    Command7.setCaption(wizard::say(texts::kNext));
    wizard::placeButtons(&Command7, Command6);
}

void Form1::Form_Load() {
    rt::ResumeNext steps;
    steps([&] { ProductName = product::kName; });
    steps([&] { Titlu.setCaption(wizard::say(texts::kTitle, {ProductName})); });
    steps([&] { WelcomeLabel.setCaption(wizard::say(texts::kWelcome, {ProductName})); });
    steps([&] { SetupLabel.setCaption(wizard::say(texts::kIntro, {ProductName})); });
    steps([&] { SetupLabel2.setCaption(wizard::say(texts::kMore, {ProductName})); });
    steps([&] { Cale.setText(proposedFolder()); });
    steps([&] {
        doneForm.load();
        doneForm.ThankYouLabel.setCaption(wizard::say(texts::kThanks, {ProductName}));
    });
    steps([&] { StepCounter = 0; });
    steps([&] { doneForm.ShortcutName.setCaption(ProductName); });
    steps([&] {
        Pas1.setVisible(true);
        Pas2.setVisible(false);
        Pas3.setVisible(false);
    });
    steps([&] { dezarhivator.load(); });
    steps([&] { showSpaceNeeded(); });
}

platform::RegistryRoot Form1::hive() const noexcept {
    return mode_ == wizard::InstallMode::CurrentUser ? platform::RegistryRoot::CurrentUser
                                                     : platform::RegistryRoot::LocalMachine;
}

// The system's Program Files folder, wherever the system keeps it, or the
// user's own programs folder. An installation elsewhere is proposed
// instead: installing over it keeps one copy.
std::string Form1::proposedFolder() {
    if (const auto installed = installedFolder(system_.files, system_.registry, ProductName, hive())) return *installed;
    const bool forUser = mode_ == wizard::InstallMode::CurrentUser;
    std::string programs = forUser ? system_.folders.userProgramsFolder() : system_.folders.programFilesFolder();
    if (programs.empty() && !forUser) programs = "C:\\Program Files";
    return platform::joinPath(programs, ProductName);
}

void Form1::setMode(wizard::InstallMode mode) {
    if (mode == mode_) return;
    // A folder the user typed stays; the one proposed follows the mode.
    const bool proposed = Cale.text() == proposedFolder();
    mode_ = mode;
    if (proposed) Cale.setText(proposedFolder());
    (mode == wizard::InstallMode::AllUsers ? ForAllUsers : ForMeOnly).setValue(true);
}

// Without administrator rights "for all users" goes on in a copy of Setup
// started with them (Windows asks the user), from this page with the same
// choices; this run ends with the copy's status. A copy that lacks them
// still, or none started, leaves the user on the page with the way out.
bool Form1::lacksRights() {
    if (mode_ != wizard::InstallMode::AllUsers || system_.elevated) return false;
    if (system_.runElevatedCopy) {
        report().step("Installing for all users: Setup starts again with administrator rights.");
        report().lendLog();
        hide();
        const std::optional<int> status = system_.runElevatedCopy(Cale.text());
        if (status) {
            report().wentOnInCopy(*status);
            endProgram();
        }
        report().takeBackLog();
        if (quiet_ != wizard::Quiet::VerySilent) show();
    }
    system_.boxes.ask(wizard::say(texts::kNeedsRights), caption(), platform::Buttons::Ok, platform::BoxIcon::Warning);
    if (quiet_ != wizard::Quiet::Shown) report().failed(wizard::say(texts::kNeedsRights));
    ForMeOnly.setFocus();
    return true;
}

void Form1::Command4_Click() {
    Pas1.setVisible(false);
    Pas2.setVisible(true);
    // Ready to type over the proposed folder.
    Cale.setFocus();
    Cale.selectAll();
}

void Form1::Command7_Click() {
    if (lacksRights() || !acceptFolder()) return;
    // The folder is settled and checked against the log: from here on the
    // steps go to its file (one that cannot be opened now has nowhere to say so).
    (void)report().releaseLog();
    Pas2.setVisible(false);
    Pas3.setVisible(true);
    Command8.setFocus();
    InstallTimer.setEnabled(true);
}

void Form1::Cancel_Click() {
    report().cancelled("Setup was cancelled.");
    // A log still held was never checked against the folder in the box:
    // it is written at the end only when it names none of its files.
    if (const std::string log = report().heldLog();
        !log.empty() && !wizard::logAllowed(system_.files, log, {wizard::installationFiles(Cale.text()), {}}))
        report().dropLog();
    stopTimers();
    const std::vector<std::string> stayed = takeBack_.takeBack(system_.files, system_.registry);
    if (!stayed.empty())
        system_.boxes.ask(wizard::say(texts::kCouldNotRemoveAll, {describeList(stayed)}), caption(), platform::Buttons::Ok, platform::BoxIcon::Warning);
    endProgram();
}

} // namespace setup
