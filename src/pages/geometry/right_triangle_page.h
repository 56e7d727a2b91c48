// The right triangle. Six buttons choose the two known values; the
// page shows the two missing ones, angle B and the area on every keystroke,
// lengths in inch or mm, angles as decimal degrees or degrees, minutes and
// seconds.
#pragma once

#include "core/geometry/right_triangle_calc.h"
#include "ui/page_kit.h"

namespace geometry {

class Triangle1;
struct RightTriangleForm;

class RightTrianglePage : public ui::Page {
public:
  /// The page's widgets, for the tests that drive it like a user.
  struct Widgets {
    std::array<Fl_Button*, 6> case_buttons{};
    Fl_Button *inch = nullptr, *mm = nullptr;
    Fl_Button *decimal = nullptr, *dms = nullptr;
    Fl_Output* input1_label = nullptr;
    Fl_Output* input2_label = nullptr;
    ui::CheckedInput* input1 = nullptr;
    ui::CheckedInput* input2 = nullptr;
    Fl_Group* input2_group = nullptr;
    std::array<ui::CheckedInput*, 3> angle{}; ///< degrees, minutes, seconds
    std::array<Fl_Group*, 3> angle_groups{};
    Fl_Spinner* precision = nullptr;
    std::array<Fl_Output*, 4> row_labels{};
    std::array<Fl_Output*, 4> row_values{}; ///< row 3 is angle B, row 4 the area
    Fl_Group* row2_dms_group = nullptr;
    Fl_Group* row3_dms_group = nullptr;
    std::array<Fl_Output*, 3> row2_dms{};
    std::array<Fl_Output*, 3> row3_dms{};
    Fl_Box* reason = nullptr; ///< why there is no triangle
    Triangle1* sketch = nullptr;
  };

  explicit RightTrianglePage(ui::PageContext& app) : Page(app, ui::PageId::kRightTriangle) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const Widgets& widgets() const { return w_; }

private:
  void build_choices();
  void build_inputs();
  void build_results();
  void bind_state();
  void restored() override;

  void case_chosen(RightTriangleCase known);
  void angle_format_chosen(bool dms);
  /// Labels, the angle range of input 2, and the fields of the case and the
  /// angle format.
  void show_layout();
  std::vector<Fl_Input_*> length_fields() const;
  /// Shows what the typed values give.
  void recompute();
  void show_results(const RightTriangleForm& form);

  Widgets w_;
  RightTriangleCase case_ = RightTriangleCase::kSideBAngleA;
  std::unique_ptr<ui::UnitSwitch> units_;
};

} // namespace geometry
