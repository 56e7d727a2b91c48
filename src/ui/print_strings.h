// The print dialog speaks the user's language: its texts are replaced by the
// "local:" texts of the language file just before the dialog opens.
#pragma once

class Fl_Printer;

namespace i18n {
class StringTable;
}

namespace ui {

/// Puts the table's texts into the toolkit's print-dialog texts; a text the
/// language file lacks shows the toolkit's own (English) wording. Each text
/// keeps one place for the whole run, so a dialog the toolkit built in an
/// earlier language shows the new texts too.
void install_print_dialog_strings(const i18n::StringTable& strings);

/// Opens the print dialog in the table's language, offering `pages` pages,
/// and starts a job whose pages are counted as they are drawn (the printed
/// file states the true count at its end): 0 when the user chose to print,
/// as Fl_Printer::start_job. While the dialog is open, its texts that the
/// toolkit offers no variable for ("Selection", "Collate") are relabelled as
/// well.
int start_print_job(Fl_Printer& printer, int pages, const i18n::StringTable& strings);

} // namespace ui
