// Language texts that the program fills in with numbers come from files
// anyone can edit. A text whose conversions don't match what the program
// passes ("%s%s%n", or "%d" where a text goes) must be shown as it stands,
// never handed to printf.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include "app/main_window.h"
#include "calc/gears/spur_gear_page.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"

using namespace testing_support;

class HostileFormatTest : public AppTest {};

// The spur gear's measurement across teeth: DP 10, 20 teeth measures across
// 4 teeth (3 pitches). The shipped text is formatted, a hostile one shown as
// written; the rules for which texts are formatted have their own table.
TEST_F(HostileFormatTest, MismatchedConversionsAreShownLiterally) {
  const std::string shipped = dir.read_file("language/en/en.ini");
  const size_t from = shipped.find(" = ", shipped.find("\n315 = ")) + 3;
  for (const char* text : {"", "%s%s%n"}) {
    SCOPED_TRACE(text);
    std::string file = shipped;
    if (*text)
      file.replace(from, file.find('\n', from) - from, text);
    dir.write_file("language/en/en.ini", file);
    stop_app();
    start_app();
    click(app->main_frame()->nav_button(10));
    auto& w = static_cast<gears::SpurGearPage*>(app->page(10))->widgets();
    click(w.systems[1]);
    retype(w.pitch_value, "10");
    retype(w.teeth, "20");
    const std::string normal = "Measure across 4 teeth (3 pitches)";
    EXPECT_EQ(
        std::string(w.span_text->value()).substr(0, *text ? std::string::npos : normal.size()),
        *text ? text : normal);
  }
}
