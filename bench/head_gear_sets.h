// Large sets of a dividing head's change gears for the searches that use
// them: 200 gears of 12 to 400 teeth (each owned once), and the largest set
// the gear editor takes, every count from 12 to 400 four times (1556 gears).
#pragma once

#include <vector>

/// Arg 200: 200 different counts spread over 12 to 400; any other: the largest set.
inline std::vector<int> head_gears(long size) {
  std::vector<int> gears;
  if (size == 200)
    for (int i = 0; i < 200; ++i)
      gears.push_back(12 + 388 * i / 199);
  else
    for (int teeth = 12; teeth <= 400; ++teeth)
      gears.insert(gears.end(), 4, teeth);
  return gears;
}
