// Thread measurement over wires: wire sizes and the dimension over the
// wires for each form worked out by hand, the usable-wire limits, missing
// inputs, the texts the page writes and which field's value it works with.
#include "core/unit_test.h"

#include "core/threads/thread_wires_form.h"
#include "core/geometry/text_rows.h"

using namespace threads;
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kNone = -1; // no measurement

TEST(ThreadWiresCalc, SizesAndMeasurementOverWires) {
  struct Row {
    const char* name;
    ThreadForm form;
    double pitch_in, major_in, wire_in;
    bool mm;
    double smallest, best, largest, over; // display unit
  };
  // Unified and metric: 0.56 / 0.57735 / 0.9 P, M = D - 1.5155 P + 3 W.
  // Whitworth: 0.54 / 0.56368 / 0.76 P, M = D - 1.6008 P + 3.1657 W.
  const auto U = ThreadForm::kUnified, W = ThreadForm::kWhitworth, M = ThreadForm::kMetric;
  const double in = kMmPerInch;
  // clang-format off
  const Row rows[] = {
      {"1/4-20 UNC in mm", U, 0.05, 0.25, 0.0289, true, 0.7112, 0.7332345, 1.143, 6.627495},
      {"1/4-20 BSW", W, 0.05, 0.25, 0.03, false, 0.027, 0.028184, 0.038, 0.264931},
      {"M12 x 1.5", M, 1.5 / in, 12 / in, 0.866 / in, true, 0.84, 0.866025, 1.35, 12.32475},
      {"M6 x 1 in inches", M, 1 / in, 6 / in, 0.0227, false, 0.0220472, 0.0227303, 0.0354331, 0.2446551},
      // The limit itself is usable.
      {"largest wire", U, 0.05, 0.25, 0.045, false, 0.028, 0.0288675, 0.045, 0.309225},
      // So is a limit as shown: 0.05625 shows as 0.0563 (3/8-16), 0.031111 as
      // 0.0311 (5/16-18), 0.790222 mm as 0.79.
      {"largest as shown", U, 0.0625, 0.375, 0.0563, false, 0.035, 0.0360844, 0.05625, 0.4491813},
      {"smallest as shown", U, 1.0 / 18, 0.3125, 0.0311, false, 0.0311111, 0.032075, 0.05, 0.3216056},
      {"smallest as shown in mm", U, 1.0 / 18, 0.3125, 0.79 / in, true, 0.7902222, 0.814705, 1.27, 8.1689611},
      // Sizes, but no measurement.
      {"above the largest as shown", U, 0.0625, 0.375, 0.05631, false, 0.035, 0.0360844, 0.05625, kNone},
      {"above the largest", U, 0.05, 0.25, 0.05, false, 0.028, 0.0288675, 0.045, kNone},
      {"below the smallest", U, 0.05, 0.25, 0.0279, false, 0.028, 0.0288675, 0.045, kNone},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const double tolerance = r.mm ? 1e-6 : 1e-7;
    ThreadWires w = compute_thread_wires({r.form, r.pitch_in, r.major_in, r.wire_in, r.mm});
    ASSERT_TRUE(w.sizes);
    const double got[] = {w.sizes->smallest, w.sizes->best, w.sizes->largest,
                          w.over_wires.value_or(kNone)};
    const double want[] = {r.smallest, r.best, r.largest, r.over};
    for (size_t i = 0; i < 4; ++i)
      EXPECT_NEAR(got[i], want[i], tolerance) << i;
  }
}

TEST(ThreadWiresCalc, InfiniteValuesAreNeverResults) {
  // A major diameter near the largest double overflows in millimetres.
  ThreadWires huge = compute_thread_wires({ThreadForm::kUnified, 5000.0, 1e308, 3000.0, true});
  ASSERT_TRUE(huge.sizes.has_value());
  EXPECT_NEAR(huge.sizes->smallest, 0.56 * 5000 * kMmPerInch, 1e-6);
  EXPECT_FALSE(huge.over_wires);
  ThreadWires endless = compute_thread_wires({ThreadForm::kMetric, INFINITY, 0.5, 0.03, false});
  EXPECT_TRUE(!endless.sizes && !endless.over_wires);
}

TEST(ThreadWiresCalc, TextsThePageWrites) {
  EXPECT_EQ(over_wires_text(2.5, false), "2.5000");
  EXPECT_EQ(over_wires_text(6.35, true), "6.350");
  // clang-format off
  const std::tuple<double, int, const char*> stored[] = {
      {0.25, 4, "0.2500"}, {12.0, 2, "12.00"}, {0.0, 3, ""}, {0.00005, 4, ""}, {9.525, 2, "9.525"},
      {0.0289 * 25.4, 3, "0.73406"}, {12 / 25.4, 4, "0.4724409449"}};
  // clang-format on
  for (const auto& [value, decimals, text] : stored)
    EXPECT_EQ(stored_length_text(value, decimals), text) << value;
  // A fraction of an inch: 0 < numerator <= denominator; "%g" of the inches or mm.
  const char* fractions[][3] = {{"3", "8", "0.375"}, {"1", "64", "0.015625"}, {"8", "8", "1"},
                                {"8", "3", ""},      {"0", "8", ""},          {"3", "0", ""},
                                {"", "8", ""}};
  for (const auto& f : fractions)
    EXPECT_EQ(fraction_major_text(f[0], f[1], false), f[2]) << f[0] << "/" << f[1];
  EXPECT_EQ(fraction_major_text("3", "8", true), "9.525");
  EXPECT_EQ(fraction_text(0.3125, true), "7.9375");
  EXPECT_EQ(fraction_text(1.0 / 3, false), "0.333333");
}

TEST(ThreadWiresForm, SizesAndMeasurementFromTheChangedField) {
  // The pitch in the form's own field; the wire and pitch kept from before;
  // shown: the three sizes and the result.
  auto shows = [](ThreadForm form, WiresChange changed, const char* pitch, const char* major,
                  const char* wire, double kept_wire_in, double kept_pitch_in, const char* shown) {
    SCOPED_TRACE(std::string(pitch) + " " + major + " " + wire);
    const bool metric = form == ThreadForm::kMetric;
    WiresLengths kept;
    kept.wire_in = kept_wire_in;
    kept.pitch_in = kept_pitch_in;
    const ThreadWiresForm out = thread_wires_form(
        {form, metric, changed, metric ? "" : pitch, metric ? pitch : "", major, wire, kept});
    const auto& s = out.sizes;
    const std::string why = out.reason.entry ? " why " + std::to_string(out.reason.entry) : "";
    EXPECT_EQ(s[0] + " " + s[1] + " " + s[2] + " " + out.result + why, shown);
  };
  const auto U = ThreadForm::kUnified, M = ThreadForm::kMetric;
  using Change = WiresChange;
  // M = 0.25 - 1.5155 x 0.05 + 3 x 0.0289 = 0.260925.
  shows(U, Change::kRestored, "20", "0.25", "0.0289", 0, 0, "0.028 0.0289 0.045 0.2609");
  // 1.5 mm: 0.84, 0.866, 1.35; M = 12 - 1.5155 x 1.5 + 3 x 0.85 = 12.27675 mm.
  shows(M, Change::kRestored, "1.5", "12", "0.85", 0, 0, "0.84 0.866 1.35 12.277");
  shows(U, Change::kRestored, "20", "0.25", "0.05", 0, 0, "0.028 0.0289 0.045  why 806");
  // A changed major diameter works with the wire and pitch given before,
  // whatever the wire and pitch fields show now. M16 x 2, wire 1.155:
  // M = 16 - 3.031 + 3.465 = 16.434 mm.
  shows(U, Change::kMajor, "", "0.25", "", 0.0289, 0.05, "0.028 0.0289 0.045 0.2609");
  shows(M, Change::kMajor, "", "16", "", 1.155 / 25.4, 2 / 25.4, "1.12 1.155 1.8 16.434");
  // The sizes follow the pitch alone: without a major diameter (0.0001 is
  // none) they stand, a new pitch shows its own (10 tpi: 0.056 ...), a pitch
  // of 0.0001 inch or none takes them away.
  shows(U, Change::kWire, "20", "0.0001", "0.0289", 0, 0.05, "0.028 0.0289 0.045 ");
  shows(U, Change::kTpi, "10", "", "0.0289", 0.0289, 0.05, "0.056 0.0577 0.09 ");
  shows(U, Change::kTpi, "10000", "0.25", "0.0289", 0.0289, 0.05, "   ");
  shows(M, Change::kMetricPitch, "0", "12", "0.85", 0.85 / 25.4, 1.5 / 25.4, "   ");
}

TEST(ThreadWiresForm, LabelsUnitSwitchTexts) {
  const ThreadWiresLabels mm = thread_wires_labels(ThreadForm::kMetric, true);
  const ThreadWiresLabels inch = thread_wires_labels(ThreadForm::kWhitworth, false);
  EXPECT_EQ(text_rows::numbers({mm.tpi_active, mm.fraction_shown, mm.major.entry, mm.wire.entry,
                                mm.result.entry, mm.caption.entry, inch.tpi_active,
                                inch.fraction_shown, inch.major.entry, inch.wire.entry,
                                inch.result.entry, inch.caption.entry}),
            "0 0 202 203 204 203 1 1 193 194 201 194");
  // 0.0289 in = 0.73406 mm: kept whole rather than rounded to 3 decimals.
  const WiresLengths kept{0.0289, 0.73406, 0.25, 6.35, 0.05};
  const WiresUnitTexts to_mm = unit_switch_texts(kept, true);
  const WiresUnitTexts to_inch = unit_switch_texts(kept, false);
  EXPECT_EQ(to_mm.wire + " " + to_mm.major + " " + to_inch.wire + " " + to_inch.major,
            "0.73406 6.35 0.0289 0.2500");
  // A typed major diameter is kept in both units: 0.25 in = 6.35 mm, 12 mm = 12 / 25.4 in.
  const auto kept_major = [](ThreadForm form, bool metric, const char* major) {
    return thread_wires_form({form, metric, WiresChange::kMajor, "", "", major, "", {}}).kept;
  };
  EXPECT_DOUBLE_EQ(kept_major(ThreadForm::kUnified, false, "0.25").major_mm, 6.35);
  EXPECT_DOUBLE_EQ(kept_major(ThreadForm::kMetric, true, "12").major_in, 12 / 25.4);
}

} // namespace
