#include "Uninstall/Form1.h"

#include "Product.h"
#include "Uninstall/AddRemovePrograms.h"
#include "Uninstall/InstallFolderGuard.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace uninstall {

Form1::Form1(const UninstallPlatform& system, DoneForm& doneForm)
    : forms::Form("Form1"), system_(system), DoneForm_(doneForm) {
    setCaption("Corvane Uninstaller");
    setClientSize(7305, 4920);
    setBorder(Border::FixedSingle);
    setMaxButton(false);
    setStartPosition(StartPosition::CenterScreen);

    Frame1.setBackColor(forms::kWhite);
    Titlu.setFont({"MS Sans Serif", 8.25, true});
    Titlu.setAlignment(forms::Alignment::Center);
    Titlu.setBackColor(forms::kWhite);
    Label2.setCaption("Corvanesoft Setup");
    InstallTimer.setEnabled(false);
    Cale.setVisible(false);
    ShortcutToDelete.setVisible(false);

    Label3.setCaption("Click Uninstall to begin.");
    Command4.setCaption("Uninstall");
    Command4.setDefault(true);
    Command5.setCaption("Cancel");
    Command5.setCancel(true);

    Status.setCaption("Begin installation, please wait...");
    Bar.setStretch(true);
    Bar.move(0, 0, 60, 0);
    Label1.setCaption("Please wait...");
    Command8.setCaption("Cancel");
    Command8.setCancel(true);

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
    steps([&] { Titlu.setCaption("Setup " + ProductName); });
    steps([&] { WelcomeLabel.setCaption("You are about to uninstall " + ProductName + "."); });
    steps([&] {
        SetupLabel.setCaption("This program allows you to uninstall " + ProductName + " from your hard drive.");
    });
    steps([&] {
        SetupLabel2.setCaption("If you don't want to uninstall " + ProductName +
                               " on your computer, plase click Cancel now, otherwise click Uninstall to continue.");
    });
    steps([&] { Cale.setText(system_.folders.programFolder()); });
    steps([&] {
        DoneForm_.load();
        DoneForm_.ThankYouLabel.setCaption("The " + ProductName + " was succesfuly uninstalled!");
    });
    steps([&] { StepCounter = 0; });
    steps([&] { DoneForm_.ShortcutName.setCaption(ProductName); });
    steps([&] {
        Pas1.setVisible(true);
        Pas3.setVisible(false);
    });

    FolderFacts facts;
    facts.folder = Cale.text();
    facts.programFile = system_.folders.programFile();
    facts.windowsFolder = system_.folders.windowsFolder();
    facts.uninstallCommand = system_.registry.readString(platform::RegistryRoot::LocalMachine,
                                                         uninstallKey(product::kName), "UninstallString");
    facts.mainProgramPresent = system_.files.fileExists(platform::joinPath(facts.folder, product::kMainProgram));
    isInstallation_ = isInstallFolder(facts);
    if (!isInstallation_) refuseFolder();
}

// Nothing can be removed from here: say so on the welcome page and leave only
// "Cancel" to press.
void Form1::refuseFolder() {
    SetupLabel.setCaption("The folder " + Cale.text() + " is not an installation of " + ProductName + ".");
    SetupLabel2.setCaption("Nothing will be removed.");
    Label3.setCaption("Click Cancel to close.");
    Command4.setEnabled(false);
    Command4.setDefault(false);
    Command5.setDefault(true);
}

void Form1::Command4_Click() {
    if (!isInstallation_) return;
    Pas1.setVisible(false);
    Pas3.setVisible(true);
    InstallTimer.setEnabled(true);
}

void Form1::Cancel_Click() {
    forms::endProgram();
}

void Form1::Form_Unload() {
    forms::endProgram();
}

} // namespace uninstall
