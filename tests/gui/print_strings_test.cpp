// The print dialog's texts follow the language file.
#include <gtest/gtest.h>

#include <FL/Fl_Printer.H>

#include "ui/print_strings.h"
#include "i18n/string_table.h"

TEST(PrintStrings, LanguageTextsReplaceTheDialogTextsAndGapsKeepTheToolkits) {
  const char* toolkit_printer = Fl_Printer::dialog_printer;
  settings::IniDocument doc;
  doc.add_section(".");
  doc.set(".:0", "x");
  doc.set("local:title", "Drucken");
  doc.set("local:cancel_button", "Abbrechen");
  doc.set("local:cancel", "Zurück");
  auto table = i18n::StringTable::from_document(doc);
  ui::install_print_dialog_strings(table);
  EXPECT_STREQ(Fl_Printer::dialog_title, "Drucken");
  EXPECT_STREQ(Fl_Printer::dialog_cancel_button, "Abbrechen");
  EXPECT_STREQ(Fl_Printer::property_cancel, "Zurück");
  EXPECT_EQ(Fl_Printer::dialog_printer, toolkit_printer);
}

TEST(PrintStrings, TextsOutliveTheTableTheyCameFrom) {
  // The toolkit keeps pointing at the texts after a language switch has
  // freed the old table.
  {
    settings::IniDocument doc;
    doc.set("local:title", "Imprimir");
    auto table = i18n::StringTable::from_document(doc);
    ui::install_print_dialog_strings(table);
  }
  std::string(1000, 'x'); // reuse the freed memory
  EXPECT_STREQ(Fl_Printer::dialog_title, "Imprimir");
  settings::IniDocument none;
  ui::install_print_dialog_strings(i18n::StringTable::from_document(none));
}
