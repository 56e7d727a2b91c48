#include "app/page_table.h"

#include "app/all_pages.h"
#include "core/i18n/common_texts.h"

namespace app {

namespace {

template <typename PageClass> std::unique_ptr<ui::Page> create(ui::PageContext& context) {
  return std::make_unique<PageClass>(context);
}

constexpr GroupRect kGroup = {160, 2, 665, 598};

} // namespace

const std::vector<PageRow>& page_table() {
  using ui::PageId;
  using namespace texts;
  // The column's order from the top is not the page order: see nav_y.
  // clang-format off
  static const std::vector<PageRow> table = {
      //  page                     nav label                       y  y(es) h(es)  group                 rank  class
      {PageId::kCircleSegment,       kCircleSegmentPageName,         6,   6, 55, kGroup,                2, create<geometry::CircleSegmentPage>},
      {PageId::kRightTriangle,       kRightTrianglePageName,        62,  62, 55, kGroup,                3, create<geometry::RightTrianglePage>},
      {PageId::kObliqueTriangle,     kObliqueTrianglePageName,     118, 118, 55, kGroup,                4, create<geometry::ObliqueTrianglePage>},
      {PageId::kDovetail,            kDovetailPageName,            174, 174, 55, kGroup,                5, create<workshop::DovetailPage>},
      {PageId::kBoltCircle,          kBoltCirclePageName,          286, 286, 55, kGroup,                6, create<geometry::BoltCirclePage>},
      {PageId::kThreadWires,         kThreadWiresPageName,         342, 342, 55, kGroup,                1, create<threads::ThreadWiresPage>},
      {PageId::kDividingHead,        kDividingHeadPageName,        398, 398, 55, kGroup,                9, create<workshop::DividingHeadPage>},
      {PageId::kThreadSeries,        kThreadSeriesPageName,        454, 454, 55, kGroup,                8, create<threads::ThreadSeriesPage>},
      {PageId::kPolygon,             kPolygonPageName,             510, 510, 55, kGroup,                7, create<geometry::PolygonPage>},
      {PageId::kSpurGear,            kSpurGearPageName,            566, 566, 55, kGroup,                0, create<gears::SpurGearPage>},
      {PageId::kConversions,         std::nullopt,                1070, 1090, 55, {160, 1, 665, 599}, 10, create<geometry::ConversionsPage>},
      {PageId::kDovetailMeasurement, kDovetailMeasurementPageName, 230, 230, 55, kGroup,               11, create<workshop::DovetailMeasurementPage>},
      {PageId::kWormGear,            kWormGearPageName,            678, 688, 55, {160, 2, 665, 887},  12, create<gears::WormGearPage>},
      {PageId::kBevelGear,           kBevelGearPageName,           734, 744, 55, {160, 0, 667, 1420}, 13, create<gears::BevelGearPage>},
      {PageId::kOverPins,            kOverPinsPageName,            622, 622, 65, kGroup,               14, create<gears::OverPinsPage>},
      {PageId::kGearRatio,           kGearRatioPageName,           790, 800, 65, kGroup,               15, create<gears::GearRatioPage>},
      {PageId::kChangeGears,         kChangeGearsPageName,         846, 866, 55, kGroup,               16, create<workshop::ChangeGearsPage>},
      {PageId::kHelicalGear,         kHelicalGearPageName,         902, 922, 55, kGroup,               17, create<gears::HelicalGearPage>},
      {PageId::kSineBar,             kSineBarPageName,             958, 978, 55, kGroup,               18, create<workshop::SineBarPage>},
      {PageId::kTaper,               kTaperPageName,              1014, 1034, 55, kGroup,               19, create<workshop::TaperPage>},
  };
  // clang-format on
  return table;
}

const PageRow& page_row(ui::PageId id) {
  // A page named here but missing from the table is a programming error,
  // said at once rather than read from past the table's end.
  return page_table().at(static_cast<size_t>(ui::page_number(id) - 1));
}

} // namespace app
