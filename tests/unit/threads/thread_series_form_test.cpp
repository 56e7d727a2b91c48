#include "calc/threads/thread_series_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using threads::SeriesField;

// The drill series ticked, by letter: Fractional, Number, Letter, Metric.
threads::DrillSelection drills(const std::string& ticked) {
  auto has = [&](char c) { return ticked.find(c) != std::string::npos; };
  return {has('F'), has('N'), has('L'), has('M')};
}

// The texts of a form joined by blanks: reference, major and tap drill,
// inch and mm; then each drill line as "name engagement", joined by "; ".
std::string sizes(const threads::ThreadSeriesForm& f) {
  return f.reference_inch + " " + f.reference_mm + " " + f.major_inch + " " + f.major_mm + " " +
         f.drill_inch + " " + f.drill_mm;
}
std::string drill_lines(const threads::ThreadSeriesForm& f) {
  std::string out;
  for (size_t i = 0; i < f.drill_names.size(); ++i)
    out += (i ? "; " : "") + f.drill_names[i] + " " + f.engagements[i];
  return out;
}

TEST(ThreadSeriesForm, SizesTapDrillAndDrillLists) {
  struct Case {
    int series;
    const char *diameter, *pitch, *percent;
    int size;
    const char *ticked, *sizes, *lines;
  };
  const char* const quarter = "0.244 6.2 0.25 6.35 0.209 5.32";
  const Case cases[] = {
      // 1/4-20 UNC at 75 %: s = 0.25 - 1.082532 x 0.05 x 0.75 = 0.2094; 15/64
      // would give only 28.87 %.
      {4, "0.25", "20", "75", -1, "F", quarter, "13/64 in 86.60%; 7/32 in 57.74%"},
      // 30 %: s = 0.2338, 7/32 alone.
      {4, "0.25", "20", "30", -1, "F", "0.244 6.2 0.25 6.35 0.234 5.94", "7/32 in 57.74%"},
      // Whitworth depth 1.280654 at 80 %: s = 0.25 - 0.0512 = 0.1988.
      {2, "0.25", "20", "80", -1, "F", "0.244 6.2 0.25 6.35 0.199 5.05",
       "3/16 in 97.61%; 13/64 in 73.20%"},
      // Letter drills start at 0.234, above the tap drill; metric ones don't.
      {4, "0.25", "20", "75", -1, "L", quarter, ""},
      {4, "0.25", "20", "75", -1, "M", quarter, "5.3mm 76.37%; 5.4mm 69.10%; 5.5mm 61.83%"},
      // BA 6: D = 2.8 mm, pitch 0.531441 mm (47.795 per inch).
      {1, "", "", "75", 6, "L", "0.108 2.736 0.11 2.8 0.091 2.32", ""},
      // Number 10-24, number drills merged with the fractional, most thread first.
      {5, "", "24", "75", 8, "FN", "0.185 4.7 0.19 4.83 0.156 3.97",
       "# 23 79.81%; 5/32 in 74.82%; # 22 73.16%; # 21 68.73%"},
      // M6 x 1: R = 6 - 0.12, s = 6 - 1.082532 x 0.75 = 5.188 mm; the metric
      // drills skip 5.0, so 5.1 is the largest below it.
      {3, "6", "1", "75", -1, "M", "0.231 5.88 0.236 6.0 0.204 5.19",
       "5.1mm 83.14%; 5.2mm 73.90%; 5.3mm 64.66%"},
      // Missing pitch; a numbered Unified size coarser than 20 per inch.
      {4, "0.25", "", "75", -1, "F", "     ", ""},
      {5, "", "18", "75", 8, "F", "     ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.series) + ": " + c.diameter + " " + c.pitch);
    const threads::ThreadSeriesForm f = threads::thread_series_form(
        {c.series, c.diameter, c.pitch, c.percent, c.size, drills(c.ticked)});
    EXPECT_EQ(sizes(f), c.sizes);
    EXPECT_EQ(drill_lines(f), c.lines);
    EXPECT_EQ(f.percent_written, "");
    EXPECT_FALSE(f.no_drill_series);
  }
}

TEST(ThreadSeriesForm, DefaultEngagementAndNoDrillSeries) {
  const auto none = drills("");
  threads::ThreadSeriesForm f = threads::thread_series_form({4, "0.25", "20", "", -1, none});
  EXPECT_EQ(f.percent_written, "75");
  EXPECT_EQ(f.drill_inch, "0.209");
  EXPECT_TRUE(f.drill_names.empty());
  EXPECT_TRUE(f.no_drill_series);
  // Nothing to drill, nothing to tell.
  f = threads::thread_series_form({4, "0.25", "", "75", -1, none});
  EXPECT_FALSE(f.no_drill_series);
  // BA sizes show their threads per inch and pitch: BA 6 has 0.531441 mm, BA 0 1 mm.
  f = threads::thread_series_form({1, "", "", "75", 6, none});
  EXPECT_EQ((Texts{f.numbered_tpi, f.numbered_pitch}), (Texts{"47.795", "0.531"}));
  f = threads::thread_series_form({1, "", "", "75", 0, none});
  EXPECT_EQ((Texts{f.major_mm, f.numbered_pitch}), (Texts{"6.0", "1.0"}));
}

TEST(ThreadSeriesForm, EachSeriesShowsItsEntry) {
  struct Case {
    int series;
    bool diameter, fraction, number, pitch, numbered_outputs;
    int diameter_label, pitch_label;
    size_t sizes;
    int preset;
    SeriesField chosen, shown;
  };
  const SeriesField kD = SeriesField::kDiameter, kP = SeriesField::kPitch;
  const Case cases[] = {
      {1, false, false, true, false, true, 234, 237, 17, 6, SeriesField::kSizeNumber,
       SeriesField::kPercent},
      {2, true, true, false, true, false, 236, 237, 0, -1, kD, kD},
      {3, true, false, false, true, false, 236, 249, 0, -1, kD, kD},
      {4, true, true, false, true, false, 236, 237, 0, -1, kD, kD},
      {5, false, false, true, true, false, 234, 237, 10, 8, kP, kP},
      {6, true, true, false, true, false, 236, 237, 0, -1, kD, kD},
      {7, true, false, false, true, false, 236, 249, 0, -1, kD, kD},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.series);
    const threads::SeriesLayout l = threads::thread_series_layout(c.series);
    EXPECT_EQ((std::vector<bool>{l.diameter_shown, l.fraction_shown, l.size_number_shown,
                                 l.pitch_shown, l.numbered_outputs_shown}),
              (std::vector<bool>{c.diameter, c.fraction, c.number, c.pitch, c.numbered_outputs}));
    EXPECT_EQ(l.diameter_label, c.diameter_label);
    EXPECT_EQ(l.pitch_label, c.pitch_label);
    EXPECT_EQ(l.size_names.size(), c.sizes);
    EXPECT_EQ(l.size_preset, c.preset);
    EXPECT_EQ(l.chosen_focus, c.chosen);
    EXPECT_EQ(l.shown_focus, c.shown);
  }
  EXPECT_EQ(threads::thread_series_layout(5).size_names[8], "10");
}

TEST(ThreadSeriesForm, FractionWritesTheDiameterOfInchSeriesOnly) {
  EXPECT_EQ(threads::fraction_diameter_text(4, "1", "16"), "0.0625");
  EXPECT_EQ(threads::fraction_diameter_text(2, "3", "8"), "0.375");
  EXPECT_EQ(threads::fraction_diameter_text(4, "1", ""), "");
  EXPECT_EQ(threads::fraction_diameter_text(3, "1", "4"), "");
}

} // namespace
