#include "Uninstall/UninstallForm1.h"

#include "Product.h"
#include "Uninstall/InstallFolderGuard.h"
#include "Uninstall/UninstallTexts.h"
#include "UninstallEntry/UninstallEntry.h"
#include "Wizard/RunningProgram.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace uninstall {

Form1::Form1(const UninstallPlatform& system, DoneForm& doneForm)
    // Room for two lines in SetupLabel: the refusal names the folder there.
    : WizardForm(wizard::say(texts::kCaption),
                 {495, 1260, 1860, wizard::say(texts::kClickUninstall), wizard::say(texts::kUninstall)}),
      system_(system), DoneForm_(doneForm) {
    Cale.setVisible(false);
    ShortcutToDelete.setVisible(false);

    Load = [this] { Form_Load(); };
    Unload = [this] { Form_Unload(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Cancel_Click(); };
    Command8.Click = [this] { Cancel_Click(); };
    InstallTimer.Tick = [this] { InstallTimer_Timer(); };
}

void Form1::Form_Load() {
    rt::ResumeNext steps;
    steps([&] { ProductName = product::kName; });
    steps([&] { Titlu.setCaption(wizard::say(texts::kTitle, {ProductName})); });
    steps([&] { WelcomeLabel.setCaption(wizard::say(texts::kWelcome, {ProductName})); });
    steps([&] { SetupLabel.setCaption(wizard::say(texts::kIntro, {ProductName})); });
    steps([&] { SetupLabel2.setCaption(wizard::say(texts::kMore, {ProductName})); });
    steps([&] { Cale.setText(system_.folders.programFolder()); });
    steps([&] {
        DoneForm_.load();
        DoneForm_.ThankYouLabel.setCaption(wizard::say(texts::kUninstalled, {ProductName}));
    });
    steps([&] { StepCounter = 0; });
    steps([&] { DoneForm_.ShortcutName.setCaption(ProductName); });
    steps([&] {
        Pas1.setVisible(true);
        Pas3.setVisible(false);
    });

    record_ = record::read(system_.files, Cale.text());
    FolderFacts facts;
    facts.folder = Cale.text();
    facts.programFile = system_.folders.programFile();
    facts.windowsFolder = system_.folders.windowsFolder();
    facts.uninstallCommand = system_.registry.readString(hive(), entry::uninstallKey(product::kName), "UninstallString");
    facts.record = record_;
    isInstallation_ = isInstallFolder(system_.files, facts);
    if (!isInstallation_) refuseFolder();
}

// Nothing can be removed from here: say so on the welcome page and leave only
// "Cancel" to press.
void Form1::refuseFolder() {
    report().failed("The folder " + Cale.text() + " is not an installation of " + ProductName +
                    ", so nothing was removed.");
    WelcomeLabel.setCaption(wizard::say(texts::kNotInstallation, {ProductName}));
    SetupLabel.setCaption(wizard::say(texts::kStartedFrom, {Cale.text()}));
    SetupLabel2.setCaption(wizard::say(texts::kNothingRemoved));
    Label3.setCaption(wizard::say(texts::kClickCancel));
    Command4.setEnabled(false);
    Command4.setDefault(false);
    Command5.setDefault(true);
}

platform::RegistryRoot Form1::hive() const noexcept {
    return record_ && record_->forCurrentUser ? platform::RegistryRoot::CurrentUser : platform::RegistryRoot::LocalMachine;
}

void Form1::Command4_Click() {
    if (!isInstallation_ || !programClosed()) return;
    Pas1.setVisible(false);
    Pas3.setVisible(true);
    InstallTimer.setEnabled(true);
}

// A running Corvane Lumetra.exe could not be deleted: the user closes it
// (Retry) or stops (Cancel), before anything is deleted.
bool Form1::programClosed() {
    if (!wizard::programClosed(system_.files, system_.boxes, platform::joinPath(Cale.text(), product::kMainProgram),
                               wizard::say(texts::kRunning, {ProductName}),
                               caption()))
        endProgram();
    return true;
}

void Form1::Cancel_Click() {
    report().cancelled("Uninstall was cancelled.");
    endProgram();
}

void Form1::Form_Unload() {
    report().cancelled("Uninstall was closed.");
    endProgram();
}

} // namespace uninstall
