// The print dialog's texts follow the language file, also after a switch; a
// text the file lacks shows the toolkit's own.
#include "support/gui_test.h"

#include "core/i18n/string_table.h"
#include "ui/print_strings.h"

namespace {

std::vector<std::string> seen; // the open dialog's texts, window title first

// Opens the dialog in a language, notes its texts as it shows them, cancels.
std::vector<std::string> dialog_texts(const std::string& code) {
  settings::IniDocument doc;
  settings::IniDocument::load(TOOLROOM_LANGUAGE_DIR "/" + code + "/" + code + ".ini", doc);
  seen.clear();
  Fl::add_timeout(0.2, [](void*) {
    testing_support::for_each_widget(Fl::modal(), [](Fl_Widget* w) {
      if (w->label())
        seen.push_back(w->label());
    });
    Fl::modal()->hide();
  });
  Fl_Printer printer;
  EXPECT_NE(ui::start_print_job(printer, 1, i18n::StringTable::from_document(doc)), 0);
  return seen;
}

} // namespace

TEST(PrintStrings, TheDialogSpeaksTheLanguageOfEachPrintAfterASwitchToo) {
  EXPECT_EQ(dialog_texts("de").at(0), "Drucken");
  const std::vector<std::string> es = dialog_texts("es");
  EXPECT_EQ(es.at(0), "Imprimir"); // the window title
  for (const char* text : {"Impresora:", "Todas", "Selección", "Intercalar", "Cancelar"})
    EXPECT_EQ(std::count(es.begin(), es.end(), text), 1) << text;
  for (const char* text : {"Drucken", "Auswahl", "Sortieren", "Abbrechen", "Selection", "Collate"})
    EXPECT_EQ(std::count(es.begin(), es.end(), text), 0) << text;
  EXPECT_STREQ(Fl_Printer::property_title, "Propiedades de la impresora"); // the table is gone
  settings::IniDocument none;
  ui::install_print_dialog_strings(i18n::StringTable::from_document(none));
  EXPECT_STREQ(Fl_Printer::dialog_printer, "Printer:");
}
