#include "core/workshop/change_gears_form.h"

#include "core/unit_test.h"

namespace {

using namespace workshop;
using Gears = std::vector<std::string>; // also the texts of a row
const Gears kThree = {"20", "25", "30"};
constexpr auto kInch = ChangeGearMode::kInch, kMetric = ChangeGearMode::kMetric,
               kModule = ChangeGearMode::kModuleWorm, kDp = ChangeGearMode::kDpWorm;

TEST(ChangeGearsForm, CaptionsAndWhatIsOffered) {
  // clang-format off
  struct Case { ChangeGearsFormInput in; int pitch_caption, lead_screw_caption, heading_unit; bool calculate, worm_pair; };
  const Case cases[] = {
      {{kInch, "1", "2", kThree}, 441, 441, 441, true, false}, {{kMetric, "1", "2", kThree}, 442, 442, 78, true, false},
      {{kModule, "1", "2", kThree}, 443, 442, 441, true, true}, {{kDp, "1", "2", kThree}, 444, 441, 441, true, true},
      // Across inch and metric: each pitch keeps its own unit.
      {{ChangeGearMode::kMetricOnInch, "1.5", "8", kThree}, 442, 441, 78, true, false},
      {{ChangeGearMode::kInchOnMetric, "8", "3", kThree}, 441, 442, 441, true, false},
      // Three gears at least, and two pitches of at least 0.0001.
      {{kMetric, "1", "2", {"20", "40"}}, 442, 442, 78, false, false}, {{kMetric, "0", "2", kThree}, 442, 442, 78, false, false},
      {{kInch, "1", "", kThree}, 441, 441, 441, false, false}, {{kDp, "1", "0.", kThree}, 444, 441, 441, false, false},
      {{kModule, "0.00009", "2", kThree}, 443, 442, 441, false, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ChangeGearsForm f = change_gears_form(c.in);
    EXPECT_EQ(std::make_tuple(f.pitch_caption.entry, f.lead_screw_caption.entry,
                              f.heading_unit.entry, f.calculate_enabled, f.worm_pair_shown),
              std::make_tuple(c.pitch_caption, c.lead_screw_caption, c.heading_unit, c.calculate,
                              c.worm_pair))
        << static_cast<int>(c.in.mode) << " " << c.in.pitch_to_make << " / " << c.in.lead_screw;
  }
}

TEST(ChangeGearsForm, WormPairsMarkTheGearsNotOwned) {
  // clang-format off
  struct Case { ChangeGearsFormInput in; const char *first, *second; bool first_owned, second_owned, warning_shown; int warning; };
  const Case cases[] = {
      // 22 x 0.75 : 7 x 4 = 16.5 : 28 = 33 : 56, both above the smallest gear.
      {{kModule, "0.75", "4", kThree}, "33", "56", false, false, true, 460}, {{kModule, "0.75", "4", {"20", "25", "33"}}, "33", "56", true, false, true, 460},
      {{kModule, "1.25", "6", kThree}, "55", "84", false, false, true, 460}, // 27.5 : 42 = 55 : 84
      // 17.6 : 21 is 88 : 105 exactly (0.8 is 8/10, not a binary fraction).
      {{kModule, "0.8", "3", kThree}, "88", "105", false, false, true, 460},
      // 7 x 2 : 22 x 4 = 7 : 44, shown 44 then 7; 7 is below 20, so both doubled.
      {{kDp, "2", "4", kThree}, "88", "14", false, false, true, 460}, {{kDp, "2", "4", {"14", "20", "25", "88"}}, "88", "14", true, true, false, 460},
      // 22 : 14 is 11 : 7; the first multiple owned is 44 : 28.
      {{kModule, "1", "2", {"20", "28", "44"}}, "44", "28", true, true, false, 460},
      // 11 : 14 has a gear below 20: both doubled.
      {{kModule, "0.5", "2", kThree}, "22", "28", false, false, true, 460},
      // 17.5 : 176 = 35 : 352, both at least 20: not doubled.
      {{kDp, "2.5", "8", kThree}, "352", "35", false, false, true, 460},
      // 51.1 : 88 = 511 : 880, no pair up to 400 teeth.
      {{kDp, "7.3", "4", kThree}, "", "", false, false, true, 474},
      // A thread mode, or too few gears: no pair.
      {{kMetric, "1", "2", kThree}, "", "", false, false, false, 460}, {{kModule, "0.75", "4", {"20"}}, "", "", false, false, false, 460},
  };
  // clang-format on
  for (const Case& c : cases) {
    const WormPairView v = worm_pair_view(c.in);
    EXPECT_EQ(std::make_tuple(v.first, v.second, v.first_owned, v.second_owned, v.warning_shown,
                              v.warning.entry),
              std::make_tuple(std::string(c.first), std::string(c.second), c.first_owned,
                              c.second_owned, c.warning_shown, c.warning))
        << c.in.pitch_to_make << " / " << c.in.lead_screw;
  }
}

TEST(ChangeGearsForm, GearsTheSetCannotSupply) {
  // Driver, driven gear of each pair in turn; x: not supplied.
  const auto marks = [](const std::vector<gears::GearPair>& train, const Gears& owned) {
    std::string got;
    for (bool missing : gears_not_owned(gears::make_result(train, 1.0), owned))
      got += missing ? "x" : "-";
    return got;
  };
  const gears::GearPair a{5.0, 20, 100, 0}, b{6.35, 20, 127, 0}, up{2.0, 20, 40, 0},
      down{0.5, 40, 20, 0};
  EXPECT_EQ(marks({a, b}, {"20", "100", "127"}), "--x-"); // the one 20 goes to the first pair
  EXPECT_EQ(marks({a, b}, {"20", "20", "100", "127"}), "----");
  EXPECT_EQ(marks({down, up, down}, {"20", "40", "40"}), "--x-xx");
}

TEST(ChangeGearsForm, ErrorFloorAndFallbackSearch) {
  // clang-format off
  const std::pair<const char*, const char*> floors[] = {{"0", "0.0001"}, {"", "0.0001"},
      {"0.00005", "0.0001"}, {"0.0001", "0.0001"}, {"2", "2"}, {"0.5", "0.5"}};
  for (const auto& [typed, kept] : floors)
    EXPECT_EQ(floored_error(typed), kept) << typed;
  // The fallback searches from the smallest gear to the largest, or to 50.
  // Texts: limit, target, lowest, highest, tolerance.
  const std::tuple<Gears, double, const char*, std::vector<std::string>> cases[] = {
      {{"20", "25", "30", "40", "50", "60", "100", "127"}, 2.0, "0.5", {"10", "2", "20", "127", "0.5"}}, {{"20", "30", "40"}, 7.0, "0", {"10", "7", "20", "50", "0.0001"}},
      // Every digit of the ratio, so that page 16 reads back the very same number.
      {{"24", "36", "48"}, 1.0 / 3.0, "1", {"10", "0.33333333333333331", "24", "50", "1"}},
  };
  // clang-format on
  for (const auto& [gears, target, error, texts] : cases) {
    const ChangeGearFallback f = change_gear_fallback(gears, target, error);
    EXPECT_EQ((Gears{f.results_limit, f.target, f.lowest, f.highest, f.tolerance}), texts);
  }
}

} // namespace
