// Corvane Lumetra.exe: the main window over real DirectSound, the real file
// layer, folders, monitors and window shell.
#include "Form1.h"
#include "directsound.h"
#include "host.h"
#include "monitors_win32.h"
#include "system_files.h"
#include "system_folders.h"
#include "window_shell_win32.h"

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
