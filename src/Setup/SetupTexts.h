#pragma once
// Every text Setup shows, English then Romanian: the pages, the boxes, the
// progress page's steps and the completion window. The log keeps to English
// (Wizard/Language.h).
#include "Wizard/Language.h"

namespace setup::texts {

using wizard::Text;

// The window and its welcome page; {1} is the product's name.
inline constexpr Text kCaption{"Corvane Setup", "Instalare Corvane"};
inline constexpr Text kTitle{"Setup {1}", "Instalare {1}"};
inline constexpr Text kWelcome{"Welcome to the {1} Install Program.", "Bun venit în programul de instalare {1}."};
inline constexpr Text kIntro{"This program allows you to install {1} on your computer.",
                             "Acest program vă permite să instalați {1} pe computer."};
inline constexpr Text kMore{"If you don't want to install {1} on your computer, plase click Cancel now, otherwise "
                            "click Next to continue.",
                            "Dacă nu doriți să instalați {1} pe computer, apăsați acum Anulare; altfel, apăsați "
                            "Înainte pentru a continua."};
inline constexpr Text kClickNext{"Click Next to begin installation.", "Apăsați Înainte pentru a începe instalarea."};
inline constexpr Text kNext{"Next >", "Înainte >"};

// The folder page.
inline constexpr Text kForAllUsers{"Install for &all users (needs administrator rights)",
                                   "Instalare pentru &toți utilizatorii (necesită drepturi de administrator)"};
inline constexpr Text kForMeOnly{"Install for &me only", "Instalare doar pentru &mine"};
inline constexpr Text kNeedsRights{"Installing for all users needs administrator rights, and they were not given.\n\n"
                                   "Please choose \"Install for me only\" to install without them.",
                                   "Instalarea pentru toți utilizatorii necesită drepturi de administrator, iar acestea "
                                   "nu au fost acordate.\n\nAlegeți „Instalare doar pentru mine” pentru a instala fără ele."};
inline constexpr Text kInstalledIn{"The program will be installed in:", "Programul va fi instalat în:"};
inline constexpr Text kBrowse{"&Browse...", "&Răsfoire..."};
inline constexpr Text kSpaceNeeded{"At least {1} of free disk space is required.",
                                   "Este nevoie de cel puțin {1} de spațiu liber pe disc."};
inline constexpr Text kPickerTitle{"Choose where to install {1}", "Alegeți unde se instalează {1}"};
inline constexpr Text kNoFolder{"No install folder was given.", "Nu a fost ales niciun folder de instalare."};
inline constexpr Text kNoFolderChooseAnother{
    "No install folder was given.\n\nPlease choose another folder, for example {1}.",
    "Nu a fost ales niciun folder de instalare.\n\nAlegeți alt folder, de exemplu {1}."};
inline constexpr Text kFolderRefused{"The folder \"{1}\" cannot be used: {2}\n\nPlease choose another folder, for "
                                     "example {3}.",
                                     "Folderul „{1}” nu poate fi folosit: {2}\n\nAlegeți alt folder, de exemplu {3}."};
inline constexpr Text kNoRoom{"There is not enough free disk space to install {1} in {2}: it needs {3}, and the drive "
                              "has {4} free.\n\nPlease make room on that drive, or choose a folder on another one.",
                              "Nu există destul spațiu liber pe disc pentru a instala {1} în {2}: este nevoie de {3}, "
                              "iar unitatea mai are liber {4}.\n\nFaceți loc pe acea unitate sau alegeți un folder de "
                              "pe alta."};
inline constexpr Text kOtherFiles{"The folder {1} already exists and holds other files. Install {2} there anyway? Your "
                                  "own files will be kept.",
                                  "Folderul {1} există deja și conține alte fișiere. Instalați totuși {2} acolo? "
                                  "Fișierele dumneavoastră vor fi păstrate."};
inline constexpr Text kRunning{"{1} is running. Close it, then press Retry. Cancel stops the installation.",
                               "{1} rulează. Închideți-l, apoi apăsați Reîncercare. Anulare oprește instalarea."};
inline constexpr Text kSecondCopy{"{1} is already installed in {2}. Install a second copy in {3}?",
                                  "{1} este deja instalat în {2}. Instalați o a doua copie în {3}?"};
inline constexpr Text kCouldNotRemoveAll{"Setup could not remove everything this installation made. Still there: {1}.",
                                         "Programul de instalare nu a putut șterge tot ce a creat această instalare. "
                                         "Au rămas: {1}."};

// The progress page's steps.
inline constexpr Text kStepBegin{"Begin installation...", "Începe instalarea..."};
inline constexpr Text kStepFolders{"Making folders...", "Se creează folderele..."};
inline constexpr Text kStepCheck{"Check package...", "Se verifică pachetul..."};
inline constexpr Text kStepExtract{"Extract files from Data.dat file...", "Se extrag fișierele din Data.dat..."};
inline constexpr Text kStepCopy{"Copy files...", "Se copiază fișierele..."};
inline constexpr Text kStepRegister{"Register variabiles if needed...", "Se înregistrează variabilele necesare..."};
inline constexpr Text kStepEntry{"Add to Add and Remove Programs...", "Se adaugă în Adăugare/eliminare programe..."};
inline constexpr Text kStepDone{"Done!...", "Gata!..."};

// What can go wrong while installing.
inline constexpr Text kFolderNotMade{"The folder {1} could not be made: the drive may not exist, or you may not write "
                                     "there.",
                                     "Folderul {1} nu a putut fi creat: poate unitatea nu există sau nu aveți drept "
                                     "de scriere acolo."};
inline constexpr Text kCouldNotWrite{"Could not write {1}: {2}.", "Nu s-a putut scrie {1}: {2}."};
inline constexpr Text kNotExtracted{"{1} was not added to the installed programs: its programs were not extracted.",
                                    "{1} nu a fost adăugat la programele instalate: programele sale nu au fost "
                                    "extrase."};
inline constexpr Text kEntryRefused{"{1} could not be added to the installed programs: the registry refused the entry "
                                    "(installing needs an administrator).",
                                    "{1} nu a putut fi adăugat la programele instalate: registrul a refuzat intrarea "
                                    "(instalarea necesită un administrator)."};
inline constexpr Text kUserEntryRefused{"{1} could not be added to the installed programs: the registry refused the "
                                        "entry.",
                                        "{1} nu a putut fi adăugat la programele instalate: registrul a refuzat "
                                        "intrarea."};
inline constexpr Text kAlsoStayed{"{1} Setup could not remove: {2}.", "{1} Programul de instalare nu a putut șterge: {2}."};
inline constexpr Text kListAndMore{"{1} and {2} more", "{1} și încă {2}"};
inline constexpr Text kTheEntry{"the entry in Add and Remove Programs", "intrarea din Adăugare/eliminare programe"};
inline constexpr Text kPackageUnopened{"The package {1} cannot be opened.", "Pachetul {1} nu poate fi deschis."};
inline constexpr Text kPackageUnread{"The package {1} cannot be read: {2}.", "Pachetul {1} nu poate fi citit: {2}."};
inline constexpr Text kPackageLacks{"The package {1} does not hold {2}.", "Pachetul {1} nu conține {2}."};
inline constexpr Text kNotAProgram{"{1} in the package {2} is not a Windows program: {3}.",
                                   "{1} din pachetul {2} nu este un program Windows: {3}."};

// Sizes: "512 bytes", "1.1 MB".
inline constexpr Text kOneByte{"{1} byte", "{1} octet"};
inline constexpr Text kBytes{"{1} bytes", "{1} octeți"};

// The completion window.
inline constexpr Text kThanks{"Thank you for chosing {1}", "Vă mulțumim că ați ales {1}"};
inline constexpr Text kSupport{"For support, please visit {1}", "Pentru asistență, vizitați {1}"};
inline constexpr Text kMakeShortcut{"Make shortcut on Desktop", "Creează o scurtătură pe desktop"};
inline constexpr Text kFailedCaption{"Install failed", "Instalare eșuată"};
inline constexpr Text kFailedResult{"Install failed!", "Instalarea a eșuat!"};

} // namespace setup::texts
