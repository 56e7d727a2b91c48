// The shared callback of the checked numeric fields and their edit popup.
#include "ui/checked_input.h"
#include "ui/checked_fields.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

#include <array>
#include <string>

#include "core/i18n/common_texts.h"
#include "core/numeric/number_text.h"
#include "ui/dialogs.h"
#include "ui/edit_menu.h"
#include "ui/page_context.h"

namespace ui {

CheckedInput::CheckedInput(int x, int y, int w, int h, const char* label)
    : NumberInput(x, y, w, h, label) {}

int CheckedInput::handle(int event) {
  if (event == FL_HIDE) {
    // The toolkit calls back on hiding while Fl::event() still names the
    // click that caused it; the callback asks this flag instead.
    hiding_ = true;
    int handled = NumberInput::handle(event);
    hiding_ = false;
    return handled;
  }
  if (event == FL_KEYBOARD && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter))
    enter_pressed(this); // the user is done with the text; the key goes on to the window
  return NumberInput::handle(event);
}

int CheckedInput::number_kind() const { return own_range_.rule.kind; }

void CheckedInput::set_bounds(double lower, double upper) {
  own_range_.rule.min = lower;
  own_range_.rule.max = upper;
}

void CheckedInput::run_for_composed_value() {
  composed_ = true;
  do_callback();
  composed_ = false;
}

void CheckedInput::insert_pasted(const std::string& number) {
  const bool normalise = normalise_next_paste_;
  normalise_next_paste_ = false;
  pasting_ = true;
  NumberInput::insert_pasted(normalise ? numeric::normalise_unsigned_text(number) : number);
  pasting_ = false;
}

// An empty routine leaves the field without one.
void CheckedInput::on_valid(std::function<void()> routine) {
  own_range_.on_valid = nullptr;
  if (routine)
    own_range_.on_valid = [routine](Fl_Input*) { routine(); };
}

void CheckedInput::on_invalid(std::function<void()> routine) {
  own_range_.on_invalid = nullptr;
  if (routine)
    own_range_.on_invalid = [routine](Fl_Input*) { routine(); };
}

void CheckedInput::on_left(std::function<void()> routine) {
  own_range_.on_left = [routine](Fl_Input*) { routine(); };
}

CheckedInput* make_checked_input(PageContext& app, const numeric::RangeRule& rule, int x, int y,
                                 int w, int h, const char* label) {
  auto* field = new CheckedInput(x, y, w, h, label);
  InputRange& range = field->own_range_;
  range.rule = rule;
  range.app = &app;
  field->type(range.rule.kind == numeric::kUnsignedInt ? FL_INT_INPUT : FL_FLOAT_INPUT);
  field->speak_with(app);
  field->box(FL_GTK_DOWN_BOX);
  field->textcolor(range.colour_ok);
  field->callback(check_input_callback, &range);
  field->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED | FL_WHEN_RELEASE);
  app.checked_fields().add(field);
  return field;
}

namespace {

void set_text_colour(Fl_Input* field, Fl_Color colour) {
  field->textcolor(colour);
  field->redraw();
}

// Set while a red field takes the focus back. The field it takes it from
// then loses the focus in turn; if that one is red too it must not take it
// back again, or the two would pass the focus to and fro without end.
bool reclaiming_focus = false;

void mark(Fl_Input* field, InputRange& range, const std::string& problem) {
  const Fl_Color colour = problem.empty() ? range.colour_ok : range.colour_bad;
  if (field->textcolor() != colour)
    set_text_colour(field, colour);
  // Pointing at a red field says again what is wrong.
  if (problem.empty())
    field->tooltip(nullptr);
  else
    field->copy_tooltip(problem.c_str());
}

// Leaving a field or pressing Enter: the user is done with the text.
void on_done(CheckedInput* field, InputRange& range) {
  const std::string problem = field->problem(true);
  if (problem.empty()) {
    field->show_value();
    return;
  }
  // A text not finished before ("1/") is wrong from now on.
  if (field->textcolor() != range.colour_bad) {
    mark(field, range, problem);
    if (range.on_invalid)
      range.on_invalid(field);
  }
}

} // namespace

void enter_pressed(CheckedInput* field) { on_done(field, field->own_range_); }

namespace {

void on_focus_lost(CheckedInput* field, InputRange& range) {
  // A field whose page or window is going away has nothing to say.
  if (!field->visible_r() || reclaiming_focus)
    return;
  // Nor does one left for a modal window (the language window takes the
  // focus as it opens): the range message would stand beside it, and taking
  // the focus back would raise the two windows over each other without end.
  // The range is shown the next time the field is left.
  if (Fl::modal() && Fl::modal() != field->top_window())
    return;
  on_done(field, range);
  if (field->textcolor() == range.colour_bad) {
    if (range.app->checked_fields().take_message_due())
      range.app->dialogs().range_message(field->problem(true), field);
    // A text that can't be used keeps the focus until it is mended.
    reclaiming_focus = true;
    field->take_focus();
    reclaiming_focus = false;
  } else if (range.on_left) {
    range.on_left(field);
  }
  field->position(0, field->size());
}

} // namespace

bool refuses_its_value(const CheckedInput* field) { return !field->problem(false).empty(); }

void colour_as_typed(CheckedInput* field) {
  mark(field, field->own_range_, field->problem(false));
}

void check_input_callback(Fl_Widget* widget, void* data) {
  auto* field = static_cast<CheckedInput*>(widget);
  auto& range = *static_cast<InputRange*>(data);
  if (field->showing_value())
    return;
  if (Fl::event() == FL_UNFOCUS) {
    on_focus_lost(field, range);
    return;
  }
  // The toolkit also calls back when the field's page or window is hidden:
  // nothing was typed, so nothing is checked or recomputed.
  if (Fl::event() == FL_HIDE || field->hiding())
    return;

  std::string problem;
  if (Fl::event() == FL_KEYDOWN || field->pasting()) {
    range.app->checked_fields().typed();
    numeric::FilteredText filtered =
        numeric::filter_typed(range.rule.kind, field->value(), field->position());
    if (filtered.text != field->value()) {
      field->value(filtered.text.c_str());
      field->position(filtered.caret);
    }
    problem = field->problem(false);
  }

  if (!range.rule.has_range() && problem.empty()) {
    // A field without a range is only refused a text it can't read.
    mark(field, range, problem);
    if (range.on_valid)
      range.on_valid(field);
    else if (range.on_invalid)
      range.on_invalid(field);
  } else {
    if (!problem.empty()) {
      if (field->textcolor() != range.colour_bad) {
        mark(field, range, problem);
        if (range.on_invalid)
          range.on_invalid(field);
      }
    } else {
      mark(field, range, problem);
      if (range.on_valid)
        range.on_valid(field);
    }
    // The toolkit also calls back when the field's window or page is hidden;
    // taking the focus then would show the window again.
    if (Fl::focus() != field && field->visible_r())
      field->take_focus();
  }
}

void open_edit_popup(PageContext& app, Fl_Input* field) {
  bool has_selection = field->position() != field->mark();
  // A missing language entry still leaves a usable menu.
  const auto text = [&](i18n::TextId entry, const char* fallback) {
    const char* t = app.lang(entry);
    return t ? t : fallback;
  };
  std::array<Fl_Menu_Item, 4> items =
      field_menu(text(texts::kCopy, "Copy"), text(texts::kPaste, "Paste"),
                 text(texts::kUndo, "Undo"), has_selection);

  // The menu's own events move the caret to the start, which would make Copy
  // take more than the selection and Paste replace it: put it back first.
  const int caret = field->position(), mark = field->mark();
  const Fl_Menu_Item* chosen = items[0].popup(Fl::event_x(), Fl::event_y());
  field->position(caret, mark);
  if (chosen == &items[0]) {
    field->copy(1);
  } else if (chosen == &items[1]) {
    if (auto* checked = dynamic_cast<CheckedInput*>(field);
        checked && checked->rule().kind == numeric::kUnsignedInt)
      checked->normalise_next_paste();
    Fl::paste(*field, 1);
  } else if (chosen == &items[2]) {
    field->undo();
  }
}

} // namespace ui
