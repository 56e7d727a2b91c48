#include "ui/unit_switch.h"

#include <FL/Fl_Button.H>

#include "core/settings/ini_document.h"
#include "ui/field_io.h"
#include "ui/state_bindings.h"
#include "ui/state_keys.h"

namespace ui {

UnitSwitch::UnitSwitch(PageContext& context, UnitPairSlot slot, Fl_Button* inch, Fl_Button* mm,
                       Fields fields, std::function<void()> changed)
    : context_(context), inch_(inch), mm_(mm), fields_(std::move(fields)),
      changed_(std::move(changed)) {
  inch_->callback([](Fl_Widget*, void* self) { static_cast<UnitSwitch*>(self)->choose(false); },
                  this);
  mm_->callback([](Fl_Widget*, void* self) { static_cast<UnitSwitch*>(self)->choose(true); }, this);
  context_.register_unit_pair(slot, inch_, mm_);
}

UnitSwitch::UnitSwitch(PageContext& context, UnitPairSlot slot, Fl_Button* inch, Fl_Button* mm,
                       std::function<void(bool to_metric)> convert)
    : UnitSwitch(context, slot, inch, mm, nullptr, nullptr) {
  convert_ = std::move(convert);
}

void UnitSwitch::apply_settings() {
  metric_ = context_.unit_system() == 1;
  set_radio(metric_ ? mm_ : inch_);
}

void UnitSwitch::bind_state(StateBindings& bindings, const std::string& key) {
  bindings.custom(
      [this, key](settings::IniDocument& state, const std::string& section) {
        save_pair(state, section + ":" + key, inch_);
      },
      [this, key](const settings::IniDocument& state, const std::string& section) {
        load_pair(state, section + ":" + key, inch_, mm_);
        metric_ = mm_->value() != 0;
      });
}

void UnitSwitch::show(bool metric) {
  metric_ = metric;
  set_radio(metric ? mm_ : inch_);
}

void UnitSwitch::choose(bool metric) {
  set_radio(metric ? mm_ : inch_);
  if (convert_) {
    if (metric != metric_) {
      metric_ = metric;
      convert_(metric);
    }
    return;
  }
  if (metric != metric_) {
    for (Fl_Input_* field : fields_())
      metric ? convert_field_inch_to_mm(field) : convert_field_mm_to_inch(field);
    metric_ = metric;
  }
  if (changed_)
    changed_();
}

} // namespace ui
