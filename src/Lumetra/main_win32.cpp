// Corvane Lumetra.exe: the main window over real DirectSound, the real file
// layer, folders, monitors and window shell.
#include "Lumetra/Form1.h"
#include "win32/directsound.h"
#include "win32/host.h"
#include "win32/monitors_win32.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/window_shell_win32.h"

int main() {
    host::Application app;
    auto sound = host::makeDirectSoundSystem();
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::Win32WindowShell shell;
    host::SystemMonitors monitors;
    lumetra::Form1 form(*sound, {folders, files, shell, monitors});
    app.attach(form);
    form.load();
    form.show();
    return app.run();
}
