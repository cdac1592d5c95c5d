#pragma once
// Colours, fonts and brushes as the forms describe them, made real.
#include "forms/control.h"
#include "win32/handles.h"

#include <map>
#include <tuple>

namespace host {

// A form colour as a COLORREF; system colours (top bit set) are looked up.
COLORREF resolveColor(forms::Color color) noexcept;

// Fonts by name, size and weight for one DPI; made once, kept for the
// cache's life (controls share them).
class FontCache {
public:
    HFONT get(const forms::Font& font, UINT dpi);

private:
    std::map<std::tuple<std::string, int, bool, UINT>, UniqueFont> fonts_;
};

// A solid brush that follows a colour, remade only when the colour changes.
class ColorBrush {
public:
    HBRUSH get(forms::Color color);

private:
    UniqueBrush brush_;
    COLORREF color_ = CLR_INVALID;
};

} // namespace host
