// A rectangle outline with no fill: only the outline belongs to the window,
// so whatever lies inside shows and takes the mouse.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/painted_window.h"

#include <algorithm>

namespace host {

namespace {

class ShapeWindow final : public PaintedWindow {
public:
    ShapeWindow(FormWindow& owner, forms::Shape& shape, int id) : PaintedWindow(owner, shape, id), shape_(shape) {}

    void paintContent(HDC dc, int dx, int dy) override {
        const RECT own = pixelRect();
        UniquePen pen(::CreatePen(PS_SOLID, 1, resolveColor(shape_.borderColor())));
        auto usePen = selectInto(dc, pen.get());
        auto noFill = selectInto(dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc, dx, dy, dx + (own.right - own.left), dy + (own.bottom - own.top));
    }

protected:
    Creation creation() const override { return paintedCreation(); }
    void created() override { applyShape(); }
    void applyShape() override {
        const RECT own = pixelRect();
        const int w = own.right - own.left, h = own.bottom - own.top;
        UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        UniqueRegion outer(::CreateRectRgn(0, 0, w, h));
        UniqueRegion inner(::CreateRectRgn(1, 1, std::max(1, w - 1), std::max(1, h - 1)));
        ::CombineRgn(region.get(), outer.get(), inner.get(), w > 2 && h > 2 ? RGN_DIFF : RGN_COPY);
        if (::SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();  // the window owns it now
    }

private:
    forms::Shape& shape_;
};

} // namespace

void ControlWindowMaker::visit(forms::Shape& control) { window = std::make_unique<ShapeWindow>(owner_, control, id_); }

} // namespace host
