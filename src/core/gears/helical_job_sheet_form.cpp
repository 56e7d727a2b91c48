#include "core/gears/helical_job_sheet_form.h"

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"

namespace gears {

namespace {

// Rows of the page's size table the sheet repeats.
constexpr std::size_t kPitchDiameterRow = 0;
constexpr std::size_t kOutsideDiameterRow = 1;
constexpr std::size_t kWholeDepthRow = 3;
constexpr std::size_t kLeadRow = 6;
constexpr std::size_t kCentreDistanceRow = 7;
constexpr std::size_t kChordalThicknessRow = 8;
constexpr std::size_t kChordalAddendumRow = 9;
class SheetWriter {
public:
  SheetWriter(const HelicalGearFormInput& in, const HelicalGearForm& form, const JobSheetText& text)
      : in_(in), form_(form), text_(text), metric_(in.system == PitchSystem::kModule) {}

  std::vector<JobSheetRow> rows;

  void add(std::string label, std::vector<std::string> values = {}) {
    rows.push_back({std::move(label), std::move(values), false});
  }
  void add(i18n::TextId label, std::vector<std::string> values = {}) {
    add(text_(label), std::move(values));
  }
  void heading(std::string label) { rows.push_back({std::move(label), {}, true}); }
  /// A sentence as a value, broken into lines under each other.
  void sentence(i18n::TextId label, i18n::TextId entry) {
    for (JobSheetRow& row : sentence_rows(text_(label), text_(entry)))
      rows.push_back(std::move(row));
  }

  /// A row of the size table, in the gear's unit first.
  void length(i18n::TextId label, std::size_t row) {
    const std::string in = form_.inch[row] + " " + text_(texts::kInchUnit),
                      mm = form_.mm[row] + " " + text_(texts::kMmUnit);
    add(label, metric_ ? std::vector<std::string>{mm, in} : std::vector<std::string>{in, mm});
  }

  void gear() {
    heading(text_(texts::kJobSheetGear));
    const bool module = in_.system == PitchSystem::kModule;
    add(module ? texts::kNormalModule : texts::kNormalDiametralPitch, {in_.pitch});
    add(module ? texts::kTransverseModule : texts::kTransverseDiametralPitch,
        {module ? form_.transverse_module : form_.transverse_diametral_pitch});
    add(texts::kTeethCount, {in_.teeth});
    add(texts::kPressureAngle,
        {text_(in_.angle == PressureAngle::k14_5 ? texts::kAngle14_5 : texts::kAngle20)});
    add(texts::kHelixAngle,
        {in_.helix, text_(in_.hand == Hand::kRight ? texts::kRightHand : texts::kLeftHand)});
    length(texts::kPitchDiameter, kPitchDiameterRow);
    length(texts::kJobSheetBlank, kOutsideDiameterRow);
    length(texts::kJobSheetDepth, kWholeDepthRow);
    length(texts::kHelixLead, kLeadRow);
    if (!form_.ratio.empty()) {
      length(texts::kCentreDistance, kCentreDistanceRow);
      add(texts::kMatingRatio, {form_.ratio});
    }
    // "26-34 teeth"; the last cutter serves every count from its first on.
    const CutterRange range = cutter_teeth(form_.cutter_teeth);
    const std::string served = std::to_string(range.fewest) +
                               (range.most != 0 ? "-" + std::to_string(range.most) : "+") + " " +
                               text_(texts::kJobSheetTeeth);
    add(texts::kCutterNumber, {std::to_string(form_.cutter), served});
    add(texts::kEquivalentTeeth, {form_.equivalent_teeth});
  }

  void milling() {
    const HelicalMillingForm& m = form_.milling;
    heading(text_(texts::kMillingSetUp));
    add(texts::kDividingHeadWord, {in_.head.name});
    if (!in_.lead_screw.empty())
      add(texts::kTableLeadScrew,
          {in_.lead_screw + " " + text_(in_.lead_screw_metric ? texts::kMmUnit : texts::kInchUnit)});
    if (m.missing) {
      add(text_(*m.missing));
    } else if (!m.trains.empty()) {
      add(texts::kMachineLead, {m.machine_lead});
      add(texts::kLeadTrains, {m.trains[m.train]});
      for (std::size_t i = 0; i < m.places.size(); ++i)
        if (!m.places[i].empty())
          add(kTrainPlaceNames[i], {m.places[i]});
      add(texts::kLeadCut, {m.lead_cut});
      add(texts::kLeadError, {m.error});
      sentence(texts::kIdlersLabel, form_.idlers);
    }
    add(texts::kTableSwivel, {form_.swivel});
    sentence(texts::kSwivelDirectionLabel, form_.swivel_direction);
  }

  void indexing() {
    heading(text_(texts::kHelicalIndexing));
    if (form_.indexing_settings.empty()) {
      if (!form_.indexing.empty())
        add(form_.indexing);
      return;
    }
    add(texts::kJobSheetSimple, {form_.indexing_settings.front()});
    for (std::size_t i = 1; i < form_.indexing_settings.size(); ++i)
      add("", {form_.indexing_settings[i]});
  }

  void checking() {
    heading(text_(texts::kJobSheetChecking));
    length(texts::kOutsideDiameter, kOutsideDiameterRow);
    length(texts::kChordalThickness, kChordalThicknessRow);
    length(texts::kChordalAddendum, kChordalAddendumRow);
  }

private:
  const HelicalGearFormInput& in_;
  const HelicalGearForm& form_;
  const JobSheetText& text_;
  bool metric_;
};

} // namespace

std::optional<std::vector<JobSheetRow>> helical_job_sheet(const HelicalGearFormInput& input,
                                                          const std::string& date,
                                                          const JobSheetText& text) {
  const HelicalGearForm form = helical_gear_form(input, text);
  if (!form.gear)
    return std::nullopt;
  SheetWriter sheet(input, form, text);
  sheet.add(text(texts::kJobSheetJob), {"______________________________"});
  sheet.add(text(texts::kJobSheetDate), {date});
  sheet.gear();
  sheet.milling();
  sheet.indexing();
  sheet.checking();
  return std::move(sheet.rows);
}

} // namespace gears
