// Worm gear: from the tooth size, the wheel's tooth count, the
// worm's outside diameter, its starts, the backlash and the pressure angle,
// the sizes for making the worm, the hob that cuts the wheel, and the wheel.
// The page is taller than the window and scrolls.
#pragma once

#include <utility>

#include "core/gears/worm_gear_form.h"
#include "ui/page_kit.h"

namespace gears {

class CrownPicture;
class WormBackdrop;
class WormExtraWindow;

class WormGearPage : public ui::Page {
public:
  /// The page's widgets, for the tests that drive it like a user.
  struct Widgets {
    Fl_Scroll* scroll = nullptr;
    std::array<Fl_Button*, 4> systems{}; ///< module, DP, CP inch, CP mm
    std::array<Fl_Button*, 7> angles{};  ///< 14.5° ... 30°
    Fl_Box* pitch_label = nullptr;
    ui::CheckedInput* pitch = nullptr;
    Fl_Group* fraction_group = nullptr;
    std::array<ui::CheckedInput*, 3> fraction{}; ///< whole, over, under
    ui::CheckedInput* teeth = nullptr;
    Fl_Spinner* starts = nullptr;
    Fl_Button *right_hand = nullptr, *left_hand = nullptr;
    ui::CheckedInput* diameter = nullptr;
    ui::CheckedInput* backlash = nullptr;
    Fl_Button* centre_distance = nullptr;
    Fl_Button* change_gear_help = nullptr;
    Fl_Button* worm_help = nullptr;
    Fl_Button* crown_help = nullptr;
    Fl_Button* crown_cut = nullptr;
    Fl_Button* round_rim = nullptr;
    Fl_Button* square_rim = nullptr;
    Fl_Button *inch = nullptr, *millimetre = nullptr;
    std::array<Fl_Group*, 2> crown_panels{};
    std::array<CrownPicture*, 2> crown_pictures{};
    std::array<WormBackdrop*, 2> backdrops{};
    std::array<Fl_Output*, kWormOutCount> outputs{};
    Fl_Box* reason = nullptr; ///< why there are no results
  };

  explicit WormGearPage(ui::PageContext& app);
  ~WormGearPage() override;

  void build(Fl_Group& group) override;
  Fl_Input* focus_input() override;

  const Widgets& widgets() const { return w_; }
  WormExtraWindow& extra_window() { return *extra_window_; }

private:
  void build_choices();
  void build_inputs();
  void build_outputs();
  void build_crown_panels();
  void attach_handlers();
  void bind_state();
  void restored() override;

  /// Shows what the page's values give: offered rows, labels, results.
  void recompute();
  /// The pitch was typed by hand or composed from the fraction.
  void pitch_changed();
  void show_results();
  void check_worm_tooth_count();
  void warn_about_tooth_count();
  static void warn_after_leaving(void* page);
  void system_chosen();
  void units_chosen();
  void open_centre_distance();
  void apply_worm_diameter(double inches);
  void relabel(Fl_Widget* widget, i18n::TextId entry);

  ToothSystem system() const;
  int pressure_angle() const;
  /// The tooth count, or 0 when it is missing or out of range.
  int teeth() const;
  int max_scroll() const;

  Widgets w_;
  Fl_Group* page_ = nullptr;
  std::unique_ptr<WormExtraWindow> extra_window_;
  std::unique_ptr<ui::UnitSwitch> units_;
  /// The result shown, in inches: a unit switch shows it again in the new unit.
  std::optional<WormGearResult> result_;
  /// The tooth-size system last chosen: choosing another one empties the pitch.
  int shown_system_ = static_cast<int>(ToothSystem::kDiametralPitch);
  /// The (pressure angle, tooth count) of the last check: its warning shows once.
  std::pair<int, int> checked_teeth_{-1, 0};
};

} // namespace gears
