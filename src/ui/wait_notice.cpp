// The wait notice of the gear-ratio search.
#include "ui/wait_notice.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>

#include "ui/look.h"

namespace ui {

WaitNotice::WaitNotice(const char* text) {
  window_ = std::make_unique<Fl_Window>(500, 125);
  window_->clear_border();
  window_->box(FL_BORDER_BOX);
  window_->color(ui::kResultBackground);
  text_ = new Fl_Box(1, 1, 498, 123);
  text_->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  text_->copy_label(text);
  window_->end();
}

WaitNotice::~WaitNotice() = default;

void WaitNotice::show_at(int x, int y) {
  window_->position(x, y);
  window_->show();
  // Drawn now: the search that follows lets no events through.
  window_->wait_for_expose();
  Fl::flush();
}

void WaitNotice::hide() { window_->hide(); }

} // namespace ui
