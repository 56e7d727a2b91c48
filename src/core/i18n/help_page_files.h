// The files the help view reads on a page's word: the page itself, the pages
// it links to and its pictures. A device or a pipe would stall the view for
// good, a huge file would eat the memory, and a picture from outside the
// language folder is none of the help's business; such files are refused
// without ever being read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/i18n/help_page_check.h"

namespace i18n {

/// The text of the help page at `path`, or nullopt when it is no plain file
/// of at most kMaxHelpPageBytes. The file is opened without waiting, so a
/// pipe can't block, and judged by what was opened.
std::optional<std::string> read_help_page(const std::string& path);

/// The file a picture of a page in `page_dir` names, as the view finds it:
/// relative to the page's folder, "file:" dropped, %XX decoded; "" for a web
/// address.
std::string help_image_path(const std::string& src, const std::string& page_dir);

/// Whether `path`, links followed, is a plain file inside `language_dir` of
/// at most kMaxHelpImageBytes.
bool is_help_image_allowed(const std::string& path, const std::string& language_dir);

/// kImage when a picture of the page is not allowed, otherwise kNone.
HelpPageFault check_help_images(std::string_view html, const std::string& page_dir,
                                const std::string& language_dir);

} // namespace i18n
