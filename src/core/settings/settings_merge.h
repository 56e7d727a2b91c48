// Two programs running in one folder share the settings file. Each one puts
// only what it changed itself over the file as it is on disk at that moment,
// so neither undoes the other's choices.
#pragma once

#include "core/settings/ini_document.h"

namespace settings {

/// Applies to `file` (the settings as just read from disk) what changed from
/// `before` (what this program last read or wrote) to `after` (what it holds
/// now): keys set or changed, and keys removed. Keys the program did not
/// touch keep the file's values. A section the file no longer has comes back
/// whole, so a dividing head never reappears without its name; the chosen
/// head and its worm ratio are always written together.
void apply_changes(const IniDocument& before, const IniDocument& after, IniDocument& file);

} // namespace settings
