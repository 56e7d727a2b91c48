// The State.ini value kinds round-trip through real widgets, and odd
// hand-edited values leave the widgets as built.
#include <gtest/gtest.h>

#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/fl_draw.H>

#include <memory>

#include "ui/state_keys.h"
#include "gui/support/render.h"
#include "settings/ini_document.h"

namespace {

struct Widgets {
  std::unique_ptr<Fl_Double_Window> window{new Fl_Double_Window(300, 300)};
  Fl_Input* text = new Fl_Input(10, 10, 100, 25);
  Fl_Round_Button* a = new Fl_Round_Button(10, 40, 50, 25, "a");
  Fl_Round_Button* b = new Fl_Round_Button(60, 40, 50, 25, "b");
  Fl_Round_Button* c = new Fl_Round_Button(110, 40, 50, 25, "c");
  Fl_Choice* choice = new Fl_Choice(10, 70, 100, 25);
  Fl_Round_Button* check = new Fl_Round_Button(10, 100, 100, 25, "check");
  Fl_Spinner* spinner = new Fl_Spinner(10, 130, 60, 25);
  Widgets() {
    window->end();
    for (auto* radio : {a, b, c})
      radio->type(FL_RADIO_BUTTON);
    check->type(FL_TOGGLE_BUTTON);
    choice->add("one|two|three");
    choice->value(0);
    a->setonly();
  }
  std::vector<Fl_Button*> radios() const { return {a, b, c}; }
};

} // namespace

TEST(StateKeys, EveryKindReadsBackWhatWasWritten) {
  Widgets before;
  before.text->value("12.5");
  before.c->setonly();
  before.choice->value(2);
  before.check->value(1);
  before.spinner->value(5);
  settings::IniDocument state;
  ui::save_text(state, "p1:text", before.text);
  ui::save_pair(state, "p1:pair", before.a);
  ui::save_radio_index(state, "p1:radio", before.radios());
  ui::save_choice(state, "p1:choice", before.choice);
  ui::save_check(state, "p1:check", before.check);
  ui::save_spinner(state, "p1:spin", before.spinner);
  EXPECT_EQ(state.get_string("p1:pair"), "1");
  EXPECT_EQ(state.get_string("p1:radio"), "2");
  EXPECT_EQ(state.get_string("p1:spin"), "5");

  Widgets after;
  ui::load_text(state, "p1:text", after.text);
  ui::load_pair(state, "p1:pair", after.a, after.b);
  EXPECT_EQ(after.b->value(), 1);
  EXPECT_EQ(ui::load_radio_index(state, "p1:radio", after.radios()), 2);
  EXPECT_EQ(after.c->value(), 1);
  EXPECT_EQ(after.a->value(), 0);
  EXPECT_EQ(ui::load_choice(state, "p1:choice", after.choice), 2);
  ui::load_check(state, "p1:check", after.check);
  ui::load_spinner(state, "p1:spin", after.spinner, 3.0, 2.0, 6.0);
  EXPECT_STREQ(after.text->value(), "12.5");
  EXPECT_EQ(after.check->value(), 1);
  EXPECT_EQ(after.spinner->value(), 5.0);
}

TEST(StateKeys, MissingAndHandEditedValues) {
  settings::IniDocument state;
  state.set("p1:radio", "7");
  state.set("p1:choice", "-3");
  state.set("p1:spin", "8");
  state.set("p1:low", "1");
  state.set("p1:junk", "nan");
  Widgets w;
  w.b->setonly();
  EXPECT_EQ(ui::load_radio_index(state, "p1:radio", w.radios()), -1);
  EXPECT_EQ(w.b->value(), 1); // left as built
  EXPECT_EQ(ui::load_choice(state, "p1:choice", w.choice), -1);
  EXPECT_EQ(w.choice->value(), 0);
  ui::load_spinner(state, "p1:spin", w.spinner, 3.0, 2.0, 6.0);
  EXPECT_EQ(w.spinner->value(), 6.0);
  ui::load_spinner(state, "p1:low", w.spinner, 3.0, 2.0, 6.0);
  EXPECT_EQ(w.spinner->value(), 2.0);
  ui::load_spinner(state, "p1:junk", w.spinner, 3.0, 2.0, 6.0);
  EXPECT_EQ(w.spinner->value(), 3.0);
  ui::load_spinner(state, "p1:absent", w.spinner, 3.0, 2.0, 6.0);
  EXPECT_EQ(w.spinner->value(), 3.0);
  ui::load_text(state, "p1:absent", w.text, "12");
  EXPECT_STREQ(w.text->value(), "12");

  settings::IniDocument none;
  w.a->value(0);
  w.b->value(0);
  w.c->value(0);
  ui::save_radio_index(none, "p1:unset", w.radios(), -1);
  EXPECT_FALSE(none.has("p1:unset"));
  ui::save_radio_index(none, "p1:four", w.radios(), 4);
  EXPECT_EQ(none.get_string("p1:four"), "4");
}

namespace {
struct Cross : Fl_Widget {
  Cross() : Fl_Widget(20, 20, 60, 40) {}
  void draw() override {
    fl_color(FL_RED);
    fl_line(x(), y(), x() + w() - 1, y() + h() - 1);
  }
};
} // namespace

TEST(RenderWidget, SeesWhatTheWidgetDraws) {
  Fl_Double_Window window(200, 200);
  auto* cross = new Cross;
  auto* empty = new Fl_Box(100, 100, 50, 50);
  window.end();
  window.show();
  auto drawn = testing_support::render_widget(cross);
  EXPECT_EQ(drawn.w, 60);
  EXPECT_GE(drawn.pixels_of(255, 0, 0), 40);
  EXPECT_EQ(testing_support::render_widget(empty).drawn_pixels(), 0);
}
