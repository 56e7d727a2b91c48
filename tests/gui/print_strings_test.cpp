// The print dialog's texts follow the language file, also after a switch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Printer.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "i18n/string_table.h"
#include "ui/print_strings.h"

namespace {

i18n::StringTable language(const std::string& code) {
  settings::IniDocument doc;
  settings::IniDocument::load(TOOLROOM_LANGUAGE_DIR "/" + code + "/" + code + ".ini", doc);
  return i18n::StringTable::from_document(doc);
}

std::vector<std::string> seen; // the open dialog's texts, window title first

void collect(Fl_Widget& widget) {
  if (widget.label())
    seen.push_back(widget.label());
  if (auto* choice = dynamic_cast<const Fl_Choice*>(&widget))
    for (int i = 0; i < choice->size(); ++i)
      if (const char* item = choice->text(i))
        seen.push_back(item);
  if (Fl_Group* group = widget.as_group())
    for (int i = 0; i < group->children(); ++i)
      collect(*group->child(i));
}

// Opens the dialog, notes its texts as it shows them and cancels it.
std::vector<std::string> dialog_texts(const i18n::StringTable& strings) {
  seen.clear();
  Fl::add_timeout(0.2, [](void*) {
    if (Fl_Window* dialog = Fl::modal()) {
      collect(*dialog);
      dialog->hide();
    }
  });
  Fl_Printer printer;
  EXPECT_NE(ui::start_print_job(printer, 1, strings), 0); // cancelled
  return seen;
}

bool shows(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(PrintStrings, TheDialogSpeaksTheLanguageOfEachPrintAlsoAfterASwitch) {
  struct Case {
    const char* code;
    std::vector<std::string> present, absent;
  };
  const Case cases[] = {
      {"de", {"Drucken", "Drucker:", "Alles", "Auswahl", "Sortieren", "Abbrechen"}, {"Selection"}},
      {"es",
       {"Imprimir", "Impresora:", "Todas", "Selección", "Intercalar", "Cancelar",
        "Imprimir a un archivo"},
       {"Drucken", "Auswahl", "Sortieren", "Abbrechen", "Collate"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const std::vector<std::string> texts = dialog_texts(language(c.code));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), c.present.front()); // the window title
    for (const std::string& text : c.present)
      EXPECT_TRUE(shows(texts, text)) << text;
    for (const std::string& text : c.absent)
      EXPECT_FALSE(shows(texts, text)) << text;
  }
  EXPECT_STREQ(Fl_Printer::dialog_title, "Imprimir");
  EXPECT_STREQ(Fl_Printer::property_title, "Propiedades de la impresora");
}

TEST(PrintStrings, LanguageTextsReplaceTheDialogTextsGapsKeepTheToolkitsAndOutliveTheTable) {
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
  EXPECT_STREQ(Fl_Printer::dialog_printer, "Printer:"); // the toolkit's own
  settings::IniDocument none;
  ui::install_print_dialog_strings(i18n::StringTable::from_document(none));
}
