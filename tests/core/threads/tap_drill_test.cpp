// Tapping drills: the drill and thread tables against the published ones (one
// wrong entry anywhere shows in a sum), the drill search, tap drills worked by
// hand for every series as the page shows them, and how each series is entered.
#include "core/threads/thread_series_form.h"

#include "core/unit_test.h"

#include "core/threads/drill_tables.h"
#include "core/threads/thread_tables.h"
#include "core/geometry/text_rows.h"

using namespace threads;

namespace {

// The drill series ticked, by letter: Fractional, Number, Letter, Metric.
DrillSelection ticked(const std::string& ticked) {
  auto has = [&](char c) { return ticked.find(c) != std::string::npos; };
  return {has('F'), has('N'), has('L'), has('M')};
}

// Reference, major and tap drill (inch, mm), the BA size's threads per inch
// and pitch, joined by blanks with the empty ones at the end left out.
std::string sizes(const ThreadSeriesForm& f) {
  std::string out;
  for (const std::string* t : {&f.reference_inch, &f.reference_mm, &f.major_inch, &f.major_mm,
                               &f.drill_inch, &f.drill_mm, &f.numbered_tpi, &f.numbered_pitch})
    out += *t + " ";
  return out.erase(out.find_last_not_of(' ') + 1);
}

std::string drill_lines(const ThreadSeriesForm& f) {
  std::string out;
  for (size_t i = 0; i < f.drill_names.size(); ++i)
    out += (i ? "; " : "") + f.drill_names[i] + " " + f.engagements[i];
  return out;
}

std::string lines_of(const std::vector<DrillLine>& drills) {
  std::string out;
  for (const DrillLine& d : drills)
    out += (out.empty() ? "" : "; ") + d.name + " " + engagement_text(d.engagement);
  return out;
}

TEST(DrillTables, CountsEndsOrderAndSums) {
  // The count, the first and last name and the sum of the published sizes
  // (inches): 1 + 2 + ... + 64 = 2080 sixty-fourths; the metric sizes add up
  // to 1901.77 mm, each kept to six decimals of an inch.
  const std::tuple<DrillSeries, size_t, const char*, double> rows[] = {
      {DrillSeries::kFractional, 64, "1/64 in 1 in", 2080 / 64.0},
      {DrillSeries::kNumber, 80, "# 80 # 1", 8.2637},
      {DrillSeries::kLetter, 26, "A Z", 8.072},
      {DrillSeries::kMetric, 219, "0.32mm 25.25mm", 1901.77 / 25.4},
  };
  for (const auto& [series, count, ends, total] : rows) {
    SCOPED_TRACE(ends);
    const std::vector<Drill>& table = drills(series);
    ASSERT_EQ(table.size(), count);
    EXPECT_EQ(table.front().name + " " + table.back().name, ends);
    double sum = table[0].diameter;
    for (size_t i = 1; i < table.size(); ++i) {
      sum += table[i].diameter;
      EXPECT_LT(table[i - 1].diameter, table[i].diameter) << table[i].name;
    }
    EXPECT_NEAR(sum, total, series == DrillSeries::kMetric ? 219 * 5e-7 : 1e-9);
  }
  // 0.32 / 25.4 = 0.0125984: kept to six decimals.
  EXPECT_DOUBLE_EQ(drills(DrillSeries::kMetric)[0].diameter, 0.012598);
  const std::vector<int> metric = metric_drill_hundredths();
  EXPECT_EQ(std::accumulate(metric.begin(), metric.end(), 0), 190177);
  EXPECT_EQ(drills(DrillSeries::kMetric)[26].name, "1mm");
}

TEST(ThreadTables, NumberedSizesAndSeries) {
  const auto& ba = ba_sizes();
  double pitches = 0, majors = 0;
  for (const BaSize& size : ba) {
    pitches += size.pitch_mm;
    majors += size.major_mm;
  }
  EXPECT_NEAR(pitches, 8.332282, 1e-9);
  EXPECT_NEAR(majors, 44.69, 1e-9);
  EXPECT_DOUBLE_EQ(ba[0].major_inch, 0.23622);
  EXPECT_DOUBLE_EQ(ba[16].tpi, 137.073534); // 25.4 / 0.185302
  EXPECT_DOUBLE_EQ(ba[16].major_inch, 0.031102);
  EXPECT_STREQ(ba[kBaPreset].name, "6");

  double unified_sum = 0;
  for (const UnifiedNumberSize& size : unified_number_sizes())
    unified_sum += size.major_inch;
  EXPECT_NEAR(unified_sum, 1.263, 1e-9);

  const double factors[] = {1.2, 1.280654, 1.082532, 1.082532, 1.082532, 1.299, 1.299};
  for (int i = 1; i <= kSeriesCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(thread_series(i).index, i);
    EXPECT_DOUBLE_EQ(thread_series(i).depth_factor, factors[i - 1]);
  }
  EXPECT_EQ(thread_series(0).index, 6);
  EXPECT_EQ(thread_series(8).index, 6);
}

TEST(TapDrillCalc, DrillsNearTheTapDrill) {
  // Tap drill s, major diameter, pitch (depth factor 1), the series ticked.
  auto near = [](double s, double major, double pitch, const char* series) {
    return lines_of(drills_near(s, major, pitch, 1.0, ticked(series)));
  };
  // Major 0.349999: 1/4 and E give 99.999 %, F 92.999 %, G 88.999 %, 17/64
  // 84.374 %, 9/32 68.749 %. As text "100.00%" would sort below "93.00%".
  EXPECT_EQ(near(0.2505, 0.349999, 0.1, "FL"),
            "1/4 in 100.00%; E 100.00%; F 93.00%; G 89.00%; 17/64 in 84.37%; 9/32 in 68.75%");
  EXPECT_EQ(near(0.2505, 0.349999, 0.1, "L"), "E 100.00%; F 93.00%; G 89.00%"); // drill order
  // E just over 100 %: 0.100001 / 0.1; G just over 50 %: (0.3112 - 0.261) / 0.1.
  EXPECT_EQ(near(0.2505, 0.350001, 0.1, "L"), "F 93.00%; G 89.00%");
  EXPECT_EQ(near(0.2505, 0.3112, 0.1, "L"), "E 61.20%; F 54.20%; G 50.20%");
  // s = 0.5 lies above Z (0.413): only 31/64 (75.6251 %) and 1/2 (60.0001 %);
  // 33/64 gives 44.4 %. Below the smallest number drill: nothing.
  EXPECT_EQ(near(0.5, 0.5600001, 0.1, "FL"), "31/64 in 75.63%; 1/2 in 60.00%");
  EXPECT_EQ(near(0.01, 0.02, 0.01, "N"), "");
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
      // clang-format off
      // 1/4-20 UNC at 75 %: s = 0.25 - 1.082532 x 0.05 x 0.75 = 0.2094; 15/64 gives 28.87 %.
      {4, "0.25", "20", "75", -1, "F", quarter, "13/64 in 86.60%; 7/32 in 57.74%"},
      {4, "0.25", "20", "30", -1, "F", "0.244 6.2 0.25 6.35 0.234 5.94", "7/32 in 57.74%"},
      // Whitworth depth 1.280654 at 80 %: s = 0.25 - 0.0512 = 0.1988;
      // 0.0625 / 0.0640327 and 0.046875 / 0.0640327.
      {2, "0.25", "20", "80", -1, "F", "0.244 6.2 0.25 6.35 0.199 5.05", "3/16 in 97.61%; 13/64 in 73.20%"},
      // Full-depth 60°: 0.25 - 1.299 x 0.05 x 0.75 = 0.2013.
      {6, "0.25", "20", "75", -1, "F", "0.244 6.2 0.25 6.35 0.201 5.11", "3/16 in 96.23%; 13/64 in 72.17%"},
      // Letter drills start at 0.234, above the tap drill; metric ones don't.
      {4, "0.25", "20", "75", -1, "L", quarter, ""},
      {4, "0.25", "20", "75", -1, "M", quarter, "5.3mm 76.37%; 5.4mm 69.10%; 5.5mm 61.83%"},
      // M6 x 1: 6 - 1.082532 x 0.75 = 5.188 mm; (6 - 5.1) / 1.082532 = 83.14 %;
      // there is no 5 mm drill.
      {3, "6", "1", "75", -1, "M", "0.231 5.88 0.236 6.0 0.204 5.19", "5.1mm 83.14%; 5.2mm 73.90%; 5.3mm 64.66%"},
      // 6 - 1.299 x 0.75 = 5.026 mm: 4.9 comes first.
      {7, "6", "1", "75", -1, "M", "0.231 5.88 0.236 6.0 0.198 5.03", "4.9mm 84.68%; 5.1mm 69.28%; 5.2mm 61.59%"},
      // 10-24: 0.19 - 1.082532 / 24 x 0.75 = 0.1562; # 23 is 0.154; merged with
      // the fractional drills, most thread first.
      {5, "", "24", "75", 8, "FN", "0.185 4.7 0.19 4.83 0.156 3.97", "# 23 79.81%; 5/32 in 74.82%; # 22 73.16%; # 21 68.73%"},
      // 10-20, the coarsest numbered size: R = 0.19 - 0.006 = 0.184, s = 0.149405;
      // # 26 (0.147) gives 0.043 / 0.0541266 = 79.44 %.
      {5, "", "20", "75", 8, "N", "0.184 4.67 0.19 4.83 0.149 3.79", "# 26 79.44%; # 25 74.82%; # 24 70.21%"},
      // BA 6: 2.8 mm, pitch 0.531441 mm (25.4 / 0.531441 = 47.795 per inch);
      // 2.8 - 1.2 x 0.531441 x 0.75 = 2.3217 mm.
      {1, "", "", "75", 6, "M", "0.108 2.736 0.11 2.8 0.091 2.32 47.795 0.531", "2.3mm 78.40%; 2.35mm 70.56%; 2.4mm 62.72%"},
      // BA 0: 6 mm, pitch 1 mm; R = 0.23622 - 0.12 / 25.4 = 0.231496 in = 5.880 mm,
      // s = 0.23622 - 1.2 x 0.75 / 25.4 = 0.200787 in = 5.10 mm.
      {1, "", "", "75", 0, "", "0.231 5.88 0.236 6.0 0.201 5.1 25.4 1.0", ""},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.series) + ": " + c.diameter + " " + c.pitch + " " + c.percent);
    const ThreadSeriesForm f =
        thread_series_form({c.series, c.diameter, c.pitch, c.percent, c.size, ticked(c.ticked)});
    EXPECT_EQ(sizes(f) + " | " + drill_lines(f), std::string(c.sizes) + " | " + c.lines);
    EXPECT_EQ(f.percent_written, "");
  }
  // Nothing, and why: a size or pitch missing, a numbered size not chosen or
  // beyond 16, an engagement the field refuses (which stays as typed): nothing
  // to say; a numbered size coarser than 20 per inch (791); a thread deeper
  // than the size, 0.01 - 1.082532 x 0.75 < 0 with a blank of 0.01 - 0.12 (790).
  const std::tuple<int, const char*, const char*, const char*, int, int> nothing[] = {
      {4, "0", "20", "75", -1, 0},      {4, "0.25", "", "75", -1, 0},
      {3, "6", "0.00005", "75", -1, 0}, {7, "0", "1", "75", -1, 0},
      {5, "", "19.99", "75", 8, 791},   {5, "", "24", "75", -1, 0},
      {1, "", "", "75", 17, 0},         {4, "0.25", "20", "29", -1, 0},
      {4, "0.25", "20", "101", -1, 0},  {4, "0.25", "20", "0", -1, 0},
      {4, "0.01", "1", "75", -1, 790},
  };
  for (const auto& [series, diameter, pitch, percent, size, reason] : nothing) {
    const ThreadSeriesForm f =
        thread_series_form({series, diameter, pitch, percent, size, ticked("FNLM")});
    EXPECT_EQ(sizes(f) + drill_lines(f) + f.percent_written + std::to_string(f.reason.entry),
              std::to_string(reason))
        << series << ": " << diameter << " " << pitch << " " << percent;
  }
}

TEST(ThreadSeriesForm, EachSeriesShowsItsEntry) {
  // Shown: diameter, fraction, number, pitch, numbered outputs; the labels of
  // diameter and pitch; the numbered sizes and the preset; where the keys go
  // when chosen and when shown (Diameter, Number, Pitch, %).
  const char* const expected[] = {"00101 234 237 17 6 N%", "11010 236 237 0 -1 DD",
                                  "10010 236 249 0 -1 DD", "11010 236 237 0 -1 DD",
                                  "00110 234 237 10 8 PP", "11010 236 237 0 -1 DD",
                                  "10010 236 249 0 -1 DD"};
  for (int series = 1; series <= 7; ++series) {
    const SeriesLayout l = thread_series_layout(series);
    std::string shown;
    for (bool b : {l.diameter_shown, l.fraction_shown, l.size_number_shown, l.pitch_shown,
                   l.numbered_outputs_shown})
      shown += b ? '1' : '0';
    const char* focus = "DNP%";
    EXPECT_EQ(shown + " " +
                  text_rows::numbers({l.diameter_label.entry, l.pitch_label.entry,
                                      int(l.size_names.size()), l.size_preset}) +
                  " " + focus[int(l.chosen_focus)] + focus[int(l.shown_focus)],
              expected[series - 1]);
  }
  EXPECT_EQ(thread_series_layout(5).size_names[8], "10");
  EXPECT_EQ(thread_series_layout(1).size_names[16], "16");
}

TEST(ThreadSeriesForm, DefaultEngagementAndNoDrillSeries) {
  ThreadSeriesForm f = thread_series_form({4, "0.25", "20", "", -1, {}});
  EXPECT_EQ(f.percent_written + " " + f.drill_inch + (f.no_drill_series ? " told" : ""),
            "75 0.209 told");
  EXPECT_FALSE(thread_series_form({4, "0.25", "20", "", -1, ticked("L")}).no_drill_series);
  // A text the field can't read is no engagement: no drill, and not replaced by 75.
  f = thread_series_form({4, "0.25", "20", "", -1, ticked("L"), true});
  EXPECT_EQ(f.percent_written + f.drill_inch, "");
  // Nothing to drill, nothing to tell.
  EXPECT_FALSE(thread_series_form({4, "0.25", "", "75", -1, {}}).no_drill_series);
}

TEST(ThreadSeriesForm, FractionWritesTheDiameterOfInchSeriesOnly) {
  EXPECT_EQ(fraction_diameter_text(4, "1", "16"), "0.0625");
  EXPECT_EQ(fraction_diameter_text(2, "3", "8"), "0.375");
  EXPECT_EQ(fraction_diameter_text(4, "1", ""), "");
  EXPECT_EQ(fraction_diameter_text(4, "0", "4"), "");
  EXPECT_EQ(fraction_diameter_text(3, "1", "4"), "");
}

} // namespace
