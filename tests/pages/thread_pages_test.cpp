// The thread pages' wiring, driven with real keys and clicks: each series
// or form reaches the page's form and its results show; units, settings,
// help, restore, the sketch.
#include "support/page_scenario.h"

#include "app/all_pages.h"
#include "pages/threads/thread_wires_sketch.h"

using namespace testing_support;
using ThreadSeriesPageTest = PageAloneTest<threads::ThreadSeriesPage>;

// Series: 0 BA, 1 Whitworth, 2 ISO metric, 3 Unified, 4 Unified numbered.
TEST_F(ThreadSeriesPageTest, EachSeriesArrangesItsEntryAndTheControlsReachTheForm) {
  run(w().series, "=3", w().fractional, "~on", w().percent, "=75", w().diameter, "~focus",
      w().series, "#0", w().diameter, "~hidden", w().numbered_tpi, "~shown", w().size_number, "=6",
      w().numbered_pitch, "=0.531", w().series, "#4", w().pitch, "~focus", w().series, "#2",
      w().fraction, "~hidden", w().pitch, "@249",
      // 1/4-20 Unified with 75 % engagement; a typed diameter empties the fraction:
      w().series, "#3", w().pitch, "20", w().over, "1", w().under, "4", w().diameter, "=0.25",
      w().reference_inch, "=0.244", w().major_mm, "=6.35", w().drill_inch, "=0.209", w().drill_mm,
      "=5.32", w().percent, "30", w().diameter, "0.25", w().over, "=");
  EXPECT_STREQ(w().drill_engagements->text(1), "57.74%"); // 7/32 in, 13/64 in is over 30 %
  // None of the drill series ticked is told.
  run(w().metric, "click", w().metric, "click", w().fractional, "click", w().drill_inch, "=0.234");
  EXPECT_EQ(dialogs.alerts, Texts{fake.lang_or(281, "")});
  // An engagement that can't be read stays as typed, drills nothing, and
  // comes back so after a restart.
  run(w().percent, "-", w().drill_inch, "=", w().percent, "=-");
  restart();
  run(w().percent, "=-", w().drill_inch, "=");
}

TEST_F(ThreadSeriesPageTest, RestartRestoresTheSeriesBeforeItsDrillAndSizeAndListsScrollTogether) {
  run(w().percent, "80", w().series, "#1", w().percent, "=80", w().diameter, "0.25", w().pitch,
      "20");
  restart(); // 0.25 - 1.280654 x 0.05 x 0.8 = 0.1988; with 1.082532 it would be 0.2067.
  run(w().drill_inch, "=0.199", w().diameter, "~focus", w().series, "#0", w().size_number, "#3");
  restart();
  run(w().series, "=0", w().size_number, "=3", w().major_mm, "=4.1", w().percent, "~focus",
      w().series, "#3", w().number, "click", w().metric, "click", w().diameter, "0.25", w().pitch,
      "20");
  ASSERT_EQ(w().drill_names->size(), 8); // more than the lists show
  settle();
  w().drill_names->scrollbar.value(static_cast<int>(w().drill_names->scrollbar.maximum()));
  w().drill_names->scrollbar.do_callback();
  EXPECT_GT(w().drill_engagements->position(), 0);
  EXPECT_EQ(w().drill_names->position(), w().drill_engagements->position());
}

using ThreadWiresPageTest = PageAloneTest<threads::ThreadWiresPage>;

// Forms: 0 metric, 1 Unified, 2 Whitworth.
TEST_F(ThreadWiresPageTest, FormsUnitsRestartAndSketch) {
  run(w().forms[1], "~on", w().inch, "~on", w().tpi, "~focus", w().major_label, "@193", w().result,
      "@201", w().sizes_caption, "@197", w().forms[2], "click", w().tpi, "20", w().major, "0.25",
      w().wire, "0.03", w().sizes[0], "=0.027", w().sizes[1], "=0.0282", w().sizes[2], "=0.038",
      w().result, "=0.2649",
      // A form change empties the page, kept lengths included.
      w().forms[1], "click", w().wire, "=", w().tpi, "~focus",
      // The fraction writes the major diameter: 0.375 - 0.0947188 + 0.108.
      w().tpi, "16", w().wire, "0.036", w().fraction_over, "3", w().fraction_under, "8", w().major,
      "=0.375", w().result, "=0.3883",
      // Both unit buttons rewrite the lengths from what was typed and relabel:
      // 0.38828125 x 25.4 = 9.86234.
      unit_button(), "click", w().millimetre, "~on", w().major, "=9.525",
      w().result, "=9.862", w().major_label, "@202", w().result, "@204", w().sizes_caption, "@203",
      w().inch, "click", w().major, "=0.3750", w().sizes_caption, "@194",
      // Metric, in mm: 16 - 1.5155 x 2 + 3 x 1.155
      w().forms[0], "click", w().millimetre, "~on", w().metric_pitch, "2", w().major, "16",
      w().wire, "1.155");
  restart();
  run(w().metric_pitch, "~focus", w().tpi, "~inactive", w().fraction_group, "~hidden", w().result,
      "=16.434");
  Rendered image = render_widget(w().sketch);        // 172 x 105, centre line 52:
  EXPECT_EQ(pixel(image, 170, 52), (Rgb{0, 0, 0}));  // right end of the rod, after 16 turns
  EXPECT_EQ(pixel(image, 80, 76), (Rgb{255, 0, 0})); // the lower wire
  EXPECT_EQ(pixel(image, 80, 19), (Rgb{0, 0, 255})); // the measuring face
}
