// Setup.exe: the install wizard over the real folders, files, registry and
// shell links. The completion window and the archive window are made hidden;
// the archive window's timer runs the extraction walk.
#include "Setup/SetupForm1.h"
#include "win32/folder_picker_win32.h"
#include "win32/host.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"

int main() {
    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::SystemRegistry registry;
    host::ShellLinks shortcuts;
    host::SystemMessageBoxes boxes;
    host::SystemFolderPicker picker;
    setup::Form1 form({folders, files, registry, shortcuts, boxes, picker});
    app.attach(form);
    app.attach(form.doneForm);
    app.attach(form.dezarhivator);
    form.load();
    form.show();
    return app.run();
}
