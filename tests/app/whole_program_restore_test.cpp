// The whole program reopens exactly as it was left: every page filled by
// real events, then a restart, a language switch to German and Spanish and
// back to English. A generic snapshot of the main window's widget tree
// (type, visibility, activity, value, label of every widget) and the saved
// State.ini must come back unchanged; across languages only the labels may
// differ.
#include "support/gui_test.h"

#include <climits>
#include <regex>
#include <sstream>
#include <typeinfo>

#include "app/main_window.h"
#include "app/page_table.h"
#include "app/all_pages.h"
#include "pages/workshop/change_gear_set_window.h"
#include "pages/workshop/indexing_window.h"
#include "core/i18n/language_dirs.h"
#include "ui/page_widgets.h"

using namespace testing_support;

namespace {

// One user action on a page: type a text into a field, click a button, pick
// item `n` of a choice, or click a spinner's up arrow `n` times.
struct Step {
  Step(Fl_Widget* w, const char* typed = "") : widget(w), text(typed) {}
  Step(Fl_Widget* w, int times) : widget(w), n(times) {}
  Fl_Widget* widget;
  std::string text;
  int n = 0;
};

template <class PageT> const auto& widgets_of(app::App& a, int number) {
  return dynamic_cast<PageT&>(*a.page(number)).widgets();
}

// What the user does on each page, none of it the built defaults. The unit
// system is switched to metric before, so the unit pairs are already "mm".
// One page a row or two, as a table reads.
// clang-format off
std::vector<Step> page_steps(app::App& a, int number) {
  switch (number) {
  case 1: { const auto& w = widgets_of<geometry::CircleSegmentPage>(a, 1);
    return {{w.known, 0}, {w.dms}, {w.first, "10"}, {w.second_dms[0], "60"},
            {w.second_dms[1], "30"}, {w.inch}, {w.precision, 2}}; }
  case 2: { const auto& w = widgets_of<geometry::RightTrianglePage>(a, 2);
    return {{w.case_buttons[3]}, {w.input1, "4"}, {w.input2, "3"}, {w.dms}, {w.precision, 1}}; }
  case 3: { const auto& w = widgets_of<geometry::ObliqueTrianglePage>(a, 3);
    return {{w.case_buttons[2]}, {w.decimal_inputs[0], "30"}, {w.decimal_inputs[1], "50"},
            {w.decimal_inputs[2], "45"}, {w.precision, 3}}; }
  case 4: { const auto& w = widgets_of<workshop::DovetailPage>(a, 4);
    return {{w.width, "25"}, {w.depth, "12"}, {w.angle_typed}, {w.typed_angle, "55"}, {w.gib},
            {w.gib_thickness, "3"}, {w.clearance_kind, 2}, {w.clearance, "0.5"}, {w.pin, "6"}}; }
  case 5: { const auto& w = widgets_of<geometry::BoltCirclePage>(a, 5);
    return {{w.partial}, {w.part_holes, "5"}, {w.start_angle, "10"}, {w.part_diameter, "80"},
            {w.end_angle, "170"}, {w.x_origin, "3"}, {w.y_origin, "-2"}, {w.zero[2]}, {w.clockwise},
            {w.x_reversed}, {w.y_reversed}, {w.precision, 1}}; }
  case 6: { const auto& w = widgets_of<threads::ThreadWiresPage>(a, 6);
    return {{w.forms[2]}, {w.tpi, "16"}, {w.fraction_over, "3"}, {w.fraction_under, "8"},
            {w.wire, "0.036"}}; }
  case 7: { auto& p = dynamic_cast<workshop::DividingHeadPage&>(*a.page(7));
    const auto& w = p.widgets();
    return {{w.divisions, "27"}, {w.calculate}, {w.other_ways},
            {p.indexing_window().widgets().angle, "17 18"}, {p.indexing_window().widgets().divisions, "131"}}; }
  case 8: { const auto& w = widgets_of<threads::ThreadSeriesPage>(a, 8);
    return {{w.series, 2}, {w.percent, "70"}, {w.letter}}; }
  case 9: { const auto& w = widgets_of<geometry::PolygonPage>(a, 9);
    return {{w.known[2]}, {w.sides, 3}, {w.value, "30"}, {w.dms}, {w.precision, 2}}; }
  case 10: { const auto& w = widgets_of<gears::SpurGearPage>(a, 10);
    return {{w.systems[1]}, {w.angle_14_5}, {w.pitch_value, "12"}, {w.teeth, "30"}, {w.span_teeth, 1}}; }
  case 11: { const auto& w = widgets_of<geometry::ConversionsPage>(a, 11);
    return {{w.degrees, "90.5"}, {w.mm, "12.5"}, {w.celsius, "37"}, {w.whole, "1"},
            {w.numerator, "3"}, {w.denominator, "8"}}; }
  case 12: { const auto& w = widgets_of<workshop::DovetailMeasurementPage>(a, 12);
    return {{w.female_at_hand}, {w.angle_45}, {w.pin, "6"}, {w.between_pins, "8"},
            {w.female_depth, "10"}, {w.gib}, {w.gib_thickness, "2"}, {w.clearance_kind, 1},
            {w.clearance, "0.2"}}; }
  case 13: { const auto& w = widgets_of<gears::WormGearPage>(a, 13);
    return {{w.systems[1]}, {w.angles[2]}, {w.pitch, "8"}, {w.teeth, "40"}, {w.starts, 1},
            {w.left_hand}, {w.diameter, "1.25"}, {w.backlash, "0.005"}, {w.square_rim},
            {w.crown_cut}}; }
  case 14: { const auto& w = widgets_of<gears::BevelGearPage>(a, 14);
    return {{w.module}, {w.pinion_and_gear}, {w.pitch, "2"}, {w.pinion_teeth, "20"},
            {w.gear_teeth, "40"}, {w.dms}, {w.shaft_dms[0], "80"}, {w.shaft_dms[1], "30"},
            {w.face_width, "12"}}; }
  case 15: { const auto& w = widgets_of<gears::OverPinsPage>(a, 15);
    return {{w.system[1]}, {w.angle[2]}, {w.typed_angle, "25"}, {w.pitch, "10"}, {w.teeth, "20"},
            {w.pin, "0.168"}, {w.over_pins, "2.23"}, {w.helix_select}, {w.helix, "12"}}; }
  case 16: { const auto& w = widgets_of<gears::GearRatioPage>(a, 16);
    return {{w.results_limit, "7"}, {w.target, "2.5"}, {w.highest, "80"}, {w.mode[2]},
            {w.tolerance, "2.5"}}; }
  case 17: { const auto& w = widgets_of<workshop::ChangeGearsPage>(a, 17);
    return {{w.mode[5]}, {w.pitch_to_make, "11"}, {w.lead_screw, "6"}, {w.error, "3"}}; }
  case 18: { const auto& w = widgets_of<gears::HelicalGearPage>(a, 18);
    return {{w.diametral_pitch}, {w.angle_14_5}, {w.pitch, "12"}, {w.teeth, "30"}, {w.helix, "20 30"},
            {w.left_hand}, {w.mating, "45"}, {w.lead_screw, "5"}, {w.trains, 1}}; }
  case 19: { const auto& w = widgets_of<workshop::SineBarPage>(a, 19);
    return {{w.height_to_angle}, {w.length, "200"}, {w.height, "51.3"}, {w.wear}, {w.wear_size, "2"},
            {w.set, 0}}; }
  case 20: { const auto& w = widgets_of<workshop::TaperPage>(a, 20);
    return {{w.standard, 4}, {w.work_length, "300"}, {w.roll, "10"}, {w.m1, "30"}, {w.h1, "10"},
            {w.m2, "31"}, {w.h2, "60"}, {w.ball1, "10"}, {w.depth1, "50"}, {w.ball2, "20"},
            {w.depth2, "10"}, {w.bar_length, "100"}, {w.tolerance, "0.01"}}; }
  default:
    return {};
  }
}
// clang-format on

void run(const Step& step) {
  Fl_Widget* w = step.widget;
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->visible_r() && w->active_r()) << "a user could not reach this widget";
  if (auto* choice = dynamic_cast<Fl_Choice*>(w)) {
    choice->value(step.n); // the pop-up menu is modal: pick the item as it would
    w->do_callback();
  } else if (auto* spinner = dynamic_cast<Fl_Spinner*>(w)) {
    for (int i = 0; i < step.n; ++i)
      click(spinner->child(1));
  } else if (!step.text.empty()) {
    retype(dynamic_cast<Fl_Input_*>(w), step.text);
  } else {
    click(w);
  }
  settle();
}

// One widget as a user sees it.
struct Seen {
  std::string path, type, label, value;
  bool visible, active;
};
using Snapshot = std::vector<Seen>;

// How far a scroll area's contents are moved, as the user sees it: the
// toolkit's own position is only brought up to date when it is drawn.
int scrolled_by(Fl_Scroll* scroll) {
  int top = INT_MAX;
  for (int i = 0; i < scroll->children(); ++i)
    if (!dynamic_cast<Fl_Scrollbar*>(scroll->child(i)))
      top = std::min(top, scroll->child(i)->y());
  return scroll->y() + Fl::box_dy(scroll->box()) - top;
}

// Scrolls as a user dragging the scroll bar to `position`.
void drag_scroll(Fl_Scroll* scroll, int position) {
  scroll->scroll_to(scroll->xposition(), scroll->yposition() + position - scrolled_by(scroll));
  settle();
}

std::string value_of(Fl_Widget* w) {
  std::ostringstream out;
  if (auto* input = dynamic_cast<Fl_Input_*>(w))
    out << input->value();
  else if (auto* spinner = dynamic_cast<Fl_Spinner*>(w))
    out << spinner->value();
  else if (auto* choice = dynamic_cast<Fl_Menu_*>(w))
    out << choice->value();
  else if (auto* valuator = dynamic_cast<Fl_Valuator*>(w))
    out << valuator->value();
  else if (auto* button = dynamic_cast<Fl_Button*>(w))
    out << int(button->value());
  else if (auto* scroll = dynamic_cast<Fl_Scroll*>(w))
    out << scrolled_by(scroll);
  if (auto* browser = dynamic_cast<Fl_Browser*>(w))
    for (int line = 1; line <= browser->size(); ++line)
      out << browser->text(line) << '\n';
  return out.str();
}

// `unlabelled` is the one label that is not restored, by design: the
// wire-sizes caption takes the wire label of the unit at a unit switch, and
// a restart sets the unit without switching.
void walk(Fl_Widget* w, const std::string& path, Fl_Widget* unlabelled, Snapshot& seen) {
  seen.push_back({path, typeid(*w).name(), w->label() && w != unlabelled ? w->label() : "",
                  value_of(w), w->visible() != 0, w->active() != 0});
  // A list's or scroll area's own scroll bars come and go as it is drawn;
  // its position stands for them.
  bool has_scrollbars = dynamic_cast<Fl_Browser_*>(w) || dynamic_cast<Fl_Scroll*>(w);
  if (Fl_Group* group = w->as_group())
    for (int i = 0; i < group->children(); ++i)
      if (!has_scrollbars || !dynamic_cast<Fl_Scrollbar*>(group->child(i)))
        walk(group->child(i), path + "/" + std::to_string(i), unlabelled, seen);
}

// The numbers in a text, in order: what a translated caption keeps.
std::string numbers_in(const std::string& text) {
  static const std::regex number("[0-9][0-9.]*");
  std::string out;
  for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
    out += it->str() + " ";
  return out;
}

// Every difference, one line each. Across languages the labels are not
// compared, and texts that show words are compared by their numbers only.
std::string differences(const Snapshot& before, const Snapshot& after, bool same_language) {
  std::string out;
  if (before.size() != after.size())
    out += "widget count " + std::to_string(before.size()) + " -> " + std::to_string(after.size()) +
           "\n";
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
    const Seen &b = before[i], &a = after[i];
    auto differ = [&](const char* what, const std::string& x, const std::string& y) {
      if (x != y)
        out += b.path + " " + what + ": '" + x + "' -> '" + y + "'\n";
    };
    differ("type", b.type, a.type);
    differ("visible", std::to_string(b.visible), std::to_string(a.visible));
    differ("active", std::to_string(b.active), std::to_string(a.active));
    if (same_language) {
      differ("label", b.label, a.label);
      differ("value", b.value, a.value);
    } else if (!numbers_in(b.value).empty()) { // a caption without numbers may gain some
      differ("value", numbers_in(b.value), numbers_in(a.value));
    }
  }
  return out;
}

class WholeProgramRestoreTest : public AppTest {
protected:
  // The unit each page's pair shows, in the order of the Units button.
  std::string units_shown() {
    std::string shown;
    for (int slot = 0; slot < static_cast<int>(ui::UnitPairSlot::kCount); ++slot) {
      const auto& pair = app->unit_pair(static_cast<ui::UnitPairSlot>(slot));
      shown += pair.metric->value() ? 'm' : pair.inch->value() ? 'i' : '-';
    }
    return shown;
  }

  // Fills every page and leaves page 13 shown with the column scrolled.
  void fill_every_page() {
    click(app->main_frame()->unit_button()); // a fresh program: every pair follows to metric
    EXPECT_EQ(units_shown(), std::string(17, 'm'));
    for (int number = 1; number <= app::page_count(); ++number) {
      SCOPED_TRACE("page " + std::to_string(number));
      click(app->main_frame()->nav_button(number));
      int index = 0;
      for (const Step& step : page_steps(*app, number)) {
        SCOPED_TRACE("step " + std::to_string(index++));
        run(step);
      }
    }
    auto& gears = dynamic_cast<workshop::ChangeGearsPage&>(*app->page(17));
    click(gears.widgets().gear_set);
    for (const char* teeth : {"20", "24", "30", "18"}) {
      retype(gears.gear_set_window()->widgets().teeth, teeth);
      click(gears.gear_set_window()->widgets().add);
    }
    click(gears.gear_set_window()->widgets().close);
    // As a user drags the scroll bars (clicks only scroll a field into view).
    drag_scroll(widgets_of<gears::WormGearPage>(*app, 13).scroll, 120);
    click(app->main_frame()->nav_button(13));
    drag_scroll(app->main_frame()->nav_column(), 150);
  }

  Snapshot snapshot() {
    Snapshot seen;
    walk(app->main_frame()->window(), "",
         widgets_of<threads::ThreadWiresPage>(*app, 6).sizes_caption, seen);
    std::string list;
    for (const std::string& line :
         dynamic_cast<workshop::ChangeGearsPage&>(*app->page(17)).gear_lines())
      list += line + ",";
    seen.push_back({"change gears", "", "", list, true, true});
    const workshop::IndexingWidgets& indexing =
        dynamic_cast<workshop::DividingHeadPage&>(*app->page(7)).indexing_window().widgets();
    std::string typed = std::string(indexing.angle->value()) + "," + indexing.divisions->value();
    for (Fl_Browser* found : {indexing.angle_list, indexing.differential_list})
      typed += "," + std::to_string(found->size()) + " lines";
    seen.push_back({"angles and differential", "", "", typed, true, true});
    return seen;
  }

  // What the exit handler writes.
  std::string saved_state() {
    app->save_page_state();
    return dir.read_file("State.ini");
  }

  void switch_to(const std::string& code) {
    auto others = i18n::installed_languages(dir.path() + "/language", app->current_language());
    ASSERT_TRUE(others);
    int index = -1;
    for (size_t i = 0; i < others->size(); ++i)
      if ((*others)[i] == code)
        index = static_cast<int>(i);
    ASSERT_GE(index, 0) << code << " not installed";
    dialogs.language_answers.push_back(index);
    click(app->main_frame()->language_button());
    settle();
    ASSERT_EQ(app->current_language(), code);
  }
};

// The Units button, on every page that has a unit pair: no page loses what
// was typed in it, and pressing it twice leaves every page as it was. Then a
// restart, and switches to German and Spanish and back, change nothing.
TEST_F(WholeProgramRestoreTest, EveryPageComesBackAfterUnitsTwiceARestartAndLanguageSwitches) {
  install_language(dir.path(), "de");
  install_language(dir.path(), "es");
  start_app();
  fill_every_page(); // in millimetres
  ASSERT_FALSE(HasFailure());
  const Snapshot english = snapshot();
  // The spur gear, over-pins and helical gear systems (diametral pitch), the
  // circle segment and the thread wires (threads per inch) were set to inches by hand.
  EXPECT_EQ(units_shown(), "iiimmmmmimmmmimmm");
  click(app->main_frame()->unit_button());
  EXPECT_EQ(units_shown(), std::string(17, 'i'));
  const Snapshot inch = snapshot();
  ASSERT_EQ(inch.size(), english.size());
  for (size_t i = 0; i < english.size(); ++i) {
    const Seen& typed = english[i];
    if (typed.type.find("CheckedInput") != std::string::npos && typed.visible &&
        !typed.value.empty()) {
      EXPECT_NE(inch[i].value, "") << typed.path << " held " << typed.value;
    }
  }
  click(app->main_frame()->unit_button());
  EXPECT_EQ(differences(english, snapshot(), true), "");
  const std::string state = saved_state();
  EXPECT_NE(state.find("pitch_of_lead_screw"), std::string::npos);

  restart_app();
  EXPECT_EQ(differences(english, snapshot(), true), "");
  EXPECT_EQ(saved_state(), state);
  EXPECT_EQ(app->main_frame()->shown_page(), 13);
  for (const char* code : {"de", "es"}) {
    SCOPED_TRACE(code);
    switch_to(code);
    Snapshot translated = snapshot();
    EXPECT_EQ(differences(english, translated, false), "");
    EXPECT_EQ(saved_state(), state);
    // A restart in that language changes nothing, not even a label.
    restart_app();
    EXPECT_EQ(differences(translated, snapshot(), true), "");
  }
  switch_to("en");
  EXPECT_EQ(differences(english, snapshot(), true), "");
  EXPECT_EQ(saved_state(), state);
}

// A restored custom pressure angle out of its range empties that one field
// and waits there; the pages after it are restored all the same.
TEST_F(WholeProgramRestoreTest, BadPressureAngleOnPage15StopsNothingElse) {
  dir.write_file("State.ini", "[p15]\ngear_type = 1\nmeasure_pressure_angle = 2\n"
                              "measure_custom_pressure_angle = 45\n"
                              "[p16]\nratio_calc_p1_to_solve = 2.5\nratio_calc_p1 = 2\n"
                              "[p17]\nchange_gears_for = 3\npitch_of_lead_screw = 6\n"
                              "change_gears_count = 2\n"
                              "[change_gears]\n1 = 20\n2 = 30\n[page]\npage = 14\n");
  start_app();
  const auto& pins = widgets_of<gears::OverPinsPage>(*app, 15);
  EXPECT_STREQ(pins.typed_angle->value(), "");
  EXPECT_EQ(Fl::focus(), pins.typed_angle);
  const auto& ratio = widgets_of<gears::GearRatioPage>(*app, 16);
  EXPECT_STREQ(ratio.target->value(), "2.5");
  EXPECT_NE(ratio.mode[2]->value(), 0);
  auto& gears = dynamic_cast<workshop::ChangeGearsPage&>(*app->page(17));
  EXPECT_STREQ(gears.widgets().lead_screw->value(), "6");
  EXPECT_EQ(ui::chosen_index(gears.widgets().mode), 3); // a file from before the mixed modes
  EXPECT_EQ(gears.gear_lines(), (std::vector<std::string>{"20", "30"}));
}

} // namespace

// A file written before the helical-gear page kept "no page shown" as 17,
// now the index of that page, and has no section for it: the window shows
// the first page as it opens, and the new page starts as built (20°, right hand).
TEST_F(WholeProgramRestoreTest, AFileFromSeventeenPagesShowsNoPageAndLeavesTheNewOneAsBuilt) {
  std::string sections;
  for (int number = 1; number <= 17; ++number)
    sections += "[p" + std::to_string(number) + "]\n";
  dir.write_file("State.ini", sections + "[page]\npage = 17\n");
  start_app();
  EXPECT_EQ(app->main_frame()->shown_page(), 1);
  const auto& helical = widgets_of<gears::HelicalGearPage>(*app, 18);
  EXPECT_NE(helical.angle_20->value(), 0);
  EXPECT_NE(helical.right_hand->value(), 0);
  stop_app();
  dir.write_file("State.ini", sections + "[p18]\n[page]\npage = 17\n");
  start_app();
  EXPECT_EQ(app->main_frame()->shown_page(), 18);
}
