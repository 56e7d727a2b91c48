// The print dialog's texts follow the language file.
#include <gtest/gtest.h>

#include <FL/Fl_Printer.H>

#include "i18n/string_table.h"
#include "ui/print_strings.h"

TEST(PrintStrings, LanguageTextsReplaceTheDialogTextsGapsKeepTheToolkitsAndOutliveTheTable) {
  const char* toolkit_printer = Fl_Printer::dialog_printer;
  {
    settings::IniDocument doc;
    for (auto [key, text] : {std::pair{"local:title", "Drucken"},
                             {"local:cancel_button", "Abbrechen"},
                             {"local:cancel", "Zurück"}})
      doc.set(key, text);
    ui::install_print_dialog_strings(i18n::StringTable::from_document(doc));
  }
  std::string(1000, 'x'); // reuse the freed table's memory
  EXPECT_STREQ(Fl_Printer::dialog_title, "Drucken");
  EXPECT_STREQ(Fl_Printer::dialog_cancel_button, "Abbrechen");
  EXPECT_STREQ(Fl_Printer::property_cancel, "Zurück");
  EXPECT_EQ(Fl_Printer::dialog_printer, toolkit_printer);
  settings::IniDocument none;
  ui::install_print_dialog_strings(i18n::StringTable::from_document(none));
}
