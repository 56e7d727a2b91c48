// Thin widget wrappers over the number text rules: read a field, write a
// computed number into a field, move a field between units, read whole plus
// fraction. The rules themselves live in numeric/number_text.h.
#pragma once

#include <array>
#include <string>

class Fl_Input_;
class Fl_Spinner;

namespace ui {

class CheckedInput;

/// Three fields: degrees, minutes, seconds.
using DmsFields = std::array<Fl_Input_*, 3>;

/// Writes a text the program gives a field and scrolls the field to its
/// start, unless the user is typing in it.
void show_text(Fl_Input_* field, const char* text);
void show_text(Fl_Input_* field, const std::string& text);

/// The number a field holds as the page computes with it: a number field's
/// number_text() (the value of "1 1/4"), any other field's text.
std::string field_number_text(const Fl_Input_* field);
double field_double(const Fl_Input_* field);
long field_long(const Fl_Input_* field);

/// "%.*f" with `precision` decimals and the display rule.
void set_field_fixed(Fl_Input_* field, int precision, double value);
/// Empty below 0.0001, otherwise "%f" with the display rule.
void set_field_plain(double value, Fl_Input_* field);

double read_dms_fields(const DmsFields& triple);
void write_dms_fields(const DmsFields& triple, double value);
void write_dms_fields_nonzero(const DmsFields& triple, double value);
void write_dms_fields_from_text(const std::string& text, const DmsFields& triple);

/// Writes the text a unit change gives a field, unless the field still shows
/// what the opposite change wrote: then it gets back the text it had.
void set_converted_text(Fl_Input_* field, const std::string& text, bool to_metric);
/// In-place unit change of a checked length field (its rule gives the kind).
void convert_field_inch_to_mm(Fl_Input_* field);
void convert_field_mm_to_inch(Fl_Input_* field);

/// Writes whole + over/under into `out` as a decimal and runs `out`'s
/// routine, which finds it composed().
void fraction_to_decimal_field(CheckedInput* out, const Fl_Input_* whole, const Fl_Input_* over,
                               const Fl_Input_* under);

/// Rewrites an integer field's text as a plain whole number.
void normalise_unsigned_field(Fl_Input_* field);

/// True while the field callback now running comes from typing: a key other
/// than Enter, or a paste. Leaving the field, Enter and everything else mean
/// the user is done with the value, so a floor or a warning may apply.
bool still_typing();

/// A spinner normally takes a typed value only on Enter or when it loses the
/// focus; the precision spinners must recompute on every key.
void report_every_change(Fl_Spinner* spinner);

/// Gives a spinner's text field the size of a number field.
void limit_spinner_text(Fl_Spinner* spinner);

} // namespace ui
