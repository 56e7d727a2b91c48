// The pieces the seven dovetail sketches are made of: the female block with
// its slot, the gib, the male tongue on its base, and the dimension texts
// with arrows either side. Internal to the sketches.
#pragma once

#include <array>

namespace workshop::dovetail_parts {

struct Pt {
  int x;
  int y;
};

/// The eight corners of a sketch's outline, p0 to p7.
using Outline = std::array<Pt, 8>;

/// Switches the font face, keeping the current size.
void face(int font_face);

/// Width of a text in the current font, in whole pixels.
int text_width(const char* text);

/// Writes `text` centred at cx on the base line.
void text_centred(const char* text, int cx, int base);

/// A text centred at cx on `base` with a dimension line on `line_y` either
/// side of it, 4 pixels clear of the text: from `from` (arrowhead there,
/// pointing left) and to `to` (arrowhead there, pointing right).
void dimension(const char* text, int cx, int base, int line_y, int from, int to);

/// A 3-on-3-off dashed line; the line style is solid again afterwards.
void dashed_line(int x0, int y0, int x1, int y1);

/// Yellow block with the slot cut out, black outline, bold title `title`.
void draw_female_body(const Outline& p, int cx, const char* title);

/// The slot's width at its bottom, dimensioned above the block.
void draw_female_width_top(int x, int y, int w, const char* label);

/// The gib on the slot's left flank, named left of the block.
void draw_gib(const Outline& p, const char* label);

/// Cyan tongue on its base, black outline, bold title `title`, and the
/// tongue's top width dimensioned under the base.
void draw_male_body(const Outline& p, int cx, const char* title, const char* width_label);

/// The tongue's height marked at the left and the flank angle's arc at the
/// right root corner, with a leader to the angle caption beside the sketch.
void draw_male_depth_angle(int x, int y, int w, const char* line1, const char* line2);

} // namespace workshop::dovetail_parts
