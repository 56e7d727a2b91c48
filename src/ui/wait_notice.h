// A borderless notice asking the user to wait while the slow part of a
// search runs.
#pragma once

#include <memory>

class Fl_Box;
class Fl_Window;

namespace ui {

class WaitNotice {
public:
  /// Builds the notice, hidden, with `text` wrapped inside it.
  explicit WaitNotice(const char* text);
  ~WaitNotice();
  WaitNotice(const WaitNotice&) = delete;
  WaitNotice& operator=(const WaitNotice&) = delete;

  /// Shows the notice at (x, y) on the screen and draws it at once.
  void show_at(int x, int y);
  void hide();
  Fl_Window* window() { return window_.get(); }
  Fl_Box* text() { return text_; }

private:
  std::unique_ptr<Fl_Window> window_;
  Fl_Box* text_ = nullptr;
};

} // namespace ui
