#include "core/numeric/field_reading.h"

#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"

namespace numeric {

TypedNumberRules typed_rules(int kind, FieldUnit unit, bool angle) {
  TypedNumberRules rules;
  rules.unit = angle ? FieldUnit::kNone : unit;
  rules.angle = angle;
  rules.negative = kind == kSignedInt || kind == kSignedDecimal || kind == kFilteredDecimal;
  rules.whole = kind == kUnsignedInt || kind == kSignedInt;
  return rules;
}

std::string used_number_text(const std::string& typed, const TypedNumber& reading) {
  if (reading.state != TypedState::kNumber)
    return "";
  if (!reading.plain)
    return typed_value_text(reading.value);
  std::string text;
  for (char c : typed)
    if (c != ' ' && c != '\t')
      text += c == ',' ? '.' : c;
  return text;
}

namespace {

i18n::TextId fault_entry(TypedFault fault) {
  switch (fault) {
  case TypedFault::kDivisionByZero:
    return texts::kTypedDivisionByZero;
  case TypedFault::kNegative:
    return texts::kTypedNegative;
  case TypedFault::kTooLarge:
    return texts::kTypedTooLarge;
  case TypedFault::kTooLong:
    return texts::kTypedTooLong;
  case TypedFault::kTooDeep:
    return texts::kTypedTooDeep;
  case TypedFault::kNoUnitHere:
    return texts::kTypedNoUnitHere;
  case TypedFault::kBadAngle:
    return texts::kTypedBadAngle;
  default:
    return texts::kTypedUnexpected;
  }
}

} // namespace

std::string field_problem(const std::string& typed, const TypedNumber& reading,
                          const RangeRule& rule, bool done, const TextLookup& lang) {
  const auto text = [&](i18n::TextId entry) {
    const char* t = lang(entry);
    return std::string(t ? t : "?");
  };
  switch (reading.state) {
  case TypedState::kEmpty:
    return "";
  case TypedState::kUnfinished:
    return done ? text(texts::kTypedUnfinished) : "";
  case TypedState::kNumber:
    return out_of_range(rule, used_number_text(typed, reading)) ? range_message_text(rule) : "";
  case TypedState::kRefused:
    break;
  }
  if (reading.fault == TypedFault::kNotWhole)
    return range_message_text(rule);
  if (reading.fault == TypedFault::kUnexpected)
    return i18n::checked_format(text(texts::kTypedUnexpected), "s", reading.near.c_str());
  return text(fault_entry(reading.fault));
}

} // namespace numeric
