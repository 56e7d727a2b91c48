// Checked numeric fields with real key presses: filtering, colours, the
// page routines, the range message when leaving a red field, the popup hook.
#include "support/gui_test.h"

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "ui/checked_input.h"
#include "ui/dialogs.h"
#include "ui/field_io.h"
#include "core/i18n/format_check.h"

using namespace testing_support;

namespace {
constexpr numeric::RangeRule kLength = numeric::any_decimal();
constexpr numeric::RangeRule kSigned = numeric::any_signed_decimal();
constexpr numeric::RangeRule kHoles = numeric::whole_number_in(1, 50);
constexpr numeric::RangeRule kAngle = numeric::signed_decimal_in(-360.0, 360.0);
constexpr numeric::RangeRule kWhole = numeric::any_whole_number();
} // namespace

class CheckedInputTest : public AppTest {
protected:
  // Fields on the shown page of the main window, one per rule under test.
  ui::CheckedInput* field(const numeric::RangeRule& rule) {
    group = app->main_frame()->page_group(1);
    group->begin();
    auto* input = ui::make_checked_input(*app, rule, 200, 10 + 30 * count++, 100, 25);
    group->end();
    Fl_Group::current(nullptr);
    input->on_valid([this] { ++valid_calls; });
    input->on_invalid([this] { ++invalid_calls; });
    return input;
  }
  void SetUp() override { start_app(); }
  // The counters die with this fixture; the app (whose fields call them when
  // its window closes) must go first.
  void TearDown() override { stop_app(); }
  Fl_Window* main() { return app->main_frame()->window(); }
  void point_at(Fl_Widget* input) {
    Fl::e_x = input->x() + 5;
    Fl::e_y = input->y() + 5;
  }

  Fl_Group* group = nullptr;
  int count = 0, valid_calls = 0, invalid_calls = 0;
};

// The filter and paste rules themselves have their own
// tables; here a row per kind shows that keys and pastes go through them.
TEST_F(CheckedInputTest, TypedKeysAndPastesGoThroughTheFieldsRules) {
  // A field without a range and with no routine for valid values calls the other one.
  ui::CheckedInput* lone = field(kLength);
  lone->on_valid({});
  type_text(lone, "5");
  EXPECT_EQ(invalid_calls, 1);
  // Nothing typed is dropped: what can't be used stays as typed, red.
  const std::tuple<numeric::RangeRule, const char*, const char*, bool> typed[] = {
      {kLength, "1.2.5", "1.2.5", true}, {kLength, "12,5", "12.5", false},
      {kLength, "-3", "-3", true},       {kSigned, "-0,5", "-0.5", false},
      {kHoles, "4.5", "4.5", true},      {kHoles, "2*4,5", "2*4,5", true},
  };
  for (const auto& [rule, keys, shown, red] : typed) {
    ui::CheckedInput* input = field(rule);
    type_text(input, keys);
    EXPECT_STREQ(input->value(), shown) << keys;
    EXPECT_EQ(input->textcolor() == FL_RED, red) << keys;
    retype(input, ""); // mended, so that it lets the focus go
  }
  // The plain number fields (target ratio, pitches, shaft angle) read a comma alike.
  group->begin();
  auto* plain = new ui::NumberInput(400, 10, 100, 25);
  group->end();
  for (const auto& [pasted, shown] : {std::pair{"", "3.5"}, {"1.234,5", "3.5"}, {"25", "3.525"}}) {
    *pasted ? paste_text(plain, pasted) : type_text(plain, "3,5");
    EXPECT_STREQ(plain->value(), shown) << pasted;
  }
  // They read arithmetic too, say what they can't read, and show the value on Enter.
  plain->speak_with(*app);
  retype(plain, "2++3");
  EXPECT_EQ(plain->textcolor(), FL_RED);
  EXPECT_STREQ(plain->tooltip(), i18n::checked_format(app->lang(846), "s", "+").c_str());
  retype(plain, "1 1/4");
  EXPECT_EQ(std::make_tuple(plain->textcolor(), plain->number_text()), std::make_tuple(FL_BLACK, std::string("1.25")));
  press_key(FL_Enter);
  EXPECT_STREQ(plain->value(), "1.25");
  const std::tuple<numeric::RangeRule, const char*, const char*, int> pastes[] = {
      {kLength, " 7,25\n", "7.25", 1},
      {kLength, "1,234.5", "", 0},
      {kHoles, "12,5", "", 0},
      {kHoles, "51", "51", 0}};
  for (const auto& [rule, pasted, shown, page_calls] : pastes) {
    SCOPED_TRACE(pasted);
    ui::CheckedInput* input = field(rule);
    valid_calls = 0;
    paste_text(input, pasted);
    EXPECT_STREQ(input->value(), shown);
    EXPECT_EQ(valid_calls, page_calls);
    // A pasted value is checked like a typed one: 51 holes are too many.
    EXPECT_EQ(input->textcolor(), rule.has_range() && *shown ? FL_RED : FL_BLACK);
  }
}

// A paste goes to the field as the toolkit's paste event; one longer than the
// field takes (40 characters) is refused whole, the selection it would replace kept.
TEST_F(CheckedInputTest, APasteLongerThanTheFieldTakesIsRefusedWhole) {
  const std::tuple<numeric::RangeRule, size_t, const char*> pastes[] = {{kLength, 2000000, "12"},
                                                                        {kHoles, 2000000, "12"},
                                                                        {kLength, 41, "12"},
                                                                        {kLength, 40, nullptr}};
  for (const auto& [rule, length, shown] : pastes) {
    SCOPED_TRACE(length);
    ui::CheckedInput* input = field(rule);
    retype(input, "12");
    input->position(0, 2);
    // 40 characters of a number small enough to be used.
    std::string pasted = length == 40 ? "0." + std::string(38, '1') : std::string(length, '1');
    Fl::e_text = pasted.data();
    Fl::e_length = static_cast<int>(length);
    valid_calls = 0;
    input->handle(FL_PASTE);
    EXPECT_EQ(input->value(), shown ? shown : pasted);
    EXPECT_EQ(valid_calls, shown ? 0 : 1);
  }
}

TEST_F(CheckedInputTest, RedOnceOutOfRangeAndLeavingARedFieldShowsTheRangeOnce) {
  ui::CheckedInput* length = field(kLength); // no range: the page hears every key
  type_text(length, "12.5");
  EXPECT_EQ(valid_calls, 4);
  ui::CheckedInput* holes = field(kHoles);
  valid_calls = 0;
  type_text(holes, "00"); // red at the first key, and the page is told once
  EXPECT_EQ(std::tuple(holes->textcolor(), valid_calls, invalid_calls), std::tuple(FL_RED, 0, 1));
  press_key(FL_BackSpace);
  press_key(FL_BackSpace);
  type_text(holes, "12");
  EXPECT_EQ(holes->textcolor(), FL_BLACK);
  EXPECT_GE(valid_calls, 2);
  ui::CheckedInput* angle = field(kAngle);
  type_text(angle, "-400");
  for (int leaving = 0; leaving < 2; ++leaving) { // no new typing: no second message
    Fl::focus(nullptr);
    EXPECT_EQ(dialogs.range_messages, std::vector<std::string>{"-360 <=> 360"});
    EXPECT_EQ(Fl::focus(), angle);
  }
  // Mended, the angle turns black and lets the focus go.
  press_key(FL_BackSpace);
  EXPECT_EQ(angle->textcolor(), FL_BLACK);
  ui::CheckedInput* few = field(kHoles);
  type_text(few, "0");
  EXPECT_EQ(Fl::focus(), few);
  Fl::focus(nullptr);
  ASSERT_EQ(dialogs.range_messages.size(), 2u);
  EXPECT_EQ(dialogs.range_messages[1], "1 <=> 50");
  // A count without a range still holds no more than a 32-bit number.
  type_text(few, "5"); // "05" lets the focus go
  ui::CheckedInput* teeth = field(kWhole);
  type_text(teeth, "99999999999");
  EXPECT_EQ(teeth->textcolor(), FL_RED);
  Fl::focus(nullptr);
  EXPECT_EQ(dialogs.range_messages.back(), "0 <=> 2147483647");
}

// Fraction fields fill the decimal one and run its routine, which can tell
// that value from a typed one (the pages keep the fraction only for the first).
TEST_F(CheckedInputTest, FractionsFillTheDecimalFieldAndRunItsRoutineAsComposed) {
  ui::CheckedInput *out = field(kLength), *parts[] = {field(kWhole), field(kWhole), field(kWhole)};
  for (int i = 0; i < 3; ++i)
    parts[i]->value(i < 2 ? "1" : "4");
  std::vector<bool> composed;
  out->on_valid([&] { composed.push_back(out->composed()); });
  ui::fraction_to_decimal_field(out, parts[0], parts[1], parts[2]);
  EXPECT_STREQ(out->value(), "1.25"); // 1 + 1/4
  type_text(out, "5");
  EXPECT_EQ(composed, (std::vector<bool>{true, false}));
}

// The field's menu, keyed as a user would: Copy (only with a selection), Paste and Undo, or
// closed with Escape; the field's own callback runs after it all the same.
TEST_F(CheckedInputTest, RightClickOpensThePopupOnlyOnAFieldOfTheShownPage) {
  ui::CheckedInput* input = field(kLength);
  ui::CheckedInput* other = field(kLength);
  struct Row {
    std::vector<int> keys;
    bool selected;            ///< "2.5" of the "12.5" typed
    const char *shows, *clip; ///< the field, and the clipboard pasted into another field
  };
  const Row rows[] = {{{FL_Escape}, true, "12.5", "7"},
                      {{FL_Down, FL_Enter}, true, "12.5", "2.5"},
                      {{FL_Down, FL_Enter}, false, "712.5", "7"}, // Copy is not offered
                      {{FL_Down, FL_Down, FL_Enter}, true, "17", "7"},
                      {{FL_Up, FL_Enter}, true, "17", "7"}}; // typing over "17" undone
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys.size() + 10 * row.selected);
    retype(input, "12.5");
    input->position(row.selected ? 1 : 0, row.selected ? 4 : 0);
    Fl::copy("7", 1, 1);
    valid_calls = 0;
    keys_for_next_menu(row.keys);
    point_at(input);
    EXPECT_TRUE(app->input_popup_check(main()));
    settle();
    EXPECT_GE(valid_calls, 1);
    EXPECT_STREQ(input->value(), row.shows);
    retype(other, "");
    Fl::paste(*other, 1);
    EXPECT_STREQ(other->value(), row.clip);
  }
  valid_calls = 0;
  group->deactivate();
  EXPECT_FALSE(app->input_popup_check(main()));
  group->activate();
  input->hide();
  EXPECT_FALSE(app->input_popup_check(main()));
  input->show();
  // A right click in another window is not for the main window's fields.
  app->show_help(static_cast<ui::HelpTopic>(0));
  EXPECT_FALSE(app->input_popup_check(app->help_windows().back()->window()));
  Fl::e_x = 700; // off the field
  Fl::e_y = 590;
  EXPECT_FALSE(app->input_popup_check(main()));
  EXPECT_EQ(valid_calls, 0);
}

TEST_F(CheckedInputTest, HidingThePageCallsNoPageRoutineAndTwoRedFieldsKeepTheFocusStill) {
  ui::CheckedInput* first = field(kHoles);
  ui::CheckedInput* second = field(kHoles);
  type_text(first, "0"); // red
  const int valid_before = valid_calls, invalid_before = invalid_calls;
  click(app->main_frame()->nav_button(2)); // page 1 goes away
  EXPECT_EQ(std::tuple(valid_calls, invalid_calls), std::tuple(valid_before, invalid_before));
  EXPECT_EQ(first->textcolor(), FL_RED); // still marked when the user comes back
  // Shown again, the red field no longer holds the focus, so a second one can
  // turn red; clicking the first then leaves the focus with the field being
  // left, rather than passing it to and fro for ever.
  click(app->main_frame()->nav_button(1));
  type_text(second, "0");
  ASSERT_EQ(second->textcolor(), FL_RED);
  click(first);
  EXPECT_EQ(Fl::focus(), second);
}

// The range window is as wide as its text measured in 26-point bold plus the icon, with
// the close button in the middle; the button ends the wait. (Where it opens follows the
// main window, which the X server may still be placing.)
TEST_F(CheckedInputTest, TheRangeWindowFitsItsTextAndItsButtonClosesIt) {
  static std::vector<std::string> seen; // size, then the widgets
  Fl::add_timeout(0.3, [](void*) {
    Fl_Window* window = Fl::first_window();
    seen = layout(window);
    seen.insert(seen.begin(), std::to_string(window->w()) + "x" + std::to_string(window->h()));
    if (auto* close = dynamic_cast<Fl_Button*>(window->child(window->children() - 1)))
      click(close);
  });
  ui::show_range_message("-360 <=> 360", field(kAngle));
  fl_font(FL_HELVETICA_BOLD, 26);
  const int text = static_cast<int>(fl_width("-360 <=> 360"));
  const int width = 79 + text + 5;
  const std::string n = std::to_string(text), x = std::to_string(width / 2 - 18);
  EXPECT_EQ(seen,
            (std::vector<std::string>{std::to_string(width) + "x100", "10,10 60x59 ! 56/229/8",
                                      "73,23 " + n + "x25 -360 <=> 360 15/0/1",
                                      x + ",60 36x36 X 34/" + std::to_string(FL_RED) + "/3"}));
}
