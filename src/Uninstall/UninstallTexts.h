#pragma once
// Every text Uninstall shows, English then Romanian: the pages, the boxes,
// the progress page's steps and the completion window. The log keeps to
// English (Wizard/Language.h).
#include "Wizard/Language.h"

namespace uninstall::texts {

using wizard::Text;

// The window and its welcome page; {1} is the product's name.
inline constexpr Text kCaption{"Corvane Uninstaller", "Dezinstalare Corvane"};
inline constexpr Text kTitle{"Setup {1}", "Instalare {1}"};
inline constexpr Text kClickUninstall{"Click Uninstall to begin.", "Apăsați Dezinstalare pentru a începe."};
inline constexpr Text kUninstall{"Uninstall", "Dezinstalare"};
inline constexpr Text kWelcome{"You are about to uninstall {1}.", "Urmează să dezinstalați {1}."};
inline constexpr Text kIntro{"This program allows you to uninstall {1} from your hard drive.",
                             "Acest program vă permite să dezinstalați {1} de pe hard disk."};
inline constexpr Text kMore{"If you don't want to uninstall {1} on your computer, plase click Cancel now, otherwise "
                            "click Uninstall to continue.",
                            "Dacă nu doriți să dezinstalați {1} de pe computer, apăsați acum Anulare; altfel, apăsați "
                            "Dezinstalare pentru a continua."};
inline constexpr Text kRunning{"{1} is running. Close it, then press Retry. Cancel stops the uninstall.",
                               "{1} rulează. Închideți-l, apoi apăsați Reîncercare. Anulare oprește dezinstalarea."};

// The welcome page of a copy that is no installation.
inline constexpr Text kNotInstallation{"This folder is not an installation of {1}.",
                                       "Acest folder nu este o instalare a programului {1}."};
inline constexpr Text kStartedFrom{"Uninstall was started from {1}.", "Dezinstalarea a fost pornită din {1}."};
inline constexpr Text kNothingRemoved{"Nothing will be removed.", "Nu se va șterge nimic."};
inline constexpr Text kClickCancel{"Click Cancel to close.", "Apăsați Anulare pentru a închide."};

// The progress page's steps.
inline constexpr Text kStepList{"Get list...", "Se citește lista..."};
inline constexpr Text kStepFiles{"Delete files...", "Se șterg fișierele..."};
inline constexpr Text kStepShortcuts{"Remove shortcuts", "Se șterg scurtăturile"};
inline constexpr Text kStepUnregister{"Unregister variabiles...", "Se anulează înregistrarea variabilelor..."};
inline constexpr Text kStepEntry{"Remove from Add and Remove Programs...", "Se elimină din Adăugare/eliminare programe..."};
inline constexpr Text kStepDone{"Done!...", "Gata!..."};

// The completion window.
inline constexpr Text kComplete{"Uninstall complete!", "Dezinstalare finalizată!"};
inline constexpr Text kWebsite{"You can find more on our website: {1}", "Aflați mai multe pe site-ul nostru: {1}"};
inline constexpr Text kUninstalled{"The {1} was succesfuly uninstalled!", "{1} a fost dezinstalat cu succes!"};
inline constexpr Text kFolderKept{"{1} The folder {2} was kept because it holds other files.",
                                  "{1} Folderul {2} a fost păstrat, deoarece conține alte fișiere."};
inline constexpr Text kIncomplete{"Uninstall incomplete", "Dezinstalare incompletă"};

// What stayed, one sentence for each cause.
inline constexpr Text kTheEntry{"the entry in Add and Remove Programs", "intrarea din Adăugare/eliminare programe"};
inline constexpr Text kNotHandedBack{"it could not be handed back to the copy in {1}",
                                     "nu a putut fi dată înapoi copiei din {1}"};
inline constexpr Text kListAndMore{"{1} and {2} more", "{1} și încă {2}"};
inline constexpr Text kCannotBeRemoved{"it cannot be removed", "nu poate fi șters"};
inline constexpr Text kStayedRunning{"Could not remove: {1}. Close {2} and run Uninstall again.",
                                     "Nu s-a putut șterge: {1}. Închideți {2} și porniți din nou dezinstalarea."};
inline constexpr Text kStayedReadOnly{"Could not remove {1}: it is read-only. Clear the read-only attribute and run "
                                      "Uninstall again.",
                                      "Nu s-a putut șterge {1}: este doar în citire. Scoateți atributul „doar în "
                                      "citire” și porniți din nou dezinstalarea."};
inline constexpr Text kStayedReadOnlyMany{"Could not remove {1}: they are read-only. Clear the read-only attribute and "
                                          "run Uninstall again.",
                                          "Nu s-au putut șterge {1}: sunt doar în citire. Scoateți atributul „doar în "
                                          "citire” și porniți din nou dezinstalarea."};
inline constexpr Text kStayedOther{"Could not remove {1}: {2}.", "Nu s-a putut șterge {1}: {2}."};
inline constexpr Text kStayedMore{"Could not remove {1} more items.", "Nu s-au putut șterge încă {1} elemente."};

} // namespace uninstall::texts
