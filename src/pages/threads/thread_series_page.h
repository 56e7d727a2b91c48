// Thread series and tapping drills: the user chooses a thread
// series, gives size, pitch and the percentage of thread wanted, and gets
// the blank and major diameters, the theoretical tap drill and the real
// drills of the series they own that give 50 to 100 % thread.
#pragma once

#include "core/threads/thread_series_form.h"
#include "ui/page_kit.h"

namespace threads {

class ThreadSeriesPage : public ui::Page {
public:
  explicit ThreadSeriesPage(ui::PageContext& app);

  void build(Fl_Group& group) override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  /// The page's widgets (for the tests).
  struct Widgets {
    Fl_Button* help = nullptr;
    Fl_Check_Button* fractional = nullptr;
    Fl_Check_Button* letter = nullptr;
    Fl_Check_Button* number = nullptr;
    Fl_Check_Button* metric = nullptr;
    Fl_Choice* series = nullptr;
    ui::CheckedInput* diameter = nullptr;
    Fl_Group* fraction = nullptr; ///< the inch-only widget
    ui::CheckedInput *over = nullptr, *under = nullptr;
    Fl_Choice* size_number = nullptr;
    ui::CheckedInput* pitch = nullptr;
    Fl_Output* numbered_tpi = nullptr;
    Fl_Output* numbered_pitch = nullptr;
    ui::CheckedInput* percent = nullptr;
    Fl_Output *reference_inch = nullptr, *reference_mm = nullptr;
    Fl_Output *major_inch = nullptr, *major_mm = nullptr;
    Fl_Output *drill_inch = nullptr, *drill_mm = nullptr;
    Fl_Browser* drill_names = nullptr;
    Fl_Browser* drill_engagements = nullptr;
    Fl_Box* reason = nullptr; ///< why there is no tap drill
  };
  const Widgets& widgets() const { return w_; }

  /// The series chosen now, 1-7.
  int series_index() const;

private:
  void build_heading();
  void build_entry();
  void build_results();
  void bind_state();
  void restored() override;

  void series_chosen(bool take_focus);
  void arrange_entry(int series);
  void drill_series_changed();
  void diameter_typed();
  void fraction_typed();
  Fl_Widget* field(SeriesField which) const;

  void recompute();

  Widgets w_;
};

} // namespace threads
