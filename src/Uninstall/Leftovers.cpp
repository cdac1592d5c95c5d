#include "Uninstall/Leftovers.h"

#include "Uninstall/UninstallTexts.h"

#include <cstddef>

namespace uninstall {

namespace {

constexpr std::size_t kNamesShown = 3;

std::vector<const Leftover*> withCause(const std::vector<Leftover>& leftovers, Leftover::Cause cause) {
    std::vector<const Leftover*> found;
    for (const Leftover& leftover : leftovers)
        if (leftover.cause == cause) found.push_back(&leftover);
    return found;
}

// "a, b, c" or "a, b, c and 4 more".
std::string names(const std::vector<const Leftover*>& leftovers) {
    std::string text;
    for (std::size_t i = 0; i < leftovers.size() && i < kNamesShown; ++i) text += (i ? ", " : "") + leftovers[i]->name;
    if (leftovers.size() > kNamesShown)
        text = wizard::say(texts::kListAndMore, {text, std::to_string(leftovers.size() - kNamesShown)});
    return text;
}

// The system's message as the end of our sentence: no final full stop.
std::string asClause(std::string reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ' || reason.back() == '\n' || reason.back() == '\r'))
        reason.pop_back();
    return reason.empty() ? wizard::say(texts::kCannotBeRemoved) : reason;
}

void addSentence(std::string& text, const std::string& sentence) { text += (text.empty() ? "" : " ") + sentence; }

} // namespace

std::string describeLeftovers(const std::vector<Leftover>& leftovers, const std::string& productName) {
    std::string text;
    if (const auto running = withCause(leftovers, Leftover::Cause::Running); !running.empty())
        addSentence(text, wizard::say(texts::kStayedRunning, {names(running), productName}));
    if (const auto readOnly = withCause(leftovers, Leftover::Cause::ReadOnly); !readOnly.empty()) {
        addSentence(text, wizard::say(readOnly.size() == 1 ? texts::kStayedReadOnly : texts::kStayedReadOnlyMany,
                                      {names(readOnly)}));
    }
    const auto other = withCause(leftovers, Leftover::Cause::Other);
    for (std::size_t i = 0; i < other.size() && i < kNamesShown; ++i)
        addSentence(text, wizard::say(texts::kStayedOther, {other[i]->name, asClause(other[i]->reason)}));
    if (other.size() > kNamesShown)
        addSentence(text, wizard::say(texts::kStayedMore, {std::to_string(other.size() - kNamesShown)}));
    return text;
}

} // namespace uninstall
