#include "core/gears/bevel_gear_form.h"

#include "core/unit_test.h"
#include "support/joined.h"

namespace {

using namespace gears;
using Texts = std::vector<std::string>;

// clang-format off
const std::vector<int> kBrownAndSharpe = {15, 16, 17, 18, 19, 20, 21, 23, 27, 29, 31, 33, 37, 39, 41, 43, 47};
const std::vector<int> kCincinnati = {24, 25, 28, 30, 34, 37, 38, 39, 41, 42, 43, 45, 46, 47, 48, 49, 51, 53, 54, 57, 58, 59, 62, 66};
// clang-format on

BevelGearFormInput miter(const char* pitch, const char* teeth, const std::vector<int>& circles) {
  BevelGearFormInput in;
  in.pitch = pitch;
  in.pinion_teeth = teeth;
  in.head_ratio = 40;
  in.head_circles = circles;
  in.face_width = bevel_face_width_limits(in.kind, pitch)->standard;
  return in;
}

BevelGearFormInput pair(const char* pinion, const char* gear, double shaft_angle) {
  BevelGearFormInput in = miter("8", pinion, kBrownAndSharpe);
  in.set = BevelGearSet::kPinionAndGear;
  in.gear_teeth = gear;
  in.shaft_angle = shaft_angle;
  return in;
}

std::string joined(const BevelColumnTexts& column) { return testing_support::joined(column.values); }
std::string dms(const BevelColumnTexts& column, size_t angle) {
  const auto& d = column.angle_dms[angle];
  return d[0] + " " + d[1] + " " + d[2];
}

// Rows: outside and pitch diameter, face width, pitch angle and its complement,
// circle, turns, holes, cutter, whole depth, quarter pitch and its holes, half
// pitch and its holes.
TEST(BevelGearForm, ColumnsOfWholeGears) {
  std::array<int, kBevelRowCount> entries{};
  for (size_t i = 0; i < entries.size(); ++i)
    entries[i] = kBevelRowLabels[i].entry;
  EXPECT_EQ(entries, (std::array<int, kBevelRowCount>{305, 304, 382, 383, 384, 385, 386, 387, 313,
                                                      388, 389, 390, 391, 392}));
  BevelGearFormInput in_mm = miter("8", "24", kCincinnati);
  in_mm.metric = true;
  // clang-format off
  const std::pair<BevelGearFormInput, const char*> cases[] = {
      // 24 circle: 1 turn and 16 holes, 40 holes a tooth; 24 / cos 45° -> 34: No. 4.
      {miter("8", "24", kCincinnati), "3.177 3.0 1.0 45 45 24 1 16 4 0.27 0.098 10 0.196 20"},
      {in_mm, "80.69 76.2 25.4 45 45 24 1 16 4 6.85 2.49 10 4.99 20"},
  };
  // clang-format on
  for (const auto& [in, left] : cases) {
    const BevelGearForm form = bevel_gear_form(in);
    EXPECT_EQ(joined(form.left), left);
    EXPECT_EQ(joined(form.right), left); // a miter pair: both gears alike
  }
  // The column titles by set, unit and gear.
  const auto miter = BevelGearSet::kMiter, pair = BevelGearSet::kPinionAndGear;
  EXPECT_EQ((std::vector<int>{bevel_column_label(miter, false, false).entry,
                              bevel_column_label(miter, true, true).entry,
                              bevel_column_label(pair, false, true).entry,
                              bevel_column_label(pair, true, false).entry}),
            (std::vector<int>{380, 381, 377, 378}));
}

TEST(BevelGearForm, PinionAndGearAngles) {
  // tan γp = 1/2: 26.5651° = 26° 33′ 54.184″.
  BevelGearForm form = bevel_gear_form(pair("20", "40", 90));
  EXPECT_EQ(
      (Texts{form.left.values[kPitchDiameterRow], form.right.values[kPitchDiameterRow],
             form.left.values[kPitchAngleRow], form.right.values[kPitchAngleRow], dms(form.left, 0),
             dms(form.left, 1), dms(form.right, 1)}),
      (Texts{"2.5", "5.0", "26.5651", "63.4349", "26 33 54.184", "63 26 5.816", "26 33 54.184"}));
  // 60°: tan γp = sin 60° / (2 + cos 60°).
  form = bevel_gear_form(pair("20", "40", 60));
  EXPECT_EQ(dms(form.left, 0), "19 6 23.779");
}

TEST(BevelGearForm, CountsTheHeadCannotCutAreRedAndTheyOrARefusedFieldGiveNoResult) {
  // Brown and Sharpe: 24 is indexed (18 circle, 12 holes) but a tooth of 5/3
  // of a circle is never a multiple of 4 holes; 20 teeth take the 16 circle.
  // clang-format off
  const std::tuple<BevelGearFormInput, bool, bool, bool> cases[] = { // pinion red, gear red, result
      {miter("8", "24", kBrownAndSharpe), true, false, false}, {miter("8", "20", kBrownAndSharpe), false, false, true},
      {miter("8", "", kBrownAndSharpe), false, false, false}, {miter("8", "11", kCincinnati), true, false, false},
      {pair("20", "24", 90), false, true, false}, {miter("", "20", kBrownAndSharpe), false, false, false},
      {pair("20", "40", 180), false, false, false}, // shafts in line: no bevel pair
  };
  // clang-format on
  for (const auto& [in, pinion_red, gear_red, result] : cases) {
    SCOPED_TRACE(in.pinion_teeth + "/" + in.gear_teeth);
    const BevelGearForm form = bevel_gear_form(in);
    EXPECT_EQ(form.teeth_red, (std::array<bool, 2>{pinion_red, gear_red}));
    EXPECT_EQ(form.result.has_value(), result);
    EXPECT_EQ(form.left.values[kPitchDiameterRow].empty(), !result);
  }
  // A face width or a shaft angle refused (red) gives no result either.
  BevelGearFormInput width = miter("8", "20", kBrownAndSharpe), angle = width;
  width.face_width.reset();
  angle.shaft_angle.reset();
  EXPECT_FALSE(bevel_gear_form(width).result || bevel_gear_form(angle).result);
}

TEST(BevelGearForm, FaceWidthLimitsFieldAndTypedWidths) {
  const auto dp = BevelPitchKind::kDiametralPitch;
  // clang-format off
  const std::tuple<BevelPitchKind, const char*, bool, Texts> cases[] = { // minimum, field, maximum
      {dp, "8", false, {"0.785", "1.000", "1.178"}}, {dp, "8", true, {"19.95", "25.40", "29.92"}},
      {dp, "10", false, {"0.628", "0.800", "0.942"}}, {dp, "", false, {"", "", ""}},
      {BevelPitchKind::kModule, "3", true, {"18.85", "24.00", "28.27"}},
      // Module 1e308: 2 pi / P is 6.3e308 mm, beyond any number.
      {BevelPitchKind::kModule, "1e308", true, {"", "", ""}},
  };
  // clang-format on
  for (const auto& [kind, pitch, metric, shown] : cases) {
    const auto limits = bevel_face_width_limits(kind, pitch);
    const FaceWidthView view =
        face_width_view(limits, limits ? limits->standard : Length{}, metric);
    EXPECT_EQ((Texts{view.minimum, view.field, view.maximum}), shown) << pitch;
    EXPECT_EQ(view.offered, !shown[0].empty()) << pitch;
  }
  const FaceWidthLimits dp8 = *bevel_face_width_limits(BevelPitchKind::kDiametralPitch, "8");
  EXPECT_FALSE(typed_face_width(dp8, "2", false));
  // The lowest width as shown is allowed, though 2π/8 is 0.7854.
  EXPECT_DOUBLE_EQ(typed_face_width(dp8, "0.785", false)->inch, 0.785);
  EXPECT_DOUBLE_EQ(typed_face_width(dp8, "25.4", true)->inch, 1.0);
}

} // namespace
