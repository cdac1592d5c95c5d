// A picture: the program's bitmap, stretched over the control or at its
// design size grown with the window's DPI, drawn afresh at the size needed.
#include "forms/controls.h"
#include "forms/form.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/painted_window.h"

#include <memory>

namespace host {

namespace {

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

class ImageWindow final : public PaintedWindow {
public:
    ImageWindow(FormWindow& owner, forms::Image& image, int id) : PaintedWindow(owner, image, id), image_(image) {}

    void paintContent(HDC dc, int dx, int dy) override {
        if (!image_.picture()) return;
        const RECT own = pixelRect();
        // Stretched, the picture fills the control; otherwise it keeps its
        // design size, grown with the window's DPI.
        const forms::Bitmap& design = *image_.picture();
        const double tpp = forms::twipsPerPixelAt(owner_.dpi());
        const int w = image_.stretch() ? own.right - own.left : forms::twipsToPixels(design.width * forms::kTwipsPerPixelAt96Dpi, tpp);
        const int h = image_.stretch() ? own.bottom - own.top : forms::twipsToPixels(design.height * forms::kTwipsPerPixelAt96Dpi, tpp);
        drawBitmap(dc, pictureAt(image_.picture(), w, h), dx, dy, w, h);
    }

protected:
    Creation creation() const override { return paintedCreation(); }

private:
    // The picture at the pixel size asked for: drawn afresh when it can be,
    // else the design bitmap (stretched when drawn).
    const forms::Bitmap& pictureAt(const forms::Picture& design, int width, int height) {
        if (!design->redraw || (design->width == width && design->height == height)) return *design;
        // Drawn once per size: a DPI change or a resize asks for a new one.
        if (!sized_ || sizedFrom_ != design || sized_->width != width || sized_->height != height) {
            sized_ = std::make_unique<forms::Bitmap>(design->redraw(width, height));
            sizedFrom_ = design;
        }
        return *sized_;
    }

    forms::Image& image_;
    std::unique_ptr<forms::Bitmap> sized_;
    forms::Picture sizedFrom_;
};

} // namespace

void ControlWindowMaker::visit(forms::Image& control) { window = std::make_unique<ImageWindow>(owner_, control, id_); }

} // namespace host
