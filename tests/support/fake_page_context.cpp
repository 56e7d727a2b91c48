#include "support/fake_page_context.h"

#include <FL/Fl_Button.H>

#include "app/page_table.h"
#include "core/settings/settings_model.h"
#include "core/workshop/selected_head.h"

namespace testing_support {

FakePageContext::FakePageContext() {
  settings::IniDocument english;
  settings::IniDocument::load(TOOLROOM_LANGUAGE_DIR "/en/en.ini", english);
  strings_ = i18n::StringTable::from_document(english);
  settings::fill_default_settings(settings_);
}

const char* FakePageContext::page_name(ui::PageId page) const {
  const std::optional<i18n::TextId> label = app::page_row(page).nav_label;
  return label ? strings_.get(*label) : nullptr;
}

void FakePageContext::fatal_error(const std::string& message) {
  dialogs_.fatal_message = message;
  throw FatalErrorRaised(message);
}

void FakePageContext::register_unit_pair(ui::UnitPairSlot slot, Fl_Button* inch,
                                         Fl_Button* metric,
                                         std::function<void(bool to_metric)> switch_to) {
  pairs_[slot] = {inch, metric, std::move(switch_to)};
}

bool FakePageContext::change_settings(
    const std::function<bool(settings::IniDocument&)>& setter) {
  if (!setter(settings_))
    return false;
  ++settings_writes;
  return true;
}

workshop::DividingHead FakePageContext::dividing_head() const {
  return workshop::selected_head(settings_);
}

void FakePageContext::press_units() {
  const bool to_metric = unit_system_ == 0;
  for (auto& [slot, pair] : pairs_) {
    if (pair.switch_to) {
      pair.switch_to(to_metric);
    } else {
      Fl_Button* button = to_metric ? pair.metric : pair.inch;
      button->setonly();
      button->do_callback();
    }
  }
  unit_system_ = to_metric ? 1 : 0;
}

} // namespace testing_support
