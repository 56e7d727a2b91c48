// Installs the language's print-dialog texts into Fl_Printer.
#include "ui/print_strings.h"

#include <FL/Fl_Printer.H>

#include <array>
#include <deque>
#include <string>

#include "i18n/string_table.h"

namespace ui {

namespace {

// The toolkit's text each slot replaces; "selection" and "collate" have no
// text in this toolkit version.
std::array<const char**, i18n::kPrintStringCount> toolkit_texts() {
  return {&Fl_Printer::dialog_title,
          &Fl_Printer::dialog_printer,
          &Fl_Printer::dialog_range,
          &Fl_Printer::dialog_copies,
          &Fl_Printer::dialog_all,
          &Fl_Printer::dialog_pages,
          &Fl_Printer::dialog_from,
          &Fl_Printer::dialog_to,
          &Fl_Printer::dialog_properties,
          &Fl_Printer::dialog_copyNo,
          &Fl_Printer::dialog_print_button,
          &Fl_Printer::dialog_cancel_button,
          &Fl_Printer::dialog_print_to_file,
          &Fl_Printer::property_title,
          &Fl_Printer::property_pagesize,
          &Fl_Printer::property_mode,
          &Fl_Printer::property_use,
          &Fl_Printer::property_save,
          &Fl_Printer::property_cancel,
          nullptr,
          nullptr};
}

} // namespace

namespace {
// The toolkit builds its print panel once and keeps pointing at the texts it
// was given, so every text handed to it must live until the program ends,
// also after a language switch has freed the table it came from.
const char* lasting_copy(const std::string& text) {
  static std::deque<std::string> kept;
  for (const std::string& old : kept)
    if (old == text)
      return old.c_str();
  kept.push_back(text);
  return kept.back().c_str();
}
} // namespace

void install_print_dialog_strings(const i18n::StringTable& strings) {
  static std::array<const char*, i18n::kPrintStringCount> toolkit_defaults{};
  static bool defaults_saved = false;
  auto texts = toolkit_texts();
  if (!defaults_saved) {
    for (size_t slot = 0; slot < texts.size(); ++slot)
      toolkit_defaults[slot] = texts[slot] ? *texts[slot] : nullptr;
    defaults_saved = true;
  }
  for (size_t slot = 0; slot < texts.size(); ++slot) {
    if (!texts[slot])
      continue;
    const std::string& text = strings.print_string(static_cast<int>(slot));
    *texts[slot] = text.empty() ? toolkit_defaults[slot] : lasting_copy(text);
  }
}

} // namespace ui
