// Help pages are HTML files that translators edit by hand. The toolkit's
// HTML view crashes or stalls on some absurd values (a cell spanning 100000
// columns, a 2,000,000,000-pixel image, a word of 300,000 letters), so a
// page is checked before it is shown; one that fails is not handed over.
#pragma once

#include <string>
#include <string_view>

namespace i18n {

enum class HelpPageFault {
  kNone,
  kSpan,    ///< a colspan or rowspan beyond kMaxHelpSpan
  kSize,    ///< a width or height beyond kMaxHelpPixels
  kLongRun, ///< a word, or a line of preformatted text, beyond kMaxHelpRun
};

constexpr long kMaxHelpSpan = 100;
constexpr long kMaxHelpPixels = 10000;
constexpr size_t kMaxHelpRun = 10000;

/// The first thing in `html` that the view can't take, or kNone.
HelpPageFault check_help_page(std::string_view html);

/// A file path as the view may be given it: '%' and '#' written as %25 and
/// %23, because the view reads whatever follows a '#' as an anchor.
std::string escape_help_path(std::string_view path);
/// The path again, with every %XX turned back into its character.
std::string unescape_help_path(std::string_view uri);

} // namespace i18n
