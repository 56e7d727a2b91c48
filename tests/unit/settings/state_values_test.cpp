#include "settings/state_values.h"

#include <gtest/gtest.h>

using settings::IniDocument;

namespace {

IniDocument state_with(const char* value) {
  IniDocument state;
  state.set("p1:value", value);
  return state;
}

} // namespace

TEST(StateValues, IndexOnlyWhenItNamesAnItem) {
  const struct {
    const char* value; // nullptr: the key is missing
    int count;
    int expected; // -1: refused
  } cases[] = {
      {nullptr, 3, 0}, {"2", 3, 2},
      {"3", 3, -1},    {"-1", 3, -1},
      {"1", 2, 1},     {"0", 0, -1},
      {"x", 3, 0},     {" 1 ", 3, 1},
      {"08", 10, 8},   {"99999999999999999999", 3, -1},
      {"1", -1, -1},   {"4294967296", 3, -1},
  };
  for (const auto& c : cases) {
    const IniDocument state = c.value ? state_with(c.value) : IniDocument();
    EXPECT_EQ(settings::read_state_index(state, "p1:value", c.count).value_or(-1), c.expected)
        << (c.value ? c.value : "(missing)") << " of " << c.count;
  }
}

// Values a finger or a damaged file gives; each must still land within 1 ... 10.
TEST(StateValues, SpinnerStaysWithinItsRange) {
  const struct {
    const char* value;
    double expected; // fallback 3
  } cases[] = {{"7.5", 7.5}, {"inf", 3}, {"-inf", 3}, {"1e999", 3}, {"-1e999", 3}, {"junk", 1}};
  for (const auto& c : cases)
    EXPECT_EQ(settings::read_state_spinner(state_with(c.value), "p1:value", 3, 1, 10), c.expected)
        << c.value;
}
