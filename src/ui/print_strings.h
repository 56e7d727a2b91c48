// The print dialog speaks the user's language: its texts are replaced by the
// "local:" texts of the language file just before the dialog opens.
#pragma once

namespace i18n {
class StringTable;
}

namespace ui {

/// Points the toolkit's print-dialog texts at the table's texts; a text the
/// language file lacks keeps the toolkit's own (English) wording.
/// The texts are copied into storage that lasts until exit.
void install_print_dialog_strings(const i18n::StringTable& strings);

} // namespace ui
