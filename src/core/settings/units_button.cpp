#include "core/settings/units_button.h"

namespace settings {

bool units_button_switches(PairUnit shown, PairUnit target, PairUnit& left_alone) {
  if (shown == target || (shown != PairUnit::kNeither && shown == left_alone)) {
    left_alone = shown;
    return false;
  }
  left_alone = PairUnit::kNeither;
  return true;
}

std::string left_alone_text(const std::vector<PairUnit>& pairs) {
  std::string text;
  for (PairUnit pair : pairs)
    text += static_cast<char>(pair);
  return text.find_first_not_of(static_cast<char>(PairUnit::kNeither)) == std::string::npos
             ? std::string()
             : text;
}

std::vector<PairUnit> read_left_alone(const std::string& text, size_t count) {
  std::vector<PairUnit> pairs(count, PairUnit::kNeither);
  for (size_t i = 0; i < count && i < text.size(); ++i)
    if (text[i] == static_cast<char>(PairUnit::kInch) ||
        text[i] == static_cast<char>(PairUnit::kMetric))
      pairs[i] = static_cast<PairUnit>(text[i]);
  return pairs;
}

} // namespace settings
