#pragma once
// The look both wizards share (Setup and Uninstall): a white header strip with
// the title between the product logo and the maker's emblem, pages of one
// size below it, the buttons at the bottom right of each page, and the
// maker's name at the bottom left. Positions are in twips.
#include "forms/controls.h"
#include "forms/form.h"

namespace wizard {

// The wizard window's client area.
inline constexpr int kWindowWidth = 7305, kWindowHeight = 4920;
inline constexpr forms::Rect kHeader{0, 0, kWindowWidth, 1035};
// Inside the header.
inline constexpr forms::Rect kLogo{180, 150, 735, 735};
inline constexpr forms::Rect kTitle{1080, 390, 5145, 315};
inline constexpr forms::Rect kEmblem{6585, 270, 480, 480};
// A page fills the window below the header; its buttons sit at its bottom
// right, the maker's name shows through at the bottom left.
inline constexpr forms::Rect kPage{0, kHeader.height + 30, kWindowWidth, kWindowHeight - kHeader.height - 30};
inline constexpr int kButtonWidth = 1215, kButtonHeight = 375, kMargin = 180;
inline constexpr forms::Rect kCancelButton{kPage.width - kMargin - kButtonWidth, kPage.height - kMargin - kButtonHeight,
                                           kButtonWidth, kButtonHeight};
inline constexpr forms::Rect kNextButton{kCancelButton.left - 120 - kButtonWidth, kCancelButton.top, kButtonWidth,
                                         kButtonHeight};
// The separator above the buttons, page-relative.
inline constexpr int kSeparatorTop = kCancelButton.top - 150;
// Page text starts here (page-relative) and spans this width.
inline constexpr int kTextLeft = 360, kTextWidth = kWindowWidth - 2 * 360;
inline constexpr forms::Rect kMakerLabel{kMargin, kWindowHeight - kMargin - 285, 2400, 255};

// The completion window's client area and its header.
inline constexpr int kDoneWidth = 6015, kDoneHeight = 2700;
inline constexpr forms::Rect kDoneHeader{0, 0, kDoneWidth, 735};
inline constexpr forms::Rect kDoneEmblem{kDoneWidth - 180 - 480, 127, 480, 480};
inline constexpr forms::Rect kDoneButton{kDoneWidth - kMargin - kButtonWidth, kDoneHeight - kMargin - kButtonHeight,
                                         kButtonWidth, kButtonHeight};

// Colours, 0xBBGGRR as controls take them.
inline constexpr forms::Color kHeaderColor = forms::kWhite;
inline constexpr forms::Color kMakerColor = 0x808080;   // grey
inline constexpr forms::Color kBarColor = 0x8C5A1E;     // the logo's blue

// Pictures drawn at the size the window shows them at 96 DPI, and drawn
// again at any other size a window asks for.
forms::Picture Logo();    // blue rounded square with two white waves
forms::Picture Emblem();  // orange-red disc with a white ring

// The progress bar's picture: one colour, stretched to the bar's width.
forms::Picture BarPicture();

// The bold, slightly larger text of a header.
void makeHeading(forms::Label& label);
// A picture stretched to `at`.
void placePicture(forms::Image& image, const forms::Rect& at, forms::Picture picture);
// Places the header strip and what it holds.
void placeHeader(forms::Frame& strip, forms::Label& title, forms::Image& logo, forms::Image& emblem);
// The maker's emblem, named for screen readers.
void nameEmblem(forms::Image& emblem);
// Places a page: the window's maker label shows through it.
void placePage(forms::Frame& page);
// The page's forward button (Enter presses it; none on a progress page) and
// its Cancel (Esc presses it).
void placeButtons(forms::CommandButton* next, forms::CommandButton& cancel);
// An etched line across the page above its buttons.
void placeSeparator(forms::Line& line);
void placeMakerLabel(forms::Label& label);
// A line of page text at `top` (page-relative), as wide as the page allows.
void placeText(forms::Label& label, int top, int height);
// The welcome page's first line: page text in bold.
void placeWelcome(forms::Label& label, int top, int height);

} // namespace wizard
