// Corvane Lumetra.exe: the main window over real DirectSound, the real file
// layer, folders, monitors and window shell. With arguments it writes a
// session into a WAV file instead and ends without a window.
#include "Lumetra/Form1.h"
#include "Lumetra/SaveAsWav.h"
#include "Lumetra/WavCommandLine.h"
#include "Product.h"
#include "win32/command_line.h"
#include "win32/directsound.h"
#include "win32/host.h"
#include "win32/monitors_win32.h"
#include "win32/save_dialog_win32.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/window_choice_menu.h"
#include "win32/window_command.h"
#include "win32/window_shell_win32.h"

#include <chrono>

namespace {

long long steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main() {
    host::Application app;
    auto sound = host::makeDirectSoundSystem();
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::Win32WindowShell shell;
    host::SystemMonitors monitors;
    host::SystemMessageBoxes boxes;
    lumetra::Form1 form(*sound, {folders, files, shell, monitors});

    if (const auto args = host::commandLineArguments(); !args.empty()) {
        const lumetra::WavCommandResult result = lumetra::runWavCommandLine(args, form, files);
        if (result.exitCode != 0 && !host::writeStandardError(result.message))
            boxes.ask(result.message, product::kName, platform::Buttons::Ok, platform::BoxIcon::Error);
        return result.exitCode;
    }

    host::SystemSaveDialog saveDialog;
    lumetra::SaveAsWav saving(form, {saveDialog, boxes, files, &steadyMilliseconds,
                                     [&app](forms::Form& window) { app.attach(window); }});
    app.attach(form);
    form.load();
    host::WindowCommand saveCommand(app, form, {'S', [&saving] { return saving.menuCaption(); },
                                                [&saving] { saving.Save(); }});
    host::WindowChoiceMenu sleepMenu(form, host::WindowCommand::kItemId,
                                     {[&form] { return form.sleepMenuTitle(); }, [&form] { return form.sleepMenuItems(); },
                                      [&form] { return form.sleepMenuChecked(); },
                                      [&form](int item) { form.sleepMenuChoose(item); }});
    // The close picture ends the program at once: an unfinished file goes first.
    app.endWith([&saving] {
        saving.abandon();
        return 0;
    });
    form.show();
    return app.run();
}
