// Reading and writing the kinds of State.ini values a page keeps: field
// texts, radio groups, choices, check buttons and spinners. Restoring sets
// the widget without running its callback; the page decides what runs after.
#pragma once

#include <string>
#include <vector>

class Fl_Button;
class Fl_Choice;
class Fl_Input_;
class Fl_Spinner;

namespace settings {
class IniDocument;
}

namespace ui {

using settings::IniDocument;

/// Field text: written as it stands; restored as the text, or `fallback`
/// when the key is missing.
void save_text(IniDocument& state, const std::string& key, const Fl_Input_* field);
void load_text(const IniDocument& state, const std::string& key, Fl_Input_* field,
               const char* fallback = "");

/// Pair: "0" when the first button of a two-button radio group is set, "1"
/// otherwise; restored by setting that button (default the first).
void save_pair(IniDocument& state, const std::string& key, const Fl_Button* first);
void load_pair(const IniDocument& state, const std::string& key, Fl_Button* first,
               Fl_Button* second);

/// Radio index: the index of the first set button. When none is set,
/// `none_value` is written, or nothing at all when `none_value` is < 0.
void save_radio_index(IniDocument& state, const std::string& key,
                      const std::vector<Fl_Button*>& buttons, int none_value = 0);
/// Sets the indexed button (default 0) and returns its index; an index
/// outside the group leaves the group as built and returns -1.
int load_radio_index(const IniDocument& state, const std::string& key,
                     const std::vector<Fl_Button*>& buttons);

/// Choice index: the chosen item, -1 when none; restored (default 0) when it
/// names an item. Returns the index set, or -1.
void save_choice(IniDocument& state, const std::string& key, const Fl_Choice* choice);
int load_choice(const IniDocument& state, const std::string& key, Fl_Choice* choice);

/// Check button: "0" or "1" (default 0).
void save_check(IniDocument& state, const std::string& key, const Fl_Button* check);
void load_check(const IniDocument& state, const std::string& key, Fl_Button* check);

/// Spinner: "%g" of its value; restored (default `fallback`) within
/// `lowest` ... `highest`.
void save_spinner(IniDocument& state, const std::string& key, const Fl_Spinner* spinner);
void load_spinner(const IniDocument& state, const std::string& key, Fl_Spinner* spinner,
                  double fallback, double lowest, double highest);

/// Makes `button` the only set button of its radio group (no callback).
void set_radio(Fl_Button* button);

} // namespace ui
