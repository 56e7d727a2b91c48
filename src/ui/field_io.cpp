// Widget side of the number text rules.
#include "ui/field_io.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Spinner.H>

#include "ui/checked_input.h"
#include "core/numeric/number_text.h"

namespace ui {

namespace {
// Fields that aren't checked inputs are converted like unsigned decimals.
int field_kind(const Fl_Input_* field) {
  auto* checked = dynamic_cast<const CheckedInput*>(field);
  return checked ? checked->rule().kind : numeric::kUnsignedDecimal;
}

// A text the field can't read stays as typed, to be mended: converting or
// normalising the number it starts with would put another in its place.
bool convertible(const Fl_Input_* field) {
  auto* number = dynamic_cast<const NumberInput*>(field);
  return !number || !number->unreadable();
}

void write_triple(const DmsFields& triple, const numeric::DmsTexts& texts) {
  show_text(triple[0], texts.degrees);
  show_text(triple[1], texts.minutes);
  show_text(triple[2], texts.seconds);
}
} // namespace

void show_text(Fl_Input_* field, const char* text) {
  field->value(text);
  // The toolkit puts the insertion point at the end, which scrolls a narrow
  // field to the tail of a long number (...37007874 of 3.937007874). The start
  // holds the digits that matter; a field being typed in keeps its caret.
  if (Fl::focus() != field)
    field->position(0);
}

void show_text(Fl_Input_* field, const std::string& text) { show_text(field, text.c_str()); }

std::string field_number_text(const Fl_Input_* field) {
  auto* number = dynamic_cast<const NumberInput*>(field);
  return number ? number->number_text() : std::string(field->value());
}

double field_double(const Fl_Input_* field) { return numeric::read_double(field_number_text(field)); }
long field_long(const Fl_Input_* field) { return numeric::read_long(field_number_text(field)); }

void set_field_fixed(Fl_Input_* field, int precision, double value) {
  show_text(field, numeric::format_fixed(precision, value));
}

void set_field_plain(double value, Fl_Input_* field) {
  show_text(field, numeric::format_plain(value));
}

double read_dms_fields(const DmsFields& triple) {
  return numeric::dms_to_degrees(field_number_text(triple[0]), field_number_text(triple[1]),
                                 field_number_text(triple[2]));
}

void write_dms_fields(const DmsFields& triple, double value) {
  write_triple(triple, numeric::dms_texts(value));
}

void write_dms_fields_nonzero(const DmsFields& triple, double value) {
  write_triple(triple, numeric::dms_texts_nonzero(value));
}

void write_dms_fields_from_text(const std::string& text, const DmsFields& triple) {
  write_triple(triple, numeric::dms_texts_from_text(text));
}

void set_converted_text(Fl_Input_* field, const std::string& text, bool to_metric) {
  auto* number = dynamic_cast<NumberInput*>(field);
  const std::string now = field->value();
  if (number && number->unit_memo && number->unit_memo->to_metric != to_metric &&
      number->unit_memo->written == now) {
    show_text(field, number->unit_memo->before);
    number->unit_memo.reset();
    return;
  }
  show_text(field, text);
  if (number)
    number->unit_memo = NumberInput::UnitMemo{now, text, to_metric};
}

void convert_field_inch_to_mm(Fl_Input_* field) {
  if (convertible(field))
    set_converted_text(
        field, numeric::convert_text_inch_to_mm(field_number_text(field), field_kind(field)), true);
}

void convert_field_mm_to_inch(Fl_Input_* field) {
  if (convertible(field))
    set_converted_text(
        field, numeric::convert_text_mm_to_inch(field_number_text(field), field_kind(field)),
        false);
}

void fraction_to_decimal_field(CheckedInput* out, const Fl_Input_* whole, const Fl_Input_* over,
                               const Fl_Input_* under) {
  show_text(out, numeric::fraction_text(field_number_text(whole), field_number_text(over),
                                        field_number_text(under)));
  out->run_for_composed_value();
}

void normalise_unsigned_field(Fl_Input_* field) {
  if (convertible(field))
    show_text(field, numeric::normalise_unsigned_text(field_number_text(field)));
}

bool still_typing() {
  if (Fl::event() == FL_PASTE)
    return true;
  const int key = Fl::event_key();
  return Fl::event() == FL_KEYDOWN && key != FL_Enter && key != FL_KP_Enter;
}

void report_every_change(Fl_Spinner* spinner) {
  Fl_Widget* text_field = spinner->child(0);
  text_field->when(text_field->when() | FL_WHEN_CHANGED);
}

void limit_spinner_text(Fl_Spinner* spinner) {
  if (auto* text_field = dynamic_cast<Fl_Input_*>(spinner->child(0)))
    text_field->maximum_size(kNumberTextSize);
}

} // namespace ui
