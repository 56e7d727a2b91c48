// The program around a page, as small as a page test needs: English texts,
// scripted dialogs, the first-run settings, the Units button and a record
// of the help asked for. A page is built and driven on it without the
// application.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "core/i18n/string_table.h"
#include "core/settings/ini_document.h"
#include "support/fake_dialogs.h"
#include "ui/checked_fields.h"
#include "ui/page_context.h"
#include "ui/ratio_search.h"

namespace testing_support {

class FakePageContext : public ui::PageContext {
public:
  FakePageContext();

  const i18n::StringTable& strings() const override { return strings_; }
  const char* page_name(ui::PageId page) const override;
  ui::Dialogs& dialogs() override { return dialogs_; }
  void show_help(ui::HelpTopic topic) override { help_asked.push_back(topic); }
  [[noreturn]] void fatal_error(const std::string& message) override;
  int unit_system() const override { return unit_system_; }
  void register_unit_pair(ui::UnitPairSlot slot, Fl_Button* inch, Fl_Button* metric,
                          std::function<void(bool to_metric)> switch_to) override;
  ui::CheckedFields& checked_fields() override { return checked_fields_; }
  const settings::IniDocument& settings() const override { return settings_; }
  bool change_settings(const std::function<bool(settings::IniDocument&)>& setter) override;
  workshop::DividingHead dividing_head() const override;
  ui::RatioSearch& ratio_search() override { return ratio_search_; }

  /// The Units button: every pair goes to the other system.
  void press_units();
  /// Forgets the pairs of a page that is being built again.
  void forget_unit_pairs() { pairs_.clear(); }

  FakeDialogs dialogs_;
  std::vector<ui::HelpTopic> help_asked;
  int settings_writes = 0;

private:
  struct Pair {
    Fl_Button* inch;
    Fl_Button* metric;
    std::function<void(bool)> switch_to;
  };
  i18n::StringTable strings_;
  settings::IniDocument settings_;
  int unit_system_ = 0;
  std::map<ui::UnitPairSlot, Pair> pairs_;
  ui::CheckedFields checked_fields_;
  ui::RatioSearch ratio_search_{*this};
};

} // namespace testing_support
