// The regular polygon. The user sets the number of sides, says which
// size is known and types it; the page shows the central angle (decimal or
// degrees, minutes and seconds) and every other size, in inches or
// millimetres, beside a fixed sketch naming the sizes.
#pragma once

#include "core/geometry/polygon_calc.h"
#include "ui/page_kit.h"

namespace geometry {

class polly;

/// The widgets of the page, open to the tests.
struct PolygonWidgets {
  /// K1 across corners, K2 across flats, K3 side, K4 corner to flat.
  std::array<Fl_Round_Button*, 4> known{};
  Fl_Spinner* sides = nullptr;
  ui::CheckedInput* value = nullptr;
  Fl_Spinner* precision = nullptr;
  Fl_Round_Button *decimal = nullptr, *dms = nullptr;
  Fl_Round_Button *inch = nullptr, *mm = nullptr;

  Fl_Output* angle = nullptr;
  Fl_Group* angle_dms_group = nullptr;
  std::array<Fl_Output*, 3> angle_dms{};
  Fl_Output* across_corners = nullptr;
  Fl_Output* side = nullptr;
  Fl_Output* across_flats = nullptr;
  Fl_Output* corner_to_flat_label = nullptr;
  Fl_Output* corner_to_flat = nullptr;
  Fl_Box* reason = nullptr; ///< why there is no polygon
  polly* sketch = nullptr;
};

class PolygonPage : public ui::Page {
public:
  explicit PolygonPage(ui::PageContext& app) : Page(app, ui::PageId::kPolygon) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const PolygonWidgets& widgets() const { return w_; }

private:
  void build_inputs();
  void build_switches();
  void build_results();
  void bind_state();
  void restored() override;
  void sides_changed();
  void angle_format_chosen(bool dms);
  /// Shows what the page's values give: offered rows, results, sketch.
  void recompute();
  std::optional<PolygonKnown> known() const;

  PolygonWidgets w_;
  std::unique_ptr<ui::UnitSwitch> units_;
};

} // namespace geometry
