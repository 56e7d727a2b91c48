// Dovetail measurement: the user has one part of a dovetail slide,
// measured over or between two gauge pins and for depth, and gets the three
// sizes the mating part must have, with the dovetail page's sketches and a printed
// drawing of the part to be made.
#pragma once

#include <utility>
#include <functional>

#include "core/workshop/dovetail_measurement_form.h"
#include "pages/workshop/dovetail_print.h"
#include "ui/page_kit.h"

namespace workshop {

class DovetailMeasurementPage : public ui::Page {
public:
  explicit DovetailMeasurementPage(ui::PageContext& app);

  void build(Fl_Group& group) override;
  void apply_settings() override;

  /// The page's widgets (for the tests).
  struct Widgets {
    Fl_Button* male_at_hand = nullptr;
    Fl_Button* female_at_hand = nullptr;
    Fl_Button* angle_60 = nullptr;
    Fl_Button* angle_45 = nullptr;
    Fl_Button* angle_typed = nullptr;
    ui::CheckedInput* typed_angle = nullptr;
    ui::CheckedInput* pin = nullptr;
    Fl_Group* female_inputs = nullptr;
    ui::CheckedInput* between_pins = nullptr;
    ui::CheckedInput* female_depth = nullptr;
    Fl_Group* male_inputs = nullptr;
    ui::CheckedInput* over_pins = nullptr;
    ui::CheckedInput* male_depth = nullptr;
    Fl_Group* clearance_row = nullptr;
    ui::CheckedInput* clearance = nullptr;
    Fl_Button* gib = nullptr;
    ui::CheckedInput* gib_thickness = nullptr;
    Fl_Box* gib_caption = nullptr;
    Fl_Box* gib_cover = nullptr;
    Fl_Choice* clearance_kind = nullptr;
    Fl_Group* female_results = nullptr;     ///< shown with the male at hand
    std::array<Fl_Output*, 3> female_out{}; ///< mouth width, depth, between pins
    Fl_Group* male_results = nullptr;       ///< shown with the female at hand
    std::array<Fl_Output*, 3> male_out{};   ///< top width, height, over pins
    Fl_Button *inch = nullptr, *millimetre = nullptr;
    Fl_Button* print = nullptr;
    Fl_Box* reason = nullptr; ///< why there are no results
    /// FDoveTailStandard, FDoveTailDeep, FDoveTailStandardGib, FDoveTailDeepGib.
    std::array<Fl_Group*, 4> female_sketch_groups{};
    std::array<Fl_Widget*, 4> female_sketches{};
    /// MDoveTailStandard, MDoveTailShallow, MDoveTailDeep.
    std::array<Fl_Group*, 3> male_sketch_groups{};
    std::array<Fl_Widget*, 3> male_sketches{};
  };
  const Widgets& widgets() const { return w_; }

  /// What the Print button does with the drawing of the part to be made;
  /// the printer by default, tests replace it.
  std::function<void(const DovetailPrintValues&, DovetailSheets)> print_action;

private:
  void build_inputs();
  void build_results();
  void build_sketches();
  void wire();
  void bind_state();
  void restored() override;

  /// Any input or choice changed: the kept values no longer belong to them.
  void changed();
  void unit_chosen(bool millimetre);
  void print();

  DovetailMeasurementFormInput form_input() const;
  /// Shows the widgets of the modes set and returns what the form says.
  DovetailMeasurementForm show_modes();
  void compute();
  void show_results();
  /// Empties the results of the part to be made and says why (0: nothing to say).
  void empty_results(i18n::TextId reason);
  PartAtHand at_hand() const;

  Widgets w_;
  DovetailMeasurementValues stored_;
  /// 1 while the stored values belong to the current inputs.
  int calc_flag_ = 0;
  /// The unit the fields are written in. The pair is no plain conversion:
  /// after a computation it rewrites the fields from the kept inch values,
  /// so the page keeps its unit itself and tells the Units button how to
  /// switch it.
  bool fields_in_mm_ = false;
};

} // namespace workshop
