// Page 6, thread measurement over wires: widgets, callbacks and saved state.
#include "calc/threads/thread_wires_page.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>

#include <vector>

#include "ui/page_widgets.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/state_keys.h"
#include "calc/threads/v_thread.h"
#include "numeric/number_text.h"
#include "settings/ini_document.h"

namespace threads {

namespace {

constexpr int kLengthRecord = 20;   // pitch, major diameter and wire fields
constexpr int kFractionRecord = 21; // numerator and denominator of the fraction
constexpr Fl_Color kSizesColour = 50;
constexpr Fl_Color kResultColour = 215;
constexpr Fl_Color kCaptionColour = 4;

template <void (ThreadWiresPage::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<ThreadWiresPage*>(page)->*Handler)();
}

Fl_Box* label_box(int x, int y, int w, int h) {
  auto* box = new Fl_Box(x, y, w, h);
  box->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  return box;
}

Fl_Output* output_field(int x, int y, int w, int h, Fl_Color colour, const char* label) {
  auto* field = new Fl_Output(x, y, w, h);
  field->box(FL_GTK_DOWN_BOX);
  field->color(colour);
  field->clear_visible_focus();
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
  page->copy_label(context_.lang(189));
  build_inputs();
  build_results();
  show_unit_labels();
  auto* sketch_group = new Fl_Group(405, 381, 172, 105);
  w_.sketch = new v_thread(383, 381, 172, 105);
  sketch_group->end();
  page->end();

  context_.input_range(kLengthRecord).on_valid = [this](Fl_Input* field, long) { compute(field); };
  context_.input_range(kFractionRecord).on_valid = [this](Fl_Input*, long) { fraction_changed(); };
  context_.register_unit_pair(ui::UnitPairSlot::kThreadWires, w_.inch, w_.millimetre);
}

void ThreadWiresPage::build_inputs() {
  auto* forms = new Fl_Group(188, 37, 599, 118);
  forms->box(FL_GTK_DOWN_FRAME);
  w_.forms[0] = ui::radio_button(211, 49, 62, 25, context_.lang(190));
  w_.forms[1] = ui::radio_button(211, 87, 76, 25, "Unified");
  w_.forms[2] = ui::radio_button(211, 127, 100, 25, "Whitworth");
  for (Fl_Button* button : w_.forms)
    button->callback(call<&ThreadWiresPage::form_changed>, this);
  w_.forms[1]->setonly();

  w_.tpi = ui::make_checked_input(context_, kLengthRecord, 481, 48, 35, 25);
  w_.tpi->copy_label(context_.lang(191));
  w_.metric_pitch = ui::make_checked_input(context_, kLengthRecord, 481, 120, 35, 25);
  w_.metric_pitch->copy_label(context_.lang(192));
  w_.metric_pitch->deactivate();

  w_.major_label = label_box(525, 48, 177, 25);
  w_.major = ui::make_checked_input(context_, kLengthRecord, 704, 48, 70, 25);

  w_.fraction_group = new Fl_Group(700, 92, 79, 28);
  w_.fraction_group->copy_label(context_.lang(280));
  w_.fraction_group->align(FL_ALIGN_LEFT);
  w_.fraction_over = ui::make_checked_input(context_, kFractionRecord, 704, 93, 30, 25);
  new Fl_Box(728, 94, 22, 25, "/");
  w_.fraction_under = ui::make_checked_input(context_, kFractionRecord, 743, 93, 30, 25);
  w_.fraction_group->end();

  w_.wire_label = label_box(525, 120, 177, 25);
  w_.wire = ui::make_checked_input(context_, kLengthRecord, 704, 120, 70, 25);
  forms->end();

  w_.millimetre = ui::radio_button(272, 161, 240, 25, context_.lang(195));
  w_.millimetre->copy_tooltip(context_.lang(59));
  w_.inch = ui::radio_button(539, 161, 245, 24, context_.lang(196));
  w_.inch->copy_tooltip(context_.lang(56));
  for (Fl_Button* button : {w_.millimetre, w_.inch})
    button->callback(call<&ThreadWiresPage::unit_changed>, this);
  w_.inch->setonly();
}

void ThreadWiresPage::build_results() {
  w_.sizes_caption = new Fl_Box(188, 204, 599, 48);
  w_.sizes_caption->box(FL_GTK_DOWN_FRAME);
  w_.sizes_caption->align(FL_ALIGN_TOP);
  w_.sizes_caption->labelcolor(kCaptionColour);
  w_.sizes_caption->copy_label(context_.lang(197));
  w_.sizes[0] = output_field(298, 215, 60, 25, kSizesColour, context_.lang(198));
  w_.sizes[1] = output_field(505, 215, 60, 25, kSizesColour, context_.lang(199));
  w_.sizes[2] = output_field(695, 215, 61, 25, kSizesColour, context_.lang(200));
  w_.result = output_field(497, 285, 73, 25, kResultColour, nullptr);
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
  relabel(w_.sizes_caption, context_.lang(mm ? 203 : 194));
  w_.wire->value(stored_length_text(mm ? wire_mm_ : wire_in_, mm ? 3 : 4).c_str());
  w_.major->value(stored_length_text(mm ? major_mm_ : major_in_, mm ? 2 : 4).c_str());
  compute(form() == ThreadForm::kMetric ? w_.metric_pitch : w_.tpi);
}

void ThreadWiresPage::fraction_changed() {
  const std::optional<double> inches =
      fraction_inches(w_.fraction_over->value(), w_.fraction_under->value());
  w_.major->value(inches ? fraction_text(*inches, millimetre()).c_str() : "");
  // An emptied diameter must take its results with it.
  compute(w_.major);
}

void ThreadWiresPage::compute(const Fl_Input* changed) {
  const bool mm = millimetre();
  if (changed == w_.wire) {
    const double value = ui::field_double(w_.wire);
    wire_mm_ = mm ? value : value / numeric::kInchPerMm;
    wire_in_ = mm ? value * numeric::kInchPerMm : value;
  }
  const double major = ui::field_double(w_.major);
  major_mm_ = mm ? major : major * 25.4;
  major_in_ = mm ? major / 25.4 : major;
  if (changed == w_.tpi)
    pitch_in_ = pitch_from_tpi(ui::field_double(w_.tpi)).value_or(0.0);
  if (changed == w_.metric_pitch)
    pitch_in_ = pitch_from_metric(ui::field_double(w_.metric_pitch)).value_or(0.0);

  const ThreadWires wires = compute_thread_wires({form(), pitch_in_, major_in_, wire_in_, mm});
  if (wires.computed) {
    if (wires.sizes) {
      ui::set_field_fixed(w_.sizes[0], wire_size_decimals(mm), wires.sizes->smallest);
      ui::set_field_fixed(w_.sizes[1], wire_size_decimals(mm), wires.sizes->best);
      ui::set_field_fixed(w_.sizes[2], wire_size_decimals(mm), wires.sizes->largest);
    } else {
      for (Fl_Output* field : w_.sizes)
        field->value("");
    }
  }
  w_.result->value(wires.over_wires ? over_wires_text(*wires.over_wires, mm).c_str() : "");
}

// ---- what is shown ----

ThreadForm ThreadWiresPage::form() const {
  if (w_.forms[0]->value())
    return ThreadForm::kMetric;
  return w_.forms[2]->value() ? ThreadForm::kWhitworth : ThreadForm::kUnified;
}

bool ThreadWiresPage::millimetre() const { return w_.millimetre->value() != 0; }

void ThreadWiresPage::show_form_widgets() {
  if (form() == ThreadForm::kMetric) {
    w_.tpi->value("");
    w_.tpi->deactivate();
    w_.metric_pitch->activate();
    w_.fraction_group->hide();
  } else {
    w_.tpi->activate();
    w_.metric_pitch->deactivate();
    w_.fraction_group->show();
  }
}

void ThreadWiresPage::show_unit_labels() {
  const bool mm = millimetre();
  relabel(w_.major_label, context_.lang(mm ? 202 : 193));
  relabel(w_.wire_label, context_.lang(mm ? 203 : 194));
  relabel(w_.result, context_.lang(mm ? 204 : 201));
}

void ThreadWiresPage::empty_page() {
  for (Fl_Output* field : w_.sizes)
    field->value("");
  w_.result->value("");
  for (Fl_Input* field :
       {w_.wire, w_.tpi, w_.major, w_.metric_pitch, w_.fraction_over, w_.fraction_under})
    field->value("");
  // The stored lengths go with their fields, or the next result would use
  // a pitch or wire no longer shown.
  wire_in_ = wire_mm_ = major_in_ = major_mm_ = pitch_in_ = 0.0;
}

// ---- settings and saved state ----

void ThreadWiresPage::apply_settings() {
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

std::array<std::pair<const char*, Fl_Input_*>, 10> ThreadWiresPage::text_fields() const {
  return {{
      {"p6:three_wire_tpi", w_.tpi},
      {"p6:three_wire_metricpitch", w_.metric_pitch},
      {"p6:three_wire_major_dia", w_.major},
      {"p6:thread_measure_top", w_.fraction_over},
      {"p6:thread_measure_bottom", w_.fraction_under},
      {"p6:three_wire_wire_diameter", w_.wire},
      {"p6:three_wire_min_wire", w_.sizes[0]},
      {"p6:three_wire_recommended", w_.sizes[1]},
      {"p6:three_wire_maximum", w_.sizes[2]},
      {"p6:three_wire_result", w_.result},
  }};
}

void ThreadWiresPage::save_state(settings::IniDocument& state) const {
  for (const auto& [key, field] : text_fields())
    ui::save_text(state, key, field);
  ui::save_radio_index(state, "p6:p6_thread",
                       std::vector<Fl_Button*>(w_.forms.begin(), w_.forms.end()));
  ui::save_pair(state, "p6:p6_measure", w_.millimetre);
}

void ThreadWiresPage::load_state(const settings::IniDocument& state) {
  // The form and unit show their widgets and labels; unlike a click, this
  // must neither empty the fields nor pick the form's usual unit.
  ui::load_radio_index(state, "p6:p6_thread",
                       std::vector<Fl_Button*>(w_.forms.begin(), w_.forms.end()));
  ui::load_pair(state, "p6:p6_measure", w_.millimetre, w_.inch);
  show_form_widgets();
  show_unit_labels();

  empty_page();
  for (const auto& [key, field] : text_fields())
    ui::load_text(state, key, field);
  if (form() == ThreadForm::kMetric)
    w_.tpi->value("");
  compute(form() == ThreadForm::kMetric ? w_.metric_pitch : w_.tpi);
  compute(w_.wire);
}

} // namespace threads
