#include "ui/ratio_search.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <new>

#include "core/i18n/common_texts.h"
#include "core/workshop/dividing_head_calc.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/wait_notice.h"

namespace ui {

RatioSearch::RatioSearch(PageContext& context) : context_(context) {}
RatioSearch::~RatioSearch() = default;

gears::ResultList RatioSearch::run(const gears::RatioSearchRequest& request, Fl_Window* over) {
  // The inactive window and the wait cursor are drawn before the work.
  over->deactivate();
  Fl::flush();
  Fl::check();
  over->cursor(FL_CURSOR_WAIT);
  Fl::check();
  // Built each time: the language may have changed since the last search.
  notice_ = top_level<WaitNotice>(context_.lang(texts::kSearchWaitNotice));
  gears::ResultList found;
  try {
    const workshop::DividingHead head = context_.dividing_head();
    gears::PairTable table = gears::admitted_pairs(
        request, [&head](int n) { return workshop::can_index(head.ratio, head.circles, n); });
    gears::SearchProgress progress;
    progress.four_pairs_start = [this, over] {
      notice_->show_at(over->x() + 165, over->y() + 237);
    };
    progress.four_pairs_end = [this] { notice_->hide(); };
    found = gears::gear_ratio_search(table, gears::ratio_search_input(request, mode_), progress);
  } catch (const std::bad_alloc&) {
    notice_->hide();
    context_.fatal_error(context_.lang_or(texts::kMemoryError,
                                          "A memory error has occurred. The program will close."));
  }
  if (found.empty())
    context_.dialogs().alert(
        context_.lang_or(texts::kNoGearTrainFound, "No gear train was found."));
  over->cursor(FL_CURSOR_DEFAULT);
  over->activate();
  return found;
}

} // namespace ui
