// Circle segment and chord. The user picks which two quantities are
// known, types them, and the page shows every other quantity of the
// segment, its sector and the whole circle, in inches or millimetres, with
// the angles as decimal degrees or degrees, minutes and seconds.
#pragma once

#include "core/geometry/circle_segment_calc.h"
#include "ui/page_kit.h"

namespace geometry {

class chord;
struct SegmentForm;

class CircleSegmentPage : public ui::Page {
public:
  explicit CircleSegmentPage(ui::PageContext& app) : ui::Page(app, ui::PageId::kCircleSegment) {}

  void build(Fl_Group& group) override;
  void enter_start_mode() override;
  void apply_settings() override;
  Fl_Input* focus_input() override;
  /// The diameter is the radius again: Tab goes from the radius to the second value.
  std::vector<const Fl_Widget*> restating_fields() const override { return {w_.diameter}; }

  /// The page's widgets, for whoever needs to look at them (the tests).
  struct Widgets {
    Fl_Group* explanation = nullptr;
    Fl_Choice* known = nullptr;
    Fl_Output* first_label = nullptr;
    ui::CheckedInput* first = nullptr;
    ui::CheckedInput* diameter = nullptr;
    Fl_Output* second_label = nullptr;
    Fl_Group* second_group = nullptr;
    ui::CheckedInput* second = nullptr;
    std::array<Fl_Group*, 3> second_dms_groups{};
    ui::DmsFields second_dms{};
    Fl_Button *inch = nullptr, *mm = nullptr;
    Fl_Button *decimal = nullptr, *dms = nullptr;
    Fl_Spinner* precision = nullptr;
    std::array<Fl_Output*, kSegmentRows> row_labels{};
    std::array<Fl_Output*, kSegmentRows> row_values{};
    Fl_Group* angle_dms_group = nullptr; ///< R3 as degrees, minutes, seconds
    ui::DmsFields angle_dms{};
    Fl_Group* rest_dms_group = nullptr; ///< R4 as degrees, minutes, seconds
    ui::DmsFields rest_dms{};
    Fl_Box* reason = nullptr; ///< why there are no results
    chord* sketch = nullptr;
  };
  const Widgets& widgets() const { return w_; }
  /// The case being shown.
  SegmentKnown known() const { return known_; }
  /// Shows case `known` with its labels, empty inputs and results (also the
  /// chord-and-angle case, which the choice doesn't offer).
  void apply_case(SegmentKnown known);

private:
  void build_inputs();
  void build_switches();
  void build_results();
  void bind_state();
  void restored() override;

  void case_chosen();
  void first_changed();
  void diameter_changed();
  void angle_format_chosen(bool dms);
  /// Labels, ranges and shown fields of the case and the angle format.
  void show_layout();
  /// Shows what the typed values give.
  void recompute();
  void show_results(const SegmentForm& form);
  /// The fields the second value is typed in now: the decimal one, or the
  /// three of degrees, minutes and seconds.
  std::vector<ui::CheckedInput*> angle_fields() const;
  /// One of them shows a value out of its range (only an angle has a range).
  bool any_refused() const;
  std::vector<Fl_Input_*> length_fields() const;

  Widgets w_;
  SegmentKnown known_ = SegmentKnown::kRadiusChord;
  std::unique_ptr<ui::UnitSwitch> units_;
};

} // namespace geometry
