// The tapers page's texts for hand-worked tapers: 1.2 in/ft in every form
// (t = 0.1, atan 0.05 = 2.862405° = 2°51'44.7", included 5.724810° =
// 5°43'29.3"), its set-ups, a taper from its diameters, readings over rolls
// and the standard taper a measured one is.
#include "core/workshop/taper_form.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

TEST(TaperForm, EveryFormSetUpsAndMeasurements) {
  TaperFormInput in;
  in.given = TaperEntry::kPerFoot;
  in.value = "1.2";
  in.work_length = "6"; // 0.1 x 6 / 2 = 0.3, more than 6 / 50
  in.m1 = "2.612";
  in.h1 = "1";
  in.h2 = "3"; // 2.612 + 0.1 x 2
  in.bar_length = "5"; // 5 sin 5.724810° = 5 x 0.0997506 = 0.498753
  TaperForm form = taper_form(in);
  EXPECT_EQ(form.per_foot + " " + form.per_unit + " " + form.ratio, "1.2 0.1 10.0");
  EXPECT_EQ(form.half + " " + form.half_dms + " " + form.included + " " + form.included_dms,
            "2.8624 2°51'44.7\" 5.7248 5°43'29.3\"");
  EXPECT_EQ(form.setover + " " + form.attachment + " " + form.expected_m2 + " " + form.sine_height,
            "0.3 0.6 2.812 0.4988");
  EXPECT_TRUE(form.setover_too_large);
  // The same taper as 1:10, and as readings over rolls on their own.
  in.given = TaperEntry::kRatio;
  in.value = "10";
  in.m2 = "2.812";
  form = taper_form(in);
  EXPECT_EQ(form.per_foot + " " + form.rolls_half + " " + form.rolls_per_foot, "1.2 2.8624 1.2");
  // 3 in to 2 in over 12 in of work, the taper the whole length: 0.5 in.
  in.given = TaperEntry::kDiameters;
  in.large = "3";
  in.small = "2";
  in.length = "12";
  in.work_length = "12";
  form = taper_form(in);
  EXPECT_EQ(form.per_foot + " " + form.setover, "1 0.5");
  // Nothing typed: no taper.
  EXPECT_FALSE(taper_form(TaperFormInput{}).taper);
}

TEST(TaperForm, AMeasuredMorseThree) {
  // 0.900 and 0.800 1.9924 apart: 0.1 x 12 / 1.9924 = 0.60229 in/ft, Morse 3's
  // 0.60235 within 0.001, between its ends 0.938 and 0.778.
  TaperFormInput in;
  in.given = TaperEntry::kDiameters;
  in.large = "0.9";
  in.small = "0.8";
  in.length = "1.9924";
  in.tolerance = "0.001";
  EXPECT_EQ(taper_form(in).matches, std::vector<std::string>{"Morse 3  0.60235"});
}

} // namespace
} // namespace workshop
