// Names of the string-table entries only the thread pages use: measuring a
// thread over wires, and the thread series with their tapping drills.
#pragma once

#include "core/i18n/text_id.h"

namespace texts {

using i18n::TextId;

// ---- measuring over wires ----
inline constexpr TextId kWiresPageTitle{189};
inline constexpr TextId kMetricWord{190}; ///< the metric thread form, the metric drills
inline constexpr TextId kWiresTpiLabel{191};
inline constexpr TextId kWiresPitchMmLabel{192};
inline constexpr TextId kMajorDiameterInch{193};
inline constexpr TextId kWireDiameterInch{194};
inline constexpr TextId kWiresMillimetresRadio{195};
inline constexpr TextId kWiresInchesRadio{196};
inline constexpr TextId kWireSizesCaption{197}; ///< before any unit has been chosen
inline constexpr TextId kSmallestWire{198};
inline constexpr TextId kBestWire{199};
inline constexpr TextId kLargestWire{200};
inline constexpr TextId kOverWiresInch{201};
inline constexpr TextId kMajorDiameterMm{202};
inline constexpr TextId kWireDiameterMm{203};
inline constexpr TextId kOverWiresMm{204};
inline constexpr TextId kWireOutsideSizes{806};

// ---- thread series and tapping drills ----
inline constexpr TextId kSeriesHeading{226};
inline constexpr TextId kSeriesHeadingStart{227};
inline constexpr TextId kSeriesHeadingMore{228}; ///< continues the line of 227
inline constexpr TextId kSeriesHeadingEnd{229};  ///< the next line, under 228
inline constexpr TextId kSeriesHelpButton{230};
inline constexpr TextId kLetterWord{233};
inline constexpr TextId kNumberWord{234}; ///< numbered drills, numbered sizes
inline constexpr TextId kSeriesLabel{235};
inline constexpr TextId kSeriesDiameterLabel{236};
inline constexpr TextId kSeriesTpiLabel{237};
inline constexpr TextId kEngagementLabel{238};
inline constexpr TextId kReferenceDiameterHeading{239};
inline constexpr TextId kTapDrillHeading{240};
inline constexpr TextId kMajorDiameterHeading{241};
inline constexpr TextId kDrillListsHeading{242};
inline constexpr TextId kSeriesNote1{244};
inline constexpr TextId kSeriesNote2{245};
inline constexpr TextId kSeriesNote3{246};
inline constexpr TextId kDrillLabel{247};
inline constexpr TextId kDrillSeriesLabel{248};
inline constexpr TextId kSeriesPitchMmLabel{249};
inline constexpr TextId kNumberedPitchMm{250};
inline constexpr TextId kFirstSeries{273}; ///< the seven thread series follow in order
inline constexpr TextId kNoDrillSeries{281};
inline constexpr TextId kPitchTooCoarse{790};
inline constexpr TextId kNumberedTooCoarse{791}; ///< numbered sizes take 20 or more per inch

} // namespace texts
