// Gear trains as texts: "driver>driven" per pair ("20>18 18>20"), with the
// ratio and the error after them where the test reads those too.
#pragma once

#include <string>
#include <vector>

#include "core/gears/gear_ratio_calc.h"

inline std::string train(const gears::RatioResult& result) {
  std::string text;
  for (size_t k = 0; k < static_cast<size_t>(result.pair_count()); ++k)
    text += (k ? " " : "") + result.driver_text[k] + ">" + result.driven_text[k];
  return text;
}

inline std::vector<std::string> trains(const gears::ResultList& results, bool with_ratio = false) {
  std::vector<std::string> texts;
  for (const gears::RatioResult& r : results)
    texts.push_back(train(r) + (with_ratio ? " " + r.ratio_text + " " + r.error_text : ""));
  return texts;
}
