// Bolt-hole circle. The user describes a full circle (n holes, the
// first k listed) or a partial circle (n holes from a start to an end
// angle), where angle zero lies, which way angles count, the signs of X and
// Y and an origin offset; the page draws the circle with a marker on each
// hole and fills the hole list, which can be shown, printed and saved.
#pragma once

#include <memory>

#include "core/geometry/bolt_circle_form.h"
#include "ui/page_kit.h"

class Fl_Paged_Device;

namespace geometry {

class HoleListWindow;
class pitch_diameter_circle;

class BoltCirclePage : public ui::Page {
public:
  explicit BoltCirclePage(ui::PageContext& app);
  ~BoltCirclePage() override;

  void build(Fl_Group& group) override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  /// The print button of the hole-list window: the print dialog in the
  /// user's language, then one page. A cancelled dialog prints nothing.
  void print_hole_list();
  /// The save button: asks for a file and writes the list as text.
  void save_hole_list();

  /// Draws the hole list of the last compute as one page on a device whose
  /// job is started (the printer, or a PostScript file in tests).
  void draw_hole_list_page(Fl_Paged_Device& device) const;
  /// Writes the hole list to `path`; a file that can't be written is
  /// reported to the user. Returns whether the file was written.
  bool save_hole_list_to(const std::string& path);

  /// The page's widgets, for whoever needs to look at them (the tests).
  struct Widgets {
    Fl_Button* full = nullptr;
    Fl_Button* partial = nullptr;
    Fl_Group* full_group = nullptr;
    ui::CheckedInput* total_holes = nullptr;
    ui::CheckedInput* holes_to_list = nullptr;
    ui::CheckedInput* diameter = nullptr;
    ui::CheckedInput* first_angle = nullptr;
    Fl_Group* partial_group = nullptr;
    ui::CheckedInput* part_holes = nullptr;
    ui::CheckedInput* start_angle = nullptr;
    ui::CheckedInput* part_diameter = nullptr;
    ui::CheckedInput* end_angle = nullptr;
    ui::CheckedInput* x_origin = nullptr;
    ui::CheckedInput* y_origin = nullptr;
    std::array<Fl_Button*, 4> zero{}; ///< top, right, bottom, left
    Fl_Button* clockwise = nullptr;
    Fl_Button* counter_clockwise = nullptr;
    Fl_Button* x_normal = nullptr;   ///< "X-, X+"
    Fl_Button* x_reversed = nullptr; ///< "X+, X-"
    Fl_Button* y_normal = nullptr;   ///< "Y-, Y+"
    Fl_Button* y_reversed = nullptr; ///< "Y+, Y-"
    Fl_Button *inch = nullptr, *mm = nullptr;
    Fl_Spinner* precision = nullptr;
    Fl_Button* show_list = nullptr;
    Fl_Button* help = nullptr;
    std::array<Fl_Box*, 4> angle_marks{}; ///< top, right, bottom, left
    std::array<Fl_Box*, 4> axis_marks{};  ///< top, right, bottom, left
    Fl_Box* reason = nullptr;             ///< why the fields make no pattern
    Fl_Group* drawing = nullptr;
    pitch_diameter_circle* circle = nullptr;
    std::array<Fl_Widget*, kMaxHoles> markers{};
  };
  const Widgets& widgets() const { return w_; }
  /// The pattern of the last successful compute, if any.
  const std::optional<BoltCircle>& last_circle() const { return last_; }
  /// The hole-list window (hidden until the list is asked for).
  HoleListWindow* hole_list() { return hole_list_.get(); }

private:
  void build_pattern_inputs();
  void build_switches();
  void build_drawing();
  void bind_state();
  void restored() override;

  void on_type_chosen();
  /// A zero, direction or sign radio: relabel the drawing, recompute.
  void marks_chosen();
  void relabel_marks();
  int zero_index() const;
  Counting counting() const;
  void show_results();
  void recompute();
  void hide_markers();
  void repaint_drawing();
  HoleListTexts list_texts() const;
  std::string text(i18n::TextId entry) const;

  Widgets w_;
  std::optional<BoltCircle> last_;
  std::unique_ptr<ui::UnitSwitch> units_;
  std::unique_ptr<HoleListWindow> hole_list_;
};

} // namespace geometry
