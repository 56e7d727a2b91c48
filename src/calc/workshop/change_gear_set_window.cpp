// The change-gear set editor.
#include "calc/workshop/change_gear_set_window.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <utility>

#include "numeric/number_text.h"
#include "ui/enter_button.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"

namespace workshop {

namespace {

constexpr int kMostCopies = 4;
/// The smallest gear that can be added.
constexpr long kFewestTeeth = 12;
// Text entries.
constexpr int kTitleText = 451;
constexpr int kListText = 452;
constexpr int kAddText = 453;
constexpr int kTeethText = 454;
constexpr int kCopiesText = 455;

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
  list_ = new Fl_Check_Browser(20, 25, 75, 495);
  list_->labelcolor(ui::kCaptionBlue);
  list_->align(FL_ALIGN_TOP_LEFT);
  list_->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE);
  callbacks_.on(list_, [this] { list_changed(); });

  add_group_ = new Fl_Group(120, 115, 210, 118);
  add_group_->box(FL_GTK_DOWN_FRAME);
  add_group_->labelcolor(ui::kCaptionBlue);
  teeth_ = new Fl_Int_Input(131, 140, 66, 26);
  teeth_->box(FL_GTK_DOWN_BOX);
  teeth_->align(FL_ALIGN_TOP_LEFT);
  teeth_->when(FL_WHEN_CHANGED);
  callbacks_.on(teeth_, [this] { teeth_changed(); });
  count_ = new Fl_Spinner(241, 141, 70, 25);
  count_->align(FL_ALIGN_TOP_LEFT);
  count_->type(FL_INT_INPUT);
  count_->range(1, kMostCopies);
  count_->step(1);
  count_->value(1);
  count_->when(FL_WHEN_CHANGED);
  // The count takes Enter itself: it calls back on every Enter, and Add follows.
  count_->child(0)->when(count_->child(0)->when() | FL_WHEN_NOT_CHANGED);
  callbacks_.on(count_, [this] {
    count_changed();
    add_->press_if_enter();
  });
  ui::report_every_change(count_);
  // Enter in the tooth count or the copies adds the gears.
  add_ = arrow_button<ui::EnterButton>(187, 181, 70, 38, "@+9<-");
  callbacks_.on(add_, [this] { add_gears(); });
  add_group_->end();

  remove_ = arrow_button(185, 244, 70, 38, "@+9->");
  callbacks_.on(remove_, [this] { remove_checked(); });
  close_ = ui::close_button({186, 295, 70, 70}, 64);
  callbacks_.on(close_, [this] { on_close_(); });
  window_->end();
  window_->set_modal();
  relabel();
}

ChangeGearSetWindow::~ChangeGearSetWindow() {
  // Hiding calls the copies' field back: the callbacks must still be there.
  window_.reset();
}

void ChangeGearSetWindow::relabel() {
  window_->copy_label(context_.lang(kTitleText));
  list_->copy_label(context_.lang(kListText));
  add_group_->copy_label(context_.lang(kAddText));
  teeth_->copy_label(context_.lang(kTeethText));
  count_->copy_label(context_.lang(kCopiesText));
}

std::vector<std::string> ChangeGearSetWindow::lines() const {
  std::vector<std::string> texts;
  for (int i = 1; i <= list_->nitems(); ++i)
    texts.emplace_back(list_->text(i));
  return texts;
}

void ChangeGearSetWindow::set_lines(const std::vector<std::string>& lines) {
  list_->clear();
  for (const std::string& line : lines)
    list_->add(line.c_str());
  remove_->deactivate();
  list_->redraw();
}

void ChangeGearSetWindow::add_gears() {
  long copies = std::clamp<long>(static_cast<long>(count_->value()), 0, kMostCopies);
  long teeth = numeric::read_long(teeth_->value());
  add_->deactivate();
  // Lines hold plain digits ("+20" or "020" is stored as 20), so that a
  // suggested gear can be found among them by its text.
  std::vector<std::pair<std::string, bool>> items;
  for (int i = 1; i <= list_->nitems(); ++i)
    items.emplace_back(list_->text(i), list_->checked(i) != 0);
  if (teeth >= kFewestTeeth)
    for (long n = 0; n < copies; ++n)
      items.emplace_back(std::to_string(teeth), false);
  std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
    return numeric::read_long(a.first) < numeric::read_long(b.first);
  });
  list_->clear();
  for (const auto& [text, checked] : items)
    list_->add(text.c_str(), checked ? 1 : 0);
  teeth_->value("");
  count_->value(1);
  list_->redraw();
  teeth_->take_focus();
  on_change_();
}

void ChangeGearSetWindow::remove_checked() {
  for (int i = list_->nitems(); i >= 1; --i)
    if (list_->checked(i))
      list_->remove(i);
  remove_->deactivate();
  list_->redraw();
  on_change_();
}

void ChangeGearSetWindow::teeth_changed() {
  if (numeric::read_long(teeth_->value()) >= kFewestTeeth)
    add_->activate();
  else
    add_->deactivate();
}

void ChangeGearSetWindow::count_changed() {
  if (count_->value() > kMostCopies)
    count_->value(kMostCopies);
}

void ChangeGearSetWindow::list_changed() {
  if (list_->nchecked() > 0)
    remove_->activate();
  else
    remove_->deactivate();
}

} // namespace workshop
