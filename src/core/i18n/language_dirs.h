// Finding the installed languages: the two-letter directories under
// <program_dir>/language, each with its flag picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace i18n {

/// Codes of the installed languages other than `current`, sorted, at most 19.
/// nullopt when the language directory can't be opened.
std::optional<std::vector<std::string>> installed_languages(const std::string& language_dir,
                                                            const std::string& current);

/// The first file in `dir` whose name contains ".gif" (sorted by name), or "".
std::string find_flag_file(const std::string& dir);

/// Whether a language code from the settings may be used in a file path:
/// 1 to 16 letters, digits, '-' or '_'.
bool is_safe_language_code(const std::string& code);

/// <program_dir>/language/<code>/<code>.ini
std::string language_file_path(const std::string& program_dir, const std::string& code);

} // namespace i18n
