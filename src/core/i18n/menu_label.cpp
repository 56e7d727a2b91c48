#include "core/i18n/menu_label.h"

namespace i18n {

std::string menu_item_label(const char* text, int entry) {
  if (!text || !*text)
    return "(missing text " + std::to_string(entry) + ")";
  std::string label;
  for (const char* c = text; *c; ++c) {
    if (*c == '&' || *c == '@')
      label += *c;
    label += *c;
  }
  return label;
}

} // namespace i18n
