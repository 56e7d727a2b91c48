#include "calc/gears/spur_gear_form.h"

#include "unit/unit_test.h"

namespace {

using gears::PitchSystem;
using gears::SpurShown;

std::string join(const std::array<std::string, gears::kSpurTableRows>& rows) {
  std::string text;
  for (const std::string& row : rows)
    text += (text.empty() ? "" : " ") + row;
  return text;
}

// Table (0 as shown, 1 empty, 2 new), status entry, whether the span line
// follows, its entry, pitches and inch width, and the inch dedendum.
std::string what(const gears::SpurGearForm& f) {
  return std::to_string(static_cast<int>(f.table)) + " " + std::to_string(f.status_entry) + " " +
         (f.span_follows ? "y " : "n ") + std::to_string(f.span.line_entry) + " " +
         std::to_string(f.span.pitches) + " " + f.span.inch + " " + f.inch[2];
}

// Inch rows to 4 places (working depth and clearance to 3), millimetres to 3.
TEST(SpurGearForm, WholeTableOfAnInchAndAMetricGear) {
  // clang-format off
  struct Case { PitchSystem system; const char *pitch, *teeth, *inch, *mm, *module, *diametral_pitch; int cutter, pitches; const char *span_inch, *span_mm; };
  const Case cases[] = {
      // P = 10, 20 teeth: a = 0.1, b = 1.2 / 10 + 0.002, D = 2; cutter 6 (17-20
      // teeth, American numbering); across 4 teeth.
      {PitchSystem::kDiametralPitch, "10", "20", "0.222 0.1 0.122 0.2 0.3142 0.1571 0.022 2 2.2",
       "5.639 2.54 3.099 5.08 7.98 3.99 0.559 50.8 55.88", "2.54", "10", 6, 3, "1.0613", "26.956"},
      // m = 2, 30 teeth: P = 12.7, a = 2 mm, b = 1.157 x 2 = 2.314 mm, D = 60 mm;
      // cutter 5 (26-34 teeth, module numbering); across 5 teeth:
      // W = (0.0298088 + 0.1047198 + 4 x 6.2832 / 30) x 0.9396926 x 1.1811024 = 1.07912.
      {PitchSystem::kModule, "2", "30", "0.1698 0.0787 0.0911 0.157 0.2474 0.1237 0.012 2.3622 2.5197",
       "4.314 2.0 2.314 4.0 6.283 3.142 0.314 60.0 64.0", "2.0", "12.7", 5, 4, "1.0791", "27.41"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pitch);
    const auto form =
        gears::spur_gear_form({c.system, gears::PressureAngle::k20, c.pitch, c.teeth});
    EXPECT_EQ(join(form.inch), c.inch);
    EXPECT_EQ(join(form.mm), c.mm);
    EXPECT_EQ(
        std::make_tuple(form.module, form.diametral_pitch, form.cutter, form.span.pitches,
                        form.span.inch, form.span.mm),
        std::make_tuple(c.module, c.diametral_pitch, c.cutter, c.pitches, c.span_inch, c.span_mm));
    // A new table, a normal status and a span line across teeth.
    EXPECT_EQ(what(form).substr(0, 12), "2 306 y 315 ");
  }
}

TEST(SpurGearForm, WhatFollowsAndWhatStaysAsShown) {
  const auto k20 = gears::PressureAngle::k20, k14 = gears::PressureAngle::k14_5;
  // Status entries: 306 normal, 318 too few teeth; span lines: 312 too many
  // teeth, 315 across teeth, 316 too few teeth.
  // clang-format off
  const std::tuple<gears::PressureAngle, const char*, const char*, const char*> cases[] = {
      // Too few teeth: the table stays, the status line warns, the span
      // line waits for the pressure-angle radios.
      {k20, "10", "5", "0 318 n 316 0  "}, {k20, "10", "", "0 0 n 0 0  "},
      // No pitch value: no gear; "0" still asks for a span line, without a width.
      {k20, "", "20", "1 0 y 0 0  "}, {k20, "0", "20", "1 0 y 315 3  "}, {k20, "1e999", "30", "1 306 y 315 4  "},
      // 14.5°: b = 1.157 / 10; beyond the 20° table at 82 teeth, not the 14.5° one.
      {k14, "10", "20", "2 306 y 315 3 1.0753 0.1157"}, {k20, "10", "82", "2 306 y 312 0  0.122"}, {k14, "10", "82", "2 306 y 315 8 2.6293 0.1157"},
      {k14, "10", "111", "2 306 y 312 0  0.1157"},
  };
  // clang-format on
  for (const auto& [angle, pitch, teeth, expected] : cases)
    EXPECT_EQ(what(gears::spur_gear_form({PitchSystem::kDiametralPitch, angle, pitch, teeth})),
              expected)
        << pitch << " / " << teeth;
}

TEST(SpurGearForm, EachSystemShowsItsOwnWidgets) {
  // Angle, fraction and cutter shown; the pitch label.
  // clang-format off
  const std::tuple<PitchSystem, bool, bool, bool, int> cases[] = {
      {PitchSystem::kModule, false, false, true, 293}, {PitchSystem::kDiametralPitch, true, false, true, 294},
      {PitchSystem::kCircularPitchInch, true, true, false, 295}, {PitchSystem::kCircularPitchMm, false, false, false, 296}};
  // clang-format on
  for (const auto& [system, angle, fraction, cutter, label] : cases) {
    const gears::SpurSystemLayout l = gears::spur_system_layout(system);
    EXPECT_EQ(std::make_tuple(l.angle_shown, l.fraction_shown, l.cutter_shown, l.pitch_label),
              std::make_tuple(angle, fraction, cutter, label));
  }
}

} // namespace
