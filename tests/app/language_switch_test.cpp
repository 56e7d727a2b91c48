// The language button with one other language installed: it is taken at
// once, the windows and the message boxes speak it, the page stays.
#include "support/gui_test.h"

#include "app/main_window.h"
#include "ui/dialogs.h"

using namespace testing_support;

class LanguageSwitchTest : public AppTest {};

// The next window to come up, a modal loop of its own, as its title, size
// and widgets; it is then closed without an answer.
std::vector<std::string> next_window(const std::function<void()>& open) {
  static std::vector<std::string> seen;
  Fl::add_timeout(0.3, [](void*) {
    Fl_Window* window = Fl::first_window();
    seen = {window->label() ? window->label() : "",
            std::to_string(window->w()) + "x" + std::to_string(window->h())};
    for (const std::string& line : layout(window))
      seen.push_back(line);
    window->hide();
  });
  open();
  return seen;
}

TEST_F(LanguageSwitchTest, TheOnlyOtherLanguageIsTakenAtOnceAndThePageStays) {
  install_language(dir.path(), "es");
  dir.write_file(kSettings, small_settings("en"));
  app::App& a = start_app();
  EXPECT_STREQ(fl_close, "Close");
  click(a.main_frame()->nav_button(9));
  click(a.main_frame()->language_button());
  settle(); // the switch runs once the button's callback has returned

  EXPECT_EQ(a.current_language(), "es");
  EXPECT_TRUE(dialogs.language_offers.empty()); // one other language: no window
  EXPECT_STREQ(a.main_frame()->nav_button(1)->label(), "Segmento circular y cuerda");
  EXPECT_EQ(a.main_frame()->shown_page(), 9);
  EXPECT_EQ(a.main_frame()->nav_button(9)->labelcolor(), FL_RED);
  EXPECT_NE(dir.read_file(kSettings).find("language                       = es"),
            std::string::npos);
  EXPECT_EQ(next_window([] { fl_alert("-"); })[0], "Calculadora de taller");
  // Asked before any language is loaded, too: in each shipped language. The
  // flags stand two to a row in the scroll area.
  EXPECT_EQ(
      next_window([] {
        ui::FltkDialogs().choose_language({{"de", "", "de"}, {"fr", "", "fr"}, {"it", "", "it"}});
      }),
      (std::vector<std::string>{"Language / Sprache / Idioma", "315x465", "25,25 272x393",
                                "45,36 90x53 de 14/0/0", "162,36 90x53 fr 14/0/0",
                                "45,100 90x53 it 14/0/0",
                                "111,423 100x38 X 36/" + std::to_string(FL_RED) + "/3"}));
  EXPECT_STREQ(fl_close, "Cerrar");
  EXPECT_STREQ(fl_yes, "Sí");
  EXPECT_STREQ(fl_no, "No");
}

// At a first start each flag carries its language's own name; Enter or Space picks a flag
// only once the user has moved to one (Tab from the first flag goes to the second).
TEST_F(LanguageSwitchTest, FlagsAreNamedInTheirLanguageAndEnterWaitsForAMove) {
  install_language(dir.path(), "de");
  install_language(dir.path(), "es");
  dialogs.language_answers.push_back(2);
  start_app();
  ASSERT_EQ(dialogs.language_offers.size(), 1u);
  std::vector<std::string> labels;
  for (const ui::LanguageOption& option : dialogs.language_offers[0])
    labels.push_back(option.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"Deutsch", "English", "Español"}));
  keys_for_next_menu({FL_Enter, ' ', FL_Tab, FL_Enter});
  EXPECT_EQ(ui::FltkDialogs().choose_language(dialogs.language_offers[0]), 1);
}
