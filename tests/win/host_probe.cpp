// A program built on the host, run by win.host_process as a process of its
// own: its start-up and its end are what is being looked at.
//
//   host_probe.exe tick-error     a timer's tick raises error 5, unhandled
//   host_probe.exe load-error     Form_Load raises error 5, unhandled
//   host_probe.exe paint-error    a picture drawn at its window's size raises it
//   host_probe.exe caption-error  the system menu asks a command's caption, which raises it
//   host_probe.exe dpi-error      a change of DPI reaches program code that raises it
//   host_probe.exe sound          loads the sound library after the start-up
//   host_probe.exe by-name        loads dsound.dll by name after the start-up
//   host_probe.exe bare-by-name   the same with no start-up at all
#include "core/errors.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "win32/directsound.h"
#include "win32/host.h"
#include "win32/window_command.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ProbeForm : forms::Form {
    explicit ProbeForm(bool failLoad, bool failTick) : Form("Probe") {
        setCaption("Probe");
        if (failLoad) Load = [] { rt::raise(rt::InvalidProcedureCall); };
        if (failTick) tick.Tick = [] { rt::raise(rt::InvalidProcedureCall); };
    }
    forms::Timer tick{*this, "Timer1", 50};
};

[[noreturn]] std::string failingCaption() { rt::raise(rt::InvalidProcedureCall); }

// Program code that watches the form, as a window of the program may: the
// outline rescaled for a new DPI reaches it and fails.
struct FailingOutlineWatch : forms::FormObserver {
    void formChanged(forms::Form& form, forms::Prop what) override {
        if (what == forms::Prop::Region && form.hWnd()) rt::raise(rt::InvalidProcedureCall);
    }
    void controlChanged(forms::Control&, forms::Prop) override {}
};

int runForm(const std::string& mode) {
    host::Application app;
    ProbeForm form(mode == "load-error", mode == "tick-error");
    // Drawn at its design size without fault; at any other size it fails.
    forms::Image picture(form, "Image1");
    picture.setStretch(true);
    picture.move(0, 0, 600, 600);
    if (mode == "paint-error")
        picture.setPicture(forms::drawnAtAnySize(4, 4, [](int width, int height) {
            if (width != 4) rt::raise(rt::InvalidProcedureCall);
            return forms::Bitmap{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height), {}};
        }));
    FailingOutlineWatch watch;
    if (mode == "dpi-error") {
        form.setRegion(forms::Form::RoundRegion{200, 200, 20});
        form.addObserver(&watch);
    }
    app.attach(form);
    std::unique_ptr<host::WindowCommand> command;
    const HWND window = reinterpret_cast<HWND>(form.hWnd());
    if (mode == "caption-error") {
        command = std::make_unique<host::WindowCommand>(app, form, host::WindowCommand::Action{'S', &failingCaption, [] {}});
        ::PostMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(::GetSystemMenu(window, FALSE)), MAKELPARAM(0, TRUE));
    }
    static RECT suggested{0, 0, 300, 300};
    if (mode == "dpi-error") ::PostMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    form.load();
    form.show();
    const int status = app.run();
    form.removeObserver(&watch);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode.ends_with("-error")) return runForm(mode);
    if (mode == "bare-by-name") return ::LoadLibraryW(L"dsound.dll") ? 0 : 2;
    host::Application app;
    if (mode == "by-name") return ::LoadLibraryW(L"dsound.dll") ? 0 : 2;
    if (mode == "sound") {
        // A planted library lacks DirectSound's entry points: the load fails.
        try {
            return host::makeDirectSoundSystem()->loadLibrary() ? 0 : 2;
        } catch (const rt::Error&) {
            return 3;
        }
    }
    return 64;
}
