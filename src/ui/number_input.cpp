#include "ui/number_input.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdlib>
#include <optional>

#include "core/numeric/input_rules.h"
#include "core/numeric/number_text.h"

namespace ui {

NumberInput::NumberInput(int x, int y, int w, int h, const char* label)
    : Fl_Input(x, y, w, h, label) {
  type(FL_FLOAT_INPUT);
  maximum_size(kNumberTextSize);
}

bool paste_too_long(const Fl_Input_& field, long length) {
  const long replaced = std::abs(field.position() - field.mark());
  return length > field.maximum_size() - field.size() + replaced;
}

int NumberInput::number_kind() const {
  return type() == FL_FLOAT_INPUT ? numeric::kUnsignedDecimal : numeric::kUnsignedInt;
}

std::optional<std::string> NumberInput::pasted_text(const std::string& pasted) const {
  return numeric::read_pasted_number(number_kind(), pasted);
}

bool NumberInput::takes_decimals() const {
  const int kind = number_kind();
  return kind != numeric::kUnsignedInt && kind != numeric::kSignedInt;
}

void NumberInput::insert_pasted(const std::string& number) {
  replace(position(), mark(), number.data(), static_cast<int>(number.size()));
}

bool NumberInput::typed_comma() const {
  return Fl::event_length() == 1 && Fl::event_text()[0] == ',' &&
         !(Fl::event_state() & (FL_CTRL | FL_ALT | FL_META));
}

int NumberInput::handle(int event) {
  if (readonly())
    return Fl_Input::handle(event);
  if (event == FL_KEYBOARD && typed_comma() && takes_decimals()) {
    // Goes in exactly as a typed point would, under the same rules.
    replace(position(), mark(), ".", 1);
    return 1;
  }
  if (event == FL_PASTE) {
    // Refused before it is copied: a text of megabytes is no number.
    if (paste_too_long(*this, Fl::event_length())) {
      fl_beep(FL_BEEP_ERROR);
      return 1;
    }
    const std::string pasted =
        Fl::event_text() ? std::string(Fl::event_text(), Fl::event_length()) : "";
    std::optional<std::string> number = pasted_text(pasted);
    if (number)
      insert_pasted(*number);
    else
      fl_beep(FL_BEEP_ERROR); // refused whole: no digit of it ends up in the field
    return 1;
  }
  return Fl_Input::handle(event);
}

} // namespace ui
