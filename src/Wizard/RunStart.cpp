#include "Wizard/RunStart.h"

#include "Product.h"

#include <utility>

namespace wizard {

namespace {

std::string joined(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) line += (line.empty() ? "" : " ") + arg;
    return line;
}

} // namespace

std::optional<int> startRun(const RunStartFacts& facts, const ParsedSwitches& parsed, platform::FileSystem& files,
                            platform::MessageBoxes& shown, RunReport& report) {
    using platform::Buttons;
    rt::Outcome<> accepted = parsed.accepted;
    if (parsed.switches.log) {
        const std::string& log = *parsed.switches.log;
        rt::Outcome<> logged = logAllowed(files, log, facts.needs);
        if (logged) logged = facts.holdLog ? report.holdLog(files, log) : report.openLog(files, log);
        if (accepted) accepted = std::move(logged);
    }
    report.step(std::string(product::kName) + " " + product::kVersion + " " +
                (facts.program == Program::Setup ? "Setup" : "Uninstall") + ", started with: " + joined(facts.args));
    if (!accepted) {
        const std::string& refusal = accepted.reason();
        report.refused(refusal);
        report.finish();
        const std::string message = refusal + "\n\n" + switchHelp(facts.program);
        if (facts.toStandardError) facts.toStandardError(refusal);
        // Nobody is there to close a box in a silent run.
        if (parsed.switches.quiet == Quiet::Shown)
            shown.ask(message, facts.title, Buttons::Ok, platform::BoxIcon::Error);
        return kExitCancelled;
    }
    if (parsed.switches.help) {
        shown.ask(switchHelp(facts.program), facts.title, Buttons::Ok, platform::BoxIcon::Information);
        report.succeeded("the switches were shown.");
        report.finish();
        return kExitDone;
    }
    return std::nullopt;
}

} // namespace wizard
