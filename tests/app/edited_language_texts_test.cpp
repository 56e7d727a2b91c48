// Language files anyone can edit. Choice menus keep an item for every entry,
// so an item's place is its meaning whatever the file holds; texts filled in
// with numbers whose conversions don't match what the program passes ("%s%s%n",
// or "%d" where a text goes) are shown as they stand, never handed to printf.
#include "support/gui_test.h"

#include "app/all_pages.h"
#include "app/main_window.h"

using namespace testing_support;

class EditedLanguageTextsTest : public AppTest {};

// All menus are filled by one routine, so a few pages stand for the rest.

TEST_F(EditedLanguageTextsTest, MissingTextsKeepTheirItemsAndTextsShowAsWritten) {
  // New texts for the installed English entries; "" deletes the line.
  // clang-format off
  const std::map<int, std::pair<std::string, std::string>> texts = {
      {275, {"", "(missing text 275)"}}, {276, {"", "(missing text 276)"}},
      {117, {"", "(missing text 117)"}}, {33, {"R/c", "R/c"}},
      {118, {"Male 1/2 lower & @ up", "Male 1/2 lower && @@ up"}}};
  // clang-format on
  std::string file = dir.read_file("language/en/en.ini");
  for (const auto& [entry, text] : texts) {
    const std::string key = "\n" + std::to_string(entry) + " = ";
    const size_t start = file.find(key);
    ASSERT_NE(start, std::string::npos) << entry;
    file.replace(start, file.find('\n', start + 1) - start,
                 text.first.empty() ? "" : key + text.first);
  }
  dir.write_file("language/en/en.ini", file);
  start_app();
  auto* thread = static_cast<threads::ThreadSeriesPage*>(app->page(8));
  const std::pair<Fl_Choice*, std::vector<int>> menus[] = {
      {thread->widgets().series, {273, 274, 275, 276, 277, 278, 279}},
      {static_cast<workshop::DovetailPage*>(app->page(4))->widgets().clearance_kind,
       {117, 118, 119, 120}},
      {static_cast<geometry::CircleSegmentPage*>(app->page(1))->widgets().known,
       {29, 30, 31, 33, 34, 35, 32, 36, 37, 38}},
  };
  for (const auto& [menu, entries] : menus) {
    std::vector<std::string> expected, items;
    for (int entry : entries)
      expected.push_back(texts.count(entry) ? texts.at(entry).second : app->lang(entry));
    for (int i = 0; i + 1 < menu->size(); ++i)
      items.push_back(menu->text(i));
    EXPECT_EQ(items, expected);
  }
  // The seventh series is the metric 60° thread, however many texts are missing.
  thread->widgets().series->value(6);
  thread->widgets().series->do_callback();
  EXPECT_EQ(thread->series_index(), 7);
  EXPECT_STREQ(thread->widgets().pitch->label(), app->lang(249));
}

// Two texts filled in with numbers, each read back where the user sees it: the
// shipped text is formatted, a hostile one shown as written. Which texts are
// formatted has its own table; these show both places use that check.
TEST_F(EditedLanguageTextsTest, MismatchedConversionsAreShownLiterally) {
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
