// Installs the language's button texts into FLTK's message boxes.
#include "app/message_buttons.h"

#include "ui/result_field.h"

#include <FL/fl_ask.H>

#include <array>
#include <string>

#include "core/i18n/common_texts.h"
#include "core/i18n/string_table.h"

namespace app {

namespace {

// One button text of the toolkit: where it is, its own English, and our copy
// of the language's text, which must outlive the table it came from.
struct ButtonText {
  const char** toolkit;
  const char* english;
  std::string kept;
};

} // namespace

void install_message_buttons(const i18n::StringTable& strings) {
  static std::array<ButtonText, 3> buttons = {
      {{&fl_close, fl_close, {}}, {&fl_yes, fl_yes, {}}, {&fl_no, fl_no, {}}}};
  const i18n::MessageButtons& texts = strings.message_buttons();
  const std::array<const std::string*, 3> wanted = {&texts.close, &texts.yes, &texts.no};
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i].kept = *wanted[i];
    *buttons[i].toolkit = buttons[i].kept.empty() ? buttons[i].english : buttons[i].kept.c_str();
  }
  // A message box is titled with the program's name, so it is clear whose it is.
  fl_message_title_default(strings.get(texts::kProgramName));
  // The result fields' own menu has one entry, the edit popup's Copy.
  ui::ResultField::set_copy_text(strings.get(texts::kCopy));
}

} // namespace app
