// The gear and workshop pages driven with real keys and clicks: the controls
// reach the form and its results land in their fields; units, restart, the
// results windows, the gear set and plate editors, and the bevel print.

#include "app/help_viewer.h"
#include "pages/workshop/plate_editor_window.h"
#include "pages/gears/bevel_gear_draw.h"
#include "app/all_pages.h"
#include "pages/gears/gear_ratio_print.h"
#include "pages/gears/ratio_results_window.h"
#include "pages/gears/worm_extra_window.h"
#include "pages/workshop/change_gear_results_window.h"
#include "pages/workshop/change_gear_set_window.h"
#include "pages/workshop/dividing_head_print.h"
#include "pages/workshop/indexing_window.h"
#include "core/gears/train_texts.h"
#include "support/page_scenario.h"
#include "support/postscript.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"
#include "core/workshop/dividing_head_calc.h"
#include "ui/print_job.h"

using namespace testing_support;
using namespace gears;
using Widgets = std::vector<const Fl_Widget*>;

namespace {

// Every shown text of `group` fits its box (less 3 pixels a side for a label
// set left or right), and every box the window's `width`.
void expect_texts_fit(const Fl_Group* group, int width) {
  for (int i = 0; i < group->children(); ++i) {
    const Fl_Widget* box = group->child(i);
    const int margin = box->align() & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT) ? 6 : 0;
    int w = box->align() & FL_ALIGN_WRAP ? box->w() - margin : 0, h = 0;
    fl_font(box->labelfont(), box->labelsize());
    fl_measure(box->visible() && box->label() ? box->label() : "", w, h, 0);
    EXPECT_TRUE(w <= box->w() - margin && h <= box->h() && box->x() + box->w() <= width)
        << box->label();
  }
}

using SpurGearPageTest = PageAloneTest<SpurGearPage>;

TEST_F(SpurGearPageTest, ControlsReachTheFormAndItsResultsShow) {
  const SpurGearWidgets& g = w();
  run(g.pitch_value, "10", g.teeth, "20"); // diametral pitch 10, 20°
  see({g.inch[0], g.inch[2], g.module, g.cutter, g.span_text, g.span_mm},
      {"0.222", "0.122", "2.54", lang(313) + " 6", "Measure across 3 teeth (2 pitches)", "19.458"});
  run(g.angle_14_5, nullptr);
  see({g.inch[2], g.span_inch}, {"0.1157", "0.467"});
  run(g.teeth, "5", g.angle_20, nullptr); // too few: no gear
  see({g.inch[2], g.status, g.span_text}, {"", lang(318), ""});
  run(g.systems[2], nullptr);
  see({g.pitch_value, g.inch[0], g.cutter}, {"", "", "hidden"});
  run(g.teeth, "20", g.whole, "0", g.over, "1", g.under, "4");
  see({g.pitch_value, g.inch[7]}, {"0.25", "1.5915"}); // 20 x 0.25 / pi
  run(g.pitch_value, "0.5", g.help, nullptr);          // typed by hand: the fraction goes
  see({g.over}, {""});
  EXPECT_EQ(fake.help_asked, std::vector{ui::HelpTopic::kBacklash});
}

// A count may be typed as arithmetic whose result is whole; Enter shows it.
TEST_F(SpurGearPageTest, ATypedProductOfTeethIsThatGear) {
  const SpurGearWidgets& g = w();
  run(g.pitch_value, "10", g.teeth, "30");
  const Texts thirty = shown_all(g.inch);
  ASSERT_NE(thirty[7], "");
  run(g.teeth, "2*15");
  EXPECT_EQ(shown_all(g.inch), thirty);
  run(g.teeth, "2*15\n", g.teeth, "=30", g.teeth, "7/2", g.teeth, "~red", g.inch[7], "=");
}

TEST_F(SpurGearPageTest, UnitButtonGivesTheSameGear) {
  units(); // metric: module 2, 30 teeth; then 25.4 / 2 teeth per inch, dedendum 1.2 / P + 0.002
  run(w().systems[0], nullptr, w().pitch_value, "2", w().teeth, "30");
  units();
  see({w().systems[1], w().pitch_value, w().inch[2]}, {"on", "12.7", "0.0965"});
  EXPECT_EQ(w().pitch_value->position(), 0); // the start of a converted pitch shows
}

class WormGearPageTest : public PageAloneTest<WormGearPage> {
protected:
  Fl_Output* out(WormOut slot) { return w().outputs[slot]; }
};

TEST_F(WormGearPageTest, ControlsReachTheFormAndItsRowsShow) {
  const WormGearPage::Widgets& g = w();
  run(g.pitch, "8", g.teeth, "40", g.diameter, "1.25", g.backlash, "0.005");
  see({out(kCentreDistance)}, {"3.0"}); // (40 / 8 + 1.25 - 2 / 8) / 2
  using Row = std::tuple<Fl_Widget*, WormOut, const char*>;
  for (auto [control, slot, text] :
       {Row{g.left_hand, kWormFirstSide, "-0.289"}, Row{g.square_rim, kThroatDiameter, "5.438"},
        Row{g.crown_cut, kHobOutsideDiameter, "1.309"},
        Row{g.starts->child(1), kWormLeadAngle, "14.036"},
        Row{g.angles[2], kHobTipWidth, "0.105"}}) {
    run(control, nullptr);
    EXPECT_EQ(shown(out(slot)), text) << slot;
  }
  run(g.millimetre, "@19", g.millimetre, "click");
  see({g.backlash, out(kCentreDistance), g.crown_panels[1]}, {"0.127", "76.2", ""});
  run(g.systems[0], nullptr, g.inch, nullptr); // a module: the pitch means something else
  see({g.pitch, g.pitch_label}, {"", lang(293)});
  units(); // the Units button switches the page's pair too
  see({g.diameter}, {"31.75"});
}

// The check waits for the whole count: "12" of "120" is too few at 20°.
TEST_F(WormGearPageTest, TooFewTeethWarnOnlyForTheCountAsFinished) {
  run(w().pitch, "8", w().angles[2], nullptr, w().teeth, "120");
  settle();
  EXPECT_TRUE(dialogs.alerts.empty());
  run(w().teeth, "24");
  press_key(FL_Enter);
  ASSERT_EQ(dialogs.alerts.size(), 1u);
  EXPECT_NE(dialogs.alerts[0].find("For 24 teeth use at least " + lang(332)), std::string::npos);
}

TEST_F(WormGearPageTest, CentreDistanceWindowSetsTheDiameter) {
  run(w().pitch, "8", w().teeth, "40", w().millimetre, nullptr, w().centre_distance, nullptr);
  const WormExtraWindow::Widgets& c = page().extra_window().widgets();
  EXPECT_FALSE(c.apply->active());
  run(c.fraction[0], "3", c.fraction[1], "1", c.fraction[2], "2");
  see({c.millimetre}, {"88.9"}); // 3 1/2 in
  run(c.apply, nullptr);         // 2 x 3.5 - 5 + 2 x 0.125 = 2.25 in, written in millimetres
  see({c.window, w().diameter}, {"hidden", "57.15"});
}

class BevelGearPageTest : public PageAloneTest<BevelGearPage> {
protected:
  Texts printed(int pages) {
    const std::vector<BevelPrintSheet> sheets = page().print_sheets();
    const std::string ps = print_to_postscript(dir.path() + "/bevel.ps", pages, [&](auto& device) {
      draw_bevel_gear_sheets(device, sheets);
    });
    EXPECT_EQ(count_of(ps, "%%Page: "), pages);
    return printed_texts(ps);
  }
};

TEST_F(BevelGearPageTest, ControlsReachTheFormAndTheModesShow) {
  const BevelGearWidgets& g = w();
  const auto &left = g.left.values, &right = g.right.values;
  run(g.pitch, "8", g.miter_teeth, "24"); // not on the Brown and Sharpe head
  see({g.right.frame, g.left.frame, left[kOutsideDiameterRow]}, {"hidden", lang(380), ""});
  run(g.pinion_and_gear, nullptr, g.pinion_teeth, "20", g.gear_teeth, "40");
  see({g.miter_frame, g.left.frame, right[kPitchAngleRow]}, {"hidden", lang(376), "63.4349"});
  run(g.dms, nullptr); // atan(20 / 40) = 26° 33′ 54.184″
  see({left[kPitchAngleRow], g.left.angle_dms[0][1]}, {"hidden", "33"});
  run(g.decimal, nullptr, g.miter, nullptr, g.face_width, "1.1");
  see({g.miter_teeth, left[kFaceWidthRow]}, {"20", "1.1"});
  run(g.face_width, "2"); // beyond its limits: no results of the width before
  see({left[kFaceWidthRow]}, {""});
  run(g.module, nullptr);
  see({g.pitch, left[kOutsideDiameterRow]}, {"", ""});
  run(g.pitch, "3"); // 20 / cos 45° -> 28 teeth: metric No. 5
  see({left[kCutterRow]}, {"5"});
}

TEST_F(BevelGearPageTest, MiterWithTheHeadOfTheSettingsInBothUnitsAndPrinted) {
  fake.change_settings([](settings::IniDocument& doc) { // as if chosen on its page
    return settings::select_head(doc, "Cincinatti 40-1");
  });
  restart();
  // 24 circle: 1 turn and 16 holes, 40 holes a tooth; 24 / cos 45° -> 34: No. 4.
  const Texts inch = {"3.177", "3.0", "1.0",  "45",    "45", "24",    "1",
                      "16",    "4",   "0.27", "0.098", "10", "0.196", "20"};
  const Widgets left(w().left.values.begin(), w().left.values.end());
  run(w().pitch, "8", w().miter_teeth, "24");
  see(left, inch);
  run(w().mm, nullptr);
  see({left[kOutsideDiameterRow], w().face_width}, {"80.69", "25.40"});
  run(w().inch, nullptr);
  EXPECT_TRUE(contains(printed(1), "Teeth = 24, Shaft angle = 90"));
  run(w().pinion_and_gear, nullptr, w().dms, nullptr, w().gear_teeth, "48");
  const Texts pair = printed(2);
  for (const char* text : {"Pinion (inch)", "Gear (inch)", "26:33:54.184", "63:26:5.816",
                           "1 = Outside diameter", "3 = Pitch angle", "5 = Face width"})
    EXPECT_TRUE(contains(pair, text)) << text;
}

class OverPinsPageTest : public PageAloneTest<OverPinsPage> {
protected:
  // Recommended pin, then theoretical, measured and difference, inch and mm.
  Widgets results() {
    const auto &in = w().inch_results, &mm = w().mm_results;
    return {w().pin_inch, w().pin_mm, in[0], mm[0], in[1], mm[1], in[2], mm[2]};
  }
};

TEST_F(OverPinsPageTest, ControlsReachTheFormAndTheDifferenceShowsRed) {
  const OverPinsWidgets& g = w();
  run(g.pitch, "10", g.teeth, "20", g.pin, "0.168", g.over_pins, "2.23"); // 20°
  see(results(), {"0.168", "4.267", "0.1571", "3.99", "0.1603", "4.073", "-0.0033", "-0.083"});
  EXPECT_EQ(g.mm_results[2]->textcolor(), FL_RED);
  run(g.angle[2], nullptr, g.typed_angle, "22.5"); // a typed angle
  see({g.inch_results[1]}, {"0.1601"});
  run(g.system[2], nullptr, g.fraction[1], "1", g.fraction[2], "4");
  see({g.pitch}, {"0.2500"});
  run(g.system[3], nullptr);
  see({g.fraction_frame}, {"hidden"});
}

TEST_F(OverPinsPageTest, UnitsConvertInPlace) {
  run(w().pitch, "10", w().teeth, "20", w().pin, "0.168", w().over_pins, "2.23", w().mm, nullptr);
  see({w().over_pins}, {"56.642"}); // 2.23 x 25.4
  run(w().inch, nullptr);
  const Texts before = shown_all(results());
  units(); // a module and millimetres for the same gear
  see({w().system[0], w().pitch, w().over_pins}, {"on", "2.54", "56.642"});
  EXPECT_EQ(shown_all(results()), before);
}

class GearRatioPageTest : public PageTest<GearRatioPage, 16> {
protected:
  RatioResultsWindow* results() { return page().results_window(); }
  Texts rows(int count) { // heading, then the labels, driven, driver, bar, row text
    Widgets rows;
    for (int i = 1; i <= count; ++i)
      rows.push_back(results()->widgets().rows->child(i));
    return shown_all(rows);
  }
};

TEST_F(GearRatioPageTest, ChecksReachTheFieldsAndSearchesFillTheirWindow) {
  const GearRatioWidgets& g = w();
  // A red count takes the focus at every change of the other, so the highest
  // count is typed while the lowest is a good one.
  run(g.lowest, "12", g.highest, "30", g.lowest, "40", g.target, "2");
  EXPECT_FALSE(g.calculate->active()); // the highest below the lowest
  run(g.lowest, "12", g.highest, "150", g.tolerance, "0.00001", g.target, "2\n"); // Enter searches
  see({g.highest, g.tolerance}, {"100", "0.0001"}); // floored once left
  ASSERT_NE(results(), nullptr);
  see({results()->widgets().heading, results()->window()},
      {"Gear trains for ratio 2 : 1 within 0.0001% above and below", "Gear trains found"});
  // Driven over driver, so the fraction reads as the ratio: 24/12 = 2.
  EXPECT_EQ(rows(6),
            (Texts{"driven", "driver", "24", "12", "__", "Ratio = 2.0      Error = 0.0%"}));
  results()->window()->do_callback(); // the window manager's close
  settle();
  // A target of one needs two pairs: 18/20 x 20/18.
  run(g.target, "1", g.results_limit, "3", g.tolerance, "0.0001\n"); // checked, then searched
  EXPECT_EQ(rows(10), (Texts{"driven", "driver", "18", "20", "__", "X", "20", "18", "__",
                             "Ratio = 1.0      Error = 0.0%"}));
  click(results()->widgets().close);
  run(g.lowest, "50", g.highest, "50", g.calculate, nullptr); // one count, no pair
  EXPECT_EQ(dialogs.alerts, Texts{lang(438)});
}

// In each language the result windows have their titles and fit their
// texts, the print labels its rows and the dividing-head list has the page's
// text size with room for the whole-turn text: 29/22 x 95/82 x 72/35 = 198360/63140 =
// 3.14159; (1 - 2.00612346 / 2) x 100 = -0.306173 % for 60/30.
TEST_F(GearRatioPageTest, ResultWindowsAndListsFitTheirTextsInEachLanguage) {
  const GearPair a{29.0 / 22, 22, 29, 0}, b{95.0 / 82, 82, 95, 0}, c{72.0 / 35, 35, 72, 0},
      d{100.0 / 127, 127, 100, 0};
  const ResultList trains = {make_result({a, b, c}, 3.14159), make_result({d, d, d, d}, 0.38)},
                   thread = {make_result({{2.0, 30, 60, 0}}, 2.00612346)};
  for (const std::string code : {"en", "de", "es"}) {
    SCOPED_TRACE(code);
    install_language(dir.path(), code);
    dir.write_file(kSettings, small_settings(code));
    stop_app();
    start_app();
    const std::string heading = results_heading(*app, "3.14159", "0.0001", ToleranceMode::kBelow);
    RatioResultsWindow ratio(
        *app, 0, 0, heading, trains, [] {}, [] {});
    workshop::ChangeGearResultsWindow gears(*app, 0, 0, "2.00612346 " + lang(442), thread, {}, {},
                                            {});
    EXPECT_STREQ(ratio.window()->label(), lang(600).c_str());
    EXPECT_STREQ(gears.window()->label(), lang(603).c_str());
    EXPECT_EQ(lang(428) + " = -0.306173%", gears.widgets().rows[0].error->label());
    expect_texts_fit(ratio.widgets().rows, ratio.window()->w());
    expect_texts_fit(gears.window()->child(0)->as_group(), gears.window()->w());
    const Texts printed = printed_texts(
        print_to_postscript(dir.path() + "/ratio.ps", 1, [&](Fl_Paged_Device& device) {
          draw_ratio_results(device, *app, heading, trains);
        }));
    EXPECT_TRUE(contains(printed, lang(601)) && contains(printed, lang(602)));
    Fl_Browser* list = static_cast<workshop::DividingHeadPage*>(app->page(7))->widgets().results;
    EXPECT_EQ(list->textsize(), FL_NORMAL_SIZE);
    fl_font(list->textfont(), list->textsize());
    EXPECT_LE(fl_width(lang(272).c_str()), list->column_widths()[0] - 6);
  }
}

// The search the change-gear page runs when its gears make no train is the
// gear-ratio page's: the same fields and that page's tolerance mode give the
// same trains. (Pi within 1 % both ways, above only, below only: 22/7 is
// above; a thirds ratio from a narrow range; 0.3 as 12/40 and below.)
TEST_F(GearRatioPageTest, OtherPagesSearchAsThePageDoesInItsToleranceMode) {
  const struct {
    RatioSearchRequest fields;
    size_t mode;
  } cases[] = {{{"10", "3.14159", "12", "100", "1"}, 0},
               {{"10", "3.14159", "12", "100", "1"}, 1},
               {{"10", "3.14159", "12", "100", "1"}, 2},
               {{"5", "0.3333333333", "20", "50", "0.5"}, 0},
               {{"8", "0.3", "12", "60", "0.0001"}, 2}};
  std::vector<Texts> found;
  for (const auto& c : cases) {
    run(w().results_limit, c.fields.results_limit.c_str(), w().target, c.fields.target.c_str(),
        w().lowest, c.fields.lowest.c_str(), w().highest, c.fields.highest.c_str(), w().tolerance,
        c.fields.tolerance.c_str(), w().mode[c.mode], nullptr);
    click(w().calculate);
    ASSERT_NE(results(), nullptr);
    found.push_back(trains(page().listed(), true));
    page().close_results();
    EXPECT_EQ(trains(app->ratio_search().run(c.fields, app->main_frame()->window()), true),
              found.back());
  }
  EXPECT_NE(found[0], found[1]); // the mode reached the search
  EXPECT_NE(found[1], found[2]);
  EXPECT_EQ(found[1][0].substr(0, 15), "14>44 3.142857 "); // 22/7 in counts of 12 or more
}

class ChangeGearsPageTest : public PageAloneTest<workshop::ChangeGearsPage> {
protected:
  const workshop::ChangeGearSetWidgets& set() { return page().gear_set_window()->widgets(); }
  workshop::ChangeGearResultsWindow* results() { return page().results_window(); }
  void calculate(int mode, const char* p, const char* q) {
    run(w().mode[static_cast<size_t>(mode)], nullptr, w().pitch_to_make, p, w().lead_screw,
        (std::string(q) + "\n").c_str()); // Enter calculates
  }
};

TEST_F(ChangeGearsPageTest, TheEditorKeepsTheListSortedAndTheSearchesShowTheirTrains) {
  click(w().gear_set);
  Fl_Widget* copies = set().count->child(0);
  run(set().teeth, "11", set().teeth, "60\n", set().teeth, "030", copies,
      "9\n");                                                            // Enter adds
  EXPECT_EQ(page().gear_lines(), (Texts{"30", "30", "30", "30", "60"})); // four at most
  set().list->checked(2, 1);
  set().list->do_callback();
  run(set().remove, nullptr, set().close, nullptr);
  EXPECT_EQ(page().gear_lines(), (Texts{"30", "30", "30", "60"}));
  calculate(3, "2", "4"); // diametral pitch 2 on a worm from a 4 tpi screw
  see({w().first_gear, w().second_gear, w().warning}, {"88", "14", lang(460)});
  run(w().lead_screw, "5", w().mode[1], nullptr); // a changed pitch empties the pair
  see({w().first_gear, w().worm_group}, {"", "hidden"});

  calculate(1, "1", "2"); // 1 mm from a 2 mm screw: 30 > 60
  ASSERT_NE(results(), nullptr);
  see({results()->widgets().heading, results()->widgets().rows[0].error},
      {"2 mm pitch lead screw - 1 mm pitch", "Error = 0.0%"});
  // The 2:1 pair is 0.3 % off, within 0.5 %; Enter takes the error, then calculates.
  run(results()->widgets().close, nullptr, w().lead_screw, "2.006", w().error, "0.5\n");
  see({results()->widgets().rows[0].error}, {"Error = -0.3%"});
  page().set_gear_lines({"20", "24", "30", "18"}); // saved: its ascending run
  restart();
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "24", "30"}));
  see({w().pitch_to_make, w().lead_screw, w().error, w().explanation},
      {"1", "2.006", "0.5", lang(439)});
}

TEST_F(ChangeGearsPageTest, WhenNoTrainFitsTheGearRatioSearchIsOffered) {
  page().set_gear_lines({"20", "30", "50"});
  dialogs.answers = {true}; // 7 tpi from a 1 tpi screw: beyond three pairs of these gears
  calculate(0, "7", "1");
  ASSERT_NE(results(), nullptr);
  // The ratio search found 7 itself, in the change gears' own error.
  const workshop::ChangeGearRow& row = results()->widgets().rows[0];
  double ratio = 1.0;
  for (size_t k = 0; k < workshop::kChangeGearPairs && row.driver[k]->visible(); ++k)
    ratio *= std::atof(row.driven[k]->label()) / std::atof(row.driver[k]->label());
  EXPECT_NEAR(ratio, 7.0, 7e-6 + 1e-9);
}

// Gears the set can't supply: red on screen, starred on paper, each with its
// key; the set takes 12 to 400 teeth (more counts would slow the search).
TEST_F(ChangeGearsPageTest, RedOnScreenStarredOnPaperEachWithItsKey) {
  // 0.2 mm from a 4 tpi screw, 31.75 = 100/20 x 127/20: the one 20 owned
  // drives the first pair, the second pair's 20 is missing.
  const gears::ResultList trains = {
      gears::make_result({{5.0, 20, 100, 0}, {6.35, 20, 127, 0}}, 31.75)};
  const Texts owned = {"20", "100", "127"};
  workshop::ChangeGearResultsWindow one(fake, 0, 0, "-", trains, owned, {}, {});
  const workshop::ChangeGearRow& row = one.widgets().rows[0];
  EXPECT_EQ(Texts({shown(row.driver[1]), one.widgets().key->label()}), Texts({"20", lang(760)}));
  // clang-format off
  for (auto [gear, red] : {std::pair{row.driver[0], false}, {row.driven[0], false}, {row.driver[1], true}, {row.driven[1], false}})
    EXPECT_EQ(has_state(gear, "red"), red) << gear->label();
  workshop::ChangeGearResultsWindow two(fake, 0, 0, "-", trains, {"20", "20", "100", "127"}, {}, {});
  see({two.widgets().key}, {"hidden"});
  const Texts printed = printed_texts(print_to_postscript(dir.path() + "/gears.ps", 1, [&](Fl_Paged_Device& device) {
    workshop::draw_change_gear_results(device, fake, "-", trains, owned); }));
  // clang-format on
  EXPECT_EQ(std::count(printed.begin(), printed.end(), "20*"), 1);
  EXPECT_TRUE(contains(printed, "100") && contains(printed, "127") && contains(printed, lang(761)));
}

TEST_F(ChangeGearsPageTest, TheSetTakesTwelveToFourHundredTeeth) {
  click(w().gear_set);
  // clang-format off
  for (auto [teeth, addable] : {std::pair{"11", false}, {"12", true}, {"400", true}, {"401", false}})
    EXPECT_EQ((run(set().teeth, teeth), set().add->active() != 0), addable) << teeth;
  // clang-format on
  page().set_gear_lines({"20", "400", "401"});
  restart();
  EXPECT_EQ(page().gear_lines(), (Texts{"20", "400"}));
}

class DividingHeadPageTest : public PageTest<workshop::DividingHeadPage, 7> {
protected:
  workshop::PlateEditor* editor() { return page().plate_editor(); }
  settings::IniDocument settings_file() const {
    settings::IniDocument doc;
    settings::IniDocument::load(dir.path() + "/" + kSettings, doc);
    return doc;
  }
  Texts calculate(const char* divisions) {
    run(w().divisions, (std::string(divisions) + "\n").c_str()); // Enter calculates
    return lines_of(w().results);
  }
  void move(Fl_Check_Browser* from, const std::string& plate, Fl_Button* button) {
    const Texts lines = lines_of(from); // ticked as a user's click does
    from->checked(
        static_cast<int>(std::find(lines.begin(), lines.end(), plate) - lines.begin()) + 1, 1);
    from->do_callback();
    click(button);
  }
};

TEST_F(DividingHeadPageTest, SearchesTheHeadsPlates) {
  EXPECT_STREQ(w().head->text(), "Brown and Sharp 40-1");
  // 40 / 7 = 5 5/7 = 5 turns and 15 holes of 21; the head has no 49; 40 is one turn.
  EXPECT_EQ(calculate("7"), Texts{"@c21\t@c5\t@c15"});
  EXPECT_EQ(calculate("40"), Texts{"@c@.any\t@c1\t@c0"});
  // From is raised to 2 once the user is done with it (Enter), and the
  // search follows; Print follows the value From will have.
  run(w().divisions, "7", w().from, "1\n");
  see({w().from}, {"2"});
  EXPECT_EQ(lines_of(w().results), Texts{"@c21\t@c5\t@c15"});
  run(w().to, "2");
  EXPECT_FALSE(w().print->active());
}

TEST_F(DividingHeadPageTest, ChoosingAHeadWritesItShowsItsPlatesAndAnswersOtherPages) {
  const auto can_index = [this](int n) {
    const workshop::DividingHead head = app->dividing_head();
    return workshop::can_index(head.ratio, head.circles, n);
  };
  EXPECT_TRUE(can_index(7));
  w().head->value(w().head->find_index("Phase II 72-1"));
  w().head->do_callback(); // what picking the item from the open menu does
  EXPECT_EQ(settings_file().get_string(".:last"), "Phase II 72-1");
  EXPECT_EQ(lines_of(editor()->widgets().head_list), Texts{"10"});
  EXPECT_EQ(calculate("5"), Texts{"@c10\t@c14\t@c4"}); // 72 / 5 = 14 2/5
  EXPECT_EQ(app->dividing_head().name, "Phase II 72-1");
  EXPECT_FALSE(can_index(7)); // 10 holes can't give 2/7
}

TEST_F(DividingHeadPageTest, PlatesMoveBetweenHeadAndCatalogueAndSurviveARestart) {
  click(w().edit_plates);
  move(editor()->widgets().catalogue_list, "13", editor()->widgets().add);
  EXPECT_EQ(
      (Texts{settings_file().get_string("brown and sharp 40-1:13"), lines_of(w().plates).at(0)}),
      (Texts{"13", "13"}));
  move(editor()->widgets().head_list, "13", editor()->widgets().remove);
  EXPECT_EQ(lines_of(editor()->widgets().catalogue_list).at(0), "13");
  move(editor()->widgets().catalogue_list, "49", editor()->widgets().add); // 35 of 49 is 5/7 too
  editor()->window()->do_callback(); // closed by the window manager: the button comes back
  EXPECT_TRUE(w().edit_plates->active());
  restart_app();
  EXPECT_EQ(calculate("7"), (Texts{"@c21\t@c5\t@c15", "@c49\t@c5\t@c35"}));
}

TEST_F(DividingHeadPageTest, AnglesDifferentialAndTheHeadsGearsSurviveARestart) {
  click(w().other_ways);
  workshop::IndexingWindow* win = &page().indexing_window();
  EXPECT_TRUE(win->window()->visible());
  run(win->widgets().angle, "35 0 0");
  run(win->widgets().divisions, "127");
  // 35 * 40 / 360 = 3 8/9 turns; 127: A = 120 (1/3 turn), 40 (120 - 127) / 120 = -7/3.
  EXPECT_EQ(lines_of(win->widgets().angle_list).at(1), "       18       3       16  35\xC2\xB0"
                                                       "0'0\"");
  EXPECT_EQ(lines_of(win->widgets().differential_list).at(1),
            "56 : 24, plate turns against the crank, idlers: 2");
  // Without the 56 only compound trains are left: A = 128 (5/16 = 24/48 * 40/64) is nearest.
  click(win->widgets().gears_button);
  Fl_Check_Browser* gears = win->gear_editor().widgets().list;
  gears->checked(8, 1); // 24 24 28 32 40 44 48 56 ...
  gears->do_callback();
  click(win->gear_editor().widgets().remove);
  EXPECT_EQ(settings_file().get_string("brown and sharp 40-1:gears"),
            "24, 24, 28, 32, 40, 44, 48, 64, 72, 86, 100");
  restart_app();
  win = &page().indexing_window();
  EXPECT_EQ(lines_of(win->widgets().differential_list).at(0), "A = 128: 0 turns + 5 holes on 16");
  EXPECT_EQ(lines_of(win->widgets().angle_list).size(), 3u); // header, 18 and 27
}

TEST_F(DividingHeadPageTest, NewPlateDialogTakesTwelveToOneHundredNinetyThree) {
  click(w().edit_plates);
  static const char* typed = nullptr;
  for (auto [text, catalogued] : {std::pair{"11", false}, {"194", false}, {"193", true}}) {
    typed = text;
    Fl::add_timeout(
        0.05,
        [](void* data) {
          auto* dialog = static_cast<workshop::DividingHeadPage*>(data)->plate_editor()->new_plate_dialog();
          EXPECT_STREQ(dialog->number->value(), "12");
          retype(dialog->number, typed);
          click(dialog->ok);
        },
        &page());
    click(editor()->widgets().new_plate_button);
    EXPECT_EQ(settings_file().has(std::string("hole plates:") + text), catalogued) << text;
  }
}

// 127 on the Brown and Sharp head: no circle, but A = 120 is 1/3 turn (5 of
// 15) and 40 (120 - 127) / 120 = -7/3 is the head's 56 : 24.
TEST_F(DividingHeadPageTest, TheListFollowsItsInputsAndOffersTheHeadsGears) {
  run(w().divisions, "127");
  const Texts lines = {"@." + lang(216), " ", "@." + lang(770), "@.index for A = 120."};
  EXPECT_EQ(lines_of(w().results), lines);
  fl_font(w().results->textfont(), w().results->textsize());
  for (const std::string& line : lines) // after "@." (the blank line has none), inside the borders
    EXPECT_LT(fl_width(line.substr(line.rfind("@.", 0) == 0 ? 2 : 0).c_str()), w().results->w() - 8)
        << line;
  click(w().differential);
  const workshop::IndexingWidgets& ways = page().indexing_window().widgets();
  see({ways.divisions}, {"127"});
  run(w().divisions, "24"); // 1 2/3 turns: 10 of 15, ...; no button
  see({w().differential}, {"hidden"});
  run(w().head, "#2"); // the 90-1 head: 90 / 24 = 3 3/4: 12 of 16, 15 of 20
  EXPECT_EQ(lines_of(w().results), (Texts{"@c16\t@c3\t@c12", "@c20\t@c3\t@c15"}));
  run(w().divisions, "1");
  EXPECT_EQ(w().results->size() + w().calculate->active(), 0); // an empty list, no Calculate
  // The angle: not one, and not above 0 up to 360 degrees.
  for (const auto& [typed, entry] : {std::pair{"11x", 774}, {"400", 775}}) {
    run(ways.angle, typed);
    EXPECT_EQ(lines_of(ways.angle_list), Texts{lang(entry)});
  }
}

// An A4 sheet's 806 points less the stamp (18) and the heading (24) leave 764:
// rows at 31 + 22 k while 31 + 22 k + 23 < 764, 33 a block, 66 a page. The
// PostScript states its count in the trailer ("%%Pages: (atend)" first).
TEST_F(DividingHeadPageTest, ALongTableAsksFirstAndThePrintStatesItsPageCount) {
  ui::print_to_file_instead(dir.path() + "/table.ps");
  dialogs.answers = {false, true}; // no starts no job at all
  run(w().to, "99999", w().print, nullptr);
  EXPECT_FALSE(dir.exists("table.ps"));
  for (const int rows : {660, 661})
    workshop::print_division_table(
        *app, workshop::division_table_texts(*app, "H", 40),
        std::vector<workshop::DivisionRow>(rows, {2, {{15, 2, 10}}, {}}));
  const std::string ps = dir.read_file("table.ps");
  EXPECT_EQ(std::make_pair(count_of(ps, "%%Page: "), ps.substr(ps.rfind("%%Pages:"))),
            std::make_pair(11, std::string("%%Pages: 11\n%%EOF")));
  EXPECT_EQ(dialogs.questions.size(), 2u); // none for ten pages
  EXPECT_EQ(dialogs.questions.back(), "The table takes 11 pages. Print them all?");
  ui::print_to_file_instead("");
}

} // namespace
