#include "ui/callbacks.h"

#include <FL/Fl_Widget.H>

namespace ui {

void Callbacks::on(Fl_Widget* widget, std::function<void()> action) {
  actions_.push_back(std::make_unique<std::function<void()>>(std::move(action)));
  widget->callback([](Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); },
                   actions_.back().get());
}

} // namespace ui
