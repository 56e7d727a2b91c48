// Reading the kinds of value a page keeps in State.ini, apart from the
// widgets they end up in: an index into a group of buttons or a choice, a
// check mark, a spinner value. A hand-edited or damaged file must never give
// a widget a value it can't show.
#pragma once

#include <optional>
#include <string>

#include "core/settings/ini_document.h"

namespace settings {

/// The index stored under `key` (0 when the key is missing) when it names one
/// of `count` items; nullopt otherwise (also for any index when `count` <= 0).
std::optional<int> read_state_index(const IniDocument& state, const std::string& key, int count);

/// A check mark: set when the stored number is not 0 (default: not set).
bool read_state_check(const IniDocument& state, const std::string& key);

/// A spinner value: the stored number (`fallback` when missing or not finite)
/// kept within `lowest` ... `highest`.
double read_state_spinner(const IniDocument& state, const std::string& key, double fallback,
                          double lowest, double highest);

/// How a spinner value is written ("%g").
std::string spinner_value_text(double value);

} // namespace settings
