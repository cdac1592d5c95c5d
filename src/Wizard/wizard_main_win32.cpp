#include "Wizard/wizard_main_win32.h"

#include "win32/command_line.h"
#include "win32/elevation.h"
#include "win32/ui_language.h"

namespace wizard {

WizardSystem::WizardSystem(Program program)
    : program(program), args(host::commandLineArguments()) {
    setLanguage(chooseLanguage(args, host::userInterfaceIsRomanian()));
    parsed = parseSwitches(args, program);
}

std::optional<int> WizardSystem::runElevatedCopy(const std::vector<std::string>& extra) const {
    std::vector<std::string> again = args;
    again.insert(again.end(), extra.begin(), extra.end());
    again.insert(again.end(), {"/ELEVATED", language() == Language::Romanian ? "/LANG=ro" : "/LANG=en"});
    return host::runElevatedAndWait(again);
}

WizardRun::WizardRun(WizardSystem& system, std::string title, RunFiles needs, bool holdLog)
    : system_(system),
      endedAtStart_(startRun({system.program, std::move(title), system.args, host::writeStandardError,
                              std::move(needs), holdLog},
                             system.parsed, system.files, system.shownBoxes, report_)),
      boxes_(system.shownBoxes, report_, system.parsed.switches) {}

int WizardRun::run(WizardForm& form, std::initializer_list<forms::Form*> hidden) {
    host::Application& app = system_.app;
    form.reportTo(report_);
    app.attach(form);
    for (forms::Form* window : hidden) app.attach(*window);
    app.endWith([this] { return report_.finish(); });
    form.load();
    form.start(system_.parsed.switches);
    return app.run();
}

} // namespace wizard
