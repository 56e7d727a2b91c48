// A widget runs a page's code when it calls back. The toolkit takes a plain
// function and a pointer; this keeps each action where its widget can find
// it, for as long as the owner lives (the owner outlives its widgets).
#pragma once

#include <functional>
#include <memory>
#include <vector>

class Fl_Widget;

namespace ui {

class Callbacks {
public:
  /// `widget` runs `action` whenever it calls back (replacing its callback).
  void on(Fl_Widget* widget, std::function<void()> action);

private:
  std::vector<std::unique_ptr<std::function<void()>>> actions_;
};

} // namespace ui
