#include "ui/number_input.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>

#include <cstdlib>
#include <optional>

#include "core/numeric/field_reading.h"
#include "core/numeric/input_rules.h"
#include "core/numeric/number_text.h"
#include "ui/page_context.h"
#include "ui/unit_switch.h"

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

void NumberInput::measure_in(const UnitSwitch& units) {
  measure_in([&units] { return units.metric(); });
}

void NumberInput::measure_in(std::function<bool()> metric) {
  unit_ = [metric] { return metric() ? numeric::FieldUnit::kMm : numeric::FieldUnit::kInch; };
}

void NumberInput::measure_in(numeric::FieldUnit unit) {
  unit_ = [unit] { return unit; };
}

numeric::TypedNumberRules NumberInput::reading_rules() const {
  return numeric::typed_rules(number_kind(), unit_ ? unit_() : numeric::FieldUnit::kNone, angles_);
}

numeric::TypedNumber NumberInput::reading() const {
  return numeric::read_typed_number(value(), reading_rules());
}

std::string NumberInput::number_text() const {
  return numeric::used_number_text(value(), reading());
}

bool NumberInput::unreadable() const {
  const numeric::TypedState state = reading().state;
  return state == numeric::TypedState::kUnfinished || state == numeric::TypedState::kRefused;
}

std::string NumberInput::problem(bool done) const {
  const PageContext* context = context_;
  return numeric::field_problem(value(), reading(), range_rule(), done,
                                [context](i18n::TextId entry) {
                                  return context ? context->lang(entry) : nullptr;
                                });
}

void NumberInput::show_value() {
  const numeric::TypedNumber now = reading();
  if (now.state != numeric::TypedState::kNumber || now.plain)
    return;
  const std::string text = numeric::typed_value_text(now.value);
  showing_value_ = true;
  replace(0, size(), text.data(), static_cast<int>(text.size()));
  showing_value_ = false;
  position(0, size());
}

// A paste goes in as the one number it reads as ("12,5" -> "12.5"), or as
// typed when it is arithmetic the field reads ("1 1/4"); else not at all.
std::optional<std::string> NumberInput::pasted_text(const std::string& pasted) const {
  if (std::optional<std::string> number = numeric::read_pasted_number(number_kind(), pasted))
    return number;
  const std::size_t first = pasted.find_first_not_of(" \t\r\n");
  if (first == std::string::npos)
    return std::nullopt;
  const std::string text = pasted.substr(first, pasted.find_last_not_of(" \t\r\n") - first + 1);
  if (text.find_first_of("\t\r\n") != std::string::npos ||
      numeric::read_typed_number(text, reading_rules()).state != numeric::TypedState::kNumber)
    return std::nullopt;
  return text;
}

void NumberInput::mark_itself(bool done) {
  const std::string problem_text = problem(done);
  if (!problem_text.empty()) {
    marked_ = true;
    textcolor(FL_RED);
    copy_tooltip(problem_text.c_str());
    redraw();
  }
}

void NumberInput::done_with_text() {
  if (problem(true).empty())
    show_value();
  else
    mark_itself(true);
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

// A printable key, which the toolkit's number fields would drop unless it
// can belong to a plain number.
bool NumberInput::typed_character() const {
  const char* text = Fl::event_text();
  return Fl::event_length() > 0 && text && static_cast<unsigned char>(text[0]) >= ' ' &&
         text[0] != 0x7f && !(Fl::event_state() & (FL_CTRL | FL_ALT | FL_META));
}

int NumberInput::handle(int event) {
  if (readonly())
    return Fl_Input::handle(event);
  // Red for a text it couldn't read: the next change is judged afresh, and
  // the page may colour a value it refuses in its own way.
  const auto unmark = [this] {
    if (!marked_)
      return;
    marked_ = false;
    textcolor(FL_BLACK);
    tooltip(nullptr);
    redraw();
  };
  if (event == FL_KEYBOARD) {
    const int key = Fl::event_key();
    if (key == FL_Enter || key == FL_KP_Enter) {
      done_with_text(); // the key goes on to the window's Enter button
      return Fl_Input::handle(event);
    }
    if (typed_character()) {
      unmark();
      // Goes in as typed, a comma as the point in a decimal field.
      const bool comma = typed_comma() && takes_decimals();
      replace(position(), mark(), comma ? "." : Fl::event_text(), comma ? 1 : Fl::event_length());
      mark_itself(false);
      return 1;
    }
    const std::string before = value();
    const int handled = Fl_Input::handle(event);
    if (before != value()) { // a deletion, an undo
      unmark();
      mark_itself(false);
    }
    return handled;
  }
  if (event == FL_UNFOCUS) {
    done_with_text();
    return Fl_Input::handle(event);
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
    if (number) {
      unmark();
      insert_pasted(*number);
    } else {
      fl_beep(FL_BEEP_ERROR); // refused whole: no digit of it ends up in the field
    }
    return 1;
  }
  return Fl_Input::handle(event);
}

} // namespace ui
