// Page 5: bolt-hole circle.
#include "calc/geometry/bolt_circle_page.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/Fl_Printer.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/print_strings.h"
#include "ui/state_keys.h"
#include "calc/geometry/pdc_holes.h"
#include "calc/geometry/pitch_diameter_circle.h"
#include "settings/ini_document.h"

namespace geometry {

namespace {

// Range records of the page's fields.
constexpr int kCountRecord = 17;
constexpr int kDiameterRecord = 18;
constexpr int kOriginRecord = 19;
constexpr int kAngleRecord = 30;

constexpr Fl_Color kBlueLabel = 4;
constexpr Fl_Color kAngleMarkColour = 1;
constexpr Fl_Color kAxisMarkColour = 15;

// The point the markers are placed around: the centre of the drawn circle
// (491, 239), nudged one pixel right and two down as the markers always were.
constexpr int kMarkerCentreX = 492;
constexpr int kMarkerCentreY = 241;
constexpr int kMarkerW = 10;
constexpr int kMarkerH = 20;

constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kBoltCircle;

// The four positions of the marks: top, right, bottom, left.
constexpr int kAngleMarkX[] = {479, 716, 480, 238};
constexpr int kAngleMarkY[] = {3, 231, 453, 231};
constexpr int kAxisMarkX[] = {480, 572, 480, 383};
constexpr int kAxisMarkY[] = {150, 231, 315, 231};
constexpr const char* kDegreeMarks[] = {"0", "90", "180", "270"};

template <class Page, void (Page::*Handler)()> void call(Fl_Widget*, void* page) {
  (static_cast<Page*>(page)->*Handler)();
}

bool is_empty(const Fl_Input_* field) { return !field->value() || !*field->value(); }

Fl_Box* label_box(int x, int y, int w, int h, const std::string& text) {
  auto* box = new Fl_Box(x, y, w, h);
  box->copy_label(text.c_str());
  box->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  return box;
}

Fl_Box* mark_box(int x, int y, Fl_Color colour) {
  auto* box = new Fl_Box(x, y, 25, 25);
  box->labelcolor(colour);
  return box;
}

} // namespace

BoltCirclePage::BoltCirclePage(ui::PageContext& app) : ui::Page(app, ui::PageId::kBoltCircle) {}

std::string BoltCirclePage::text(int index) const {
  return context_.lang(index) ? context_.lang(index) : "";
}

void BoltCirclePage::build(Fl_Group&) {
  // The drawing first: the marks and labels that reach into it are drawn over it.
  build_drawing();
  for (size_t i = 0; i < 4; ++i) {
    w_.angle_marks[i] = mark_box(kAngleMarkX[i], kAngleMarkY[i], kAngleMarkColour);
    w_.axis_marks[i] = mark_box(kAxisMarkX[i], kAxisMarkY[i], kAxisMarkColour);
  }
  build_switches();
  build_pattern_inputs();

  w_.help = new Fl_Button(728, 508, 58, 58, "?");
  w_.help->labelfont(FL_TIMES_BOLD_ITALIC);
  w_.help->labelsize(58);
  w_.help->callback(
      [](Fl_Widget*, void* page) {
        static_cast<BoltCirclePage*>(page)->context_.show_help(kHelpTopic);
      },
      this);

  relabel_angle_marks();
  relabel_axis_marks();
}

void BoltCirclePage::build_drawing() {
  w_.drawing = new Fl_Group(262, 20, 458, 439);
  w_.circle = new pitch_diameter_circle(262, 20, 458, 439);
  for (size_t i = 0; i < w_.markers.size(); ++i) {
    Fl_Widget* marker;
    if (i == 0)
      marker = new PDC_HolesFirst(kMarkerCentreX, kMarkerCentreY, kMarkerW, kMarkerH);
    else
      marker = new PDC_Holes(kMarkerCentreX, kMarkerCentreY, kMarkerW, kMarkerH);
    marker->hide();
    w_.markers[i] = marker;
  }
  w_.drawing->end();
}

void BoltCirclePage::build_switches() {
  auto radio = [](int x, int y, int w, int h, const std::string& label) {
    auto* button = new Fl_Round_Button(x, y, w, h);
    button->type(FL_RADIO_BUTTON);
    button->copy_label(label.c_str());
    return button;
  };

  auto* zero_group = new Fl_Group(167, 43, 102, 102);
  zero_group->box(FL_GTK_DOWN_FRAME);
  zero_group->copy_label(text(148).c_str());
  for (size_t i = 0; i < 4; ++i) {
    w_.zero[i] = radio(186, 45 + 25 * static_cast<int>(i), 80, 25, text(149 + static_cast<int>(i)));
    w_.zero[i]->callback(call<BoltCirclePage, &BoltCirclePage::on_direction_chosen>, this);
  }
  zero_group->end();
  w_.zero[static_cast<size_t>(ZeroAt::kRight)]->setonly();

  auto* direction_group = new Fl_Group(167, 403, 209, 70);
  direction_group->box(FL_GTK_DOWN_FRAME);
  direction_group->copy_label(text(153).c_str());
  w_.clockwise = radio(170, 409, 202, 25, text(154));
  w_.counter_clockwise = radio(170, 442, 202, 25, text(155));
  direction_group->end();
  w_.clockwise->setonly();
  for (Fl_Button* button : {w_.clockwise, w_.counter_clockwise})
    button->callback(call<BoltCirclePage, &BoltCirclePage::on_direction_chosen>, this);

  // One frame, two radio groups inside it.
  auto* signs = new Fl_Group(711, 41, 102, 106);
  signs->box(FL_GTK_DOWN_FRAME);
  signs->copy_label(text(163).c_str());
  auto* x_pair = new Fl_Group(713, 43, 98, 52);
  w_.x_normal = radio(732, 45, 65, 25, "X-, X+");
  w_.x_reversed = radio(732, 70, 65, 25, "X+, X-");
  x_pair->end();
  auto* y_pair = new Fl_Group(713, 95, 98, 50);
  w_.y_normal = radio(732, 95, 65, 25, "Y-, Y+");
  w_.y_reversed = radio(732, 120, 65, 25, "Y+, Y-");
  y_pair->end();
  signs->end();
  w_.x_normal->setonly();
  w_.y_normal->setonly();
  for (Fl_Button* button : {w_.x_normal, w_.x_reversed, w_.y_normal, w_.y_reversed})
    button->callback(call<BoltCirclePage, &BoltCirclePage::on_signs_chosen>, this);

  w_.precision = new Fl_Spinner(760, 302, 32, 23);
  w_.precision->copy_label(text(54).c_str());
  w_.precision->range(1, 6);
  w_.precision->step(1);
  w_.precision->value(3);
  w_.precision->when(FL_WHEN_CHANGED);
  w_.precision->callback(call<BoltCirclePage, &BoltCirclePage::recompute>, this);
  ui::report_every_change(w_.precision);

  w_.show_list = new Fl_Button(741, 328, 72, 40, "@+9search");
  w_.show_list->labelsize(19);
  w_.show_list->callback(call<BoltCirclePage, &BoltCirclePage::show_results>, this);
  w_.show_list->deactivate();

  const std::string origin_tip = text(407);
  w_.x_origin = ui::make_checked_input(context_, kOriginRecord, 740, 372, 73, 23);
  w_.x_origin->copy_label(text(158).c_str());
  w_.y_origin = ui::make_checked_input(context_, kOriginRecord, 740, 397, 73, 23);
  w_.y_origin->copy_label(text(161).c_str());
  for (Fl_Input* field : {w_.x_origin, w_.y_origin})
    if (!origin_tip.empty())
      field->copy_tooltip(origin_tip.c_str());

  auto* units = new Fl_Group(707, 422, 113, 51);
  units->box(FL_GTK_DOWN_FRAME);
  w_.inch = radio(717, 423, 100, 25, text(20));
  w_.mm = radio(717, 446, 100, 25, text(19));
  units->end();
  if (context_.lang(56))
    w_.inch->copy_tooltip(context_.lang(56));
  if (context_.lang(59))
    w_.mm->copy_tooltip(context_.lang(59));
  w_.inch->setonly();
  w_.inch->callback(
      [](Fl_Widget*, void* page) { static_cast<BoltCirclePage*>(page)->on_unit_chosen(false); },
      this);
  w_.mm->callback(
      [](Fl_Widget*, void* page) { static_cast<BoltCirclePage*>(page)->on_unit_chosen(true); },
      this);
  context_.register_unit_pair(ui::UnitPairSlot::kBoltCircle, w_.inch, w_.mm);
}

void BoltCirclePage::build_pattern_inputs() {
  const std::string angle_tip = text(165);
  auto angle_field = [this, &angle_tip](int x, int y) {
    Fl_Input* field = ui::make_checked_input(context_, kAngleRecord, x, y, 73, 23);
    if (!angle_tip.empty())
      field->copy_tooltip(angle_tip.c_str());
    return field;
  };

  auto* panel = new Fl_Group(163, 479, 658, 121);
  w_.full = new Fl_Round_Button(170, 580, 130, 16);
  w_.partial = new Fl_Round_Button(310, 580, 130, 17);
  w_.full->copy_label(text(403).c_str());
  w_.partial->copy_label(text(404).c_str());
  for (Fl_Button* button : {w_.full, w_.partial}) {
    button->type(FL_RADIO_BUTTON);
    button->callback(call<BoltCirclePage, &BoltCirclePage::on_type_chosen>, this);
  }
  w_.full->setonly();

  w_.full_group = new Fl_Group(169, 478, 521, 65);
  label_box(181, 482, 162, 23, text(156));
  w_.total_holes = ui::make_checked_input(context_, kCountRecord, 347, 482, 73, 23);
  label_box(429, 480, 166, 25, text(159));
  w_.holes_to_list = ui::make_checked_input(context_, kCountRecord, 599, 482, 73, 23);
  if (context_.lang(408))
    w_.holes_to_list->copy_tooltip(context_.lang(408));
  label_box(181, 517, 162, 23, text(157))->labelcolor(kBlueLabel);
  w_.diameter = ui::make_checked_input(context_, kDiameterRecord, 347, 517, 73, 23);
  label_box(429, 517, 166, 23, text(160))->labelcolor(kBlueLabel);
  w_.first_angle = angle_field(599, 517);
  w_.full_group->end();

  w_.partial_group = new Fl_Group(174, 480, 521, 68);
  label_box(181, 482, 162, 23, text(409));
  w_.part_holes = ui::make_checked_input(context_, kCountRecord, 347, 482, 73, 23);
  label_box(429, 482, 166, 23, text(410));
  w_.start_angle = angle_field(599, 482);
  label_box(181, 517, 162, 23, text(157));
  w_.part_diameter = ui::make_checked_input(context_, kDiameterRecord, 347, 517, 73, 23);
  label_box(429, 517, 166, 23, text(411));
  w_.end_angle = angle_field(599, 517);
  w_.partial_group->end();
  w_.partial_group->hide();
  w_.partial_group->deactivate();
  panel->end();

  // A value outside its range recomputes too: it makes no pattern, so the
  // drawing and the list button never show holes the fields don't describe.
  for (int record : {kCountRecord, kDiameterRecord, kOriginRecord, kAngleRecord}) {
    context_.input_range(record).on_valid = [this](Fl_Input*, long) { recompute(); };
    context_.input_range(record).on_invalid = [this](Fl_Input*, long) { recompute(); };
  }
}

void BoltCirclePage::apply_settings() {
  if (context_.unit_system() == 1) {
    ui::set_radio(w_.mm);
    lengths_in_mm_ = true;
  }
}

Fl_Input* BoltCirclePage::focus_input() {
  return w_.partial->value() ? w_.part_holes : w_.total_holes;
}

int BoltCirclePage::zero_index() const {
  for (size_t i = 0; i < w_.zero.size(); ++i)
    if (w_.zero[i]->value())
      return static_cast<int>(i);
  return static_cast<int>(ZeroAt::kRight);
}

void BoltCirclePage::on_type_chosen() {
  hide_markers();
  Fl_Group* shown = w_.full->value() ? w_.full_group : w_.partial_group;
  Fl_Group* hidden = shown == w_.full_group ? w_.partial_group : w_.full_group;
  hidden->hide();
  hidden->deactivate();
  shown->activate();
  shown->show();
  recompute();
}

void BoltCirclePage::on_unit_chosen(bool to_mm) {
  // The unit-system button may run the callback of the unit already shown.
  if (to_mm == lengths_in_mm_)
    return;
  lengths_in_mm_ = to_mm;
  auto convert = to_mm ? ui::convert_field_inch_to_mm : ui::convert_field_mm_to_inch;
  // Both diameters: a partial circle typed in one unit stays the same circle.
  for (Fl_Input* field : {w_.diameter, w_.part_diameter, w_.x_origin, w_.y_origin})
    convert(field);
  recompute();
}

void BoltCirclePage::on_direction_chosen() {
  relabel_angle_marks();
  recompute();
}

void BoltCirclePage::on_signs_chosen() {
  relabel_axis_marks();
  recompute();
}

void BoltCirclePage::relabel_angle_marks() {
  // Counting from the zero position, in quarters, clockwise or not.
  const int zero = zero_index();
  const bool clockwise = !w_.counter_clockwise->value();
  for (int place = 0; place < 4; ++place) {
    int quarter = ((clockwise ? place - zero : zero - place) % 4 + 4) % 4;
    w_.angle_marks[static_cast<size_t>(place)]->copy_label(kDegreeMarks[quarter]);
  }
}

void BoltCirclePage::relabel_axis_marks() {
  const bool x_reversed = w_.x_reversed->value() != 0;
  const bool y_reversed = w_.y_reversed->value() != 0;
  w_.axis_marks[0]->copy_label(y_reversed ? "Y+" : "Y-");
  w_.axis_marks[1]->copy_label(x_reversed ? "X-" : "X+");
  w_.axis_marks[2]->copy_label(y_reversed ? "Y-" : "Y+");
  w_.axis_marks[3]->copy_label(x_reversed ? "X+" : "X-");
}

void BoltCirclePage::show_results() {
  if (app::ResultsWindow* window = context_.results_window())
    window->show();
}

BoltCircleInput BoltCirclePage::read_inputs() const {
  BoltCircleInput in;
  in.partial = w_.partial->value() != 0;
  if (in.partial) {
    in.total_holes = ui::field_long(w_.part_holes);
    in.diameter = ui::field_double(w_.part_diameter);
    in.first_angle = ui::field_double(w_.start_angle);
    in.end_angle = ui::field_double(w_.end_angle);
    in.has_end_angle = !is_empty(w_.end_angle);
  } else {
    in.total_holes = ui::field_long(w_.total_holes);
    in.holes_to_list = ui::field_long(w_.holes_to_list);
    in.diameter = ui::field_double(w_.diameter);
    in.first_angle = ui::field_double(w_.first_angle);
  }
  in.zero = static_cast<ZeroAt>(zero_index());
  in.counting = w_.counter_clockwise->value() ? Counting::kCounterClockwise : Counting::kClockwise;
  in.x_reversed = w_.x_reversed->value() != 0;
  in.y_reversed = w_.y_reversed->value() != 0;
  in.x_origin = ui::field_double(w_.x_origin);
  in.y_origin = ui::field_double(w_.y_origin);
  in.millimetre = w_.mm->value() != 0;
  in.precision = static_cast<int>(w_.precision->value());
  in.marker_radius = w_.circle->marker_radius();
  return in;
}

void BoltCirclePage::recompute() {
  if (!w_.full->value() && !w_.partial->value())
    return;
  std::optional<BoltCircle> circle = compute_bolt_circle(read_inputs());
  if (!circle) {
    // The list keeps the last pattern; it can't be opened until there is a new one.
    hide_markers();
    w_.show_list->deactivate();
    repaint_drawing();
    return;
  }
  last_ = std::move(circle);
  const size_t shown = std::min(last_->holes.size(), w_.markers.size());
  for (size_t i = 0; i < shown; ++i) {
    const Hole& hole = last_->holes[i];
    w_.markers[i]->position(kMarkerCentreX + hole.marker_dx, kMarkerCentreY + hole.marker_dy);
    w_.markers[i]->show();
  }
  for (size_t i = shown; i < w_.markers.size(); ++i)
    w_.markers[i]->hide();
  if (app::ResultsWindow* window = context_.results_window())
    window->set_lines(hole_list_lines(*last_, list_texts()));
  w_.show_list->activate();
  repaint_drawing();
}

void BoltCirclePage::hide_markers() {
  for (Fl_Widget* marker : w_.markers)
    marker->hide();
}

void BoltCirclePage::repaint_drawing() {
  // The markers draw beyond their own small boxes and the drawing has no
  // background of its own: repaint the whole area, window background first.
  if (Fl_Window* window = w_.drawing->window())
    window->damage(FL_DAMAGE_ALL, w_.drawing->x(), w_.drawing->y(), w_.drawing->w(),
                   w_.drawing->h());
}

HoleListTexts BoltCirclePage::list_texts() const {
  HoleListTexts t;
  t.list_title = text(168);
  t.zero_words = {text(172), text(169), text(170), text(171)};
  t.clockwise = text(166);
  t.counter_clockwise = text(167);
  t.hole = text(173);
  t.header_zero = text(174);
  t.first_hole_at = text(175);
  t.degrees = text(176);
  t.x_origin = text(177);
  t.positive_x = text(178);
  t.y_origin = text(179);
  // The counterpart of the positive-X text; entry 256 names the polygon's sides.
  t.positive_y = text(180);
  t.diameter = text(181);
  t.circle_of = text(182);
  t.holes_first = text(183);
  t.listed = text(184);
  t.units = text(185);
  t.inches = text(186);
  t.millimetres = text(243);
  return t;
}

void BoltCirclePage::print_hole_list() {
  if (!last_)
    return;
  ui::install_print_dialog_strings(context_.strings());
  Fl_Printer printer;
  if (printer.start_job(1) != 0)
    return;
  draw_hole_list_page(printer);
  printer.end_job();
}

void BoltCirclePage::draw_hole_list_page(Fl_Paged_Device& device) const {
  if (!last_ || device.start_page() != 0)
    return;
  int width = 0, height = 0;
  device.printable_rect(&width, &height);
  const PrintedPage page = printed_hole_list(*last_, list_texts(), width);
  fl_color(FL_BLACK);
  for (const PrintedText& item : page.texts) {
    fl_font(item.fixed_pitch ? FL_COURIER : FL_HELVETICA, 10);
    fl_draw(item.text.c_str(), item.x, item.y);
  }
  fl_line(1, page.rule_y, width, page.rule_y);
  device.end_page();
}

void BoltCirclePage::save_hole_list() {
  if (!last_)
    return;
  const std::string path = context_.dialogs().choose_save_file(text(267), "", "");
  if (!path.empty())
    save_hole_list_to(path);
}

bool BoltCirclePage::save_hole_list_to(const std::string& path) {
  if (!last_)
    return false;
  std::string content;
  for (const std::string& line : saved_hole_list_lines(*last_, list_texts()))
    content += line + "\n";
  std::FILE* file = std::fopen(path.c_str(), "w");
  bool written = file != nullptr;
  if (file) {
    written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    written = std::fclose(file) == 0 && written;
  }
  if (!written)
    context_.dialogs().alert(text(268) + ", " + path);
  return written;
}

void BoltCirclePage::save_state(settings::IniDocument& state) const {
  ui::save_text(state, "p5:pdc_angle_first_hole", w_.first_angle);
  ui::save_text(state, "p5:pdc_num_holes", w_.total_holes);
  ui::save_text(state, "p5:pdc_num_drilled_holes", w_.holes_to_list);
  ui::save_text(state, "p5:pdc_circle_diameter", w_.diameter);
  ui::save_text(state, "p5:pdc_x_origin", w_.x_origin);
  ui::save_text(state, "p5:pdc_y_origin", w_.y_origin);
  ui::save_text(state, "p5:pdc_part_holes", w_.part_holes);
  ui::save_text(state, "p5:pdc_start_angle", w_.start_angle);
  ui::save_text(state, "p5:pdc_part_diameter", w_.part_diameter);
  ui::save_text(state, "p5:pdc_end_angle", w_.end_angle);
  ui::save_pair(state, "p5:p5_measure", w_.inch);
  ui::save_pair(state, "p5:pdc_clock_direction", w_.clockwise);
  ui::save_pair(state, "p5:pdc_xx", w_.x_normal);
  ui::save_pair(state, "p5:pdc_yy", w_.y_normal);
  ui::save_radio_index(state, "p5:pdc_orientation",
                       std::vector<Fl_Button*>(w_.zero.begin(), w_.zero.end()));
  ui::save_pair(state, "p5:pdc_type", w_.full);
  ui::save_spinner(state, "p5:p5_precision", w_.precision);
  state.set("p5:pdc_radius", std::to_string(w_.circle->marker_radius()));
}

void BoltCirclePage::load_state(const settings::IniDocument& state) {
  ui::load_text(state, "p5:pdc_angle_first_hole", w_.first_angle);
  ui::load_text(state, "p5:pdc_num_holes", w_.total_holes);
  ui::load_text(state, "p5:pdc_num_drilled_holes", w_.holes_to_list);
  ui::load_text(state, "p5:pdc_circle_diameter", w_.diameter);
  ui::load_text(state, "p5:pdc_x_origin", w_.x_origin);
  ui::load_text(state, "p5:pdc_y_origin", w_.y_origin);
  ui::load_text(state, "p5:pdc_part_holes", w_.part_holes);
  ui::load_text(state, "p5:pdc_start_angle", w_.start_angle);
  ui::load_text(state, "p5:pdc_part_diameter", w_.part_diameter);
  ui::load_text(state, "p5:pdc_end_angle", w_.end_angle);
  ui::load_pair(state, "p5:p5_measure", w_.inch, w_.mm);
  lengths_in_mm_ = w_.mm->value() != 0;
  ui::load_pair(state, "p5:pdc_clock_direction", w_.clockwise, w_.counter_clockwise);
  ui::load_pair(state, "p5:pdc_xx", w_.x_normal, w_.x_reversed);
  ui::load_pair(state, "p5:pdc_yy", w_.y_normal, w_.y_reversed);
  ui::load_radio_index(state, "p5:pdc_orientation",
                       std::vector<Fl_Button*>(w_.zero.begin(), w_.zero.end()));
  ui::load_pair(state, "p5:pdc_type", w_.full, w_.partial);
  // The page offers one decimal place too, so a restart keeps it.
  ui::load_spinner(state, "p5:p5_precision", w_.precision, 3.0, 1.0, 6.0);
  // The saved radius places the markers before the circle is first drawn;
  // a value that doesn't fit the drawing is ignored.
  long radius = state.get_long("p5:pdc_radius", 0);
  if (radius >= 1 && radius <= std::min(w_.circle->w(), w_.circle->h()) / 2)
    w_.circle->set_marker_radius(static_cast<int>(radius));

  relabel_axis_marks();
  relabel_angle_marks();
  on_type_chosen(); // shows the restored circle type and recomputes
}

} // namespace geometry
