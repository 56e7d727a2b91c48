// The look every page shares: the grey of the pages and of row labels, the
// pale yellow of result fields, and the text colours of acceptable and
// out-of-range values.
#pragma once

#include <FL/Enumerations.H>

namespace ui {

constexpr Fl_Color kPageBackground = 50;
constexpr Fl_Color kResultBackground = 215;
constexpr Fl_Color kTextOk = FL_BLACK;
constexpr Fl_Color kTextBad = FL_RED;
/// The colour map's blue, for captions and notes on the page.
constexpr Fl_Color kCaptionBlue = 4;
/// The pale background of a page's notes and explanations.
constexpr Fl_Color kNoteBackground = 206;

} // namespace ui
