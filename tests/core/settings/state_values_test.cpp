#include "core/settings/state_values.h"

#include "core/unit_test.h"

using settings::IniDocument;

namespace {

IniDocument state_with(const char* value) { // nullptr: the key is missing
  IniDocument state;
  if (value)
    state.set("p1:value", value);
  return state;
}

} // namespace

// Values a finger or a damaged file gives must still name an item, or be refused (-1).
TEST(StateValues, IndexOnlyWhenItNamesAnItem) {
  // clang-format off
  const std::tuple<const char*, int, int> cases[] = {
      {nullptr, 3, 0}, {"2", 3, 2}, {"3", 3, -1}, {"-1", 3, -1}, {"1", 2, 1}, {"0", 0, -1},
      {"x", 3, 0}, {" 1 ", 3, 1}, {"08", 10, 8}, {"99999999999999999999", 3, -1}, {"1", -1, -1},
      {"4294967296", 3, -1}};
  // clang-format on
  for (const auto& [value, count, want] : cases)
    EXPECT_EQ(settings::read_state_index(state_with(value), "p1:value", count).value_or(-1), want)
        << (value ? value : "(missing)") << " of " << count;
}

// A check mark is set by any number but 0; a spinner stays within 1 ... 10 (fallback 3).
TEST(StateValues, CheckMarksAndSpinners) {
  const std::pair<const char*, bool> checks[] = {{nullptr, false}, {"0", false}, {"1", true},
                                                 {"-1", true},     {"x", false}, {"2", true}};
  for (const auto& [value, set] : checks)
    EXPECT_EQ(settings::read_state_check(state_with(value), "p1:value"), set) << value;
  const std::pair<const char*, double> spinners[] = {{"7.5", 7.5}, {"inf", 3},    {"-inf", 3},
                                                     {"1e999", 3}, {"-1e999", 3}, {"junk", 1},
                                                     {"12", 10},   {nullptr, 3}};
  for (const auto& [value, want] : spinners)
    EXPECT_EQ(settings::read_state_spinner(state_with(value), "p1:value", 3, 1, 10), want) << value;
  EXPECT_EQ(settings::spinner_value_text(2.5) + "|" + settings::spinner_value_text(3), "2.5|3");
}
