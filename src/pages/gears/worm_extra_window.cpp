#include "pages/gears/worm_extra_window.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Window.H>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/look.h"

#include "core/numeric/number_text.h"

namespace gears {

namespace {

constexpr numeric::RangeRule kIntegerRule = numeric::any_whole_number(); // whole, over, under
constexpr numeric::RangeRule kDecimalRule = numeric::any_decimal();      // inches and millimetres

const char* text_or_empty(const char* text) { return text ? text : ""; }

} // namespace

WormExtraWindow::WormExtraWindow(ui::PageContext& app,
                                 std::function<std::optional<WormWheelSizes>()> wheel,
                                 std::function<void(double)> apply)
    : context_(app), wheel_(std::move(wheel)), apply_(std::move(apply)) {
  // A top-level window: it must not land in whatever group is being built.
  Fl_Group* building = Fl_Group::current();
  Fl_Group::current(nullptr);
  build();
  Fl_Group::current(building);

  // Hiding the window calls its fields back too, with nothing typed.
  for (ui::CheckedInput* distance : {w_.inch, w_.millimetre})
    distance->on_valid([this, distance] {
      if (distance->visible_r())
        distance_typed(distance);
    });
  for (ui::CheckedInput* part : w_.fraction)
    part->on_valid([this, part] {
      if (part->visible_r())
        fraction_typed();
    });
}

// Closing the window calls its fields back: this window must still be whole then.
WormExtraWindow::~WormExtraWindow() { window_.reset(); }

void WormExtraWindow::build() {
  window_ = std::make_unique<Fl_Window>(380, 155);
  w_.window = window_.get();
  window_->copy_label(text_or_empty(context_.lang(texts::kWantedCentreDistance)));
  window_->color(ui::kPageBackground);
  window_->set_modal();
  callbacks_.on(window_.get(), [this] { hide(); });

  auto* inch_group = new Fl_Group(24, 21, 174, 65);
  inch_group->color(ui::kResultBackground);
  inch_group->copy_label(context_.lang(texts::kInchUnit));
  w_.inch = ui::make_checked_input(context_, kDecimalRule, 86, 21, 59, 25);
  inch_group->end();

  auto* fraction_group = new Fl_Group(32, 68, 161, 35);
  fraction_group->copy_label(context_.lang(texts::kFractionTitle));
  w_.fraction[0] = ui::make_checked_input(context_, kIntegerRule, 40, 72, 34, 25);
  w_.fraction[1] = ui::make_checked_input(context_, kIntegerRule, 106, 72, 35, 25);
  w_.fraction[1]->copy_label(context_.lang(texts::kFractionOver));
  w_.fraction[2] = ui::make_checked_input(context_, kIntegerRule, 152, 73, 35, 25);
  w_.fraction[2]->label("/");
  fraction_group->end();

  auto* mm_group = new Fl_Group(213, 21, 117, 33);
  mm_group->color(FL_RED);
  mm_group->copy_label(context_.lang(texts::kMmUnit));
  w_.millimetre = ui::make_checked_input(context_, kDecimalRule, 238, 21, 59, 25);
  w_.inch->measure_in(numeric::FieldUnit::kInch);
  w_.millimetre->measure_in(numeric::FieldUnit::kMm);
  mm_group->end();

  w_.apply = new Fl_Button(124, 117, 116, 25);
  w_.apply->copy_label(context_.lang(texts::kOk));
  w_.apply->deactivate();
  callbacks_.on(w_.apply, [this] { apply(); });
  w_.cancel = new Fl_Button(246, 117, 116, 25);
  w_.cancel->copy_label(context_.lang(texts::kCancel));
  callbacks_.on(w_.cancel, [this] { hide(); });
  window_->end();
}

void WormExtraWindow::show(const Fl_Window* over) {
  update_apply();
  if (over) {
    window_->position(over->x() + (over->w() - window_->w()) / 2,
                      over->y() + (over->h() - window_->h()) / 2);
  }
  window_->show();
  w_.inch->take_focus();
}

void WormExtraWindow::hide() { window_->hide(); }

void WormExtraWindow::distance_typed(ui::CheckedInput* field) {
  // Typed by hand, the fraction no longer says what the fields hold.
  if (!field->composed())
    for (ui::CheckedInput* part : w_.fraction)
      part->value("");

  const double value = ui::field_double(field);
  if (field == w_.inch) {
    centre_distance_ = value;
    if (value > 0.0)
      ui::set_field_fixed(w_.millimetre, 2, value / numeric::kInchPerMm);
    else
      w_.millimetre->value("");
  } else {
    centre_distance_ = value * numeric::kInchPerMm;
    if (value > 0.0)
      ui::set_field_fixed(w_.inch, 3, centre_distance_);
    else
      w_.inch->value("");
  }
  update_apply();
}

void WormExtraWindow::fraction_typed() {
  // Writes the inch field and runs its callback, which writes the millimetres.
  ui::fraction_to_decimal_field(w_.inch, w_.fraction[0], w_.fraction[1], w_.fraction[2]);
}

void WormExtraWindow::update_apply() {
  const std::optional<WormWheelSizes> wheel = wheel_();
  if (wheel && centre_distance_ > 0.0 && centre_distance_fits(*wheel, centre_distance_))
    w_.apply->activate();
  else
    w_.apply->deactivate();
}

void WormExtraWindow::apply() {
  const std::optional<WormWheelSizes> wheel = wheel_();
  hide();
  if (wheel && centre_distance_ > 0.0)
    apply_(worm_diameter_for_centre_distance(*wheel, centre_distance_));
}

} // namespace gears
