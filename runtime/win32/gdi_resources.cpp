#include "win32/gdi_resources.h"

#include "win32/wide_text.h"

#include <cmath>

namespace host {

COLORREF resolveColor(forms::Color color) noexcept {
    if (color & forms::kSystemColorFlag) return ::GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
}

HFONT FontCache::get(const forms::Font& font, UINT dpi) {
    // Sizes in hundredths of a point: 8.25 and 8.3 are different fonts.
    const int centiPoints = static_cast<int>(std::lround(font.size * 100));
    const auto key = std::make_tuple(font.name, centiPoints, font.bold, dpi);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.get();
    const int height = -static_cast<int>(std::lround(font.size * dpi / 72.0));
    const std::wstring face = widen(font.name);
    HFONT made = ::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               face.c_str());
    return fonts_.emplace(key, UniqueFont(made)).first->second.get();
}

HBRUSH ColorBrush::get(forms::Color color) {
    const COLORREF want = resolveColor(color);
    if (!brush_ || want != color_) {
        brush_.reset(::CreateSolidBrush(want));
        color_ = want;
    }
    return brush_.get();
}

} // namespace host
