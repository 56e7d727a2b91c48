// The gear-ratio search as the user sees it run: the window inactive under a
// wait cursor, a notice while the slow four-pair stage runs, an alert when
// nothing is found. The gear-ratio page keeps its tolerance mode here, so
// that the change-gear page, when the user's own gears make no train,
// searches as the gear-ratio page would.
#pragma once

#include <memory>

#include "core/gears/gear_ratio_form.h"

class Fl_Window;

namespace ui {

class PageContext;
class WaitNotice;

class RatioSearch {
public:
  explicit RatioSearch(PageContext& context);
  ~RatioSearch();
  RatioSearch(const RatioSearch&) = delete;
  RatioSearch& operator=(const RatioSearch&) = delete;

  void set_mode(gears::ToleranceMode mode) { mode_ = mode; }
  gears::ToleranceMode mode() const { return mode_; }

  /// The trains for `request` with tooth counts the selected dividing head
  /// can index, best first; `over` is inactive while the search runs.
  gears::ResultList run(const gears::RatioSearchRequest& request, Fl_Window* over);

  /// The notice, once a search has shown it (for the tests).
  WaitNotice* notice() { return notice_.get(); }

private:
  PageContext& context_;
  gears::ToleranceMode mode_ = gears::ToleranceMode::kBoth;
  std::unique_ptr<WaitNotice> notice_;
};

} // namespace ui
