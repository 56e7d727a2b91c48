// Milling a helix on a universal mill: the table's lead screw turns the
// dividing head's worm through change gears, so the work turns once while
// the table travels the lead. With gears of equal size the table travels the
// machine lead, the lead screw's lead times the head's worm ratio (0.25 in x
// 40 = 10 in); a train whose driven gears over its driving gears make
// lead / machine lead cuts the lead wanted. Pure: no toolkit.
#pragma once

#include <cstddef>
#include <vector>

namespace gears {

/// The lead cut with gears of equal size, in the unit of `lead_screw_lead`.
double machine_lead(double lead_screw_lead, int worm_ratio);

/// One train of one or two pairs. For two pairs the gears sit, from the
/// table to the head: drivers[0] on the lead screw, driven[0] first on the
/// stud, drivers[1] second on the stud, driven[1] on the worm; one pair has
/// its driver on the lead screw and its driven gear on the worm.
struct LeadTrain {
  std::vector<int> drivers;
  std::vector<int> driven;
  double lead = 0.0;          ///< the lead the train cuts, in the unit of the machine lead
  double error = 0.0;         ///< lead cut minus lead wanted
  double error_percent = 0.0; ///< of the lead wanted
  bool exact = false;
};

/// The trains from `gears` (each gear used at most as often as the set holds
/// it) for `wanted_lead` on a machine of `machine_lead`: the exact ones first,
/// one pair before two, then the closest, nearest first, one train per ratio,
/// at most `most` in all. Empty when the leads or the set give nothing.
std::vector<LeadTrain> lead_trains(double wanted_lead, double machine_lead,
                                   const std::vector<int>& gears, std::size_t most = 8);

} // namespace gears
