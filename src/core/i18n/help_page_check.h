// Help pages are HTML files that translators edit by hand. The toolkit's
// HTML view crashes or stalls on some absurd values (a cell spanning 100000
// columns, a row of 1000 cells, a cell spanning 0 columns, 30000 nested
// tables, a 2,000,000,000-pixel image, a word of 300,000 letters), so a
// page is checked before it is shown; one that fails is not handed over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace i18n {

enum class HelpPageFault {
  kNone,
  kSpan,    ///< a colspan or rowspan beyond kMaxHelpSpan
  kSize,    ///< a width or height beyond kMaxHelpPixels
  kLongRun, ///< a word, or a line of preformatted text, beyond kMaxHelpRun
  kRow,     ///< a table row wider than kMaxHelpRowColumns, or tables nested deeper than
            ///< kMaxHelpTableDepth
  kPage,    ///< a page larger than kMaxHelpPageBytes, or not a plain file
  kImage, ///< a picture that is no plain file of the language folder, or beyond kMaxHelpImageBytes
};

constexpr long kMaxHelpSpan = 100;
constexpr long kMaxHelpPixels = 10000;
constexpr size_t kMaxHelpRun = 10000;
// The view keeps the widths of 200 columns per table and writes past them
// when a row has more; half of that is more than any help table needs.
constexpr long kMaxHelpRowColumns = 100;
// Every table rescans the rest of its enclosing tables: 1000 nested tables
// take the view a second, 30000 hours.
constexpr int kMaxHelpTableDepth = 20;
constexpr size_t kMaxHelpPageBytes = 1 << 20;
constexpr long long kMaxHelpImageBytes = 4 << 20;

/// The first thing in `html` that the view can't take, or kNone.
HelpPageFault check_help_page(std::string_view html);

/// The src of every <img> tag, as the view reads it.
std::vector<std::string> help_page_images(std::string_view html);

/// A file path as the view may be given it: '%' and '#' written as %25 and
/// %23, because the view reads whatever follows a '#' as an anchor.
std::string escape_help_path(std::string_view path);
/// The path again, with every %XX turned back into its character.
std::string unescape_help_path(std::string_view uri);

} // namespace i18n
