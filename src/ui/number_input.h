// A text field for a number, typed the way drawings and books give it:
// "1 1/4", "1/4+0.003", "12mm" in a length field, "30 15" in an angle field
// (core/numeric/typed_number.h reads it). Nothing typed is dropped: a key
// the number can't use goes in and the field says what is wrong. Two more
// things the toolkit's number fields get wrong for a machinist: a comma
// typed as the decimal point (by habit, or with the German keypad's decimal
// key) is dropped without a word, so 12,5 becomes 125; and a paste is taken
// or refused by rules of its own. Here a comma is the decimal point, and a
// paste goes in as the one number it reads as, or not at all.
#pragma once

#include <FL/Fl_Input.H>

#include <functional>
#include <optional>
#include <string>

#include "core/numeric/input_rules.h"
#include "core/numeric/typed_number.h"

namespace ui {

class PageContext;
class UnitSwitch;

/// The most characters a number field takes: a number needs a few dozen at
/// most, and a paste beyond that is refused whole.
inline constexpr int kNumberTextSize = 40;
/// The most characters a name field takes (a job, a head, a gear set).
inline constexpr int kNameTextSize = 300;

/// Whether a paste of `length` characters would make `field` longer than its
/// maximum size (the selection it replaces makes room).
bool paste_too_long(const Fl_Input_& field, long length);

class NumberInput : public Fl_Input {
public:
  /// A decimal field (FL_FLOAT_INPUT); set type(FL_INT_INPUT) for whole numbers.
  NumberInput(int x, int y, int w, int h, const char* label = nullptr);
  int handle(int event) override;

  /// The texts the field says what is wrong in (a red field's tooltip).
  void speak_with(const PageContext& context) { context_ = &context; }
  /// A length field: a unit typed after a number ("12mm", "1/2\"") is
  /// converted into the unit `units` shows at the time.
  void measure_in(const UnitSwitch& units);
  /// The same for a page whose own radios say whether it is in millimetres.
  void measure_in(std::function<bool()> metric);
  /// A length field that always holds `unit`.
  void measure_in(numeric::FieldUnit unit);
  /// An angle field (or no longer one, as a page's mode changes): degrees,
  /// minutes and seconds are taken ("30 15", "30:15:10"), units are not.
  void hold_angles(bool angles) { angles_ = angles; }

  /// How the text reads under the field's rules.
  numeric::TypedNumber reading() const;
  /// The number the page computes with: the text when it is a plain number,
  /// the value of anything else ("1.25" for "1 1/4"), "" while unreadable.
  std::string number_text() const;
  /// True while the text is neither empty nor a number: a unit change
  /// leaves it as typed rather than converting the number it starts with.
  bool unreadable() const;
  /// What the field says about its text ("" when its number is used): why
  /// it can't be read, or its range; a text not yet finished counts once the
  /// user is `done` with it.
  std::string problem(bool done) const;
  /// Shows the value instead of arithmetic, undoably ("1 1/4" -> "1.25").
  void show_value();
  /// True while show_value writes: the field's callback has nothing to do.
  bool showing_value() const { return showing_value_; }

  /// What the last unit conversion of the field replaced and what it wrote.
  /// Converting back a text the user has left alone puts back what was
  /// there, digit for digit: 0.5 mm is 0.0196850394 in to ten decimals, and
  /// that times 25.4 would come back as 0.5000000008.
  struct UnitMemo {
    std::string before;
    std::string written;
    bool to_metric = false;
  };
  std::optional<UnitMemo> unit_memo;

protected:
  /// What the field takes, as the input filter's kinds: unsigned decimal or
  /// unsigned integer by the field's type.
  virtual int number_kind() const;
  /// The range the field's value must lie in: any number of its kind.
  virtual numeric::RangeRule range_rule() const { return {number_kind()}; }
  /// What a paste puts in the field, nothing when it is refused whole.
  virtual std::optional<std::string> pasted_text(const std::string& pasted) const;
  /// Puts a pasted number, already read and cleaned, in place of the selection.
  virtual void insert_pasted(const std::string& number);
  /// Marks the field red with a tooltip while its text can't be used, once
  /// the user is `done` with it also when it is unfinished. A checked field
  /// does this with its range.
  virtual void mark_itself(bool done);
  /// Enter pressed or the field left: the value shows instead of
  /// arithmetic, or the field is marked.
  virtual void done_with_text();
  numeric::TypedNumberRules reading_rules() const;
  const PageContext* context_ = nullptr;

private:
  bool typed_comma() const;
  bool takes_decimals() const;
  bool typed_character() const;
  bool showing_value_ = false;
  bool angles_ = false;
  bool marked_ = false; ///< red by mark_itself, not by the page
  std::function<numeric::FieldUnit()> unit_;
};

} // namespace ui
