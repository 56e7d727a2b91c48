// Dovetail. The user gives the nominal width and depth of a dovetail
// slide, the flank angle, an optional gib, which part takes the clearance
// and the gauge-pin diameter; the page shows the finished sizes of the slot
// and the male and the two pin measurements, sketches of both parts that
// follow the clearance kind and the gib, and prints a dimensioned drawing.
#pragma once

#include <functional>
#include <utility>

#include "core/workshop/dovetail_form.h"
#include "pages/workshop/dovetail_print.h"
#include "ui/page_kit.h"

namespace workshop {

class DovetailPage : public ui::Page {
public:
  explicit DovetailPage(ui::PageContext& app);

  void build(Fl_Group& group) override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  static constexpr int kRows = kDovetailRows;
  static constexpr int kFemaleSketches = 4;
  static constexpr int kMaleSketches = 3;

  /// The page's widgets, for whoever needs to look at them (the tests).
  struct Widgets {
    ui::CheckedInput* width = nullptr;
    ui::CheckedInput* depth = nullptr;
    Fl_Button* angle_60 = nullptr;
    Fl_Button* angle_45 = nullptr;
    Fl_Button* angle_typed = nullptr;
    ui::CheckedInput* typed_angle = nullptr;
    Fl_Button* gib = nullptr;
    ui::CheckedInput* gib_thickness = nullptr;
    Fl_Choice* clearance_kind = nullptr;
    ui::CheckedInput* clearance = nullptr;
    ui::CheckedInput* pin = nullptr;
    Fl_Button *inch = nullptr, *mm = nullptr;
    /// female mouth, male top, female depth, male height, between pins, over pins
    std::array<Fl_Output*, kRows> results{};
    Fl_Button* print = nullptr;
    Fl_Box* first_note = nullptr;
    Fl_Box* reason = nullptr; ///< why there are no results, in the first note's place
    /// FDoveTailStandard, FDoveTailDeep, FDoveTailStandardGib, FDoveTailDeepGib
    std::array<Fl_Group*, kFemaleSketches> female_groups{};
    /// MDoveTailStandard, MDoveTailShallow, MDoveTailDeep
    std::array<Fl_Group*, kMaleSketches> male_groups{};
  };
  const Widgets& widgets() const { return w_; }

  /// What the Print button does with the drawing's numbers (the printer by
  /// default; tests look at the numbers instead).
  using PrintAction = std::function<void(const DovetailPrintValues&)>;
  void set_print_action(PrintAction action) { print_action_ = std::move(action); }

private:
  void build_sketches();
  void build_inputs();
  void build_results();
  void bind_state();
  void restored() override;

  /// Shows what the page's values give: fields, sketches, results, Print.
  void recompute();
  void print();
  DovetailFormInput form_input() const;

  Widgets w_;
  std::unique_ptr<ui::UnitSwitch> units_;
  /// The last computed sizes; the drawing prints them.
  DovetailResult result_;
  PrintAction print_action_;
};

} // namespace workshop
