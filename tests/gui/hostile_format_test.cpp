// Language texts that the program fills in with numbers come from files
// anyone can edit. A text whose conversions don't match what the program
// passes ("%s%s%n", or "%d" where a text goes) must be shown as it stands,
// never handed to printf.
#include "gui/support/gui_test.h"

#include "app/main_window.h"
#include "app/all_pages.h"

using namespace testing_support;

class HostileFormatTest : public AppTest {};

// Two texts filled in with numbers, each read back where the user sees it: the
// shipped text is formatted, a hostile one shown as written. Which texts are
// formatted has its own table; these show both places use that check.
TEST_F(HostileFormatTest, MismatchedConversionsAreShownLiterally) {
  // The spur gear's measurement across teeth: DP 10, 20 teeth measures
  // across 3 teeth (2 pitches).
  auto spur_span_line = [this]() -> std::string {
    click(app->main_frame()->nav_button(10));
    auto& w = static_cast<gears::SpurGearPage*>(app->page(10))->widgets();
    click(w.systems[1]);
    retype(w.pitch_value, "10");
    retype(w.teeth, "20");
    return w.span_text->value();
  };
  // The worm wheel's warning: 24 teeth are too few at 20°.
  auto worm_tooth_warning = [this]() -> std::string {
    click(app->main_frame()->nav_button(13));
    auto& w = static_cast<gears::WormGearPage*>(app->page(13))->widgets();
    click(w.angles[2]);
    type_text(w.teeth, "24");
    press_key(FL_Enter); // the count is complete
    return dialogs.alerts.size() == 1 ? dialogs.alerts[0] : "(not one alert)";
  };
  const std::tuple<int, std::function<std::string()>, std::string> cases[] = {
      {315, spur_span_line, "Measure across 3 teeth (2 pitches)"},
      {338, worm_tooth_warning,
       "Too few teeth for this pressure angle.\n\nFor 24 teeth use at least "}};
  const std::string shipped = dir.read_file("language/en/en.ini");
  for (const auto& [entry, shown, normal] : cases) {
    const size_t from = shipped.find(" = ", shipped.find("\n" + std::to_string(entry) + " = ")) + 3;
    for (const char* text : {"", "%s%s%n"}) {
      SCOPED_TRACE(std::to_string(entry) + " = " + text);
      std::string file = shipped;
      if (*text)
        file.replace(from, file.find('\n', from) - from, text);
      dir.write_file("language/en/en.ini", file);
      stop_app();
      dialogs.alerts.clear();
      start_app();
      EXPECT_EQ(shown().substr(0, *text ? std::string::npos : normal.size()),
                *text ? text : normal);
    }
  }
}
