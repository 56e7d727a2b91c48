#include "core/gears/helical_gear_form.h"

#include <climits>
#include <cmath>

#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"
#include "core/numeric/number_text.h"
#include "core/workshop/dividing_head_calc.h"

namespace gears {

namespace {

constexpr int kInchPlaces = 4;
constexpr int kMmPlaces = 3;
constexpr int kModulePlaces = 4;
constexpr int kPercentPlaces = 3;

std::array<std::optional<Length>, kHelicalTableRows> table_rows(const HelicalGear& gear) {
  return {gear.pitch_diameter,        gear.outside_diameter,
          gear.root_diameter,         gear.whole_depth,
          gear.normal_circular_pitch, gear.transverse_circular_pitch,
          gear.lead,                  gear.centre_distance,
          gear.chordal_thickness,     gear.chordal_addendum};
}

std::string length_text(double value, bool metric, const JobSheetText& text) {
  return numeric::format_fixed(metric ? kMmPlaces : kInchPlaces, value) + " " +
         text(metric ? texts::kMmUnit : texts::kInchUnit);
}

std::string signed_text(const std::string& number) {
  return number.empty() || number[0] == '-' || numeric::read_double(number) == 0.0 ? number
                                                                                 : "+" + number;
}

std::string joined(const std::vector<int>& gears) {
  std::string line;
  for (const int teeth : gears)
    line += (line.empty() ? "" : " × ") + std::to_string(teeth);
  return line;
}

std::string setting_text(const workshop::IndexingSetting& s, const JobSheetText& text) {
  const std::string circle =
      s.circle == 0 ? text(texts::kWholeTurnMark) : std::to_string(s.circle);
  return text(texts::kHoleCircle) + " " + circle + ", " + text(texts::kWholeTurns) + " " +
         std::to_string(s.turns) + ", " + text(texts::kHoles) + " " + std::to_string(s.holes);
}

void index_teeth(HelicalGearForm& form, const workshop::DividingHead& head, long teeth,
                 const JobSheetText& text) {
  if (head.ratio < 1)
    return;
  for (const workshop::IndexingSetting& s :
       workshop::search_indexing(head.ratio, teeth, head.circles, {}).on_head)
    form.indexing_settings.push_back(setting_text(s, text));
  if (!form.indexing_settings.empty())
    form.indexing = form.indexing_settings.front();
  else
    form.indexing = i18n::checked_format(text(texts::kNoSimpleIndexing), "d",
                                         static_cast<int>(std::min<long>(teeth, INT_MAX)));
}

// The train in the list: its gears and how near it comes; the lead it cuts
// shows below the list for the train chosen.
std::string lead_train_line(const LeadTrain& train, const JobSheetText& text) {
  const std::string line = joined(train.driven) + " / " + joined(train.drivers) + ":  ";
  if (train.exact)
    return line + text(texts::kExactWord);
  return line + signed_text(numeric::format_fixed(kPercentPlaces, train.error_percent)) + " %";
}

// The machine lead, which needs no gear; nothing without a lead screw or a worm ratio.
std::optional<double> machine_lead_of(const HelicalGearFormInput& in) {
  const double screw = numeric::read_double(in.lead_screw);
  if (!(screw > 0.0) || in.head.ratio < 1)
    return std::nullopt;
  return machine_lead(screw, in.head.ratio);
}

HelicalMillingForm milling_form(const HelicalGearFormInput& in, const HelicalGear& gear,
                                const JobSheetText& text) {
  HelicalMillingForm form;
  if (!(numeric::read_double(in.lead_screw) > 0.0))
    return form;
  if (in.head.ratio < 1) {
    form.missing = texts::kNoMachineLead;
    return form;
  }
  const bool metric = in.lead_screw_metric;
  const double machine = *machine_lead_of(in);
  form.machine_lead = length_text(machine, metric, text);
  const std::vector<LeadTrain> trains =
      lead_trains(metric ? gear.lead.mm : gear.lead.inch, machine, in.head.gears);
  if (trains.empty()) {
    form.missing = texts::kNoLeadTrain;
    return form;
  }
  for (const LeadTrain& train : trains)
    form.trains.push_back(lead_train_line(train, text));
  form.train = in.train < trains.size() ? in.train : 0;
  const LeadTrain& chosen = trains[form.train];
  // One pair goes from the lead screw straight to the worm.
  const bool compound = chosen.drivers.size() == 2;
  form.places[0] = std::to_string(chosen.drivers[0]);
  form.places[compound ? 1 : 3] = std::to_string(chosen.driven[0]);
  if (compound) {
    form.places[2] = std::to_string(chosen.drivers[1]);
    form.places[3] = std::to_string(chosen.driven[1]);
  }
  form.lead_cut = length_text(chosen.lead, metric, text);
  // In % it is in the list, beside the gears.
  form.error = chosen.exact ? text(texts::kExactWord)
                            : signed_text(numeric::format_fixed(metric ? kMmPlaces : kInchPlaces,
                                                                chosen.error)) +
                                  " " + text(metric ? texts::kMmUnit : texts::kInchUnit);
  return form;
}

} // namespace

HelicalGearForm helical_gear_form(const HelicalGearFormInput& in, const JobSheetText& text) {
  HelicalGearForm form;
  const double pitch = numeric::read_double(in.pitch);
  const long teeth = numeric::read_long(in.teeth);
  const double helix = numeric::read_double(in.helix);
  if (const std::optional<double> machine = machine_lead_of(in))
    form.milling.machine_lead = length_text(*machine, in.lead_screw_metric, text);
  if (!(pitch >= kMissingPitch) || teeth < 1 || !(helix > 0.0))
    return form;
  const std::optional<HelicalGear> gear = solve_helical_gear(
      {in.system, in.angle, pitch, teeth, helix, in.mating.empty() ? 0 : numeric::read_long(in.mating)});
  if (!gear) {
    form.status = texts::kTooFewEquivalentTeeth;
    return form;
  }
  form.gear = true;
  const auto rows = table_rows(*gear);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (!rows[row])
      continue;
    form.inch[row] = numeric::format_fixed(kInchPlaces, rows[row]->inch);
    form.mm[row] = numeric::format_fixed(kMmPlaces, rows[row]->mm);
  }
  form.transverse_module = numeric::format_fixed(kModulePlaces, gear->transverse.module);
  form.transverse_diametral_pitch =
      numeric::format_fixed(kModulePlaces, gear->transverse.diametral_pitch);
  form.equivalent_teeth = numeric::format_fixed(2, gear->equivalent_teeth);
  if (gear->centre_distance)
    form.ratio = numeric::format_fixed(4, gear->ratio);
  form.cutter = gear->cutter;
  form.cutter_teeth = std::lround(gear->equivalent_teeth);

  const double swivel = table_swivel_degrees(in.hand, helix);
  // To the second: a swivel scale reads degrees, a sine bar not much finer.
  const long seconds = std::lround(std::fabs(swivel) * 3600.0);
  form.swivel = std::to_string(seconds / 3600) + "° " + std::to_string(seconds / 60 % 60) + "' " +
                std::to_string(seconds % 60) + "\"";
  form.swivel_direction = swivel > 0.0 ? texts::kSwivelRightEnd : texts::kSwivelLeftEnd;
  form.idlers = in.hand == Hand::kRight ? texts::kIdlersRightHand : texts::kIdlersLeftHand;
  index_teeth(form, in.head, teeth, text);
  form.milling = milling_form(in, *gear, text);
  return form;
}

} // namespace gears
