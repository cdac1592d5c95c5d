// A frame: a container window whose children sit relative to it, with an
// etched edge and its caption set into the edge; a transparent one (a
// wizard's page) shows what the form paints beneath it.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/painted_window.h"
#include "win32/wide_text.h"

namespace host {

namespace {

class FrameWindow final : public PaintedWindow {
public:
    FrameWindow(FormWindow& owner, forms::Frame& frame, int id) : PaintedWindow(owner, frame, id), frame_(frame) {}

    // A real parent of its controls, above the painted layer.
    bool graphic() const noexcept override { return false; }

protected:
    Creation creation() const override { return paintedCreation(frame_.caption(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT); }
    void applyText() override {
        setWindowText(hwnd(), frame_.caption());
        repaint();
    }
    // Its controls' notifications come to it, as to the form.
    bool otherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        return owner_.childMessage(msg, wp, lp, result);
    }

    void paint(HDC dc) override {
        RECT client{};
        ::GetClientRect(hwnd(), &client);
        if (frame_.transparent()) owner_.paintBeneath(*this, dc);
        else ::FillRect(dc, &client, backBrush_.get(frame_.backColor()));
        if (frame_.caption().empty()) return;
        auto useFont = selectInto(dc, font());
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        RECT edge = client;
        edge.top += tm.tmHeight / 2;
        ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        const std::wstring text = widen(frame_.caption());
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        RECT label{6, 0, 6 + size.cx + 4, tm.tmHeight};
        ::FillRect(dc, &label, backBrush_.get(frame_.backColor()));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, resolveColor(frame_.foreColor()));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }

private:
    forms::Frame& frame_;
};

} // namespace

void ControlWindowMaker::visit(forms::Frame& control) { window = std::make_unique<FrameWindow>(owner_, control, id_); }

} // namespace host
