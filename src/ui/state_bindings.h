// What of a page survives a restart, written once: each row names a key of
// the page's State.ini section and the widget that holds its value, and the
// same rows save and restore. Restoring sets the widgets without running
// their callbacks; the page then refreshes its modes and computes once.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ui/state_keys.h"

class Fl_Scroll;

namespace ui {

class StateBindings {
public:
  /// A field's text; `fallback` when the key is missing.
  void text(const std::string& key, Fl_Input_* field, std::string fallback = "");
  /// Several fields' texts, each under its key; empty when a key is missing.
  void texts(std::initializer_list<std::pair<const char*, Fl_Input_*>> rows);
  /// A two-button radio group: "0" for the first button, "1" for the second.
  void pair(const std::string& key, Fl_Button* first, Fl_Button* second);
  /// The index of the set button; `none_value` written when none is set.
  void radio(const std::string& key, std::vector<Fl_Button*> buttons, int none_value = 0);
  /// The chosen item of a choice. With `none_allowed`, -1 (nothing chosen)
  /// also comes back as it was.
  void choice(const std::string& key, Fl_Choice* choice, bool none_allowed = false);
  /// A check button, "0" or "1".
  void check(const std::string& key, Fl_Button* check);
  /// A spinner's value, restored within lowest ... highest (`fallback` when missing).
  void spinner(const std::string& key, Fl_Spinner* spinner, double fallback, double lowest,
               double highest);
  /// How far a tall page is scrolled down, restored within 0 ... `highest()`.
  void scroll(const std::string& key, Fl_Scroll* scroll, std::function<int()> highest);
  /// Any other value: how to write it and how to read it back.
  void custom(std::function<void(settings::IniDocument&, const std::string& section)> save,
              std::function<void(const settings::IniDocument&, const std::string& section)> load);

  void save(settings::IniDocument& state, const std::string& section) const;
  void load(const settings::IniDocument& state, const std::string& section) const;

private:
  struct Row {
    std::function<void(settings::IniDocument&, const std::string&)> save;
    std::function<void(const settings::IniDocument&, const std::string&)> load;
  };
  void add(const std::string& key,
           std::function<void(settings::IniDocument&, const std::string& full_key)> save,
           std::function<void(const settings::IniDocument&, const std::string& full_key)> load);
  std::vector<Row> rows_;
};

} // namespace ui
