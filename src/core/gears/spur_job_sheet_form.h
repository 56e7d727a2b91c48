// The job sheet of a spur gear: on one page what a machinist needs to cut
// it on a mill with a dividing head. The gear and its blank, the form
// cutter, the indexing on the selected head, and the sizes to check it by
// (the span and the measurement over pins). Every number comes from the
// formulas of the gear, over-pins and dividing-head pages. Pure: no toolkit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/gears/spur_gear_form.h"

namespace gears {

/// The dividing head the sheet indexes with.
struct JobSheetHead {
  std::string name;
  int ratio = 0;
  std::vector<int> circles;
  std::vector<int> gears; ///< change gears for differential indexing
};

/// One line of the sheet: a label and up to three values in columns. A
/// heading starts a part of the sheet.
struct JobSheetRow {
  std::string label;
  std::vector<std::string> values;
  bool heading = false;
  bool operator==(const JobSheetRow& other) const {
    return label == other.label && values == other.values && heading == other.heading;
  }
};

/// The text of a string-table entry ("" when the language lacks it).
using JobSheetText = std::function<std::string(i18n::TextId)>;

/// A sentence as rows of a sheet: `label` beside its first line, the other
/// lines under it, so that one long value doesn't shrink the whole sheet.
std::vector<JobSheetRow> sentence_rows(const std::string& label, const std::string& sentence);

/// Whether the fields make a gear whose sheet shows every size: a module of
/// 1e-10 makes a gear, but a sheet of zeros at the sheet's places.
bool job_sheet_shows_sizes(const SpurGearFormInput& gear);

/// The sheet for the gear of `gear` (as the page's fields hold it), indexed
/// on `head`, dated `date`; nothing when the fields make no gear or one
/// too small for the sheet's places.
std::optional<std::vector<JobSheetRow>> spur_job_sheet(const SpurGearFormInput& gear,
                                                       const JobSheetHead& head,
                                                       const std::string& date,
                                                       const JobSheetText& text);

} // namespace gears
