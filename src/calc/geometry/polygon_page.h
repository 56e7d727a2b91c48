// Page 9: the regular polygon. The user sets the number of sides, says which
// size is known and types it; the page shows the central angle (decimal or
// degrees, minutes and seconds) and every other size, in inches or
// millimetres, beside a fixed sketch naming the sizes.
#pragma once

#include <array>
#include <optional>

#include "ui/checked_input.h"
#include "ui/page.h"
#include "calc/geometry/polygon_calc.h"

class Fl_Group;
class Fl_Output;
class Fl_Round_Button;
class Fl_Spinner;

namespace geometry {

class polly;

/// The widgets of the page, open to the tests.
struct PolygonWidgets {
  /// K1 across corners, K2 across flats, K3 side, K4 corner to flat.
  std::array<Fl_Round_Button*, 4> known{};
  Fl_Spinner* sides = nullptr;
  ui::CheckedInput* value = nullptr;
  Fl_Spinner* precision = nullptr;
  Fl_Round_Button* decimal = nullptr;
  Fl_Round_Button* dms = nullptr;
  Fl_Round_Button* inch = nullptr;
  Fl_Round_Button* mm = nullptr;

  Fl_Output* angle = nullptr;
  Fl_Group* angle_dms_group = nullptr;
  std::array<Fl_Output*, 3> angle_dms{};
  Fl_Output* across_corners = nullptr;
  Fl_Output* side = nullptr;
  Fl_Output* across_flats = nullptr;
  Fl_Output* corner_to_flat_label = nullptr;
  Fl_Output* corner_to_flat = nullptr;
  polly* sketch = nullptr;
};

class PolygonPage : public ui::Page {
public:
  explicit PolygonPage(ui::PageContext& app) : Page(app, ui::PageId::kPolygon) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  void save_state(settings::IniDocument& state) const override;
  void load_state(const settings::IniDocument& state) override;
  Fl_Input* focus_input() override;

  const PolygonWidgets& widgets() const { return w_; }

private:
  void build_inputs();
  void build_switches();
  void build_results();

  // Handlers of the spinners, radios and the known-size field.
  void sides_changed();
  void unit_chosen(bool mm);
  void angle_format_chosen(bool dms);
  /// K4 and the corner-to-flat row only for an odd number of sides.
  void show_sides_mode();
  void recompute();
  void clear_results();

  int sides() const;
  std::optional<PolygonKnown> known() const;

  PolygonWidgets w_;
  /// The unit the known size holds now, so that a radio set again converts
  /// nothing twice.
  bool in_mm_ = false;
};

} // namespace geometry
