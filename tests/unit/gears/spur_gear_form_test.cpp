#include "calc/gears/spur_gear_form.h"

#include "unit/unit_test.h"

namespace {

using gears::PitchSystem;

std::string join(const std::array<std::string, gears::kSpurTableRows>& rows) {
  std::string text;
  for (const std::string& row : rows)
    text += (text.empty() ? "" : " ") + row;
  return text;
}

// Whether there is a gear, the status entry, the teeth spanned, the counts
// offered, the inch span and the inch dedendum; without a gear also whether
// every other result is empty.
std::string what(const gears::SpurGearForm& f) {
  const bool empty =
      (join(f.inch) + join(f.mm) + f.module + f.diametral_pitch + f.span.mm).empty() && !f.cutter;
  return std::string(f.gear  ? "gear "
                     : empty ? "none "
                             : "stale ") +
         std::to_string(f.status_entry) + " " + std::to_string(f.span.teeth) + " " +
         std::to_string(f.span.fewest) + "-" + std::to_string(f.span.most) + " " + f.span.inch +
         " " + f.inch[2];
}

// Inch rows to 4 places (working depth and clearance to 3), millimetres to 3.
TEST(SpurGearForm, WholeTableOfAnInchAndAMetricGear) {
  // clang-format off
  struct Case { PitchSystem system; const char *pitch, *teeth, *inch, *mm, *module, *diametral_pitch; int cutter; long spanned; const char *span_inch, *span_mm; };
  const Case cases[] = {
      // P = 10, 20 teeth: a = 0.1, b = 1.2 / 10 + 0.002, D = 2; cutter 6 (17-20
      // teeth, American numbering); across 3 teeth 0.766044 in = 19.4575 mm.
      {PitchSystem::kDiametralPitch, "10", "20", "0.222 0.1 0.122 0.2 0.3142 0.1571 0.022 2 2.2",
       "5.639 2.54 3.099 5.08 7.98 3.99 0.559 50.8 55.88", "2.54", "10", 6, 3, "0.766", "19.458"},
      // m = 2, 30 teeth: P = 12.7, a = 2 mm, b = 1.157 x 2 = 2.314 mm, D = 60 mm;
      // cutter 5 (26-34 teeth, module numbering); across 4 teeth 21.50525 mm.
      {PitchSystem::kModule, "2", "30", "0.1698 0.0787 0.0911 0.157 0.2474 0.1237 0.012 2.3622 2.5197",
       "4.314 2.0 2.314 4.0 6.283 3.142 0.314 60.0 64.0", "2.0", "12.7", 5, 4, "0.8467", "21.505"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pitch);
    const auto form =
        gears::spur_gear_form({c.system, gears::PressureAngle::k20, c.pitch, c.teeth});
    EXPECT_EQ(join(form.inch), c.inch);
    EXPECT_EQ(join(form.mm), c.mm);
    EXPECT_EQ(std::make_tuple(form.module, form.diametral_pitch, form.cutter, form.span.teeth,
                              form.span.inch, form.span.mm, form.gear, form.status_entry),
              std::make_tuple(c.module, c.diametral_pitch, c.cutter, c.spanned, c.span_inch,
                              c.span_mm, true, 306));
  }
}

TEST(SpurGearForm, NoGearEmptiesEveryResultAndSaysWhyAndTheChosenSpanFollows) {
  const auto k20 = gears::PressureAngle::k20, k14 = gears::PressureAngle::k14_5;
  // Status entries: 306 normal, 318 too few teeth (a warning), 752 no tooth
  // size, 753 no tooth count.
  // clang-format off
  const std::tuple<gears::PressureAngle, const char*, const char*, long, const char*> cases[] = {
      {k20, "10", "5", 0, "none 318 0 0-0  "}, {k20, "10", "0", 0, "none 318 0 0-0  "},
      {k20, "", "5", 0, "none 318 0 0-0  "}, {k20, "10", "", 0, "none 753 0 0-0  "},
      {k20, "", "20", 0, "none 752 0 0-0  "}, {k20, "0", "20", 0, "none 752 0 0-0  "},
      {k20, "", "", 0, "none 306 0 0-0  "}, {k20, "1e999", "30", 0, "none 306 0 0-0  "},
      // 14.5°: b = 1.157 / 10; 2 teeth, 0.466965 in. 82 teeth at 20°: 10 teeth,
      // 0.9396926 (9.5π + 82 × 0.0149044) / 10 = 2.91937 in; no table ends the spans.
      {k14, "10", "20", 0, "gear 306 2 2-3 0.467 0.1157"}, {k20, "10", "82", 0, "gear 306 10 2-11 2.9194 0.122"},
      // A count the user chose, while the gear allows it (0.9396926 (3.5π + 0.298088) / 10).
      {k20, "10", "20", 4, "gear 306 4 2-4 1.0613 0.122"}, {k20, "10", "20", 5, "gear 306 3 2-4 0.766 0.122"},
      {k20, "10", "20", 1, "gear 306 3 2-4 0.766 0.122"},
  };
  // clang-format on
  for (const auto& [angle, pitch, teeth, chosen, expected] : cases)
    EXPECT_EQ(
        what(gears::spur_gear_form({PitchSystem::kDiametralPitch, angle, pitch, teeth, chosen})),
        expected)
        << pitch << " / " << teeth << " / " << chosen;
  // The line names the teeth and the pitches between them; two teeth have one pitch.
  const auto text = [](int entry) {
    return entry == 315 ? "%d teeth, %d pitches" : "%d, %d pitch";
  };
  EXPECT_EQ(gears::span_line(3, text) + "/" + gears::span_line(2, text) + "/" +
                gears::span_line(0, text),
            "3 teeth, 2 pitches/2, 1 pitch/");
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
