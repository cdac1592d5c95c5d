// Corvane Lumetra.exe: the main window over real DirectSound.
#include "Form1.h"
#include "directsound.h"
#include "host.h"

int main() {
    host::Application app;
    auto sound = host::makeDirectSoundSystem();
    lumetra::Form1 form(*sound);
    app.attach(form);
    form.load();
    form.show();
    return app.run();
}
