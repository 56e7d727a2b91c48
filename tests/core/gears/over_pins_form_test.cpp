#include "core/gears/over_pins_form.h"

#include "core/unit_test.h"

namespace {

using namespace gears;
using Angle = PressureAngleChoice;

// Recommended pin, then theoretical, measured and difference, inch and mm.
std::string shown(const OverPinsForm& f) {
  std::string text = f.pin_inch + " " + f.pin_mm;
  for (size_t i = 0; i < 3; ++i)
    text += " " + f.inch[i] + " " + f.mm[i];
  return text + (f.reason.entry ? " why " + std::to_string(f.reason.entry) : "");
}

OverPinsFormInput dp10(const char* over_pins, Angle angle = Angle::k20, const char* typed = "") {
  return {ToothSystem::kDiametralPitch, "10", "20", angle, typed, "0.168", over_pins, false};
}

TEST(OverPinsForm, PinAndThicknessesInBothUnits) {
  const char* no_results = "0.168 4.267      ";
  // clang-format off
  struct Case { const char* name; OverPinsFormInput in; const char* shown; bool red; };
  const auto dp = ToothSystem::kDiametralPitch;
  const Case cases[] = {
      // DP 10, 20 teeth, the recommended pin 1.68 / 10; t0 = π / 20.
      {"20 degrees", dp10("2.23"), "0.168 4.267 0.1571 3.99 0.1603 4.073 -0.0033 -0.083", true},
      {"14.5 degrees", dp10("2.23", Angle::k14_5), "0.168 4.267 0.1571 3.99 0.1599 4.06 -0.0028 -0.071", true},
      // cos φp = cos 22.5° x 2 / 2.062: t = 0.160133.
      {"typed 22.5", dp10("2.23", Angle::kTyped, "22.5"), "0.168 4.267 0.1571 3.99 0.1601 4.067 -0.0031 -0.078", true},
      // Module 2 (P 12.7) in millimetres: the standard tooth, no difference.
      {"module 2 in mm", {ToothSystem::kModule, "2", "30", Angle::k20, "", "3.36", "64.478", true},
       "0.1323 3.36 0.1237 3.142 0.1237 3.141 0 0.0", false},
      // Circular pitch 1/4 in: P = 4π.
      {"circular pitch 0.25 in", {ToothSystem::kCircularPitchInch, "0.2500", "40", Angle::k20, "", "0.1337", "3.36", false},
       "0.1337 3.396 0.125 3.175 0.1242 3.155 0.0008 0.02", false},
      // Pin centres inside the base circle: only the theory stands.
      {"impossible measurement", dp10("1.5"), "0.168 4.267 0.1571 3.99     why 808", false},
      {"typed angle out of range", dp10("2.23", Angle::kTyped, "35"), no_results, false},
      {"no measurement", dp10(""), no_results, false},
      {"one tooth", {dp, "10", "1", Angle::k20, "", "0.168", "2.23", false}, no_results, false},
      {"no tooth size", {dp, "", "20", Angle::k20, "", "0.168", "2.23", false}, "       ", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const OverPinsForm form = over_pins_form(c.in);
    EXPECT_EQ(shown(form), c.shown);
    EXPECT_EQ(form.difference_red, (std::array<bool, 2>{c.red, c.red}));
  }
}

TEST(OverPinsForm, SystemsLabelsAndTextsWrittenIntoTheInputs) {
  // The systems in order: module, diametral pitch, circular pitch in inches and in millimetres.
  for (int i = 0; i < 4; ++i) {
    OverPinsFormInput in = dp10("2.23");
    in.system = static_cast<ToothSystem>(i);
    const OverPinsForm form = over_pins_form(in);
    EXPECT_EQ(std::make_pair(form.pitch_label.entry, form.fraction_offered),
              std::make_pair(293 + i, i == 2));
  }
  const double four_pi = 4 * 3.141592653589793;
  // clang-format off
  const std::pair<std::string, const char*> texts[] = {
      {composed_pitch_text(0, 1, 4), "0.2500"}, {composed_pitch_text(0, 5, 4), "1.2500"}, // improper counts
      {composed_pitch_text(0, 1, 0), ""}, {other_unit_length_text("0.168", true), "4.267"},
      {other_unit_length_text("2.23", true), "56.642"}, {other_unit_length_text("3.361", false), "0.1323"},
      {pitch_text_in(ToothSystem::kModule, 10), "2.54"}, {pitch_text_in(ToothSystem::kModule, four_pi), "2.0213"},
      {pitch_text_in(ToothSystem::kDiametralPitch, four_pi), "12.5664"}};
  // clang-format on
  for (size_t i = 0; i < std::size(texts); ++i)
    EXPECT_EQ(texts[i].first, texts[i].second) << "text " << i;
}

// Inch is mode 0, millimetres mode 1: the digits the user typed come back
// on the way back, not a value rounded twice.
TEST(OverPinsForm, RewritesAreUndoneWhileTheFieldIsLeftAlone) {
  // The field's text before the switch, from and to mode, the converted text, the text it gets.
  // clang-format off
  const std::tuple<const char*, int, int, const char*, std::optional<std::string>> steps[] = {
      {"0.168", 0, 1, "4.267", "4.267"}, {"4.267", 1, 0, "0.168", "0.168"},
      {"3.361", 1, 0, "0.1323", "0.1323"}, // typed over: converted
      {"0.1323", 0, 1, "3.360", "3.361"},  // left alone: the typed digits again
      // The same digits in another mode (a tooth system) are no rewrite of ours; an empty field stays empty.
      {"3.361", 3, 0, "0.5", "0.5"}, {"", 1, 0, "", std::nullopt},
  };
  // clang-format on
  Rewritten memory;
  for (const auto& [shown, from, to, converted, next] : steps)
    EXPECT_EQ(rewritten_text(shown, memory, from, to, converted), next) << shown;
}

} // namespace
