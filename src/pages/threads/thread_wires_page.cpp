// Thread measurement over wires: widgets, their bindings and saved state.
#include "pages/threads/thread_wires_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <vector>

#include "core/i18n/common_texts.h"
#include "core/threads/threads_texts.h"
#include "pages/threads/thread_wires_sketch.h"
#include "ui/checked_input.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace threads {

namespace {

constexpr numeric::RangeRule kLengthRule =
    numeric::any_decimal(); // pitch, major diameter and wire fields
constexpr numeric::RangeRule kFractionRule =
    numeric::any_whole_number(); // numerator and denominator of the fraction

Fl_Box* label_box(int x, int y, int w, int h) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  return box;
}

Fl_Output* result_field(int x, int y, int w, const char* label) {
  Fl_Output* field = ui::result_field(x, y, w);
  field->copy_label(label);
  return field;
}

// A label beside its widget: the old text's place is redrawn as well as the new one's.
void relabel(Fl_Widget* widget, const char* text) {
  widget->redraw_label();
  widget->copy_label(text);
  widget->redraw_label();
}

void take_focus_if_shown(Fl_Widget* field) {
  // At start-up and on restore the page may be hidden: leave the focus alone.
  if (field->visible_r() && field->active_r())
    field->take_focus();
}

} // namespace

ThreadWiresPage::ThreadWiresPage(ui::PageContext& app) : Page(app, ui::PageId::kThreadWires) {}

void ThreadWiresPage::build(Fl_Group&) {
  auto* page = new Fl_Group(170, 20, 635, 531);
  page->box(FL_GTK_DOWN_FRAME);
  page->copy_label(context_.lang(texts::kWiresPageTitle));
  build_inputs();
  build_results();
  show_unit_labels();
  auto* sketch_group = new Fl_Group(405, 381, 172, 105);
  w_.sketch = new v_thread(383, 381, 172, 105);
  sketch_group->end();
  page->end();
  bind_state();
  // The switch rewrites the lengths from the values the user gave, not by
  // converting the rounded texts, and relabels the page: the pair keeps its
  // own handler under the Units button.
  context_.register_unit_pair(ui::UnitPairSlot::kThreadWires, w_.inch, w_.millimetre);
}

void ThreadWiresPage::build_inputs() {
  auto* forms = new Fl_Group(188, 37, 599, 118);
  forms->box(FL_GTK_DOWN_FRAME);
  w_.forms[0] = ui::radio_button(211, 49, 62, 25, context_.lang(texts::kMetricWord));
  w_.forms[1] = ui::radio_button(211, 87, 76, 25, "Unified");
  w_.forms[2] = ui::radio_button(211, 127, 100, 25, "Whitworth");
  for (Fl_Button* button : w_.forms)
    on(button, [this] { form_changed(); });
  w_.forms[1]->setonly();

  auto length_field = [this](int x, int y, int w, WiresChange change) {
    ui::CheckedInput* field = ui::make_checked_input(context_, kLengthRule, x, y, w, 25);
    field->on_valid([this, change] { compute(change); });
    return field;
  };
  w_.tpi = length_field(481, 48, 35, WiresChange::kTpi);
  w_.tpi->copy_label(context_.lang(texts::kWiresTpiLabel));
  w_.metric_pitch = length_field(481, 120, 35, WiresChange::kMetricPitch);
  w_.metric_pitch->copy_label(context_.lang(texts::kWiresPitchMmLabel));
  w_.metric_pitch->deactivate();

  w_.major_label = label_box(525, 48, 177, 25);
  w_.major = length_field(704, 48, 70, WiresChange::kMajor);

  w_.fraction_group = new Fl_Group(700, 92, 79, 28);
  w_.fraction_group->copy_label(context_.lang(texts::kFractionTitle));
  w_.fraction_group->align(FL_ALIGN_LEFT);
  w_.fraction_over = ui::make_checked_input(context_, kFractionRule, 704, 93, 30, 25);
  new Fl_Box(728, 94, 22, 25, "/");
  w_.fraction_under = ui::make_checked_input(context_, kFractionRule, 743, 93, 30, 25);
  w_.fraction_group->end();
  for (ui::CheckedInput* field : {w_.fraction_over, w_.fraction_under})
    field->on_valid([this] { fraction_changed(); });

  w_.wire_label = label_box(525, 120, 177, 25);
  w_.wire = length_field(704, 120, 70, WiresChange::kWire);
  for (ui::CheckedInput* length : {w_.major, w_.wire})
    length->measure_in([this] { return millimetre(); });
  w_.metric_pitch->measure_in(numeric::FieldUnit::kMm);
  forms->end();

  w_.millimetre = ui::radio_button(272, 161, 240, 25, context_.lang(texts::kWiresMillimetresRadio),
                                   context_.lang(texts::kMmTip));
  w_.inch = ui::radio_button(539, 161, 245, 24, context_.lang(texts::kWiresInchesRadio),
                             context_.lang(texts::kInchTip));
  for (Fl_Button* button : {w_.millimetre, w_.inch})
    on(button, [this] { unit_changed(); });
  w_.inch->setonly();
}

void ThreadWiresPage::build_results() {
  w_.sizes_caption = new Fl_Box(188, 204, 599, 48);
  w_.sizes_caption->box(FL_GTK_DOWN_FRAME);
  w_.sizes_caption->align(FL_ALIGN_TOP);
  w_.sizes_caption->labelcolor(ui::kCaptionBlue);
  w_.sizes_caption->copy_label(context_.lang(texts::kWireSizesCaption));
  w_.sizes[0] = result_field(298, 215, 60, context_.lang(texts::kSmallestWire));
  w_.sizes[1] = result_field(505, 215, 60, context_.lang(texts::kBestWire));
  w_.sizes[2] = result_field(695, 215, 61, context_.lang(texts::kLargestWire));
  // The wire sizes are a guide, the measurement the result: only it stands out.
  for (Fl_Output* field : w_.sizes)
    field->color(ui::kPageBackground);
  w_.result = result_field(497, 285, 73, nullptr);
  w_.reason = ui::reason_line({188, 318, 599, 40});
}

void ThreadWiresPage::bind_state() {
  // The form and the unit come first: restoring them must neither empty
  // the fields nor pick the form's usual unit, as a click would.
  state_.radio("p6_thread", {w_.forms[0], w_.forms[1], w_.forms[2]});
  state_.pair("p6_measure", w_.millimetre, w_.inch);
  state_.texts({
      {"three_wire_tpi", w_.tpi},
      {"three_wire_metricpitch", w_.metric_pitch},
      {"three_wire_major_dia", w_.major},
      {"thread_measure_top", w_.fraction_over},
      {"thread_measure_bottom", w_.fraction_under},
      {"three_wire_wire_diameter", w_.wire},
      {"three_wire_min_wire", w_.sizes[0]},
      {"three_wire_recommended", w_.sizes[1]},
      {"three_wire_maximum", w_.sizes[2]},
      {"three_wire_result", w_.result},
  });
}

// ---- callbacks ----

void ThreadWiresPage::form_changed() {
  const bool metric = form() == ThreadForm::kMetric;
  show_form_widgets();
  (metric ? w_.millimetre : w_.inch)->setonly();
  unit_changed();
  // Nothing typed for one form means anything for another.
  empty_page();
  take_focus_if_shown(metric ? w_.metric_pitch : w_.tpi);
}

void ThreadWiresPage::unit_changed() {
  const bool mm = millimetre();
  show_unit_labels();
  relabel(w_.sizes_caption, context_.lang(thread_wires_labels(form(), mm).caption));
  const WiresUnitTexts texts = unit_switch_texts(kept_, mm);
  w_.wire->value(texts.wire.c_str());
  w_.major->value(texts.major.c_str());
  compute(form() == ThreadForm::kMetric ? WiresChange::kMetricPitch : WiresChange::kTpi);
}

void ThreadWiresPage::fraction_changed() {
  w_.major->value(
      fraction_major_text(w_.fraction_over->number_text(), w_.fraction_under->number_text(), millimetre())
          .c_str());
  // An emptied diameter must take its results with it.
  compute(WiresChange::kMajor);
}

void ThreadWiresPage::compute(WiresChange changed) {
  const ThreadWiresForm out =
      thread_wires_form({form(), millimetre(), changed, w_.tpi->number_text(), w_.metric_pitch->number_text(),
                         w_.major->number_text(), w_.wire->number_text(), kept_});
  kept_ = out.kept;
  for (size_t i = 0; i < w_.sizes.size(); ++i)
    w_.sizes[i]->value(out.sizes[i].c_str());
  w_.result->value(out.result.c_str());
  ui::show_reason(w_.reason, context_, out.reason);
}

// ---- what is shown ----

ThreadForm ThreadWiresPage::form() const {
  if (w_.forms[0]->value())
    return ThreadForm::kMetric;
  return w_.forms[2]->value() ? ThreadForm::kWhitworth : ThreadForm::kUnified;
}

bool ThreadWiresPage::millimetre() const { return w_.millimetre->value() != 0; }

void ThreadWiresPage::show_form_widgets() {
  const ThreadWiresLabels shown = thread_wires_labels(form(), millimetre());
  if (!shown.tpi_active)
    w_.tpi->value("");
  shown.tpi_active ? w_.tpi->activate() : w_.tpi->deactivate();
  shown.tpi_active ? w_.metric_pitch->deactivate() : w_.metric_pitch->activate();
  ui::show_if(w_.fraction_group, shown.fraction_shown);
}

void ThreadWiresPage::show_unit_labels() {
  const ThreadWiresLabels shown = thread_wires_labels(form(), millimetre());
  relabel(w_.major_label, context_.lang(shown.major));
  relabel(w_.wire_label, context_.lang(shown.wire));
  relabel(w_.result, context_.lang(shown.result));
}

void ThreadWiresPage::empty_page() {
  for (Fl_Output* field : w_.sizes)
    field->value("");
  w_.result->value("");
  ui::show_reason(w_.reason, context_, i18n::kNoText);
  for (Fl_Input* field :
       {w_.wire, w_.tpi, w_.major, w_.metric_pitch, w_.fraction_over, w_.fraction_under})
    field->value("");
  // The kept lengths go with their fields, or the next result would use
  // a pitch or wire no longer shown.
  kept_ = {};
}

// ---- settings and saved state ----

void ThreadWiresPage::apply_settings() {
  // A metric user starts with the Unified form in millimetres; the inch
  // start is the page as built.
  if (context_.unit_system() != 1)
    return;
  ui::set_radio(w_.forms[1]);
  ui::set_radio(w_.millimetre);
  show_form_widgets();
  show_unit_labels();
}

Fl_Input* ThreadWiresPage::focus_input() {
  return w_.tpi->active() ? static_cast<Fl_Input*>(w_.tpi) : w_.metric_pitch;
}

void ThreadWiresPage::restored() {
  // Also drops what the file held for a pitch field the form doesn't use.
  show_form_widgets();
  show_unit_labels();
  kept_ = {};
  compute(WiresChange::kRestored);
}

} // namespace threads
