// Tapers. The user names a taper one way (a standard taper, the taper per
// foot, per inch or per mm, a ratio, an angle, or two diameters and the
// length between them); the page shows it every other way, how to set the
// lathe for it (compound rest, tailstock set-over, taper attachment), how to
// measure it (over rolls on gauge blocks, with two balls in a bore, on a sine
// bar) and the standard tapers two measured diameters can be.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/workshop/taper_form.h"
#include "ui/page_kit.h"

namespace workshop {

class TaperSketch;

/// The widgets of the page, open to the tests.
struct TaperWidgets {
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  Fl_Choice* standard = nullptr;
  Fl_Output* standard_line = nullptr;
  Fl_Choice* given = nullptr;
  Fl_Output* value_label = nullptr;
  ui::CheckedInput *value = nullptr, *large = nullptr, *small = nullptr, *length = nullptr;
  Fl_Output *small_label = nullptr, *length_label = nullptr;
  Fl_Output *per_foot = nullptr, *per_unit = nullptr, *ratio = nullptr;
  Fl_Output* per_unit_label = nullptr;
  Fl_Output *included = nullptr, *included_dms = nullptr, *half = nullptr, *half_dms = nullptr;
  ui::CheckedInput* bar_length = nullptr;
  Fl_Output* sine_height = nullptr;
  TaperSketch* sketch = nullptr;
  ui::CheckedInput* tolerance = nullptr;
  Fl_Browser* matches = nullptr;

  Fl_Output *compound = nullptr, *compound_dms = nullptr;
  Fl_Output *cross_slide = nullptr, *cross_slide_dms = nullptr;
  ui::CheckedInput* work_length = nullptr;
  Fl_Output* setover = nullptr;
  Fl_Box* setover_warning = nullptr;
  Fl_Output* attachment_label = nullptr;
  Fl_Output* attachment = nullptr;
  ui::CheckedInput *roll = nullptr, *m1 = nullptr, *h1 = nullptr, *m2 = nullptr, *h2 = nullptr;
  Fl_Output *rolls_half = nullptr, *rolls_per_foot = nullptr;
  Fl_Output *rolls_d1 = nullptr, *rolls_d2 = nullptr, *expected_m2 = nullptr;
  ui::CheckedInput *ball1 = nullptr, *depth1 = nullptr, *ball2 = nullptr, *depth2 = nullptr;
  Fl_Output *bore_half = nullptr, *bore_top = nullptr;
  Fl_Button* print = nullptr;
  Fl_Button* help = nullptr;
};

class TaperPage : public ui::Page {
public:
  explicit TaperPage(ui::PageContext& app);
  ~TaperPage() override;

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const TaperWidgets& widgets() const { return w_; }
  /// The set-up and measurements as the print shows them, nothing without a taper.
  std::optional<std::vector<gears::JobSheetRow>> sheet() const;

private:
  void build_taper();
  void build_set_up();
  void build_measuring();
  void bind_state();
  void restored() override;

  /// The given-as list's items, per inch or per mm by the page's unit.
  void fill_given_menu();
  void given_chosen();
  void standard_chosen();
  /// A taper field typed in: the taper is the user's own now.
  void taper_typed();
  /// The standard taper the list shows, if any.
  const StandardTaper* chosen_standard() const;
  /// Shows the table's taper `place` (counted from 1) in the list, 0 "Own taper".
  void choose_standard(std::size_t place);
  TaperEntry given() const;
  TaperFormInput form_input() const;
  void recompute();
  void show(const TaperForm& form);

  TaperWidgets w_;
  std::unique_ptr<ui::UnitSwitch> units_;
  bool filling_ = false; ///< while a standard taper's sizes go into the fields
};

} // namespace workshop
