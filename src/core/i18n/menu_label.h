// The label of a menu item that shows a language entry. A choice menu tells
// its items apart by position only, so every entry keeps its item: a text
// missing from the language file shows a placeholder naming the entry
// instead of vanishing (which would shift every later item onto another
// meaning), and the characters the toolkit draws specially are doubled so
// the text shows as written.
#pragma once

#include <string>

namespace i18n {

/// `text` with '&' (shortcut mark) and '@' (symbol) doubled; a null or empty
/// text gives "(missing text <entry>)".
std::string menu_item_label(const char* text, int entry);

} // namespace i18n
