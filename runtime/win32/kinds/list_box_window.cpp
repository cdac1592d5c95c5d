// A list box, plain or with a check box beside each entry (drawn by the
// host). Its rows follow the control's one by one; a press picks the entry
// under the mouse before the control hears of the press.
#include "forms/lists.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/mouse_args.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <algorithm>

namespace host {

namespace {

class ListBoxWindow final : public ControlWindow {
public:
    ListBoxWindow(FormWindow& owner, forms::ListBox& list, int id) : ControlWindow(owner, list, id), list_(list) {}

    void measureItem(MEASUREITEMSTRUCT& item) override {
        const UniqueWindowDc screen = windowDc(nullptr);
        TEXTMETRICW tm{};
        {
            auto useFont = selectInto(screen.get().dc, font());
            ::GetTextMetricsW(screen.get().dc, &tm);
        }
        item.itemHeight = static_cast<UINT>(std::max<int>(tm.tmHeight, checkBoxPixels()) + 2);
    }

    void drawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT r = item.rcItem;
        const int index = static_cast<int>(item.itemID);
        if (index < 0 || index >= list_.ListCount()) {
            if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &r);
            return;
        }
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        ::FillRect(dc, &r, backBrush_.get(inputFieldColor(list_.backColor())));
        const int box = checkBoxPixels();
        RECT check{r.left + 1, r.top + (r.bottom - r.top - box) / 2, r.left + 1 + box, 0};
        check.bottom = check.top + box;
        ::DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | (list_.selected(index) ? DFCS_CHECKED : 0));
        RECT textRect{r.left + checkColumnWidth(), r.top, r.right, r.bottom};
        const std::wstring text = widen(list_.List(index));
        auto useFont = selectInto(dc, font());
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        RECT mark{textRect.left - 1, textRect.top, std::min(textRect.right, textRect.left + size.cx + 2), textRect.bottom};
        if (selected) ::FillRect(dc, &mark, ::GetSysColorBrush(COLOR_HIGHLIGHT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : resolveColor(list_.foreColor()));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &mark);
    }

protected:
    Creation creation() const override {
        DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        if (checks()) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        return {WC_LISTBOXW, style, WS_EX_CLIENTEDGE, {}};
    }
    void created() override { fill(); }
    forms::Color systemBackColor() const override { return inputFieldColor(list_.backColor()); }

    void applyFont() override {
        ControlWindow::applyFont();
        if (!hasChecks()) return;
        MEASUREITEMSTRUCT item{};
        measureItem(item);
        ::SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(item.itemHeight));
    }

    // The whole list anew: its style changed.
    void applyItems() override {
        if (checks() != hasChecks()) {
            // The owner-drawn style is fixed at creation: make the list anew.
            HWND parent = ::GetParent(hwnd());
            destroy();
            create(parent);
            return;
        }
        ::SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
        fill();
    }

    void applyRows(const forms::ItemChange& change) override {
        HWND h = hwnd();
        switch (change.what) {
        case forms::ItemChange::What::Inserted:
            ::SendMessageW(h, LB_INSERTSTRING, change.index, reinterpret_cast<LPARAM>(widen(list_.List(change.index)).c_str()));
            break;
        case forms::ItemChange::What::Removed: ::SendMessageW(h, LB_DELETESTRING, change.index, 0); break;
        case forms::ItemChange::What::Cleared: ::SendMessageW(h, LB_RESETCONTENT, 0, 0); break;
        }
        applyListIndex();
    }

    void applyListIndex() override {
        const int want = list_.listIndex();
        if (static_cast<int>(::SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)) != want) ::SendMessageW(hwnd(), LB_SETCURSEL, want, 0);
    }

    // Mouse presses are taken in the list's own procedure; this is the keyboard.
    void takeCommand(WORD code) override {
        if (code != LBN_SELCHANGE) return;
        const int index = static_cast<int>(::SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
        list_.setListIndex(index < 0 ? -1 : index);
    }

    bool ownMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (!::IsWindowEnabled(hwnd())) return false;
        const bool handled = listMouse(msg, wp, lp);
        result = 0;
        return handled;
    }

private:
    bool checks() const { return list_.style() == forms::ListBox::Style::CheckBox; }
    bool hasChecks() const { return (::GetWindowLongPtrW(hwnd(), GWL_STYLE) & LBS_OWNERDRAWFIXED) != 0; }
    int checkBoxPixels() const { return ::MulDiv(13, static_cast<int>(owner_.dpi()), 96); }
    // The check box one pixel in from the edge and the text three past it: the
    // entries get all the width the list can spare.
    int checkColumnWidth() const { return checkBoxPixels() + 4; }

    // Every row of the control, into an empty window.
    void fill() {
        HWND h = hwnd();
        ::SendMessageW(h, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < list_.ListCount(); ++i)
            ::SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(list_.List(i)).c_str()));
        ::SendMessageW(h, WM_SETREDRAW, TRUE, 0);
        applyListIndex();
        ::InvalidateRect(h, nullptr, TRUE);
    }

    bool listMouse(UINT msg, WPARAM wp, LPARAM lp) {
        HWND h = hwnd();
        if (isPress(msg)) {
            const LRESULT hit = ::SendMessageW(h, LB_ITEMFROMPOINT, 0, lp);
            const int index = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
            ::SetFocus(h);
            ::SetCapture(h);
            captured_ = true;
            const forms::MouseArgs args = mouseArgs(msg, wp, lp);
            const forms::Lifetime::Watch self = watch();
            list_.userPress(index, args);
            if (!self.alive()) return true;  // the handler took the list (or its form) away
            const int x = static_cast<short>(LOWORD(lp));
            if (checks() && index >= 0 && x < checkColumnWidth()) list_.userToggleCheck(index);
            return true;
        }
        if (isRelease(msg)) {
            releaseCapture(wp);
            list_.userRelease(mouseArgs(msg, wp, lp));
            return true;
        }
        if (msg == WM_MOUSEMOVE) {
            list_.MouseMove(mouseArgs(msg, wp, lp));
            return true;
        }
        if (msg == WM_KEYDOWN && wp == VK_SPACE && checks()) {
            list_.userToggleCheck(list_.listIndex());
            return true;
        }
        return false;
    }

    forms::ListBox& list_;
};

} // namespace

void ControlWindowMaker::visit(forms::ListBox& control) { window = std::make_unique<ListBoxWindow>(owner_, control, id_); }

} // namespace host
