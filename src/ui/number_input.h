// A text field for a number. Two things the toolkit's number fields get
// wrong for a machinist: a comma typed as the decimal point (by habit, or
// with the German keypad's decimal key) is dropped without a word, so 12,5
// becomes 125; and a paste is taken or refused by rules of its own. Here a
// comma is the decimal point, and a pasted text goes in as the one number it
// reads as, or not at all.
#pragma once

#include <FL/Fl_Input.H>

#include <optional>
#include <string>

namespace ui {

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
  /// What a paste puts in the field, nothing when it is refused whole.
  virtual std::optional<std::string> pasted_text(const std::string& pasted) const;
  /// Puts a pasted number, already read and cleaned, in place of the selection.
  virtual void insert_pasted(const std::string& number);

private:
  bool typed_comma() const;
  bool takes_decimals() const;
};

} // namespace ui
