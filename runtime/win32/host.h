#pragma once
// The Windows host: turns portable forms into real windows and runs the
// message loop. A program's main is:
//
//     host::Application app;          // process set-up
//     lumetra::Form1 form(...);
//     app.attach(form);               // the real window exists (hidden) from here
//     form.load();                    // Form_Load runs with the window made
//     app.endWith(...);               // optional: the program's last step and status
//     form.show();
//     return app.run();
#include "forms/form.h"

#include <functional>
#include <memory>

struct tagMSG;

namespace host {

class Application {
public:
    // Per-process set-up: DLLs from the system folder only, common controls,
    // COM, the user's decimal separator and the screen's twips per pixel. An error that no handler dealt with shows
    // "Run-time error 'N':" and its description, then ends the program with
    // exit status 1.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Makes the real window for the form (hidden until the form is shown),
    // one child window per control, and drives the form's timers.
    void attach(forms::Form& form);

    // The program's ending: its last step, however it ends, and the status it
    // ends with. When an attached form ends the program (Form::endProgram),
    // the ending runs and the process ends at once with its status: no
    // further event runs. Without one, that end unwinds as forms::ProgramEnded
    // to whoever raised the event.
    void endWith(std::function<int()> ending);

    // Runs the message loop until no loaded form is left, then the ending;
    // returns the ending's status (0 without one). An error out of a handler
    // ends the program here, after its message.
    int run();

    // Hands one message of the loop to its window, through the filters; an
    // error out of a handler is thrown on from here.
    void dispatch(tagMSG& msg);

    // Sees every message of the loop before it is dispatched (a program's
    // keyboard shortcut); a filter that returns true has handled it.
    void addMessageFilter(std::function<bool(const tagMSG&)> filter);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace host
