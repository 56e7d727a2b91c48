// The spur gear page's texts: the whole table of an inch and a metric gear,
// what shows without a gear and why, the teeth spanned with the counts
// offered, the span line, and the widgets of each tooth-size system.
#include "core/gears/spur_gear_form.h"

#include "core/unit_test.h"

namespace {

using gears::PitchSystem;

// The status entry, "gear", then every text that is not empty: the inch and
// millimetre rows, module, diametral pitch, cutter, the teeth spanned "of"
// the counts offered, the inch and millimetre span.
std::string shown(const gears::SpurGearForm& f) {
  std::vector<std::string> parts(f.inch.begin(), f.inch.end());
  parts.insert(parts.end(), f.mm.begin(), f.mm.end());
  const gears::SpurSpan& s = f.span;
  const std::string spanned =
      std::to_string(s.teeth) + " of " + std::to_string(s.fewest) + "-" + std::to_string(s.most);
  parts.insert(parts.end(), {f.module, f.diametral_pitch, f.cutter ? std::to_string(f.cutter) : "",
                             s.teeth ? spanned : "", s.inch, s.mm});
  std::string text = std::to_string(f.status_entry.entry) + (f.gear ? " gear" : "");
  for (const std::string& part : parts)
    text += part.empty() ? "" : " " + part;
  return text;
}

// Inch rows to 4 places (working depth and clearance to 3), millimetres to 3.
// Status entries: 306 normal, 318 too few teeth, 752 no tooth size, 753 no
// tooth count; without a gear nothing else shows. "..." stands for the table.
TEST(SpurGearForm, TablesStatusAndTeethSpanned) {
  const auto k20 = gears::PressureAngle::k20, k14 = gears::PressureAngle::k14_5;
  const auto dp = PitchSystem::kDiametralPitch;
  // clang-format off
  const std::tuple<PitchSystem, gears::PressureAngle, const char*, const char*, long, const char*> cases[] = {
      // P = 10, 20 teeth: a = 0.1, b = 1.2 / 10 + 0.002, D = 2; cutter 6 (17-20 teeth, American
      // numbering); across 20 / 9 + 0.5 = 2.7: 3 teeth of 2 to 4, 0.766044 in = 19.4575 mm.
      {dp, k20, "10", "20", 0, "306 gear 0.222 0.1 0.122 0.2 0.3142 0.1571 0.022 2 2.2 "
       "5.639 2.54 3.099 5.08 7.98 3.99 0.559 50.8 55.88 2.54 10 6 3 of 2-4 0.766 19.458"},
      // m = 2, 30 teeth: P = 12.7, a = 2 mm, b = 1.157 x 2 = 2.314 mm, D = 60 mm; cutter 5
      // (26-34 teeth, module numbering); 4 teeth of 2 to 5, 21.50525 mm.
      {PitchSystem::kModule, k20, "2", "30", 0, "306 gear 0.1698 0.0787 0.0911 0.157 0.2474 0.1237 0.012 "
       "2.3622 2.5197 4.314 2.0 2.314 4.0 6.283 3.142 0.314 60.0 64.0 2.0 12.7 5 4 of 2-5 0.8467 21.505"},
      {dp, k20, "10", "5", 0, "318"}, {dp, k20, "10", "0", 0, "318"}, {dp, k20, "", "5", 0, "318"},
      {dp, k20, "10", "", 0, "753"}, {dp, k20, "", "20", 0, "752"}, {dp, k20, "0", "20", 0, "752"},
      {dp, k20, "", "", 0, "306"}, {dp, k20, "10", "11", 0, "318"}, {dp, k20, "nan", "20", 0, "752"},
      {PitchSystem::kModule, k20, "1e-29", "20", 0, "752"}, {dp, k20, "1e999", "30", 0, "306"},
      // The outside diameter in mm of a 1e308 mm module is beyond any double: no gear. The
      // fewest teeth, 12: cutter 8, 2 teeth, 0.9396926 (1.5π + 12 × 0.0149044) / 10 = 0.459626 in.
      {PitchSystem::kModule, k20, "1e308", "20", 0, "306"}, {dp, k20, "10", "12", 0, "... 8 2 of 2-3 0.4596 11.675"},
      // 14.5°: 2 teeth, 0.466965 in. 82 teeth at 20°: 10 teeth, 0.9396926 (9.5π + 82 ×
      // 0.0149044) / 10 = 2.91937 in = 74.152 mm; no table ends the spans.
      {dp, k14, "10", "20", 0, "... 6 2 of 2-3 0.467 11.861"}, {dp, k20, "10", "82", 0, "... 2 10 of 2-11 2.9194 74.152"},
      // A count the user chose, while the gear allows it (0.9396926 (3.5π + 0.298088) / 10).
      {dp, k20, "10", "20", 4, "... 6 4 of 2-4 1.0613 26.956"}, {dp, k20, "10", "20", 5, "... 6 3 of 2-4 0.766 19.458"},
      // 10^11 teeth: cutter No. 1 and no span line, which could not name 11 111 111 112 teeth.
      {dp, k20, "10", "20", 1, "... 6 3 of 2-4 0.766 19.458"}, {dp, k20, "10", "100000000000", 0, "... 10 1"}};
  // clang-format on
  for (const auto& [system, angle, pitch, teeth, chosen, expected] : cases) {
    const std::string got = shown(gears::spur_gear_form({system, angle, pitch, teeth, chosen}));
    const std::string want = expected;
    const size_t cut =
        want.rfind("...", 0) ? 0 : got.size() - std::min(got.size(), want.size() - 3);
    EXPECT_EQ((cut ? "..." : "") + got.substr(cut), want)
        << pitch << " / " << teeth << " / " << chosen;
  }
  // The line names the teeth and the pitches between them; two teeth have one pitch.
  // clang-format off
  const auto text = [](i18n::TextId t) { return t.entry == 315 ? "%d teeth, %d pitches" : "%d, %d pitch"; };
  EXPECT_EQ(gears::span_line(3, text) + "/" + gears::span_line(2, text) + "/" + gears::span_line(0, text),
            "3 teeth, 2 pitches/2, 1 pitch/");
  // clang-format on
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
    EXPECT_EQ(std::make_tuple(l.angle_shown, l.fraction_shown, l.cutter_shown, l.pitch_label.entry),
              std::make_tuple(angle, fraction, cutter, label));
  }
}

} // namespace
