// What the dividing-head page shows for the head and the number typed: the
// result list, whether Calculate is offered, and, for a number no circle of
// the head divides, the pointer to differential indexing when the head's
// change gears can do it. The list follows every change of its inputs, so it
// never shows the answer to an earlier question.
#pragma once

#include <string>
#include <vector>

#include "core/workshop/dividing_head_calc.h"

namespace workshop {

struct DividingHeadFormInput {
  std::string divisions; ///< as typed
  int ratio = 0;
  std::vector<int> head_plates;
  std::vector<int> other_plates; ///< the known circles the head lacks
  std::vector<int> gears;        ///< the head's change gears
};

/// The texts of the list that come from the language file.
struct DividingHeadTexts {
  IndexingTexts indexing;
  std::string differential_can; ///< the line saying that differential indexing can
  std::string differential_for; ///< the next line, naming A with one "%d"
  std::string no_ratio;         ///< why a head without a worm ratio indexes nothing,
  std::string no_ratio_hint;    ///< and how to name it so that it has one
};

struct DividingHeadForm {
  bool calculate = false; ///< a number of divisions that can be searched
  std::vector<std::string> lines;
  /// The number to open differential indexing with; 0 hides its button.
  long differential = 0;
};

DividingHeadForm dividing_head_form(const DividingHeadFormInput& input,
                                    const DividingHeadTexts& texts);

} // namespace workshop
