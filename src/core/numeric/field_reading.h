// How a number field reads what is typed in it: the reading rules its range
// rule implies, the number the page computes with, and what the field says
// when the text can't be used. Pure: the kit's checked fields apply it.
#pragma once

#include <functional>
#include <string>

#include "core/i18n/text_id.h"
#include "core/numeric/input_rules.h"
#include "core/numeric/typed_number.h"

namespace numeric {

/// The reading rules of a field of `kind` (an InputKind): whole numbers in
/// the integer kinds, a minus sign only in the signed ones; `unit` for a
/// length field, `angle` for an angle field (which takes no unit).
TypedNumberRules typed_rules(int kind, FieldUnit unit, bool angle);

/// The number a page computes with: a plain number as typed (a comma as a
/// point), the value of anything else ("1 1/4" -> "1.25"), nothing while the
/// text can't be read.
std::string used_number_text(const std::string& typed, const TypedNumber& reading);

/// A language entry by name; nullptr when the language file lacks it.
using TextLookup = std::function<const char*(i18n::TextId)>;

/// What the field says about its text, "" when its number is used: why the
/// text can't be read, or the range ("1 <=> 50") for a value outside it or
/// not whole. A text not yet finished ("1/") is wrong only once the user is
/// `done` with it (the field left, Enter).
std::string field_problem(const std::string& typed, const TypedNumber& reading,
                          const RangeRule& rule, bool done, const TextLookup& lang);

} // namespace numeric
