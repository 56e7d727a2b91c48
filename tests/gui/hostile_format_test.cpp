// Language texts that the program fills in with numbers come from files
// anyone can edit. A text whose conversions don't match what the program
// passes ("%s%s%n", or "%s" where a number goes) must be shown as it
// stands, never handed to printf.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <functional>
#include <string>

#include "app/main_window.h"
#include "calc/gears/spur_gear_page.h"
#include "calc/gears/worm_gear_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

namespace {

class HostileFormatTest : public AppTest {
public:
  // Replaces entry `entry` of the installed English file by `text`.
  void install_text(int entry, const std::string& text) {
    std::string file = dir.read_file("language/en/en.ini");
    const std::string key = "\n" + std::to_string(entry) + " = ";
    const size_t start = file.find(key);
    ASSERT_NE(start, std::string::npos);
    const size_t end = file.find('\n', start + 1);
    file.replace(start + key.size(), end - start - key.size(), text);
    dir.write_file("language/en/en.ini", file);
  }

  // The spur gear's measurement across teeth: DP 10, 20 teeth measures
  // across 4 teeth (3 pitches).
  std::string spur_span_line() {
    click(app->main_frame()->nav_button(10));
    auto& w = static_cast<gears::SpurGearPage*>(app->page(10))->widgets();
    click(w.systems[1]);
    retype(w.pitch_value, "10");
    retype(w.teeth, "20");
    return w.span_text->value();
  }

  // The worm wheel's warning: 24 teeth are too few at 20°.
  std::string worm_tooth_warning() {
    click(app->main_frame()->nav_button(13));
    auto& w = static_cast<gears::WormGearPage*>(app->page(13))->widgets();
    click(w.angles[2]);
    type_text(w.teeth, "24");
    press_key(FL_Enter); // the count is complete
    return dialogs.alerts.size() == 1 ? dialogs.alerts[0]
                                      : "(" + std::to_string(dialogs.alerts.size()) + " alerts)";
  }
};

TEST_F(HostileFormatTest, MismatchedConversionsAreShownLiterally) {
  struct Case {
    int entry;
    const char* text;
    std::string (HostileFormatTest::*shown)();
    const char* normal; ///< how the shipped text begins once formatted: the path is reached
  };
  const Case cases[] = {
      {315, "%s%s%n", &HostileFormatTest::spur_span_line, "Measure across 4 teeth (3 pitches)"},
      {315, "%s teeth (%s)", &HostileFormatTest::spur_span_line, nullptr},
      {315, "%d teeth (%d) %d", &HostileFormatTest::spur_span_line, nullptr},
      {338, "%s%s%n", &HostileFormatTest::worm_tooth_warning,
       "Too few teeth for this pressure angle.\n\nFor 24 teeth use at least "},
      {338, "%c%cFor %d teeth use at least %d.", &HostileFormatTest::worm_tooth_warning, nullptr},
      {338, "%d", &HostileFormatTest::worm_tooth_warning, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.entry) + " = " + c.text);
    stop_app();
    dialogs.alerts.clear();
    copy_language_files(dir.path()); // the shipped texts again
    if (c.normal) {
      start_app();
      EXPECT_EQ((this->*c.shown)().rfind(c.normal, 0), 0u);
      stop_app();
      dialogs.alerts.clear();
    }
    install_text(c.entry, c.text);
    start_app();
    EXPECT_EQ((this->*c.shown)(), c.text);
  }
}

} // namespace
