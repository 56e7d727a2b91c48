// The one table of the calculator pages: which class builds page N.
// To add a page: write its class (see docs/adding-a-page.md), include its
// header here and return it from create_page.
#include "app/page.h"

#include "calc/gears/bevel_gear_page.h"
#include "calc/gears/gear_ratio_page.h"
#include "calc/gears/over_pins_page.h"
#include "calc/gears/spur_gear_page.h"
#include "calc/gears/worm_gear_page.h"
#include "calc/geometry/bolt_circle_page.h"
#include "calc/geometry/circle_segment_page.h"
#include "calc/geometry/conversions_page.h"
#include "calc/geometry/oblique_triangle_page.h"
#include "calc/geometry/polygon_page.h"
#include "calc/geometry/right_triangle_page.h"
#include "calc/threads/thread_series_page.h"
#include "calc/threads/thread_wires_page.h"
#include "calc/workshop/change_gears_page.h"
#include "calc/workshop/dividing_head_page.h"
#include "calc/workshop/dovetail_measurement_page.h"
#include "calc/workshop/dovetail_page.h"

namespace app {

std::unique_ptr<Page> create_page(App& app, int number) {
  switch (number) {
  case 1:
    return std::make_unique<geometry::CircleSegmentPage>(app);
  case 2:
    return std::make_unique<geometry::RightTrianglePage>(app);
  case 3:
    return std::make_unique<geometry::ObliqueTrianglePage>(app);
  case 4:
    return std::make_unique<workshop::DovetailPage>(app);
  case 5:
    return std::make_unique<geometry::BoltCirclePage>(app);
  case 6:
    return std::make_unique<threads::ThreadWiresPage>(app);
  case 7:
    return std::make_unique<workshop::DividingHeadPage>(app);
  case 8:
    return std::make_unique<threads::ThreadSeriesPage>(app);
  case 9:
    return std::make_unique<geometry::PolygonPage>(app);
  case 10:
    return std::make_unique<gears::SpurGearPage>(app);
  case 11:
    return std::make_unique<geometry::ConversionsPage>(app);
  case 12:
    return std::make_unique<workshop::DovetailMeasurementPage>(app);
  case 13:
    return std::make_unique<gears::WormGearPage>(app);
  case 14:
    return std::make_unique<gears::BevelGearPage>(app);
  case 15:
    return std::make_unique<gears::OverPinsPage>(app);
  case 16:
    return std::make_unique<gears::GearRatioPage>(app);
  case 17:
    return std::make_unique<workshop::ChangeGearsPage>(app);
  default:
    return std::make_unique<Page>(app, number);
  }
}

} // namespace app
