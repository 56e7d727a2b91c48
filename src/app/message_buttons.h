// The toolkit's message boxes (alerts and questions) show their buttons in
// the user's language: "Close", "Yes" and "No" come from the "local:" texts
// of the language file; their title and the result fields' Copy from the
// numbered texts.
#pragma once

namespace i18n {
class StringTable;
}

namespace app {

/// Points the toolkit's message-box button texts at the table's; a text the
/// table lacks (no language loaded, or a key missing) keeps the toolkit's
/// own English. Run again whenever the table changes.
void install_message_buttons(const i18n::StringTable& strings);

} // namespace app
