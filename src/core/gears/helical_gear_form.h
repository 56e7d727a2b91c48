// What the helical-gear page shows for its inputs: the gear's sizes in inch
// and mm, the form cutter, and how to mill it on the selected dividing head
// (machine lead, the change-gear trains for the lead and where each gear
// goes, the table's swivel, the idlers and the indexing), as texts and
// language entries. Pure: no toolkit.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/gears/gears_texts.h"
#include "core/gears/helical_gear_calc.h"
#include "core/gears/helical_milling_calc.h"
#include "core/gears/spur_job_sheet_form.h"
#include "core/workshop/selected_head.h"

namespace gears {

inline constexpr int kHelicalTableRows = 10;
/// The rows of the size table, in the page's order.
inline constexpr std::array<i18n::TextId, kHelicalTableRows> kHelicalRowNames = {
    texts::kPitchDiameter,          texts::kOutsideDiameter, texts::kRootDiameter,
    texts::kWholeDepth,             texts::kNormalCircularPitch,
    texts::kTransverseCircularPitch, texts::kHelixLead,      texts::kCentreDistance,
    texts::kChordalThickness,       texts::kChordalAddendum};
/// The places of a train's gears, in the page's order.
inline constexpr std::array<i18n::TextId, 4> kTrainPlaceNames = {
    texts::kGearOnLeadScrew, texts::kFirstStudGear, texts::kSecondStudGear, texts::kGearOnWorm};

/// The page's fields as numbers read from them ("" while a field can't be read).
struct HelicalGearFormInput {
  PitchSystem system = PitchSystem::kModule; ///< module or diametral pitch
  PressureAngle angle = PressureAngle::k20;
  std::string pitch;
  std::string teeth;
  std::string helix; ///< decimal degrees
  std::string mating;
  Hand hand = Hand::kRight;
  std::string lead_screw;
  bool lead_screw_metric = false;
  workshop::DividingHead head;
  std::size_t train = 0; ///< the train chosen in the list
};

struct HelicalMillingForm {
  std::string machine_lead; ///< with its unit, the lead screw's
  /// One line per train: "24 × 48 / 32 × 100:  exact", or its error in %.
  std::vector<std::string> trains;
  std::size_t train = 0; ///< the train shown, within the list
  /// The gear at each place of kTrainPlaceNames; "" where the train has none.
  std::array<std::string, 4> places;
  std::string lead_cut;
  std::string error; ///< per turn, with its unit
  /// Why there are no trains: kNoMachineLead or kNoLeadTrain; none with trains
  /// or while the lead screw is still to be typed.
  std::optional<i18n::TextId> missing;
};

/// Without a gear every result but the machine lead is empty and the status says why.
struct HelicalGearForm {
  bool gear = false;
  std::array<std::string, kHelicalTableRows> inch;
  std::array<std::string, kHelicalTableRows> mm;
  std::string transverse_module;
  std::string transverse_diametral_pitch;
  std::string equivalent_teeth;
  long cutter_teeth = 0; ///< the whole tooth count the form cutter is chosen for
  std::string ratio;
  int cutter = 0; ///< 0: no cutter
  std::string swivel; ///< degrees, minutes and seconds
  i18n::TextId swivel_direction = texts::kSwivelRightEnd;
  i18n::TextId idlers = texts::kIdlersRightHand;
  /// The first setting that indexes the teeth, or why none does.
  std::string indexing;
  /// Every setting on the head's circles, for the job sheet.
  std::vector<std::string> indexing_settings;
  i18n::TextId status = texts::kHelicalNote; ///< kTooFewEquivalentTeeth is a warning
  HelicalMillingForm milling;
};

HelicalGearForm helical_gear_form(const HelicalGearFormInput& input, const JobSheetText& text);

} // namespace gears
