// A checked field's text as a form model reads it: what is typed, and
// whether the field shows it red (out of its range), which a form counts
// as a value the user hasn't finished mending.
#pragma once

#include <string>

namespace geometry {

struct TypedText {
  std::string text;
  bool out_of_range = false;
};

} // namespace geometry
