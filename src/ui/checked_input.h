// Checked numeric input fields: a text input that takes a number as drawings
// give it ("1 1/4", "1/4+0.003", "12mm", "30 15"), reads it on every key
// press, tests its value against the range rule, colours it black or red and
// has the page recompute. Leaving a red field says once per burst of typing
// what is wrong; leaving or pressing Enter in a field of arithmetic shows the
// value that was used (Ctrl+Z brings the typed text back).
#pragma once

#include "ui/number_input.h"

#include <functional>
#include <optional>
#include <string>

#include "core/numeric/input_rules.h"

namespace ui {

class PageContext;

/// A field's rule with the page routines attached. Each checked field has
/// its own: nothing one field does reaches another.
struct InputRange {
  numeric::RangeRule rule;
  /// Runs after each change while the value is acceptable (the page's recompute).
  std::function<void(Fl_Input*)> on_valid;
  /// Runs once when the value turns out of range (the page's "empty results").
  std::function<void(Fl_Input*)> on_invalid;
  /// Runs when the user leaves the field with an acceptable value: the
  /// value is complete, so checks that would interrupt typing belong here.
  std::function<void(Fl_Input*)> on_left;
  Fl_Color colour_ok = FL_BLACK;
  Fl_Color colour_bad = FL_RED;
  PageContext* app = nullptr;
};

/// The input widget of a checked field: a number field whose kind is its
/// rule's, and whose pasted numbers are filtered and checked like typing.
class CheckedInput : public NumberInput {
public:
  CheckedInput(int x, int y, int w, int h, const char* label = nullptr);
  int handle(int event) override;
  /// The next paste into an integer field is normalised ("0012" -> "12").
  void normalise_next_paste() { normalise_next_paste_ = true; }
  const numeric::RangeRule& rule() const { return own_range_.rule; }
  /// New bounds for a field whose meaning changes with the page's mode (a
  /// length or an angle); its kind stays.
  void set_bounds(double lower, double upper);
  /// True while the page's routine runs for a value composed from other
  /// fields (a fraction's parts), not typed into this one.
  bool composed() const { return composed_; }
  /// Runs the field's routine for the value just written into it from other fields.
  void run_for_composed_value();
  /// The page routines of this field alone (see InputRange).
  void on_valid(std::function<void()> routine);
  void on_invalid(std::function<void()> routine);
  void on_left(std::function<void()> routine);
  /// True while the field handles its own hiding (its page or window goes away).
  bool hiding() const { return hiding_; }
  /// True while a pasted number goes in.
  bool pasting() const { return pasting_; }

protected:
  int number_kind() const override;
  numeric::RangeRule range_rule() const override { return rule(); }
  void insert_pasted(const std::string& number) override;

private:
  friend CheckedInput* make_checked_input(PageContext&, const numeric::RangeRule&, int, int, int,
                                          int, const char*);
  friend void colour_as_typed(CheckedInput*);
  friend void enter_pressed(CheckedInput*);
  // The kit's callback marks a checked field and says when it is done.
  void mark_itself(bool) override {}
  void done_with_text() override {}
  InputRange own_range_;
  bool composed_ = false;
  bool normalise_next_paste_ = false;
  bool hiding_ = false;
  bool pasting_ = false;
};

/// Builds a checked field with `rule` inside the open group: GTK down box,
/// float or integer type by the rule's kind, the shared callback on every
/// change and on losing the focus, entered in the right-click list.
CheckedInput* make_checked_input(PageContext& app, const numeric::RangeRule& rule, int x, int y,
                                 int w, int h, const char* label = nullptr);

/// Whether the field holds a text it can't read or a value out of its range
/// (it shows it red).
bool refuses_its_value(const CheckedInput* field);
/// Colours text the page put in itself (a restored value) as if it had been
/// typed: red when out of range, black otherwise.
void colour_as_typed(CheckedInput* field);

/// Enter in a field: the value shows instead of arithmetic, or the field
/// turns red when its text can't be used.
void enter_pressed(CheckedInput* field);

/// The shared callback of every checked field.
void check_input_callback(Fl_Widget* field, void* range);

/// The right-click menu of a checked field: copy, paste, undo.
void open_edit_popup(PageContext& app, Fl_Input* field);

} // namespace ui
