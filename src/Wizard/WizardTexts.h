#pragma once
// The texts of what both wizards share: the progress page, the buttons and
// the completion window's frame. English, then Romanian.
#include "Wizard/Language.h"

namespace wizard::texts {

inline constexpr Text kCancel{"Cancel", "Anulare"};
inline constexpr Text kBeginWait{"Begin installation, please wait...", "Începe instalarea, așteptați..."};
inline constexpr Text kPleaseWait{"Please wait...", "Așteptați..."};
inline constexpr Text kInstallComplete{"Install complete!", "Instalare finalizată!"};
inline constexpr Text kDone{"Done", "Gata"};
inline constexpr Text kLogRefused{"The log file {1} cannot be written: {2}.", "Fișierul jurnal {1} nu poate fi scris: {2}."};

} // namespace wizard::texts
