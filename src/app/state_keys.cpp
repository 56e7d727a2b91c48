// The value kinds of State.ini.
#include "app/state_keys.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "settings/ini_document.h"

namespace app {

namespace {
std::string number_text(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}
} // namespace

void save_text(IniDocument& state, const std::string& key, const Fl_Input_* field) {
  state.set(key, field->value() ? field->value() : "");
}

void load_text(const IniDocument& state, const std::string& key, Fl_Input_* field,
               const char* fallback) {
  field->value(state.get_string(key, fallback).c_str());
}

void set_radio(Fl_Button* button) {
  if (button)
    button->setonly();
}

void save_pair(IniDocument& state, const std::string& key, const Fl_Button* first) {
  state.set(key, first->value() ? "0" : "1");
}

void load_pair(const IniDocument& state, const std::string& key, Fl_Button* first,
               Fl_Button* second) {
  long index = state.get_long(key, 0);
  if (index == 0 || index == 1) // anything else leaves the pair as built
    set_radio(index == 0 ? first : second);
}

void save_radio_index(IniDocument& state, const std::string& key,
                      const std::vector<Fl_Button*>& buttons, int none_value) {
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->value()) {
      state.set(key, std::to_string(i));
      return;
    }
  }
  if (none_value >= 0)
    state.set(key, std::to_string(none_value));
}

int load_radio_index(const IniDocument& state, const std::string& key,
                     const std::vector<Fl_Button*>& buttons) {
  long index = state.get_long(key, 0);
  if (index < 0 || index >= static_cast<long>(buttons.size()))
    return -1;
  set_radio(buttons[static_cast<size_t>(index)]);
  return static_cast<int>(index);
}

void save_choice(IniDocument& state, const std::string& key, const Fl_Choice* choice) {
  state.set(key, std::to_string(choice->value()));
}

int load_choice(const IniDocument& state, const std::string& key, Fl_Choice* choice) {
  long index = state.get_long(key, 0);
  if (index < 0 || index >= choice->size() - 1) // size() counts the terminator
    return -1;
  choice->value(static_cast<int>(index));
  return static_cast<int>(index);
}

void save_check(IniDocument& state, const std::string& key, const Fl_Button* check) {
  state.set(key, check->value() ? "1" : "0");
}

void load_check(const IniDocument& state, const std::string& key, Fl_Button* check) {
  check->value(state.get_long(key, 0) != 0 ? 1 : 0);
}

void save_spinner(IniDocument& state, const std::string& key, const Fl_Spinner* spinner) {
  state.set(key, number_text(spinner->value()));
}

void load_spinner(const IniDocument& state, const std::string& key, Fl_Spinner* spinner,
                  double fallback, double lowest, double highest) {
  double value = state.get_double(key, fallback);
  if (!std::isfinite(value))
    value = fallback;
  spinner->value(std::clamp(value, lowest, highest));
}

} // namespace app
