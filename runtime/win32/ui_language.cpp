#include "win32/ui_language.h"

#include <windows.h>

namespace host {

bool userInterfaceIsRomanian() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ROMANIAN; }

} // namespace host
