// The tapers page driven with real keys and clicks: each way of giving a
// taper reaches the form, the set-up and the measurements show, the Units
// button converts in place; a standard taper fills the fields, is found
// again from them, prints, comes back after a restart, and typing over it
// makes the taper the user's own.
#include "pages/workshop/taper_page.h"

#include <FL/Fl_Browser.H>

#include "core/settings/ini_document.h"
#include "support/page_scenario.h"
#include "support/postscript.h"

using namespace testing_support;
using namespace workshop;

using TaperPageTest = PageAloneTest<TaperPage>;

TEST_F(TaperPageTest, EachFormSetUpAndMeasurementReachTheForm) {
  const TaperWidgets& t = w();
  // 1.2 in/ft: t = 0.1, half angle atan 0.05 = 2.8624°, 87.1376° from the cross slide.
  run(t.value_label, "@931", t.value, "1.2", t.per_unit, "=0.1", t.ratio, "=10.0", t.half, "=2.8624",
      t.compound, "=2.8624", t.cross_slide, "=87.1376", t.large, "~hidden");
  run(t.given, "#2", t.value_label, "@934", t.value, "10", t.per_foot, "=1.2");
  // Angles take degrees and minutes: 30°15' is 24 tan 30.25° = 13.99639 in/ft.
  run(t.given, "#4", t.value_label, "@936", t.value, "30 15", t.per_foot, "=13.99639");
  run(t.given, "#0", t.value, "1.2");
  // 6 in of work: 0.1 x 6 / 2 = 0.3, more than 6 / 50.
  run(t.work_length, "6", t.setover, "=0.3", t.setover_warning, "@947");
  // Over 0.5 in rolls: 2.612 at 1 and 2.812 at 3 give 1.2 in/ft; the
  // diameters 2.612 - 0.5 (1 + 1 / cos 2.8624°) = 1.6114 and 1.8114.
  run(t.roll, "0.5", t.m1, "2.612", t.h1, "1", t.h2, "3", t.expected_m2, "=2.812", t.m2, "2.812",
      t.rolls_half, "=2.8624", t.rolls_per_foot, "=1.2", t.rolls_d1, "=1.6114", t.rolls_d2, "=1.8114");
  // Balls 0.5 and 0.75 with their tops 2 and 0.5 deep: sin α = 0.125 / 1.375.
  run(t.ball1, "0.5", t.depth1, "2", t.ball2, "0.75", t.depth2, "0.5", t.bore_half, "=5.2159",
      t.bore_top, "=0.9129");
  // Millimetres: the lengths convert, the taper stays 1.2 in/ft.
  run(t.mm, nullptr, t.work_length, "=152.4", t.setover, "=7.62", t.per_unit_label, "@933",
      t.attachment_label, "@949", t.attachment, "=5.0", t.per_foot, "=1.2");
  run(t.help, nullptr);
  EXPECT_EQ(fake.help_asked, std::vector{ui::HelpTopic::kTaper});
}

TEST_F(TaperPageTest, AStandardTaperFillsPrintsComesBackAndTypingMakesItOwn) {
  const TaperWidgets& t = w();
  // Item 5: the Morse submenu's fourth, Morse 3. Found again within the
  // 0.002 in/ft the page starts with.
  run(t.standard, "#5", t.given, "=5", t.large, "=0.938", t.small, "=0.778", t.length, "=3.18752",
      t.per_foot, "=0.60235", t.value, "~hidden");
  EXPECT_EQ(lines_of(w().matches), (Texts{"Standard tapers that match:", "Morse 3  0.60235"}));
  const std::string ps = printed_to_file(dir.path() + "/taper.ps", [&t] { click(t.print); });
  for (const char* text : {"Taper set-up", "Morse 3", "0.60235 in/ft", "0.938 inch"})
    EXPECT_TRUE(contains(printed_texts(ps), text)) << text;
  restart();
  run(w().standard, "=5", w().large, "=0.938", w().small, "0.77", w().standard, "=0");
  // Metric 80 (item 35): only its large end is known, so it is given as 1:20.
  run(w().standard, "#35", w().given, "=2", w().value, "=20", w().large, "~hidden",
      w().per_foot, "=0.6");
  // A State.ini from before the page: its tolerance is the one it starts with.
  run(w().tolerance, "0.01");
  page().load_state(settings::IniDocument{});
  run(w().tolerance, "=0.002", w().standard, "=0", w().value, "=");
}
