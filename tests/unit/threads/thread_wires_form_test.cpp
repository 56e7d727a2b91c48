#include "calc/threads/thread_wires_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using threads::ThreadForm;
using threads::WiresChange;
using Sizes = std::array<std::string, 3>;

// The three wire sizes joined by blanks; "-" when the page keeps the sizes it shows.
std::string joined(const std::optional<Sizes>& sizes) {
  return sizes ? (*sizes)[0] + " " + (*sizes)[1] + " " + (*sizes)[2] : "-";
}

TEST(ThreadWiresForm, SizesAndMeasurementFromTheChangedField) {
  struct Case {
    ThreadForm form;
    WiresChange changed;
    const char *pitch, *major, *wire; // the pitch in the form's own field
    double kept_wire_in, kept_pitch_in;
    const char *sizes, *result;
  };
  const ThreadForm unified = ThreadForm::kUnified;
  const WiresChange restored = WiresChange::kRestored;
  const Case cases[] = {
      // M = 0.25 - 1.5155 x 0.05 + 3 x 0.0289 = 0.260925.
      {unified, restored, "20", "0.25", "0.0289", 0, 0, "0.028 0.0289 0.045", "0.2609"},
      // M = 0.25 - 1.6008 x 0.05 + 3.1657 x 0.03 = 0.264931.
      {ThreadForm::kWhitworth, restored, "20", "0.25", "0.03", 0, 0, "0.027 0.0282 0.038",
       "0.2649"},
      // 1.5 mm: 0.84, 0.866, 1.35; M = 12 - 1.5155 x 1.5 + 3 x 0.85 = 12.27675 mm.
      {ThreadForm::kMetric, restored, "1.5", "12", "0.85", 0, 0, "0.84 0.866 1.35", "12.277"},
      // Above the largest wire: sizes, no measurement.
      {unified, restored, "20", "0.25", "0.05", 0, 0, "0.028 0.0289 0.045", ""},
      // A changed major diameter works with the wire and pitch given before,
      // whatever the wire field shows now.
      {unified, WiresChange::kMajor, "", "0.25", "", 0.0289, 0.05, "0.028 0.0289 0.045", "0.2609"},
      // No major diameter, or an emptied pitch: the page keeps its sizes.
      {unified, WiresChange::kWire, "20", "", "0.0289", 0, 0.05, "-", ""},
      {unified, WiresChange::kTpi, "", "0.25", "0.0289", 0.0289, 0.05, "-", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pitch) + " " + c.major + " " + c.wire);
    const bool metric = c.form == ThreadForm::kMetric;
    threads::WiresLengths kept;
    kept.wire_in = c.kept_wire_in;
    kept.pitch_in = c.kept_pitch_in;
    const threads::ThreadWiresForm out =
        threads::thread_wires_form({c.form, metric, c.changed, metric ? "" : c.pitch,
                                    metric ? c.pitch : "", c.major, c.wire, kept});
    EXPECT_EQ(joined(out.sizes), c.sizes);
    EXPECT_EQ(out.result, c.result);
  }
}

TEST(ThreadWiresForm, LabelsFollowTheFormAndTheUnit) {
  const threads::ThreadWiresLabels metric = threads::thread_wires_labels(ThreadForm::kMetric, true);
  EXPECT_FALSE(metric.tpi_active);
  EXPECT_FALSE(metric.fraction_shown);
  EXPECT_EQ((std::array<int, 4>{metric.major, metric.wire, metric.result, metric.caption}),
            (std::array<int, 4>{202, 203, 204, 203}));
  const threads::ThreadWiresLabels inch =
      threads::thread_wires_labels(ThreadForm::kWhitworth, false);
  EXPECT_TRUE(inch.tpi_active);
  EXPECT_TRUE(inch.fraction_shown);
  EXPECT_EQ((std::array<int, 4>{inch.major, inch.wire, inch.result, inch.caption}),
            (std::array<int, 4>{193, 194, 201, 194}));
}

TEST(ThreadWiresForm, UnitSwitchAndFractionTexts) {
  // 0.0289 in = 0.73406 mm: kept whole rather than rounded to 3 decimals.
  const threads::WiresLengths kept{0.0289, 0.73406, 0.25, 6.35, 0.05};
  const threads::WiresUnitTexts mm = threads::unit_switch_texts(kept, true);
  EXPECT_EQ(mm.wire, "0.73406");
  EXPECT_EQ(mm.major, "6.35");
  const threads::WiresUnitTexts inch = threads::unit_switch_texts(kept, false);
  EXPECT_EQ(inch.wire, "0.0289");
  EXPECT_EQ(inch.major, "0.2500");

  EXPECT_EQ(threads::fraction_major_text("3", "8", false), "0.375");
  EXPECT_EQ(threads::fraction_major_text("3", "8", true), "9.525");
  EXPECT_EQ(threads::fraction_major_text("8", "3", false), "");
  EXPECT_EQ(threads::fraction_major_text("3", "", false), "");
}

} // namespace
