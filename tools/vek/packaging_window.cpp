#include "vek/packaging_window.h"

#include "Unpacker/Dezarhivator.h"
#include "win32/host.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"

namespace vek {

// As a packaging tool the window works on what is typed into it: "Add"
// appends Text1's file to Text2's archive, and "Extract" lists Text2's
// archive afresh and walks it into the folder typed in "Extract to:" (the
// installer's install folder plays that part in Setup).
int showPackagingWindow() {
    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    setup::Dezarhivator window(folders, files);
    window.setClientSize(6360, 5040);
    forms::Label Label3(window, "Label3");
    Label3.setCaption("Extract to:");
    Label3.move(120, 4500, 1200, 255);
    forms::TextBox Text3(window, "Text3");
    Text3.move(1320, 4500, 4920, 285);
    Text3.setText(folders.programFolder());
    window.setInstallFolderBox(&Text3);

    window.Command3.Click = [&] {
        window.List2.Clear();
        window.VekList(window.Text2.text(), window.List2);
        window.ExtractIndex = 0;
        window.ExtrageFisierele();
    };

    app.attach(window);
    window.load();
    window.show();
    return app.run();
}

} // namespace vek
