// The oblique triangle. Four ways of knowing the triangle (three
// sides; two sides and the angle between them; a side and two angles; three
// angles), angles typed and shown as decimal degrees or as degrees, minutes
// and seconds, lengths in inches or millimetres; results on every key.
#pragma once

#include "ui/page_kit.h"
#include "core/geometry/oblique_triangle_calc.h"
#include "pages/geometry/oblique_triangle_sketch.h"

namespace geometry {

struct ObliqueForm;

/// The widgets of the page, open to the tests.
struct ObliqueTriangleWidgets {
  std::array<Fl_Round_Button*, 4> case_buttons{};
  Fl_Round_Button *inch = nullptr, *mm = nullptr;
  Fl_Round_Button *decimal = nullptr, *dms = nullptr;

  /// Input rows 1-3 (index 0-2): label, decimal field in its group, and
  /// degrees / minutes / seconds fields, each in a group of its own.
  std::array<Fl_Output*, 3> row_labels{};
  std::array<Fl_Group*, 3> decimal_groups{};
  std::array<ui::CheckedInput*, 3> decimal_inputs{};
  std::array<std::array<Fl_Group*, 3>, 3> dms_groups{};
  std::array<std::array<ui::CheckedInput*, 3>, 3> dms_inputs{};

  Fl_Spinner* precision = nullptr;

  /// Result rows 1-3: label, value, and the D/M/S group with its three fields.
  std::array<Fl_Output*, 3> result_labels{};
  std::array<Fl_Output*, 3> result_values{};
  std::array<Fl_Group*, 3> result_dms_groups{};
  std::array<std::array<Fl_Output*, 3>, 3> result_dms{};
  Fl_Output* area_label = nullptr;
  Fl_Output* area = nullptr;

  Fl_Box* note = nullptr;
  Fl_Box* reason = nullptr; ///< why there is no triangle
  Triangle2Sketch sketch;
};

class ObliqueTrianglePage : public ui::Page {
public:
  explicit ObliqueTrianglePage(ui::PageContext& app) : Page(app, ui::PageId::kObliqueTriangle) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const ObliqueTriangleWidgets& widgets() const { return w_; }
  ObliqueKnown known() const { return known_; }

private:
  void build_choices();
  void build_input_rows();
  void build_results();
  void bind_state();
  void restored() override;

  void case_chosen(ObliqueKnown known);
  void angle_format_chosen(bool dms);

  /// Shows the widgets of the current case and angle format.
  void show_mode();
  void focus_first_input();
  std::vector<Fl_Input_*> length_fields() const;
  /// Shows what the typed values give.
  void recompute();
  void show_results(const ObliqueForm& form);

  ObliqueTriangleWidgets w_;
  ObliqueKnown known_ = ObliqueKnown::kThreeSides;
  std::unique_ptr<ui::UnitSwitch> units_;
};

} // namespace geometry
