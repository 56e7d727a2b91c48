// The value kinds of State.ini.
#include "ui/state_keys.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Spinner.H>

#include "core/settings/ini_document.h"
#include "ui/field_io.h"
#include "core/settings/state_values.h"

namespace ui {

void save_text(IniDocument& state, const std::string& key, const Fl_Input_* field) {
  state.set(key, field->value() ? field->value() : "");
}

void load_text(const IniDocument& state, const std::string& key, Fl_Input_* field,
               const char* fallback) {
  show_text(field, state.get_string(key, fallback));
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
  // Anything but 0 or 1 leaves the pair as built.
  if (const std::optional<int> index = settings::read_state_index(state, key, 2))
    set_radio(*index == 0 ? first : second);
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
  const std::optional<int> index =
      settings::read_state_index(state, key, static_cast<int>(buttons.size()));
  if (!index)
    return -1;
  set_radio(buttons[static_cast<size_t>(*index)]);
  return *index;
}

void save_choice(IniDocument& state, const std::string& key, const Fl_Choice* choice) {
  state.set(key, std::to_string(choice->value()));
}

int load_choice(const IniDocument& state, const std::string& key, Fl_Choice* choice) {
  // size() counts the terminator.
  const std::optional<int> index = settings::read_state_index(state, key, choice->size() - 1);
  if (!index)
    return -1;
  choice->value(*index);
  return *index;
}

void save_check(IniDocument& state, const std::string& key, const Fl_Button* check) {
  state.set(key, check->value() ? "1" : "0");
}

void load_check(const IniDocument& state, const std::string& key, Fl_Button* check) {
  check->value(settings::read_state_check(state, key) ? 1 : 0);
}

void save_spinner(IniDocument& state, const std::string& key, const Fl_Spinner* spinner) {
  state.set(key, settings::spinner_value_text(spinner->value()));
}

void load_spinner(const IniDocument& state, const std::string& key, Fl_Spinner* spinner,
                  double fallback, double lowest, double highest) {
  spinner->value(settings::read_state_spinner(state, key, fallback, lowest, highest));
}

} // namespace ui
