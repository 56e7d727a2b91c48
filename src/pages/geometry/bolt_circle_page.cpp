// Bolt-hole circle.
#include "pages/geometry/bolt_circle_page.h"
#include "ui/look.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/i18n/common_texts.h"
#include "pages/geometry/bolt_circle_holes_sketch.h"
#include "pages/geometry/bolt_circle_sketch.h"
#include "pages/geometry/hole_list_window.h"
#include "core/geometry/geometry_texts.h"
#include "core/settings/ini_document.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/print_job.h"
#include "ui/state_keys.h"

namespace geometry {

namespace {

// What the page's fields accept.
constexpr numeric::RangeRule kCountRule = numeric::whole_number_in(1, 50);
constexpr numeric::RangeRule kDiameterRule = numeric::any_decimal();
constexpr numeric::RangeRule kOriginRule = numeric::any_signed_decimal();
constexpr numeric::RangeRule kAngleRule = numeric::signed_decimal_in(-360.0, 360.0);

// The zero-angle buttons, from the top.
constexpr std::array<i18n::TextId, 4> kZeroAt = {texts::kZeroAtTop, texts::kZeroAtRight,
                                                 texts::kZeroAtBottom, texts::kZeroAtLeft};

constexpr Fl_Color kAngleMarkColour = 1;
constexpr Fl_Color kAxisMarkColour = 15;

// The point the markers are placed around: (492, 241), one pixel right of and
// two below the drawn circle's centre (491, 239). A marker is drawn centred
// on its own top-left corner, so this point is where their centres land.
constexpr int kMarkerCentreX = 492;
constexpr int kMarkerCentreY = 241;
constexpr int kMarkerW = 10;
constexpr int kMarkerH = 20;

constexpr ui::HelpTopic kHelpTopic = ui::HelpTopic::kBoltCircle;
// One decimal place is offered too: hole positions are often drawn to 0.1 mm.
constexpr ui::Places kPlaces{1, 6, 3};

// The four positions of the marks: top, right, bottom, left.
constexpr int kAngleMarkX[] = {479, 716, 480, 238};
constexpr int kAngleMarkY[] = {3, 231, 453, 231};
constexpr int kAxisMarkX[] = {480, 572, 480, 383};
constexpr int kAxisMarkY[] = {150, 231, 315, 231};

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

std::string BoltCirclePage::text(i18n::TextId entry) const {
  return context_.lang(entry) ? context_.lang(entry) : "";
}

BoltCirclePage::~BoltCirclePage() = default;

void BoltCirclePage::build(Fl_Group&) {
  hole_list_ = ui::top_level<HoleListWindow>(
      context_.lang(texts::kHoleListTitle), [this] { print_hole_list(); },
      [this] { save_hole_list(); });
  // The drawing first: the marks and labels that reach into it are drawn over it.
  build_drawing();
  for (size_t i = 0; i < 4; ++i) {
    w_.angle_marks[i] = mark_box(kAngleMarkX[i], kAngleMarkY[i], kAngleMarkColour);
    w_.axis_marks[i] = mark_box(kAxisMarkX[i], kAxisMarkY[i], kAxisMarkColour);
  }
  build_switches();
  build_pattern_inputs();

  w_.help = ui::question_button({728, 508, 58, 58}, 58, FL_UP_BOX);
  on(w_.help, [this] { context_.show_help(kHelpTopic); });

  relabel_marks();
  bind_state();
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
    return ui::radio_button(x, y, w, h, label.c_str());
  };

  auto* zero_group = new Fl_Group(167, 43, 102, 102);
  zero_group->box(FL_GTK_DOWN_FRAME);
  zero_group->copy_label(text(texts::kZeroAtTitle).c_str());
  for (size_t i = 0; i < 4; ++i) {
    w_.zero[i] = radio(186, 45 + 25 * static_cast<int>(i), 80, 25, text(kZeroAt[i]));
    on(w_.zero[i], [this] { marks_chosen(); });
  }
  zero_group->end();
  w_.zero[static_cast<size_t>(ZeroAt::kRight)]->setonly();

  auto* direction_group = new Fl_Group(167, 403, 209, 70);
  direction_group->box(FL_GTK_DOWN_FRAME);
  direction_group->copy_label(text(texts::kDirectionTitle).c_str());
  w_.clockwise = radio(170, 409, 202, 25, text(texts::kClockwise));
  w_.counter_clockwise = radio(170, 442, 202, 25, text(texts::kCounterClockwise));
  direction_group->end();
  w_.clockwise->setonly();
  for (Fl_Button* button : {w_.clockwise, w_.counter_clockwise})
    on(button, [this] { marks_chosen(); });

  // One frame, two radio groups inside it.
  auto* signs = new Fl_Group(711, 41, 102, 106);
  signs->box(FL_GTK_DOWN_FRAME);
  signs->copy_label(text(texts::kSignsTitle).c_str());
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
    on(button, [this] { marks_chosen(); });

  w_.precision = ui::places_spinner(context_, {760, 302, 32, 23}, kPlaces);
  on(w_.precision, [this] { recompute(); });

  w_.show_list = new Fl_Button(741, 328, 72, 40, "@+9search");
  w_.show_list->labelsize(19);
  on(w_.show_list, [this] { show_results(); });
  w_.show_list->deactivate();

  const std::string origin_tip = text(texts::kOriginTip);
  w_.x_origin = ui::make_checked_input(context_, kOriginRule, 740, 372, 73, 23);
  w_.x_origin->copy_label(text(texts::kXOriginLabel).c_str());
  w_.y_origin = ui::make_checked_input(context_, kOriginRule, 740, 397, 73, 23);
  w_.y_origin->copy_label(text(texts::kYOriginLabel).c_str());
  for (Fl_Input* field : {w_.x_origin, w_.y_origin})
    if (!origin_tip.empty())
      field->copy_tooltip(origin_tip.c_str());

  auto* units = new Fl_Group(707, 422, 113, 51);
  units->box(FL_GTK_DOWN_FRAME);
  std::tie(w_.inch, w_.mm) =
      ui::inch_mm_buttons(context_, {717, 423, 100, 25}, {717, 446, 100, 25});
  units->end();
}

void BoltCirclePage::build_pattern_inputs() {
  const std::string angle_tip = text(texts::kAngleFieldTip);
  auto angle_field = [this, &angle_tip](int x, int y) {
    ui::CheckedInput* field = ui::make_checked_input(context_, kAngleRule, x, y, 73, 23);
    if (!angle_tip.empty())
      field->copy_tooltip(angle_tip.c_str());
    return field;
  };

  auto* panel = new Fl_Group(163, 479, 658, 121);
  w_.full = new Fl_Round_Button(170, 580, 130, 16);
  w_.partial = new Fl_Round_Button(310, 580, 130, 17);
  w_.full->copy_label(text(texts::kFullCircle).c_str());
  w_.partial->copy_label(text(texts::kPartialCircle).c_str());
  for (Fl_Button* button : {w_.full, w_.partial}) {
    button->type(FL_RADIO_BUTTON);
    on(button, [this] { on_type_chosen(); });
  }
  w_.full->setonly();

  w_.full_group = new Fl_Group(169, 478, 521, 65);
  label_box(181, 482, 162, 23, text(texts::kTotalHolesLabel));
  w_.total_holes = ui::make_checked_input(context_, kCountRule, 347, 482, 73, 23);
  label_box(429, 480, 166, 25, text(texts::kHolesToListLabel));
  w_.holes_to_list = ui::make_checked_input(context_, kCountRule, 599, 482, 73, 23);
  if (context_.lang(texts::kHolesToListTip))
    w_.holes_to_list->copy_tooltip(context_.lang(texts::kHolesToListTip));
  label_box(181, 517, 162, 23, text(texts::kCircleDiameterLabel))->labelcolor(ui::kCaptionBlue);
  w_.diameter = ui::make_checked_input(context_, kDiameterRule, 347, 517, 73, 23);
  label_box(429, 517, 166, 23, text(texts::kFirstHoleAngleLabel))->labelcolor(ui::kCaptionBlue);
  w_.first_angle = angle_field(599, 517);
  w_.full_group->end();

  w_.partial_group = new Fl_Group(174, 480, 521, 68);
  label_box(181, 482, 162, 23, text(texts::kPartHolesLabel));
  w_.part_holes = ui::make_checked_input(context_, kCountRule, 347, 482, 73, 23);
  label_box(429, 482, 166, 23, text(texts::kStartAngleLabel));
  w_.start_angle = angle_field(599, 482);
  label_box(181, 517, 162, 23, text(texts::kCircleDiameterLabel));
  w_.part_diameter = ui::make_checked_input(context_, kDiameterRule, 347, 517, 73, 23);
  label_box(429, 517, 166, 23, text(texts::kEndAngleLabel));
  w_.end_angle = angle_field(599, 517);
  w_.partial_group->end();
  w_.partial_group->hide();
  w_.partial_group->deactivate();
  w_.reason = ui::reason_line({181, 551, 540, 26});
  panel->end();

  // A value outside its range recomputes too: it makes no pattern, so the
  // drawing and the list button never show holes the fields don't describe.
  for (Fl_Input* input :
       {w_.total_holes, w_.holes_to_list, w_.diameter, w_.first_angle, w_.part_holes,
        w_.start_angle, w_.part_diameter, w_.end_angle, w_.x_origin, w_.y_origin}) {
    auto* field = static_cast<ui::CheckedInput*>(input);
    field->on_valid([this] { recompute(); });
    field->on_invalid([this] { recompute(); });
  }
  // Both diameters move with the unit: a partial circle typed in one unit
  // stays the same circle.
  units_ = std::make_unique<ui::UnitSwitch>(
      context_, ui::UnitPairSlot::kBoltCircle, w_.inch, w_.mm,
      [this] {
        return std::vector<Fl_Input_*>{w_.diameter, w_.part_diameter, w_.x_origin, w_.y_origin};
      },
      [this] { recompute(); });
  for (ui::CheckedInput* length : {w_.diameter, w_.part_diameter, w_.x_origin, w_.y_origin})
    length->measure_in(*units_);
  for (ui::CheckedInput* angle : {w_.first_angle, w_.start_angle, w_.end_angle})
    angle->hold_angles(true);
}

void BoltCirclePage::bind_state() {
  state_.texts({{"pdc_angle_first_hole", w_.first_angle},
                {"pdc_num_holes", w_.total_holes},
                {"pdc_num_drilled_holes", w_.holes_to_list},
                {"pdc_circle_diameter", w_.diameter},
                {"pdc_x_origin", w_.x_origin},
                {"pdc_y_origin", w_.y_origin},
                {"pdc_part_holes", w_.part_holes},
                {"pdc_start_angle", w_.start_angle},
                {"pdc_part_diameter", w_.part_diameter},
                {"pdc_end_angle", w_.end_angle}});
  units_->bind_state(state_, "p5_measure");
  state_.pair("pdc_clock_direction", w_.clockwise, w_.counter_clockwise);
  state_.pair("pdc_xx", w_.x_normal, w_.x_reversed);
  state_.pair("pdc_yy", w_.y_normal, w_.y_reversed);
  state_.radio("pdc_orientation", {w_.zero[0], w_.zero[1], w_.zero[2], w_.zero[3]});
  state_.pair("pdc_type", w_.full, w_.partial);
  state_.spinner("p5_precision", w_.precision, kPlaces.initial, kPlaces.fewest, kPlaces.most);
  // The marker radius places the markers before the circle is first drawn;
  // a value that doesn't fit the drawing is ignored.
  state_.custom(
      [this](settings::IniDocument& state, const std::string& section) {
        state.set(section + ":pdc_radius", std::to_string(w_.circle->marker_radius()));
      },
      [this](const settings::IniDocument& state, const std::string& section) {
        const long radius = state.get_long(section + ":pdc_radius", 0);
        if (radius >= 1 && radius <= std::min(w_.circle->w(), w_.circle->h()) / 2)
          w_.circle->set_marker_radius(static_cast<int>(radius));
      });
}

void BoltCirclePage::apply_settings() { units_->apply_settings(); }

Fl_Input* BoltCirclePage::focus_input() {
  return w_.partial->value() ? w_.part_holes : w_.total_holes;
}

int BoltCirclePage::zero_index() const {
  return ui::chosen_index(w_.zero, static_cast<int>(ZeroAt::kRight));
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

void BoltCirclePage::marks_chosen() {
  relabel_marks();
  recompute();
}

Counting BoltCirclePage::counting() const {
  return w_.counter_clockwise->value() ? Counting::kCounterClockwise : Counting::kClockwise;
}

void BoltCirclePage::relabel_marks() {
  const BoltCircleMarks marks =
      bolt_circle_marks(static_cast<ZeroAt>(zero_index()), counting(), w_.x_reversed->value() != 0,
                        w_.y_reversed->value() != 0);
  for (size_t place = 0; place < 4; ++place) {
    w_.angle_marks[place]->copy_label(marks.angles[place].c_str());
    w_.axis_marks[place]->copy_label(marks.axes[place].c_str());
  }
}

void BoltCirclePage::show_results() { hole_list_->show(w_.show_list->top_window()); }

void BoltCirclePage::recompute() {
  if (!w_.full->value() && !w_.partial->value())
    return;
  BoltCircleFormInput in;
  in.partial = w_.partial->value() != 0;
  in.fields = {w_.total_holes->number_text(),   w_.holes_to_list->number_text(), w_.diameter->number_text(),
               w_.first_angle->number_text(),   w_.part_holes->number_text(),    w_.start_angle->number_text(),
               w_.part_diameter->number_text(), w_.end_angle->number_text(),     w_.x_origin->number_text(),
               w_.y_origin->number_text()};
  in.zero = static_cast<ZeroAt>(zero_index());
  in.counting = counting();
  in.x_reversed = w_.x_reversed->value() != 0;
  in.y_reversed = w_.y_reversed->value() != 0;
  in.millimetre = units_->metric();
  in.precision = static_cast<int>(w_.precision->value());
  in.marker_radius = w_.circle->marker_radius();
  std::optional<BoltCircle> circle = bolt_circle_form(in);
  ui::show_reason(w_.reason, context_, bolt_circle_reason(in));
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
  if (hole_list_)
    hole_list_->set_lines(hole_list_lines(*last_, list_texts()));
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
  t.list_title = text(texts::kListZeroAt);
  t.zero_words = {text(texts::kListTop), text(texts::kListRight), text(texts::kListBottom),
                  text(texts::kListLeft)};
  t.clockwise = text(texts::kListCountsClockwise);
  t.counter_clockwise = text(texts::kListCountsCounterClockwise);
  t.hole = text(texts::kListHole);
  t.header_zero = text(texts::kListHeaderZeroAt);
  t.first_hole_at = text(texts::kListFirstHoleAt);
  t.degrees = text(texts::kDegreesWord);
  t.x_origin = text(texts::kListXOrigin);
  t.positive_x = text(texts::kListPositiveX);
  t.y_origin = text(texts::kListYOrigin);
  // The counterpart of the positive-X text (not the polygon's "number of sides").
  t.positive_y = text(texts::kListPositiveY);
  t.diameter = text(texts::kListDiameter);
  t.circle_of = text(texts::kListCircleOf);
  t.holes_first = text(texts::kListHolesOfWhich);
  t.listed = text(texts::kListAreListed);
  t.units = text(texts::kUnitsLabel);
  t.inches = text(texts::kInchesWord);
  t.millimetres = text(texts::kMillimetresWord);
  return t;
}

void BoltCirclePage::print_hole_list() {
  if (!last_)
    return;
  ui::print_job(context_, ui::PageId::kBoltCircle, 1, [this](Fl_Paged_Device& device) {
    draw_hole_list_page(device);
    return true;
  });
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
  const std::string path = context_.dialogs().choose_save_file(text(texts::kSaveHoleList), "", "");
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
    context_.dialogs().alert(text(texts::kCannotOpenFile) + ", " + path);
  return written;
}

void BoltCirclePage::restored() {
  relabel_marks();
  on_type_chosen(); // shows the restored circle type and computes
}

} // namespace geometry
