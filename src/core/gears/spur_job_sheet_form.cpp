#include "core/gears/spur_job_sheet_form.h"

#include "core/gears/gears_texts.h"
#include "core/gears/over_pins_calc.h"
#include "core/i18n/common_texts.h"
#include "core/workshop/differential_indexing_calc.h"
#include "core/numeric/number_text.h"

namespace gears {

namespace {

// Rows of the page's tooth table the sheet repeats.
constexpr size_t kWholeDepthRow = 0;
constexpr size_t kCircularPitchRow = 4;
constexpr size_t kPitchDiameterRow = 7;
constexpr size_t kOutsideDiameterRow = 8;
constexpr int kInchPlaces = 4;
constexpr int kMmPlaces = 3;

class SheetWriter {
public:
  SheetWriter(const SpurGearFormInput& gear, const JobSheetText& text)
      : in_(gear), text_(text), metric_(gear.system == PitchSystem::kModule ||
                                        gear.system == PitchSystem::kCircularPitchMm) {}

  std::vector<JobSheetRow> rows;

  void add(std::string label, std::vector<std::string> values = {}) {
    rows.push_back({std::move(label), std::move(values), false});
  }
  void heading(std::string label) { rows.push_back({std::move(label), {}, true}); }
  std::string text(i18n::TextId entry) const { return text_(entry); }

  /// A length in the page's unit first, then in the other.
  std::vector<std::string> both(const std::string& inch, const std::string& mm) const {
    const std::string in = inch + " " + text(texts::kInchUnit),
                      metric = mm + " " + text(texts::kMmUnit);
    return metric_ ? std::vector<std::string>{metric, in} : std::vector<std::string>{in, metric};
  }
  std::vector<std::string> both(double inch) const {
    return both(numeric::format_fixed(kInchPlaces, inch),
                numeric::format_fixed(kMmPlaces, inch / numeric::kInchPerMm));
  }

  void gear(const SpurGearForm& form, long teeth) {
    heading(text(texts::kJobSheetGear));
    const JobSheetRow module{text(texts::kModuleName), {form.module}, false};
    const JobSheetRow pitch{text(texts::kDiametralPitchName), {form.diametral_pitch}, false};
    const JobSheetRow circular{text(texts::kCircularPitch),
                               both(form.inch[kCircularPitchRow], form.mm[kCircularPitchRow]),
                               false};
    // The system the gear was given in comes first.
    switch (in_.system) {
    case PitchSystem::kModule:
      rows.insert(rows.end(), {module, pitch, circular});
      break;
    case PitchSystem::kDiametralPitch:
      rows.insert(rows.end(), {pitch, module, circular});
      break;
    default:
      rows.insert(rows.end(), {circular, module, pitch});
    }
    add(text(texts::kTeethCount), {std::to_string(teeth)});
    add(text(texts::kPressureAngle),
        {text(in_.angle == PressureAngle::k14_5 ? texts::kAngle14_5 : texts::kAngle20)});
    add(text(texts::kPitchDiameter),
        both(form.inch[kPitchDiameterRow], form.mm[kPitchDiameterRow]));
    add(text(texts::kJobSheetBlank),
        both(form.inch[kOutsideDiameterRow], form.mm[kOutsideDiameterRow]));
    add(text(texts::kJobSheetDepth), both(form.inch[kWholeDepthRow], form.mm[kWholeDepthRow]));
    if (!spur_system_layout(in_.system).cutter_shown)
      return; // form cutters come for a module or a diametral pitch only
    // "26-34 teeth"; the last cutter serves every count from its first on.
    const CutterRange range = cutter_teeth(teeth);
    const std::string served = std::to_string(range.fewest) +
                               (range.most != 0 ? "-" + std::to_string(range.most) : "+") + " " +
                               text(texts::kJobSheetTeeth);
    add(text(texts::kCutterNumber), {std::to_string(form.cutter), served});
  }

  void indexing(const JobSheetHead& head, long teeth) {
    heading(text(texts::kDividingHeadWord) + ": " + head.name);
    const workshop::IndexingResult simple =
        workshop::search_indexing(head.ratio, teeth, head.circles, {});
    if (!simple.on_head.empty()) {
      add(text(texts::kJobSheetSimple),
          {text(texts::kHoleCircle), text(texts::kWholeTurns), text(texts::kHoles)});
      for (const workshop::IndexingSetting& s : simple.on_head)
        add("", {s.circle == 0 ? text(texts::kWholeTurnMark) : std::to_string(s.circle),
                 std::to_string(s.turns), std::to_string(s.holes)});
      return;
    }
    const std::vector<workshop::DifferentialSetting> differential =
        workshop::differential_settings(head.ratio, teeth, head.circles, head.gears, 1);
    if (differential.empty()) {
      add(text(texts::kJobSheetNoIndexing));
      return;
    }
    const auto& words = texts::kDifferentialWords;
    const std::vector<std::string> lines = workshop::differential_lines(
        differential.front(),
        {text(words[0]), text(words[1]), text(words[2]), text(words[3]), text(words[4])});
    add(text(texts::kJobSheetDifferential), {lines.front()});
    for (size_t i = 1; i < lines.size(); ++i)
      add("", {lines[i]});
  }

  void checking(const SpurGearForm& form, const SpurGear& gear, long teeth) {
    heading(text(texts::kJobSheetChecking));
    // The same span as the page: the count the user chose there, if any.
    const SpurSpan& span = form.span;
    if (span.teeth != 0)
      add(span_line(span.teeth, text_), both(span.inch, span.mm));
    // The pin the over-pins page recommends, at the tooth thickness of the
    // table: what the micrometer reads once the teeth are cut to size.
    const double p = gear.size.diametral_pitch;
    const OverPinsInput pins{p, teeth, in_.angle == PressureAngle::k14_5 ? 14.5 : 20.0,
                             recommended_pin(p), 0.0};
    add(text(texts::kRecommendedPin), both(pins.pin));
    if (const std::optional<double> over = over_pins_for_thickness(pins, gear.tooth_thickness.inch))
      add(text(texts::kOverPinsValue), both(*over));
  }

private:
  const SpurGearFormInput& in_;
  const JobSheetText& text_;
  bool metric_;
};

// Whether a length shows as more than nothing in both of the sheet's units.
bool shows(double inch) {
  return numeric::read_double(numeric::format_fixed(kInchPlaces, inch)) > 0.0 &&
         numeric::read_double(numeric::format_fixed(kMmPlaces, inch / numeric::kInchPerMm)) > 0.0;
}

} // namespace

bool job_sheet_shows_sizes(const SpurGearFormInput& gear) {
  const SpurGearForm form = spur_gear_form(gear);
  if (!form.gear)
    return false;
  const std::optional<SpurGear> solved =
      solve_spur_gear({gear.system, gear.angle, numeric::read_double(gear.pitch_value),
                       numeric::read_long(gear.teeth)});
  // The smallest sizes on the sheet: the whole depth as the page shows it, and the pin.
  return solved && numeric::read_double(form.inch[kWholeDepthRow]) > 0.0 &&
         numeric::read_double(form.mm[kWholeDepthRow]) > 0.0 &&
         shows(recommended_pin(solved->size.diametral_pitch));
}

std::optional<std::vector<JobSheetRow>> spur_job_sheet(const SpurGearFormInput& gear,
                                                       const JobSheetHead& head,
                                                       const std::string& date,
                                                       const JobSheetText& text) {
  if (!job_sheet_shows_sizes(gear))
    return std::nullopt;
  const SpurGearForm form = spur_gear_form(gear);
  const long teeth = numeric::read_long(gear.teeth);
  const std::optional<SpurGear> solved =
      solve_spur_gear({gear.system, gear.angle, numeric::read_double(gear.pitch_value), teeth});
  if (!solved)
    return std::nullopt;
  SheetWriter sheet(gear, text);
  sheet.add(text(texts::kJobSheetJob), {"______________________________"});
  sheet.add(text(texts::kJobSheetDate), {date});
  sheet.gear(form, teeth);
  sheet.indexing(head, teeth);
  sheet.checking(form, *solved, teeth);
  return std::move(sheet.rows);
}

namespace {

/// A sentence on the sheet breaks into lines of about this many characters,
/// so that one long value doesn't shrink the whole sheet to fit the paper.
constexpr std::size_t kLongestLine = 60;

// The words of `text` in lines of at most kLongestLine bytes (a longer word
// has a line of its own).
std::vector<std::string> broken_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos)
      end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > kLongestLine) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (!line.empty())
    lines.push_back(line);
  return lines;
}

} // namespace

std::vector<JobSheetRow> sentence_rows(const std::string& label, const std::string& sentence) {
  std::vector<JobSheetRow> rows;
  std::string first = label;
  for (const std::string& line : broken_lines(sentence)) {
    rows.push_back({first, {line}, false});
    first.clear();
  }
  return rows;
}

} // namespace gears
