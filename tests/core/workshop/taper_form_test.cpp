// The tapers page's texts for hand-worked tapers: 1.2 in/ft in every form
// (t = 0.1, atan 0.05 = 2.862405° = 2°51'44.7", included 5.724810° =
// 5°43'29.3"), its set-ups, a taper from its diameters, readings over rolls
// and the standard taper a measured one is.
#include "core/workshop/taper_form.h"

#include "core/unit_test.h"

#include <stdexcept>

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

const StandardTaper& standard(const std::string& name) {
  for (const StandardTaper& taper : standard_tapers())
    if (taper.name == name)
      return taper;
  throw std::runtime_error(name);
}

TEST(TaperForm, AStandardTaperFillsTheFieldsItsKindOfSizesAllow) {
  // Morse 3: both ends known, L = 0.16 / (0.60235 / 12) = 3.18752 in = 80.9629 mm.
  const auto text = [](i18n::TextId e) {
    return std::string(e.entry == 19 ? "mm" : e.entry == 20 ? "inch" : "in/ft");
  };
  const StandardFill morse = standard_fill(standard("Morse 3"), true);
  EXPECT_EQ(morse.given, TaperEntry::kDiameters);
  EXPECT_EQ(morse.large + " " + morse.small + " " + morse.length, "23.8252 19.7612 80.9629");
  EXPECT_EQ(standard_summary(standard("Morse 3"), false, text),
            "D 0.938, d 0.778, L 3.1875 inch; 0.60235 in/ft");
  // Only the large end of a 7:24 taper is known: given as 3.5 in/ft.
  const StandardFill steep = standard_fill(standard("7:24 40"), false);
  EXPECT_EQ(steep.given, TaperEntry::kPerFoot);
  EXPECT_EQ(steep.value + " " + steep.large + " [" + steep.small + "]", "3.5 1.75 []");
  EXPECT_EQ(standard_fill(standard("Metric 80"), true).value, "20");
  EXPECT_EQ(standard_summary(standard("Metric 80"), true, text), "D 80.0 mm, 1 : 20; 0.6 in/ft");
}

TEST(TaperForm, TheSheetHoldsWhatThePageMeasured) {
  TaperFormInput in;
  in.value = "1.2";
  in.work_length = "36"; // 1.2 x 36 / 24 = 1.8 in, more than 36 / 50
  const auto text = [](i18n::TextId e) { return "<" + std::to_string(e.entry) + ">"; };
  const auto labels = [&](const std::vector<gears::JobSheetRow>& rows) {
    std::string all;
    for (const gears::JobSheetRow& row : rows)
      all += row.label + (row.heading ? "! " : " ");
    return all;
  };
  const auto rows = taper_sheet(in, "", "2026-12-08", text);
  ASSERT_TRUE(rows);
  // Date, the five forms, the set-up with its sentences; nothing measured.
  EXPECT_EQ(labels(*rows), "<732> <931> <932> <934> <935> <936> <941>! <942> <943>  <945> "
                           "<946>  <948> ");
  EXPECT_EQ((*rows)[9].values, (std::vector<std::string>{"<944>"}));
  EXPECT_EQ((*rows)[12].values, (std::vector<std::string>{"<947>"}));
  EXPECT_EQ((*rows)[11].values, (std::vector<std::string>{"1.8 <20>"}));
  in.bar_length = "5";
  in.ball1 = "0.5";
  in.depth1 = "2";
  in.ball2 = "0.75";
  in.depth2 = "0.5";
  EXPECT_EQ(labels(*taper_sheet(in, "Morse 3", "", text)).substr(0, 11), "<732> <928>");
  const std::string measured = labels(*taper_sheet(in, "", "", text));
  EXPECT_EQ(measured.substr(measured.find("<950>")), "<950>! <957> <958> <959> <960> ");
  EXPECT_FALSE(taper_sheet(TaperFormInput{}, "", "", text));
}

} // namespace
} // namespace workshop
