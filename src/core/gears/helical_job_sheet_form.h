// The job sheet of a helical gear: on one page what a machinist needs to mill
// it on a universal mill with a dividing head. The gear and its blank, the
// form cutter, the lead with the change gears in their places, the idlers,
// the table's swivel, the indexing, and the sizes to check. Every number
// comes from the page's form. Pure: no toolkit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/gears/helical_gear_form.h"
#include "core/gears/spur_job_sheet_form.h"

namespace gears {

/// The sheet for the page's inputs, dated `date`; nothing without a gear.
std::optional<std::vector<JobSheetRow>> helical_job_sheet(const HelicalGearFormInput& input,
                                                          const std::string& date,
                                                          const JobSheetText& text);

} // namespace gears
