// The calculator pages by name. A page's number (its place in the navigation
// user data, its group and its State.ini section "p<N>") is the enum's value,
// and only the page table in src/app/page_table.cpp says more about a page.
#pragma once

namespace ui {

enum class PageId : int {
  kCircleSegment = 1,
  kRightTriangle,
  kObliqueTriangle,
  kDovetail,
  kBoltCircle,
  kThreadWires,
  kDividingHead,
  kThreadSeries,
  kPolygon,
  kSpurGear,
  kConversions,
  kDovetailMeasurement,
  kWormGear,
  kBevelGear,
  kOverPins,
  kGearRatio,
  kChangeGears,
  kHelicalGear,
  kSineBar,
  kTaper,
};

inline constexpr int page_number(PageId id) { return static_cast<int>(id); }

/// The help pages, as the help buttons open them.
enum class HelpTopic : int {
  kThreads = 0,
  kBacklash,
  kWormGear,
  kWormGearCrown,
  kWormChangeGears,
  kBevelGear,
  kPinDiameter,
  kBoltCircle,
  kGearRatio,
  kChangeGears,
  kIndexing, ///< the dividing head's angles and differential indexing
  kHelicalGear,
  kSineBar,
  kTaper,
};

} // namespace ui
