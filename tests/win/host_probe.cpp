// A program built on the host, run by win.host_process as a process of its
// own: its start-up and its end are what is being looked at.
//
//   host_probe.exe tick-error     a timer's tick raises error 5, unhandled
//   host_probe.exe load-error     Form_Load raises error 5, unhandled
//   host_probe.exe sound          loads the sound library after the start-up
//   host_probe.exe by-name        loads dsound.dll by name after the start-up
//   host_probe.exe bare-by-name   the same with no start-up at all
#include "core/errors.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "win32/directsound.h"
#include "win32/host.h"

#include <windows.h>

#include <string>

namespace {

struct ProbeForm : forms::Form {
    explicit ProbeForm(bool failLoad) : Form("Probe") {
        setCaption("Probe");
        if (failLoad) Load = [] { rt::raise(rt::InvalidProcedureCall); };
        tick.Tick = [] { rt::raise(rt::InvalidProcedureCall); };
    }
    forms::Timer tick{*this, "Timer1", 50};
};

int runForm(bool failLoad) {
    host::Application app;
    ProbeForm form(failLoad);
    app.attach(form);
    form.load();
    form.show();
    return app.run();
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "tick-error") return runForm(false);
    if (mode == "load-error") return runForm(true);
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
