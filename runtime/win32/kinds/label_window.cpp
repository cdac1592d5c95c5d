// A label: its caption painted by the host on the parent's layer, in any of
// the forms' alignments.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/painted_window.h"
#include "win32/wide_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace host {

namespace {

UINT alignmentFlags(forms::Alignment a) {
    switch (a) {
    case forms::Alignment::Right: return DT_RIGHT;
    case forms::Alignment::Center: return DT_CENTER;
    case forms::Alignment::Left: case forms::Alignment::Spread: break;
    }
    return DT_LEFT;
}

// Each word of `text` at its own place: the first from the left edge, the last
// up to the right edge, the others' centres evenly between theirs.
void drawSpread(HDC dc, const std::wstring& text, const RECT& r) {
    std::vector<std::wstring> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(L' ', at), text.size());
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (words.empty()) return;
    std::vector<int> widths;
    for (const auto& w : words) {
        SIZE size{};
        ::GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
        widths.push_back(size.cx);
    }
    const double first = r.left + widths.front() / 2.0, last = r.right - widths.back() / 2.0;
    const std::size_t n = words.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double centre = n == 1 ? first : first + (last - first) * static_cast<double>(i) / static_cast<double>(n - 1);
        const int x = static_cast<int>(std::lround(centre - widths[i] / 2.0));
        ::ExtTextOutW(dc, x, r.top, ETO_CLIPPED, &r, words[i].c_str(), static_cast<UINT>(words[i].size()), nullptr);
    }
}

class LabelWindow final : public PaintedWindow {
public:
    LabelWindow(FormWindow& owner, forms::Label& label, int id) : PaintedWindow(owner, label, id), label_(label) {}

    void paintContent(HDC dc, int dx, int dy) override {
        const RECT own = pixelRect();
        RECT r{dx, dy, dx + (own.right - own.left), dy + (own.bottom - own.top)};
        if (!label_.transparent()) ::FillRect(dc, &r, backBrush_.get(label_.backColor()));
        if (label_.caption().empty()) return;
        auto useFont = selectInto(dc, font());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, label_.enabled() ? resolveColor(label_.foreColor()) : ::GetSysColor(COLOR_GRAYTEXT));
        const std::wstring text = widen(label_.caption());
        if (label_.alignment() == forms::Alignment::Spread) {
            drawSpread(dc, text, r);
            return;
        }
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | alignmentFlags(label_.alignment()));
    }

protected:
    Creation creation() const override { return paintedCreation(label_.caption()); }
    bool opaque() const override { return !label_.transparent(); }
    void applyText() override {
        // The text is painted by the host; the window keeps it too, for
        // screen readers and tools that read windows from outside, unless
        // the label has a name of its own (a panel with no text).
        applyName();
        repaint();
    }
    void applyName() override {
        setWindowText(hwnd(), label_.accessibleName().empty() ? label_.caption() : label_.accessibleName());
    }

private:
    forms::Label& label_;
};

} // namespace

void ControlWindowMaker::visit(forms::Label& control) { window = std::make_unique<LabelWindow>(owner_, control, id_); }

} // namespace host
