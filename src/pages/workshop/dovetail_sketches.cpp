// The dovetail sketches, drawn from fixed coordinate tables: everything left
// of the middle is placed from the widget's left edge, everything right of
// it from the right edge, so only a wider widget moves the right-hand side.
#include "pages/workshop/dovetail_sketches.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

#include "core/workshop/workshop_texts.h"
#include "ui/page_context.h"
#include "ui/drawing_helpers.h"
#include "pages/workshop/dovetail_sketch_parts.h"

namespace workshop {

using namespace dovetail_parts;

const char* DovetailSketch::text(i18n::TextId entry) const {
  const char* label = context_.lang(entry);
  return label ? label : "";
}

void DovetailSketch::start_drawing() const {
  // The sketch's texts keep one size however the surrounding widgets left
  // the font: the face changes as the sketch goes, the size never does.
  fl_font(FL_HELVETICA, labelsize());
  fl_color(FL_BLACK);
}

namespace {

constexpr int kPinDiameter = 40;
constexpr i18n::TextId kNoCaption = i18n::kNoText;

} // namespace

// What differs between the female sketches. p4 = (X - p4_in, y + bottom),
// p5 = (x + p5_in, y + bottom), p6 = (x + p6_in, y + 110).
struct FemaleVariant {
  int p4_in;
  int p5_in;
  int bottom;
  int p6_in;
  bool gib;
  bool deep;
  int between_pins_base; ///< base line of the between-pins text, from y
  i18n::TextId caption;  ///< label inside the block, or kNoCaption
  bool caption_centred;  ///< else it starts at p0.x + 200
};

constexpr FemaleVariant kFemaleStandard{150, 150, 60, 200, false, false, 84, kNoCaption, false};
constexpr FemaleVariant kFemaleDeep{145, 145, 55, 200, false, true, 80, texts::kDeeperSlotCaption,
                                    true};
constexpr FemaleVariant kFemaleStandardGib{
    150, 140, 60, 190, true, false, 84, texts::kGibSlotCaption, false};
constexpr FemaleVariant kFemaleDeepGib{
    145, 135, 55, 190, true, true, 79, texts::kDeeperGibSlotCaption, true};

// What differs between the male sketches. p0 and p5 on y + base_top,
// p2 = (x + p2_in, y + top), p3 = (X - p3_in, y + top).
struct MaleVariant {
  enum class Kind { kStandard, kShallow, kDeep };
  Kind kind;
  int base_top;
  int p2_in;
  int p3_in;
  int top;
  int right_pin; ///< left of the right pin, from p4.x
  int left_pin;  ///< left of the left pin, back from p1.x
  int right_extension;
  int left_extension;
  int over_pins_from; ///< back from p1.x
  int over_pins_to;   ///< on from p4.x
};

constexpr MaleVariant kMaleStandard{
    MaleVariant::Kind::kStandard, 75, 150, 150, 25, 29, 68, 69, 69, 66, 65};
constexpr MaleVariant kMaleShallow{
    MaleVariant::Kind::kShallow, 75, 155, 154, 30, 30, 68, 70, 69, 66, 67};
constexpr MaleVariant kMaleDeep{MaleVariant::Kind::kDeep, 80, 150, 150, 25, 26, 65, 65, 65, 61, 62};

void DovetailSketch::draw_female(const FemaleVariant& v) const {
  int x0 = x(), y0 = y(), right_end = x() + w(), cx = x() + w() / 2;
  const Outline p{{{x0 + 100, y0 + 20},
                   {right_end - 100, y0 + 20},
                   {right_end - 100, y0 + 110},
                   {right_end - 200, y0 + 110},
                   {right_end - v.p4_in, y0 + v.bottom},
                   {x0 + v.p5_in, y0 + v.bottom},
                   {x0 + v.p6_in, y0 + 110},
                   {x0 + 100, y0 + 110}}};
  start_drawing();
  draw_female_body(p, cx, text(texts::kFemaleDovetail));
  if (v.gib)
    draw_gib(p, text(texts::kSketchGib));
  if (v.deep) {
    // Where the bottom of a standard slot would be, and the clearance.
    dashed_line(p[5].x + 5, p[5].y + 5, p[4].x - 5, p[5].y + 5);
    fl_draw(text(texts::kSketchClearance), p[1].x + 10, p[4].y + 6);
    fl_line(p[4].x - 15, p[5].y + 2, p[1].x + 5, p[5].y + 2);
  }
  drawing::draw_pin(p[4].x - 69, p[4].y + 1, kPinDiameter);
  drawing::draw_pin(p[5].x + 30, p[5].y + 1, kPinDiameter);
  int pins_line = v.deep ? 75 : 80;
  int pins_inset = v.deep ? 19 : 24;
  dimension(text(texts::kSketchBetweenPins), cx, y0 + v.between_pins_base, y0 + pins_line,
            p[6].x + pins_inset, p[3].x - pins_inset);
  fl_line(p[6].x + 1, p[6].y - 5, p[6].x + 1, p[6].y + 5);
  fl_line(p[3].x - 1, p[6].y - 5, p[3].x - 1, p[6].y + 5);
  dimension(text(texts::kSketchWidthAtMouth), cx, p[6].y + 7, p[6].y + 3, p[6].x + 3, p[3].x - 3);
  if (v.caption != kNoCaption) {
    if (v.caption_centred)
      text_centred(text(v.caption), cx, p[0].y + 32);
    else
      fl_draw(text(v.caption), p[0].x + 200, p[0].y + 32);
  }
  draw_female_width_top(x0, y0, w(), text(texts::kSketchWidthAtBottom));
}

void DovetailSketch::draw_male(const MaleVariant& v) const {
  int x0 = x(), y0 = y(), right_end = x() + w(), cx = x() + w() / 2;
  const Outline p{{{x0 + 100, y0 + v.base_top},
                   {x0 + 200, y0 + v.base_top},
                   {x0 + v.p2_in, y0 + v.top},
                   {right_end - v.p3_in, y0 + v.top},
                   {right_end - 200, y0 + v.base_top},
                   {right_end - 100, y0 + v.base_top},
                   {right_end - 100, y0 + 110},
                   {x0 + 100, y0 + 110}}};
  start_drawing();
  draw_male_body(p, cx, text(texts::kMaleDovetail), text(texts::kSketchWidthAtTop));
  drawing::draw_pin(p[4].x + v.right_pin, p[4].y - 40, kPinDiameter);
  drawing::draw_pin(p[1].x - v.left_pin, p[1].y - 40, kPinDiameter);
  fl_line(p[4].x + v.right_extension, p[4].y - 30, p[4].x + v.right_extension, p[7].y + 30);
  fl_line(p[1].x - v.left_extension, p[4].y - 30, p[1].x - v.left_extension, p[7].y + 30);
  dimension(text(texts::kSketchOverPins), cx, p[6].y + 29, p[6].y + 24, p[1].x - v.over_pins_from,
            p[4].x + v.over_pins_to);
  if (v.kind == MaleVariant::Kind::kShallow) {
    // The taller top of a standard male, dashed, and the clearance to it.
    text_centred(text(texts::kMaleLowerCaption), cx, p[2].y + 38);
    dashed_line(p[2].x, p[2].y, p[2].x - 5, p[2].y - 5);
    dashed_line(p[2].x - 5, p[2].y - 5, p[3].x + 5, p[2].y - 5);
    dashed_line(p[3].x + 5, p[3].y - 5, p[3].x, p[3].y);
    fl_draw(text(texts::kSketchClearance), p[2].x + 160, p[2].y - 7);
    fl_color(FL_BLUE);
    fl_line(p[2].x + 230, p[2].y - 10, p[2].x + 260, p[2].y - 3);
    fl_color(FL_BLACK);
  } else if (v.kind == MaleVariant::Kind::kDeep) {
    // The base level of a standard male, dashed, and the clearance below it.
    dashed_line(p[0].x, p[0].y - 5, p[5].x, p[0].y - 5);
    fl_line(p[0].x - 20, p[0].y + 27, p[0].x - 15, p[0].y + 27);
    fl_line(p[0].x + 2, p[0].y - 2, p[0].x - 2, p[0].y - 2);
    fl_line(p[0].x - 15, p[0].y + 27, p[0].x - 2, p[0].y - 2);
    fl_draw(text(texts::kSketchClearance), p[0].x - text_width(text(texts::kSketchClearance)),
            p[6].y + 15);
    text_centred(text(texts::kMaleTallerCaption), cx, p[2].y + 38);
  }
  draw_male_depth_angle(x0, y0, w(), text(texts::kMaleHeightLine1), text(texts::kMaleHeightLine2));
}

void FDoveTailStandard::draw() { draw_female(kFemaleStandard); }
void FDoveTailDeep::draw() { draw_female(kFemaleDeep); }
void FDoveTailStandardGib::draw() { draw_female(kFemaleStandardGib); }
void FDoveTailDeepGib::draw() { draw_female(kFemaleDeepGib); }
void MDoveTailStandard::draw() { draw_male(kMaleStandard); }
void MDoveTailShallow::draw() { draw_male(kMaleShallow); }
void MDoveTailDeep::draw() { draw_male(kMaleDeep); }

} // namespace workshop
