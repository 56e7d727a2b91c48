#include "core/settings/state_values.h"
#include "core/numeric/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace settings {

std::optional<int> read_state_index(const IniDocument& state, const std::string& key, int count) {
  const long index = state.get_long(key, 0);
  if (index < 0 || index >= count)
    return std::nullopt;
  return static_cast<int>(index);
}

bool read_state_check(const IniDocument& state, const std::string& key) {
  return state.get_long(key, 0) != 0;
}

double read_state_spinner(const IniDocument& state, const std::string& key, double fallback,
                          double lowest, double highest) {
  double value = state.get_double(key, fallback);
  if (!std::isfinite(value))
    value = fallback;
  return std::clamp(value, lowest, highest);
}

std::string spinner_value_text(double value) { return numeric::printf_text("%g", value); }

} // namespace settings
