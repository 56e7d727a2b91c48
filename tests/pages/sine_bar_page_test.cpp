// The sine-bar page driven with real keys and clicks: the modes reach the
// form and the stack shows; a common length switches the unit; the set
// editor makes a set of the user's own, refuses what is no block or no name,
// and the page stacks from it; a restart brings the chosen set back.
#include "pages/workshop/sine_bar_page.h"

#include <FL/Fl_Browser.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Spinner.H>

#include "core/settings/ini_document.h"
#include "pages/workshop/gauge_set_window.h"
#include "support/page_scenario.h"
#include "support/postscript.h"

using namespace testing_support;
using namespace workshop;

using SineBarPageTest = PageAloneTest<SineBarPage>;

TEST_F(SineBarPageTest, ModesReachTheFormAndTheStackShows) {
  const SineBarWidgets& s = w();
  // A 5 in bar and the 81-piece set to start with; 60° is 4.3301 in, four blocks.
  see({s.length, s.angle, s.height}, {"5", "", "hidden"});
  run(s.angle, "60", s.height_result, "=4.3301", s.count, "=4 blocks", s.warning, "=");
  EXPECT_EQ(s.blocks->size(), 4);
  // The set-up printed on one sheet: the blocks in the order to wring them.
  const std::string ps =
      printed_to_file(dir.path() + "/sine.ps", [&s] { click(s.print); });
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  for (const char* text : {"Sine bar set-up", "81-piece inch", "4.3301 inch", "4.000 inch", "Sine bar and gauge blocks"})
    EXPECT_TRUE(contains(printed_texts(ps), text)) << text;
  run(s.angle, "60.5", s.warning, "@909");
  // From a height: 2.6124 in is 31.4988° (31° 29' 55.5").
  run(s.height_to_angle, nullptr, s.height, "2.6124", s.angle_result, "=31.4988",
      s.angle_dms, "=31°29'55.5\"", s.angle, "~hidden", s.nearest, "~hidden");
  // 0.0505 in: no stack, the nearest heights instead.
  run(s.height, "0.0505", s.nearest, "~shown", s.count, "=");
  EXPECT_EQ(s.blocks->size(), 0);
  run(s.help, nullptr);
  EXPECT_EQ(fake.help_asked, std::vector{ui::HelpTopic::kSineBar});
}

TEST_F(SineBarPageTest, ACommonLengthOfTheOtherUnitSwitchesThePage) {
  const SineBarWidgets& s = w();
  run(s.common_lengths, "#2", s.mm, "~on", s.length, "=100", s.angle, "30", s.height_result, "=50.0");
  run(s.common_lengths, "#1", s.inch, "~on", s.length, "=10", s.height_result, "=5");
}

TEST_F(SineBarPageTest, TheEditorMakesASetThePageStacksFrom) {
  const SineBarWidgets& s = w();
  run(s.edit_sets, nullptr);
  GaugeSetWindow* editor = page().set_window();
  ASSERT_TRUE(editor && editor->window()->shown());
  const GaugeSetWidgets& e = editor->widgets();
  auto* copies = static_cast<Fl_Input_*>(e.count->child(0));
  run(e.new_set, nullptr, e.name, "Mine\n", e.size, "1", copies, "2", e.add, nullptr);
  EXPECT_EQ(e.blocks->nitems(), 2);
  EXPECT_EQ(fake.settings().get_string("gauge block sets:set 1 block 1.000"), "2");
  EXPECT_EQ(fake.settings().get_string("gauge block sets:set 1 name"), "Mine");
  // What is no block, or a name another set has, is said and not stored.
  run(e.size, "abc", e.add, nullptr, e.message, "@925", e.name, "81-piece inch\n", e.message, "@921");
  EXPECT_EQ(fake.settings().get_string("gauge block sets:set 1 name"), "Mine");
  // A set with blocks goes only when the user says so.
  dialogs.answers = {false};
  run(e.delete_set, nullptr);
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Delete the set \"Mine\" and its blocks?"});
  EXPECT_EQ(e.sets->size(), 1);
  run(e.close, nullptr);
  // The page lists it after the program's sets and stacks 2 in from it.
  ASSERT_EQ(s.set->size(), 4); // three sets and the menu's end
  run(s.set, "#2", s.angle, "23.5782");
  EXPECT_EQ(s.blocks->size(), 2);
  restart(); // a new page: its own widgets
  run(w().set, "=2", w().count, "=2 blocks");
}
