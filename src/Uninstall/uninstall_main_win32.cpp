// Uninstall.exe: the uninstall wizard over the real folders, files, registry
// and shell. Started by itself with the private argument, it is the copy that
// removes the ended uninstaller and its folder, and shows nothing.
#include "Uninstall/UninstallForm1.h"
#include "win32/host.h"
#include "win32/self_removal_win32.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"

int main() {
    if (host::runSelfRemovalIfAsked()) return 0;
    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::SystemRegistry registry;
    host::ShellLinks shortcuts;
    host::Win32SelfRemoval removal;
    host::SystemMessageBoxes boxes;
    uninstall::DoneForm done(removal);
    uninstall::Form1 form({folders, files, registry, shortcuts, removal, boxes}, done);
    app.attach(form);
    app.attach(done);
    form.load();
    form.show();
    return app.run();
}
