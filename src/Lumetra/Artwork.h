#pragma once
// The main window's pictures, drawn by the program itself: the title strip,
// the close and minimize pictures that sit on it, and the bottom band. Each
// has its design size in pixels at 96 DPI and draws itself afresh at the
// size a window at another DPI needs.
#include "forms/controls.h"

#include <cstdint>

namespace lumetra::Artwork {

// Colours as the bitmaps hold them, 0x00RRGGBB.
inline constexpr std::uint32_t kStripTop = 0x707070;     // grey
inline constexpr std::uint32_t kStripBottom = 0x000000;  // black
inline constexpr std::uint32_t kButtonTop = 0xFF5A28;    // orange-red, lit from above
inline constexpr std::uint32_t kButtonBottom = 0xD83A10;
inline constexpr std::uint32_t kGlyph = 0xFFFFFF;
inline constexpr std::uint32_t kBandTop = 0xFFFFFF;
inline constexpr std::uint32_t kBandBottom = 0xD4D4D4;   // light grey

inline constexpr int kStripWidth = 691, kStripHeight = 25;
inline constexpr int kButtonSize = 21;
// The buttons sit this many pixels below the strip's top edge; their corners
// show the strip's shade from there.
inline constexpr int kButtonOffsetInStrip = 2;
inline constexpr int kBandWidth = 16, kBandHeight = 72;

forms::Picture TitleStrip();      // grey at the top shading to black
forms::Picture ClosePicture();    // orange-red rounded square with a white X
forms::Picture MinimizePicture(); // the same square with a white bar low down
forms::Picture BottomBand();      // white at the top shading to light grey

} // namespace lumetra::Artwork
