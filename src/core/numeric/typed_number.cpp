#include "core/numeric/typed_number.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <tuple>

namespace numeric {

namespace {

// A value kept as a fraction of 64-bit integers while every step stays
// exact; once a step would overflow it goes on as a double.
struct Quantity {
  bool exact = true;
  long long n = 0;
  long long d = 1;
  double approx = 0;

  double value() const { return exact ? static_cast<double>(n) / static_cast<double>(d) : approx; }
};

Quantity inexact(double v) { return {false, 0, 1, v}; }

Quantity exact(long long n, long long d) {
  if (n == LLONG_MIN || d == LLONG_MIN)
    return inexact(static_cast<double>(n) / static_cast<double>(d));
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const long long g = std::gcd(n, d);
  return g > 1 ? Quantity{true, n / g, d / g, 0} : Quantity{true, n, d, 0};
}

Quantity add(const Quantity& a, const Quantity& b, int sign) {
  long long ad = 0, bn = 0, bc = 0, bd = 0, sum = 0;
  if (a.exact && b.exact && !__builtin_mul_overflow(a.n, b.d, &ad) &&
      !__builtin_mul_overflow(b.n, sign, &bn) && !__builtin_mul_overflow(bn, a.d, &bc) &&
      !__builtin_mul_overflow(a.d, b.d, &bd) && !__builtin_add_overflow(ad, bc, &sum))
    return exact(sum, bd);
  return inexact(a.value() + sign * b.value());
}

Quantity multiply(const Quantity& a, const Quantity& b) {
  long long n = 0, d = 0;
  if (a.exact && b.exact && !__builtin_mul_overflow(a.n, b.n, &n) &&
      !__builtin_mul_overflow(a.d, b.d, &d))
    return exact(n, d);
  return inexact(a.value() * b.value());
}

Quantity reciprocal(const Quantity& a) {
  return a.exact ? exact(a.d, a.n) : inexact(1.0 / a.approx);
}

bool is_zero(const Quantity& a) { return a.exact ? a.n == 0 : a.approx == 0; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// One read through the text: a recursive descent that stops at the first
// fault. `unfinished` marks a text that ends where more was needed.
class Reader {
public:
  Reader(const std::string& text, const TypedNumberRules& rules) : s_(text), rules_(rules) {}

  std::optional<Quantity> whole_text() {
    std::optional<Quantity> q = sum();
    if (q && fault_ == TypedFault::kNone && !unfinished_) {
      skip_blanks();
      if (i_ < s_.size())
        return refuse_here();
    }
    return fault_ != TypedFault::kNone || unfinished_ ? std::nullopt : q;
  }

  TypedFault fault() const { return fault_; }
  bool unfinished() const { return unfinished_; }
  std::string near() const { return near_; }

private:
  bool at_end() const { return i_ >= s_.size(); }
  bool starts(const char* word) const { return s_.compare(i_, std::string(word).size(), word) == 0; }
  void skip_blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t'))
      ++i_;
  }

  std::nullopt_t refuse(TypedFault fault) {
    if (fault_ == TypedFault::kNone)
      fault_ = fault;
    return std::nullopt;
  }
  // The character the reading stopped at (one UTF-8 character).
  std::nullopt_t refuse_here() {
    std::size_t length = 1;
    while (i_ + length < s_.size() && (static_cast<unsigned char>(s_[i_ + length]) & 0xC0) == 0x80)
      ++length;
    near_ = s_.substr(i_, length);
    return refuse(TypedFault::kUnexpected);
  }
  std::nullopt_t needs_more() {
    unfinished_ = true;
    return std::nullopt;
  }

  std::optional<Quantity> sum() {
    std::optional<Quantity> total = product();
    while (total) {
      skip_blanks();
      const int sign = at_end() ? 0 : s_[i_] == '+' ? 1 : s_[i_] == '-' ? -1 : 0;
      if (sign == 0)
        break;
      ++i_;
      const std::optional<Quantity> next = product();
      if (!next)
        return std::nullopt;
      total = add(*total, *next, sign);
    }
    return total;
  }

  // The signs of times and of division, as one byte or as UTF-8.
  int product_sign() {
    if (at_end())
      return 0;
    for (const auto& [sign, length, kind] : {std::tuple{"*", 1, 1}, {"x", 1, 1}, {"X", 1, 1},
                                             {"\xC3\x97", 2, 1}, {"/", 1, -1},
                                             {"\xC3\xB7", 2, -1}})
      if (starts(sign)) {
        i_ += static_cast<std::size_t>(length);
        return kind;
      }
    return 0;
  }

  std::optional<Quantity> product() {
    std::optional<Quantity> total = signed_factor();
    while (total) {
      skip_blanks();
      const int kind = product_sign();
      if (kind == 0)
        break;
      std::optional<Quantity> next = signed_factor();
      if (!next)
        return std::nullopt;
      if (kind < 0 && is_zero(*next))
        return refuse(TypedFault::kDivisionByZero);
      total = multiply(*total, kind < 0 ? reciprocal(*next) : *next);
    }
    return total;
  }

  std::optional<Quantity> signed_factor() {
    skip_blanks();
    if (!at_end() && s_[i_] == '-') {
      if (!rules_.negative)
        return refuse(TypedFault::kNegative);
      ++i_;
      std::optional<Quantity> q = signed_factor();
      return q ? std::optional(multiply(*q, exact(-1, 1))) : std::nullopt;
    }
    return factor();
  }

  std::optional<Quantity> factor() {
    skip_blanks();
    if (at_end())
      return needs_more();
    std::optional<Quantity> q;
    if (s_[i_] == '(') {
      if (++depth_ > kDeepestTyped)
        return refuse(TypedFault::kTooDeep);
      ++i_;
      q = sum();
      if (!q)
        return std::nullopt;
      skip_blanks();
      if (at_end())
        return needs_more();
      if (s_[i_] != ')')
        return refuse_here();
      ++i_;
      --depth_;
    } else if (is_digit(s_[i_]) || s_[i_] == '.' || (s_[i_] == ',' && !rules_.whole)) {
      q = quantity();
      if (!q)
        return std::nullopt;
    } else {
      return refuse_here();
    }
    return with_unit(*q);
  }

  // Digits with at most one decimal mark; nothing when there are none.
  std::optional<Quantity> decimal(bool* had_mark = nullptr) {
    const std::size_t start = i_;
    std::string digits;
    std::size_t decimals = 0;
    bool mark = false;
    for (; i_ < s_.size(); ++i_) {
      const char c = s_[i_];
      if (is_digit(c)) {
        digits += c;
        decimals += mark ? 1 : 0;
      } else if ((c == '.' || (c == ',' && !rules_.whole)) && !mark) {
        // A comma in a count is a thousands mark to many: "1,000" must not read as 1.
        mark = true;
      } else {
        break;
      }
    }
    if (had_mark)
      *had_mark = mark;
    if (digits.empty()) {
      i_ = start;
      return std::nullopt;
    }
    const std::size_t lead = digits.find_first_not_of('0');
    const std::string significant = lead == std::string::npos ? "0" : digits.substr(lead);
    // Exact while numerator and denominator are whole doubles (below 2^53),
    // so that a plain number reads as the nearest double, as strtod gives it.
    if (significant.size() <= 15 && decimals <= 15) {
      long long d = 1;
      for (std::size_t k = 0; k < decimals; ++k)
        d *= 10;
      return exact(std::strtoll(significant.c_str(), nullptr, 10), d);
    }
    std::string text = digits;
    if (decimals > 0)
      text.insert(text.size() - decimals, ".");
    return inexact(std::strtod(text.c_str(), nullptr));
  }

  // "5/16" written as one: digits, a slash, digits. Leaves the position
  // where it was when the text is no such fraction.
  std::optional<Quantity> fraction_after(std::size_t at, bool* zero) {
    const std::size_t start = i_;
    i_ = at;
    bool mark = false;
    std::optional<Quantity> over = decimal(&mark);
    if (over && !mark && !at_end() && s_[i_] == '/' && i_ + 1 < s_.size() && is_digit(s_[i_ + 1])) {
      ++i_;
      std::optional<Quantity> under = decimal(&mark);
      if (under && !mark) {
        *zero = is_zero(*under);
        return *zero ? *under : multiply(*over, reciprocal(*under));
      }
    }
    i_ = start;
    return std::nullopt;
  }

  // A number, a fraction, or a whole number and a fraction after a blank or
  // directly after a '-' ("1 1/4", "2-3/8": thread sizes are written so).
  std::optional<Quantity> quantity() {
    const std::size_t start = i_;
    bool zero = false;
    if (std::optional<Quantity> f = fraction_after(start, &zero))
      return zero ? refuse(TypedFault::kDivisionByZero) : f;
    bool mark = false;
    std::optional<Quantity> whole = decimal(&mark);
    if (!whole)
      return refuse_here();
    if (mark)
      return whole;
    std::size_t after = i_;
    if (after < s_.size() && s_[after] == '-') {
      ++after;
    } else {
      while (after < s_.size() && (s_[after] == ' ' || s_[after] == '\t'))
        ++after;
      if (after == i_)
        return whole;
      // "1 1" and "1 1/" may still become "1 1/4".
      std::size_t k = after;
      while (k < s_.size() && is_digit(s_[k]))
        ++k;
      if (k > after && (k == s_.size() || (s_[k] == '/' && k + 1 == s_.size())))
        return needs_more();
    }
    if (std::optional<Quantity> f = fraction_after(after, &zero))
      return zero ? refuse(TypedFault::kDivisionByZero) : std::optional(add(*whole, *f, 1));
    return whole;
  }

  std::optional<Quantity> with_unit(const Quantity& q) {
    skip_blanks();
    FieldUnit typed = FieldUnit::kNone;
    if (starts("mm")) {
      typed = FieldUnit::kMm;
      i_ += 2;
    } else if (starts("inch") || starts("in")) {
      typed = FieldUnit::kInch;
      i_ += starts("inch") ? 4 : 2;
    } else if (starts("\"")) {
      typed = FieldUnit::kInch;
      i_ += 1;
    } else if (i_ + 1 == s_.size() && (s_[i_] == 'm' || s_[i_] == 'i')) {
      return needs_more();
    } else if (starts("\xC2\xB0") && rules_.angle) {
      i_ += 2; // a degree sign after a number of degrees
      return q;
    } else {
      return q;
    }
    if (rules_.unit == FieldUnit::kNone)
      return refuse(TypedFault::kNoUnitHere);
    if (typed == rules_.unit)
      return q;
    return multiply(q, typed == FieldUnit::kInch ? exact(127, 5) : exact(5, 127));
  }

  const std::string& s_;
  const TypedNumberRules& rules_;
  std::size_t i_ = 0;
  int depth_ = 0;
  TypedFault fault_ = TypedFault::kNone;
  bool unfinished_ = false;
  std::string near_;
};

bool is_plain(const std::string& text, bool negative) {
  std::size_t i = 0;
  if (negative && i < text.size() && text[i] == '-')
    ++i;
  bool digit = false, mark = false;
  for (; i < text.size(); ++i) {
    if (is_digit(text[i]))
      digit = true;
    else if ((text[i] == '.' || text[i] == ',') && !mark)
      mark = true;
    else
      return false;
  }
  return digit;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Degrees, minutes and seconds: two or three numbers apart by blanks, colons
// or the signs ° ' " (′ ″ too), only the last with decimals. Nothing when the
// text is not of that form; `bad` when a minute or second is 60 or more.
std::optional<double> dms_angle(const std::string& text, bool negative, bool* bad) {
  const bool minus = negative && !text.empty() && text[0] == '-';
  std::string spaced;
  for (std::size_t i = minus ? 1 : 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ':' || c == '\'' || c == '"' || c == ' ' || c == '\t') {
      spaced += ' ';
    } else if (text.compare(i, 2, "\xC2\xB0") == 0) {
      spaced += ' ';
      ++i;
    } else if (text.compare(i, 3, "\xE2\x80\xB2") == 0 || text.compare(i, 3, "\xE2\x80\xB3") == 0) {
      spaced += ' ';
      i += 2;
    } else if (is_digit(c) || c == '.' || c == ',') {
      spaced += c;
    } else {
      return std::nullopt;
    }
  }
  double parts[3] = {0, 0, 0};
  int count = 0;
  std::size_t i = 0;
  while (i < spaced.size()) {
    while (i < spaced.size() && spaced[i] == ' ')
      ++i;
    if (i == spaced.size())
      break;
    const std::size_t start = i;
    while (i < spaced.size() && spaced[i] != ' ')
      ++i;
    const std::string part = spaced.substr(start, i - start);
    if (count == 3 || !is_plain(part, false))
      return std::nullopt;
    std::string point = part;
    for (char& c : point)
      c = c == ',' ? '.' : c;
    parts[count++] = std::strtod(point.c_str(), nullptr);
  }
  if (count < 2)
    return std::nullopt;
  for (int k = 0; k + 1 < count; ++k) // decimals only in the last part
    if (std::floor(parts[k]) != parts[k])
      return std::nullopt;
  *bad = parts[1] >= 60 || parts[2] >= 60;
  const double degrees = parts[0] + parts[1] / 60 + parts[2] / 3600;
  return minus ? -degrees : degrees;
}

TypedNumber refused(TypedFault fault, std::string near = "") {
  TypedNumber out;
  out.state = TypedState::kRefused;
  out.fault = fault;
  out.near = std::move(near);
  return out;
}

} // namespace

TypedNumber read_typed_number(const std::string& text, const TypedNumberRules& rules) {
  if (text.size() > kLongestTyped)
    return refused(TypedFault::kTooLong);
  const std::string t = trimmed(text);
  if (t.empty())
    return {};
  TypedNumber out;
  out.plain = is_plain(t, rules.negative);
  double value = 0;
  bool bad_angle = false;
  if (const std::optional<double> angle = rules.angle ? dms_angle(t, rules.negative, &bad_angle) : std::nullopt) {
    if (bad_angle)
      return refused(TypedFault::kBadAngle);
    value = *angle;
  } else {
    Reader reader(t, rules);
    const std::optional<Quantity> q = reader.whole_text();
    if (reader.fault() != TypedFault::kNone)
      return refused(reader.fault(), reader.near());
    if (!q || reader.unfinished()) {
      out.state = TypedState::kUnfinished;
      return out;
    }
    if (rules.whole && !(q->exact ? q->d == 1 : std::floor(q->approx) == q->approx))
      return refused(TypedFault::kNotWhole);
    value = q->value();
  }
  if (!std::isfinite(value) || std::fabs(value) > kLargestTyped)
    return refused(TypedFault::kTooLarge);
  if (value < 0 && !rules.negative)
    return refused(TypedFault::kNegative);
  out.state = TypedState::kNumber;
  out.value = value == 0 ? 0.0 : value; // no minus zero
  return out;
}

std::string typed_value_text(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.')
    text.pop_back();
  return text == "-0" ? "0" : text;
}

} // namespace numeric
