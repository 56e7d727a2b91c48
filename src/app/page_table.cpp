#include "app/page_table.h"

#include "app/all_pages.h"

namespace app {

namespace {

template <typename PageClass> std::unique_ptr<ui::Page> create(ui::PageContext& context) {
  return std::make_unique<PageClass>(context);
}

constexpr GroupRect kGroup = {160, 2, 665, 598};

} // namespace

const std::vector<PageRow>& page_table() {
  using ui::PageId;
  // The column's order from the top is not the page order: see nav_y.
  // clang-format off
  static const std::vector<PageRow> table = {
      //  page                    nav label  y  y(es) h(es)  group                 rank  class
      {PageId::kCircleSegment,       0,   6,   6, 55, kGroup,                2, create<geometry::CircleSegmentPage>},
      {PageId::kRightTriangle,       1,  62,  62, 55, kGroup,                3, create<geometry::RightTrianglePage>},
      {PageId::kObliqueTriangle,     2, 118, 118, 55, kGroup,                4, create<geometry::ObliqueTrianglePage>},
      {PageId::kDovetail,            3, 174, 174, 55, kGroup,                5, create<workshop::DovetailPage>},
      {PageId::kBoltCircle,          5, 286, 286, 55, kGroup,                6, create<geometry::BoltCirclePage>},
      {PageId::kThreadWires,         6, 342, 342, 55, kGroup,                1, create<threads::ThreadWiresPage>},
      {PageId::kDividingHead,        7, 398, 398, 55, kGroup,                9, create<workshop::DividingHeadPage>},
      {PageId::kThreadSeries,        8, 454, 454, 55, kGroup,                8, create<threads::ThreadSeriesPage>},
      {PageId::kPolygon,             9, 510, 510, 55, kGroup,                7, create<geometry::PolygonPage>},
      {PageId::kSpurGear,           10, 566, 566, 55, kGroup,                0, create<gears::SpurGearPage>},
      {PageId::kConversions,        -1, 902, 922, 55, {160, 1, 665, 599},  10, create<geometry::ConversionsPage>},
      {PageId::kDovetailMeasurement, 4, 230, 230, 55, kGroup,               11, create<workshop::DovetailMeasurementPage>},
      {PageId::kWormGear,           11, 678, 688, 55, {160, 2, 665, 887},  12, create<gears::WormGearPage>},
      {PageId::kBevelGear,         365, 734, 744, 55, {160, 0, 667, 1420}, 13, create<gears::BevelGearPage>},
      {PageId::kOverPins,          394, 622, 622, 65, kGroup,               14, create<gears::OverPinsPage>},
      {PageId::kGearRatio,         419, 790, 800, 65, kGroup,               15, create<gears::GearRatioPage>},
      {PageId::kChangeGears,       414, 846, 866, 55, kGroup,               16, create<workshop::ChangeGearsPage>},
  };
  // clang-format on
  return table;
}

const PageRow& page_row(ui::PageId id) {
  return page_table()[static_cast<size_t>(ui::page_number(id) - 1)];
}

} // namespace app
