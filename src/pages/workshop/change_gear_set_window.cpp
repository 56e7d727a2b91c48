// The change-gear set editor.
#include "pages/workshop/change_gear_set_window.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Group.H>
#include "ui/number_input.h"
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <utility>

#include "core/workshop/change_gears_calc.h"
#include "core/numeric/number_text.h"
#include "core/settings/settings_model.h"
#include "core/workshop/workshop_texts.h"
#include "ui/enter_button.h"
#include "ui/field_io.h"
#include "ui/number_input.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"

namespace workshop {

namespace {

constexpr int kMostCopies = settings::kMostGearCopies;
/// The smallest gear that can be added, and the largest.
constexpr long kFewestTeeth = settings::kFewestGearTeeth;
constexpr long kMostTeeth = settings::kMostGearTeeth;
static_assert(kMostTeeth == kLargestChangeGear, "the editor adds no gear the searches refuse");

bool addable(long teeth) { return teeth >= kFewestTeeth && teeth <= kMostTeeth; }

template <class Button = Fl_Button>
Button* arrow_button(int x, int y, int w, int h, const char* symbol) {
  auto* button = new Button(x, y, w, h, symbol);
  button->labelfont(FL_HELVETICA_BOLD);
  button->labelsize(19);
  button->deactivate();
  return button;
}

} // namespace

ChangeGearSetWindow::ChangeGearSetWindow(const ui::PageContext& app,
                                         std::function<void()> on_change,
                                         std::function<void()> on_close)
    : context_(app), on_change_(std::move(on_change)), on_close_(std::move(on_close)) {
  window_ = std::make_unique<ui::EnterWindow<Fl_Window>>(350, 530);
  window_->color(ui::kPageBackground);
  callbacks_.on(window_.get(), [this] { on_close_(); });
  w_.list = new Fl_Check_Browser(20, 25, 75, 495);
  w_.list->labelcolor(ui::kCaptionBlue);
  w_.list->align(FL_ALIGN_TOP_LEFT);
  w_.list->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE);
  callbacks_.on(w_.list, [this] { list_changed(); });

  add_group_ = new Fl_Group(120, 115, 210, 118);
  add_group_->box(FL_GTK_DOWN_FRAME);
  add_group_->labelcolor(ui::kCaptionBlue);
  w_.teeth = new ui::NumberInput(131, 140, 66, 26);
  w_.teeth->type(FL_INT_INPUT);
  w_.teeth->speak_with(context_);
  w_.teeth->box(FL_GTK_DOWN_BOX);
  w_.teeth->maximum_size(ui::kNumberTextSize);
  w_.teeth->align(FL_ALIGN_TOP_LEFT);
  w_.teeth->when(FL_WHEN_CHANGED);
  callbacks_.on(w_.teeth, [this] { teeth_changed(); });
  w_.count = new Fl_Spinner(241, 141, 70, 25);
  w_.count->align(FL_ALIGN_TOP_LEFT);
  w_.count->type(FL_INT_INPUT);
  w_.count->range(1, kMostCopies);
  w_.count->step(1);
  ui::limit_spinner_text(w_.count);
  w_.count->value(1);
  w_.count->when(FL_WHEN_CHANGED);
  // The count takes Enter itself: it calls back on every Enter, and Add follows.
  w_.count->child(0)->when(w_.count->child(0)->when() | FL_WHEN_NOT_CHANGED);
  callbacks_.on(w_.count, [this] {
    count_changed();
    w_.add->press_if_enter();
  });
  ui::report_every_change(w_.count);
  // Enter in the tooth count or the copies adds the gears.
  w_.add = arrow_button<ui::EnterButton>(187, 181, 70, 38, "@+9<-");
  callbacks_.on(w_.add, [this] { add_gears(); });
  add_group_->end();

  w_.remove = arrow_button(185, 244, 70, 38, "@+9->");
  callbacks_.on(w_.remove, [this] { remove_checked(); });
  w_.close = ui::close_button({186, 295, 70, 70}, 64);
  callbacks_.on(w_.close, [this] { on_close_(); });
  window_->end();
  window_->set_modal();
  relabel();
}

ChangeGearSetWindow::~ChangeGearSetWindow() {
  // Hiding calls the copies' field back: the callbacks must still be there.
  window_.reset();
}

void ChangeGearSetWindow::relabel() {
  window_->copy_label(context_.lang(texts::kGearSetTitle));
  w_.list->copy_label(context_.lang(texts::kGearSetList));
  add_group_->copy_label(context_.lang(texts::kAddGear));
  w_.teeth->copy_label(context_.lang(texts::kGearTeeth));
  w_.count->copy_label(context_.lang(texts::kGearCopies));
}

std::vector<std::string> ChangeGearSetWindow::lines() const {
  std::vector<std::string> texts;
  for (int i = 1; i <= w_.list->nitems(); ++i)
    texts.emplace_back(w_.list->text(i));
  return texts;
}

void ChangeGearSetWindow::set_lines(const std::vector<std::string>& lines) {
  w_.list->clear();
  for (const std::string& line : lines)
    w_.list->add(line.c_str());
  w_.remove->deactivate();
  w_.list->redraw();
}

void ChangeGearSetWindow::add_gears() {
  long copies = std::clamp<long>(static_cast<long>(w_.count->value()), 0, kMostCopies);
  long teeth = numeric::read_long(w_.teeth->number_text());
  w_.add->deactivate();
  // Lines hold plain digits ("+20" or "020" is stored as 20), so that a
  // suggested gear can be found among them by its text.
  std::vector<std::pair<std::string, bool>> items;
  for (int i = 1; i <= w_.list->nitems(); ++i)
    items.emplace_back(w_.list->text(i), w_.list->checked(i) != 0);
  if (addable(teeth))
    for (long n = 0; n < copies; ++n)
      items.emplace_back(std::to_string(teeth), false);
  std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
    return numeric::read_long(a.first) < numeric::read_long(b.first);
  });
  w_.list->clear();
  for (const auto& [text, checked] : items)
    w_.list->add(text.c_str(), checked ? 1 : 0);
  w_.teeth->value("");
  w_.count->value(1);
  w_.list->redraw();
  w_.teeth->take_focus();
  on_change_();
}

void ChangeGearSetWindow::remove_checked() {
  for (int i = w_.list->nitems(); i >= 1; --i)
    if (w_.list->checked(i))
      w_.list->remove(i);
  w_.remove->deactivate();
  w_.list->redraw();
  on_change_();
}

void ChangeGearSetWindow::teeth_changed() {
  if (addable(numeric::read_long(w_.teeth->number_text())))
    w_.add->activate();
  else
    w_.add->deactivate();
}

void ChangeGearSetWindow::count_changed() {
  if (w_.count->value() > kMostCopies)
    w_.count->value(kMostCopies);
}

void ChangeGearSetWindow::list_changed() {
  if (w_.list->nchecked() > 0)
    w_.remove->activate();
  else
    w_.remove->deactivate();
}

} // namespace workshop
