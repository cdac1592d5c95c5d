#include "Setup/SetupForm1.h"

#include "Product.h"
#include "Setup/OtherInstall.h"
#include "Wizard/LogTarget.h"
#include "Wizard/WizardLook.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace setup {

Form1::Form1(SetupSystem system)
    : WizardForm("Corvane Setup", {255, 1080, 1800, "Click Next to begin installation.", "Next >"}),
      doneForm(system.shortcuts, Cale, *this),
      dezarhivator(system.folders, system.files),
      system_(system) {
    layOutFolderPage();
    dezarhivator.setInstallFolderBox(&Cale);
    dezarhivator.EntryExtracted = [this](const std::string& name, const std::string& problem) {
        entryExtracted(name, problem);
    };

    Load = [this] { Form_Load(); };
    // Closing the window, or Cancel on any page, takes back what the install
    // made so far (nothing before the progress page) and ends the program.
    Unload = [this] { Cancel_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command5.Click = [this] { Cancel_Click(); };
    Command6.Click = [this] { Cancel_Click(); };
    Command8.Click = [this] { Cancel_Click(); };
    InstallTimer.Tick = [this] { InstallTimer_Timer(); };
}

void Form1::layOutFolderPage() {
    wizard::placePage(Pas2);
    Label5.setCaption("The program will be installed in:");
    wizard::placeText(Label5, 480, 255);
    // The box leaves room for "Browse..." at its right, the button centred
    // on the box's height and as wide as the page's other buttons.
    constexpr int kBoxTop = 840, kBoxHeight = 315, kGap = 120;
    constexpr int kBrowseLeft = wizard::kTextLeft + wizard::kTextWidth - wizard::kButtonWidth;
    Cale.move(wizard::kTextLeft, kBoxTop, kBrowseLeft - kGap - wizard::kTextLeft, kBoxHeight);
    Cale.setBackColor(forms::kWindowBackground);
    Command9.setCaption("&Browse...");
    Command9.move(kBrowseLeft, kBoxTop - (wizard::kButtonHeight - kBoxHeight) / 2, wizard::kButtonWidth,
                  wizard::kButtonHeight);
    // Empty (and so not shown) until the load has read the package.
    wizard::placeText(Label6, kBoxTop + kBoxHeight + 165, 255);
    wizard::placeSeparator(Line2);
    Command7.setCaption("Next >");
    wizard::placeButtons(&Command7, Command6);
}

void Form1::Form_Load() {
    rt::ResumeNext steps;
    steps([&] { ProductName = product::kName; });
    steps([&] { Titlu.setCaption("Setup " + ProductName); });
    steps([&] { WelcomeLabel.setCaption("Welcome to the " + ProductName + " Install Program."); });
    steps([&] { SetupLabel.setCaption("This program allows you to install " + ProductName + " on your computer."); });
    steps([&] {
        SetupLabel2.setCaption("If you don't want to install " + ProductName +
                               " on your computer, plase click Cancel now, otherwise click Next to continue.");
    });
    steps([&] {
        // The system's Program Files folder, wherever the system keeps it.
        std::string programFiles = system_.folders.programFilesFolder();
        if (programFiles.empty()) programFiles = "C:\\Program Files";
        Cale.setText(platform::joinPath(programFiles, ProductName));
    });
    // An installation elsewhere is proposed instead: installing over it
    // keeps one copy.
    steps([&] {
        if (const auto installed = installedFolder(system_.files, system_.registry, ProductName)) Cale.setText(*installed);
    });
    steps([&] {
        doneForm.load();
        doneForm.ThankYouLabel.setCaption("Thank you for chosing " + ProductName);
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

void Form1::Command4_Click() {
    Pas1.setVisible(false);
    Pas2.setVisible(true);
    // Ready to type over the proposed folder.
    Cale.setFocus();
    Cale.selectAll();
}

void Form1::Command7_Click() {
    if (!acceptFolder()) return;
    // The folder is settled and checked against the log: from here on the
    // steps go to its file.
    report().releaseLog();
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
        !log.empty() && !wizard::logProblem(system_.files, log, {wizard::installationFiles(Cale.text()), {}}).empty())
        report().dropLog();
    stopTimers();
    const std::vector<std::string> stayed = takeBack_.takeBack(system_.files, system_.registry);
    if (!stayed.empty())
        system_.boxes.ask("Setup could not remove everything this installation made. Still there: " +
                              describeList(stayed) + ".",
                          caption(), platform::Buttons::Ok, platform::BoxIcon::Warning);
    forms::endProgram();
}

} // namespace setup
