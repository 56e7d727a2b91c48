#include "ui/state_bindings.h"

#include <FL/Fl_Choice.H>
#include <FL/Fl_Scroll.H>

#include <algorithm>

#include "core/settings/ini_document.h"
#include "ui/state_keys.h"

namespace ui {

using settings::IniDocument;

void StateBindings::add(const std::string& key,
                        std::function<void(IniDocument&, const std::string&)> save,
                        std::function<void(const IniDocument&, const std::string&)> load) {
  rows_.push_back({[key, save](IniDocument& state, const std::string& section) {
                     save(state, section + ":" + key);
                   },
                   [key, load](const IniDocument& state, const std::string& section) {
                     load(state, section + ":" + key);
                   }});
}

void StateBindings::text(const std::string& key, Fl_Input_* field, std::string fallback) {
  add(
      key, [field](IniDocument& state, const std::string& k) { save_text(state, k, field); },
      [field, fallback](const IniDocument& state, const std::string& k) {
        load_text(state, k, field, fallback.c_str());
      });
}

void StateBindings::texts(std::initializer_list<std::pair<const char*, Fl_Input_*>> rows) {
  for (const auto& [key, field] : rows)
    text(key, field);
}

void StateBindings::scroll(const std::string& key, Fl_Scroll* scroll,
                           std::function<int()> highest) {
  add(
      key,
      [scroll](IniDocument& state, const std::string& k) {
        state.set(k, std::to_string(scroll->yposition()));
      },
      [scroll, highest](const IniDocument& state, const std::string& k) {
        const long y = std::clamp<long>(state.get_long(k, 0), 0, highest());
        scroll->scroll_to(scroll->xposition(), static_cast<int>(y));
      });
}

void StateBindings::pair(const std::string& key, Fl_Button* first, Fl_Button* second) {
  add(
      key, [first](IniDocument& state, const std::string& k) { save_pair(state, k, first); },
      [first, second](const IniDocument& state, const std::string& k) {
        load_pair(state, k, first, second);
      });
}

void StateBindings::radio(const std::string& key, std::vector<Fl_Button*> buttons, int none_value) {
  add(
      key,
      [buttons, none_value](IniDocument& state, const std::string& k) {
        save_radio_index(state, k, buttons, none_value);
      },
      [buttons](const IniDocument& state, const std::string& k) {
        load_radio_index(state, k, buttons);
      });
}

void StateBindings::choice(const std::string& key, Fl_Choice* choice, bool none_allowed) {
  add(
      key, [choice](IniDocument& state, const std::string& k) { save_choice(state, k, choice); },
      [choice, none_allowed](const IniDocument& state, const std::string& k) {
        if (none_allowed && state.get_long(k, 0) == -1)
          choice->value(-1);
        else
          load_choice(state, k, choice);
      });
}

void StateBindings::check(const std::string& key, Fl_Button* check) {
  add(
      key, [check](IniDocument& state, const std::string& k) { save_check(state, k, check); },
      [check](const IniDocument& state, const std::string& k) { load_check(state, k, check); });
}

void StateBindings::spinner(const std::string& key, Fl_Spinner* spinner, double fallback,
                            double lowest, double highest) {
  add(
      key, [spinner](IniDocument& state, const std::string& k) { save_spinner(state, k, spinner); },
      [=](const IniDocument& state, const std::string& k) {
        load_spinner(state, k, spinner, fallback, lowest, highest);
      });
}

void StateBindings::custom(std::function<void(IniDocument&, const std::string&)> save,
                           std::function<void(const IniDocument&, const std::string&)> load) {
  rows_.push_back({std::move(save), std::move(load)});
}

void StateBindings::save(IniDocument& state, const std::string& section) const {
  for (const Row& row : rows_)
    row.save(state, section);
}

void StateBindings::load(const IniDocument& state, const std::string& section) const {
  for (const Row& row : rows_)
    row.load(state, section);
}

} // namespace ui
