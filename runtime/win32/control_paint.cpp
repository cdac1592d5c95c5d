// Drawing: labels, pictures, shapes, lines and frames are painted here, as is
// the check-box list; standard controls get their colours through WM_CTLCOLOR*.
#include "win32/control_window.h"
#include "win32/form_window.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "win32/wide_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace host {

namespace {

UINT alignmentFlags(forms::Alignment a) {
    switch (a) {
    case forms::Alignment::Right: return DT_RIGHT;
    case forms::Alignment::Center: return DT_CENTER;
    default: return DT_LEFT;
    }
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

void drawBitmap(HDC dc, const forms::Bitmap& bmp, int x, int y, int w, int h) {
    if (bmp.width <= 0 || bmp.height <= 0 || bmp.pixels.size() < static_cast<std::size_t>(bmp.width) * bmp.height) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bmp.width;
    info.bmiHeader.biHeight = -bmp.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // 0x00RRGGBB in little-endian memory is the B, G, R, unused order of a DIB.
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchDIBits(dc, x, y, w, h, 0, 0, bmp.width, bmp.height, bmp.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace

const forms::Bitmap& ControlWindow::pictureAt(const forms::Picture& design, int width, int height) {
    if (!design->redraw || (design->width == width && design->height == height)) return *design;
    // Drawn once per size: a DPI change or a resize asks for a new one.
    if (!sizedPicture_ || sizedFrom_ != design || sizedPicture_->width != width || sizedPicture_->height != height) {
        sizedPicture_ = std::make_unique<forms::Bitmap>(design->redraw(width, height));
        sizedFrom_ = design;
    }
    return *sizedPicture_;
}

void ControlWindow::onPaint(HWND hwnd) {
    const UniquePaintDc paint = beginPaint(hwnd);
    if (!paint) return;
    HDC dc = paint.get().paint.hdc;
    RECT client{};
    ::GetClientRect(hwnd, &client);
    if (kind_ == Kind::Frame) {
        auto& frame = static_cast<forms::Frame&>(control_);
        // A transparent frame (a wizard's page) shows what the form paints beneath it.
        if (control_.transparent()) owner_.paintBeneath(*this, dc);
        else ::FillRect(dc, &client, backBrush_.get(control_.backColor()));
        if (!frame.caption().empty()) {
            auto font = selectInto(dc, owner_.font(control_.font()));
            TEXTMETRICW tm{};
            ::GetTextMetricsW(dc, &tm);
            RECT edge = client;
            edge.top += tm.tmHeight / 2;
            ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            const std::wstring text = widen(frame.caption());
            SIZE size{};
            ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            RECT label{6, 0, 6 + size.cx + 4, tm.tmHeight};
            ::FillRect(dc, &label, backBrush_.get(control_.backColor()));
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, resolveColor(control_.foreColor()));
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    } else {
        const bool opaque = kind_ == Kind::Label && !control_.transparent();
        if (!opaque) owner_.paintBeneath(*this, dc);
        paintContent(dc, 0, 0);
    }
}

void ControlWindow::paintContent(HDC dc, int dx, int dy) {
    const RECT own = pixelRect();
    RECT r{dx, dy, dx + (own.right - own.left), dy + (own.bottom - own.top)};
    switch (kind_) {
    case Kind::Label: {
        auto& label = static_cast<forms::Label&>(control_);
        if (!control_.transparent()) ::FillRect(dc, &r, backBrush_.get(control_.backColor()));
        if (label.caption().empty()) break;
        auto font = selectInto(dc, owner_.font(control_.font()));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, control_.enabled() ? resolveColor(control_.foreColor()) : ::GetSysColor(COLOR_GRAYTEXT));
        const std::wstring text = widen(label.caption());
        if (label.alignment() == forms::Alignment::Spread) {
            drawSpread(dc, text, r);
            break;
        }
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | alignmentFlags(label.alignment()));
        break;
    }
    case Kind::Image: {
        auto& image = static_cast<forms::Image&>(control_);
        if (!image.picture()) break;
        // Stretched, the picture fills the control; otherwise it keeps its
        // design size, grown with the window's DPI.
        const forms::Bitmap& design = *image.picture();
        const double tpp = forms::twipsPerPixelAt(owner_.dpi());
        const int w = image.stretch() ? r.right - r.left : forms::twipsToPixels(design.width * forms::kTwipsPerPixelAt96Dpi, tpp);
        const int h = image.stretch() ? r.bottom - r.top : forms::twipsToPixels(design.height * forms::kTwipsPerPixelAt96Dpi, tpp);
        drawBitmap(dc, pictureAt(image.picture(), w, h), r.left, r.top, w, h);
        break;
    }
    case Kind::Shape: {
        UniquePen pen(::CreatePen(PS_SOLID, 1, resolveColor(control_.foreColor())));
        auto usePen = selectInto(dc, pen.get());
        auto noFill = selectInto(dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
        break;
    }
    case Kind::Line: {
        auto& line = static_cast<forms::Line&>(control_);
        const int x1 = owner_.toPixelsX(line.x1()) - own.left + dx, y1 = owner_.toPixelsY(line.y1()) - own.top + dy;
        const int x2 = owner_.toPixelsX(line.x2()) - own.left + dx, y2 = owner_.toPixelsY(line.y2()) - own.top + dy;
        const COLORREF color = resolveColor(control_.foreColor());
        UniquePen pen(::CreatePen(PS_SOLID, 1, color));
        auto usePen = selectInto(dc, pen.get());
        ::MoveToEx(dc, x1, y1, nullptr);
        ::LineTo(dc, x2, y2);
        ::SetPixel(dc, x2, y2, color);  // LineTo leaves out the last point
        break;
    }
    default: break;
    }
}

void ControlWindow::applyShape() {
    if (kind_ != Kind::Shape && kind_ != Kind::Line) return;
    const RECT own = pixelRect();
    const int w = own.right - own.left, h = own.bottom - own.top;
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    if (kind_ == Kind::Shape) {
        // Only the outline belongs to the window: whatever lies inside shows.
        UniqueRegion outer(::CreateRectRgn(0, 0, w, h));
        UniqueRegion inner(::CreateRectRgn(1, 1, std::max(1, w - 1), std::max(1, h - 1)));
        ::CombineRgn(region.get(), outer.get(), inner.get(), w > 2 && h > 2 ? RGN_DIFF : RGN_COPY);
    } else {
        // The pixels of the line, row by row.
        auto& line = static_cast<forms::Line&>(control_);
        int x = owner_.toPixelsX(line.x1()) - own.left, y = owner_.toPixelsY(line.y1()) - own.top;
        const int x2 = owner_.toPixelsX(line.x2()) - own.left, y2 = owner_.toPixelsY(line.y2()) - own.top;
        const int ddx = std::abs(x2 - x), sx = x < x2 ? 1 : -1, ddy = -std::abs(y2 - y), sy = y < y2 ? 1 : -1;
        int err = ddx + ddy;
        for (;;) {
            UniqueRegion dot(::CreateRectRgn(x, y, x + 1, y + 1));
            ::CombineRgn(region.get(), region.get(), dot.get(), RGN_OR);
            if (x == x2 && y == y2) break;
            const int e2 = 2 * err;
            if (e2 >= ddy) { err += ddy; x += sx; }
            if (e2 <= ddx) { err += ddx; y += sy; }
        }
    }
    if (::SetWindowRgn(hwnd_.get(), region.get(), TRUE)) region.release();  // the window owns it now
}

HBRUSH ControlWindow::ctlColor(HDC dc) {
    forms::Color back = control_.backColor();
    // Input fields left at the face colour look like the system's input fields.
    const bool input = kind_ == Kind::TextBox || kind_ == Kind::ListBox || kind_ == Kind::ComboBox;
    if (input && back == forms::kButtonFace) back = forms::kWindowBackground;
    // A slider left at the default sits on its container's colour.
    if (kind_ == Kind::Slider && back == forms::kButtonFace) back = owner_.containerBackColor(control_);
    ::SetTextColor(dc, resolveColor(control_.foreColor()));
    ::SetBkColor(dc, resolveColor(back));
    return backBrush_.get(back);
}

void ControlWindow::measureItem(MEASUREITEMSTRUCT& item) {
    const UniqueWindowDc screen = windowDc(nullptr);
    TEXTMETRICW tm{};
    {
        auto font = selectInto(screen.get().dc, owner_.font(control_.font()));
        ::GetTextMetricsW(screen.get().dc, &tm);
    }
    item.itemHeight = static_cast<UINT>(std::max<int>(tm.tmHeight, ::MulDiv(13, static_cast<int>(owner_.dpi()), 96)) + 2);
}

void ControlWindow::drawButton(const DRAWITEMSTRUCT& item) {
    auto& button = static_cast<forms::CommandButton&>(control_);
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    // The default button wears a dark ring, as the system's buttons do.
    if (button.isDefault()) {
        ::FrameRect(dc, &r, ::GetSysColorBrush(COLOR_WINDOWFRAME));
        ::InflateRect(&r, -1, -1);
    }
    ::FillRect(dc, &r, backBrush_.get(control_.backColor()));
    ::DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT textRect = r;
    if (pressed) ::OffsetRect(&textRect, 1, 1);
    const std::wstring text = widen(button.caption());
    auto font = selectInto(dc, owner_.font(control_.font()));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, (item.itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : resolveColor(control_.foreColor()));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        ::InflateRect(&r, -4, -4);
        ::DrawFocusRect(dc, &r);
    }
}

void ControlWindow::drawItem(const DRAWITEMSTRUCT& item) {
    if (kind_ == Kind::Button) {
        drawButton(item);
        return;
    }
    if (kind_ != Kind::ListBox) return;
    auto& list = static_cast<forms::ListBox&>(control_);
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= list.ListCount()) {
        if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &r);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    forms::Color back = control_.backColor() == forms::kButtonFace ? forms::kWindowBackground : control_.backColor();
    ::FillRect(dc, &r, backBrush_.get(back));
    const int box = ::MulDiv(13, static_cast<int>(owner_.dpi()), 96);
    RECT check{r.left + 1, r.top + (r.bottom - r.top - box) / 2, r.left + 1 + box, 0};
    check.bottom = check.top + box;
    ::DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | (list.selected(index) ? DFCS_CHECKED : 0));
    RECT textRect{r.left + listCheckWidth(), r.top, r.right, r.bottom};
    const std::wstring text = widen(list.List(index));
    auto font = selectInto(dc, owner_.font(control_.font()));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    RECT mark{textRect.left - 1, textRect.top, std::min(textRect.right, textRect.left + size.cx + 2), textRect.bottom};
    if (selected) ::FillRect(dc, &mark, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : resolveColor(control_.foreColor()));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &mark);
}

} // namespace host
