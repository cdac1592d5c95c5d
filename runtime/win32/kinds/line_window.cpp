// A straight line between two points in twips: the window spans both ends
// and owns only the line's own pixels.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/painted_window.h"

#include <algorithm>
#include <cstdlib>

namespace host {

namespace {

class LineWindow final : public PaintedWindow {
public:
    LineWindow(FormWindow& owner, forms::Line& line, int id) : PaintedWindow(owner, line, id), line_(line) {}

    RECT pixelRect() const override {
        // Both end points are drawn: the window spans them inclusively.
        const POINT a = start(), b = end();
        return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
    }

    void paintContent(HDC dc, int dx, int dy) override {
        const RECT own = pixelRect();
        const POINT a = start(), b = end();
        const int x1 = a.x - own.left + dx, y1 = a.y - own.top + dy, x2 = b.x - own.left + dx, y2 = b.y - own.top + dy;
        const COLORREF color = resolveColor(line_.borderColor());
        UniquePen pen(::CreatePen(PS_SOLID, 1, color));
        auto usePen = selectInto(dc, pen.get());
        ::MoveToEx(dc, x1, y1, nullptr);
        ::LineTo(dc, x2, y2);
        ::SetPixel(dc, x2, y2, color);  // LineTo leaves out the last point
    }

protected:
    Creation creation() const override { return paintedCreation(); }
    void created() override { applyShape(); }
    void applyShape() override {
        // The pixels of the line, row by row.
        const RECT own = pixelRect();
        const POINT a = start(), b = end();
        int x = a.x - own.left, y = a.y - own.top;
        const int x2 = b.x - own.left, y2 = b.y - own.top;
        const int ddx = std::abs(x2 - x), sx = x < x2 ? 1 : -1, ddy = -std::abs(y2 - y), sy = y < y2 ? 1 : -1;
        int err = ddx + ddy;
        UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        for (;;) {
            UniqueRegion dot(::CreateRectRgn(x, y, x + 1, y + 1));
            ::CombineRgn(region.get(), region.get(), dot.get(), RGN_OR);
            if (x == x2 && y == y2) break;
            const int e2 = 2 * err;
            if (e2 >= ddy) { err += ddy; x += sx; }
            if (e2 <= ddx) { err += ddx; y += sy; }
        }
        if (::SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();  // the window owns it now
    }

private:
    POINT start() const { return {owner_.toPixelsX(line_.x1()), owner_.toPixelsY(line_.y1())}; }
    POINT end() const { return {owner_.toPixelsX(line_.x2()), owner_.toPixelsY(line_.y2())}; }

    forms::Line& line_;
};

} // namespace

void ControlWindowMaker::visit(forms::Line& control) { window = std::make_unique<LineWindow>(owner_, control, id_); }

} // namespace host
