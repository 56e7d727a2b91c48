// Hand-edited state a widget can't hold leaves it as built (a spinner is held
// within its range). What is saved coming back is the whole-program restore
// test's, on every page.
#include "support/gui_test.h"

#include "core/settings/ini_document.h"
#include "ui/state_bindings.h"

namespace {

Fl_Round_Button* radio(int x, int y) {
  auto* button = new Fl_Round_Button(x, y, 30, 25);
  button->type(FL_RADIO_BUTTON);
  return button;
}

// The widgets as a page builds them, bound to keys of its section.
struct Page {
  Fl_Double_Window window{300, 200};
  Fl_Input* text = new Fl_Input(10, 10, 100, 25);
  Fl_Group* pair_group = new Fl_Group(10, 40, 60, 25);
  Fl_Round_Button *inch = radio(10, 40), *mm = radio(40, 40);
  Fl_Group* radio_group = new Fl_Group(10, 70, 90, 25);
  Fl_Round_Button *a = radio(10, 70), *b = radio(40, 70), *c = radio(70, 70);
  Fl_Choice* choice = new Fl_Choice(10, 100, 100, 25);
  Fl_Choice* maybe = new Fl_Choice(120, 100, 100, 25);
  Fl_Round_Button* check = new Fl_Round_Button(10, 130, 100, 25);
  Fl_Spinner* spinner = new Fl_Spinner(10, 160, 60, 25);
  ui::StateBindings rows;
  Page() {
    pair_group->end();
    radio_group->end();
    window.end();
    inch->setonly();
    a->setonly();
    check->type(FL_TOGGLE_BUTTON);
    choice->add("one|two|three");
    maybe->add("one|two");
    choice->value(0);
    maybe->value(0);
    spinner->value(3);
    rows.text("text", text, "12");
    rows.pair("pair", inch, mm);
    rows.radio("radio", {a, b, c});
    rows.radio("unset", {a, b, c}, -1);
    rows.choice("choice", choice);
    rows.choice("maybe", maybe, true);
    rows.check("check", check);
    rows.spinner("spin", spinner, 3.0, 2.0, 6.0);
  }
};

} // namespace

TEST(StateBindings, HandEditedValuesLeaveTheWidgetsAsBuilt) {
  struct Case {
    const char* spin; ///< nullptr: no such key
    double shown;
  };
  for (const Case& c : {Case{"8", 6.0}, Case{"1", 2.0}, Case{"nan", 3.0}, Case{nullptr, 3.0}}) {
    SCOPED_TRACE(c.spin ? c.spin : "missing");
    settings::IniDocument state;
    for (const auto& [key, past_the_last] : {std::pair{"p4:pair", "2"}, {"p4:radio", "3"}})
      state.set(key, past_the_last);
    state.set("p4:unset", "7");
    state.set("p4:choice", "-3");
    state.set("p4:maybe", "5");
    if (c.spin)
      state.set("p4:spin", c.spin);
    Page page;
    page.b->setonly();
    page.rows.load(state, "p4");
    EXPECT_EQ(page.spinner->value(), c.shown);
    EXPECT_STREQ(page.text->value(), "12");
    EXPECT_EQ(page.inch->value() + page.b->value(), 2);
    EXPECT_EQ(page.choice->value() + page.maybe->value(), 0);
  }
}
