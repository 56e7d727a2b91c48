// The dividing head every page indexes with: the one chosen on the
// dividing-head page, whose choice and plates live in the settings file.
#pragma once

#include <string>
#include <vector>

#include "core/settings/ini_document.h"

namespace workshop {

struct DividingHead {
  std::string name;
  int ratio = 0;              ///< crank turns per spindle turn; 0 when unknown
  std::vector<int> circles;   ///< the hole circles of its plates, in the file's order
  std::vector<int> gears;     ///< its change gears, for differential indexing
};

/// The head `name` with the settings' worm ratio, its plates and change gears.
DividingHead head_named(const settings::IniDocument& settings, const std::string& name);

/// The head chosen last (".:last").
DividingHead selected_head(const settings::IniDocument& settings);

} // namespace workshop
