// Choice menus built from language texts: every entry keeps its item, so an
// item's place is its meaning whatever the language file holds. All menus are
// filled by one routine, so a few pages stand for the rest.
#include "gui/support/gui_test.h"

#include "app/all_pages.h"

using namespace testing_support;

class MenuTextsTest : public AppTest {};

TEST_F(MenuTextsTest, MissingTextsKeepTheirItemsAndTextsShowAsWritten) {
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
