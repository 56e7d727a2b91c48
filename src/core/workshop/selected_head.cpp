#include "core/workshop/selected_head.h"

#include "core/settings/settings_model.h"
#include "core/workshop/differential_indexing_calc.h"

namespace workshop {

DividingHead head_named(const settings::IniDocument& settings, const std::string& name) {
  DividingHead head;
  head.name = name;
  head.ratio = settings::read_settings_values(settings).ratio;
  head.circles = settings::head_plates(settings, name);
  head.gears = settings::head_gears(settings, name, default_head_gears(head.ratio));
  return head;
}

DividingHead selected_head(const settings::IniDocument& settings) {
  return head_named(settings, settings::read_settings_values(settings).last_head);
}

} // namespace workshop
