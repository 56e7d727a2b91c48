// The job sheet of the spur gear page: its button follows the gear on the
// page, opens the sheet's window, and the window prints the sheet.
#include <gtest/gtest.h>

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Round_Button.H>

#include "app/main_window.h"
#include "calc/gears/spur_gear_page.h"
#include "calc/gears/spur_job_sheet_window.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/postscript.h"
#include "ui/print_job.h"

using namespace testing_support;

namespace {

class SpurJobSheetTest : public AppTest {};

TEST_F(SpurJobSheetTest, ButtonFollowsTheGearAndTheWindowPrintsTheSheet) {
  start_app();
  click(app->main_frame()->nav_button(10));
  auto& page = *static_cast<gears::SpurGearPage*>(app->page(10));
  const gears::SpurGearWidgets& g = page.widgets();
  EXPECT_FALSE(g.job_sheet->active());
  click(g.systems[0]); // module 2, 30 teeth on the Brown and Sharp 40:1 head
  retype(g.pitch_value, "2");
  retype(g.teeth, "30");
  ASSERT_TRUE(g.job_sheet->active());
  click(g.job_sheet);
  gears::JobSheetWindow* sheet = page.job_sheet_window();
  ASSERT_NE(sheet, nullptr);
  EXPECT_TRUE(sheet->window()->shown());
  EXPECT_EQ(std::string(sheet->window()->label()), "Job sheet");

  ui::print_to_file_instead(dir.path() + "/sheet.ps");
  click(sheet->widgets().print);
  ui::print_to_file_instead("");
  const std::string ps = dir.read_file("sheet.ps");
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  // Blank 60 + 2 x 2 mm, depth 2 + 2.314 mm, 40 / 30 = 1 turn + 6 / 18, and
  // the widths worked out in the sheet's table test.
  for (const char* text :
       {"Job sheet", "64.0 mm", "4.314 mm", "Dividing head: Brown and Sharp 40-1", "18", "6",
        "21.505 mm", "64.478 mm"})
    EXPECT_TRUE(contains(printed_texts(ps), text)) << text;

  click(sheet->widgets().close);
  EXPECT_FALSE(sheet->window()->shown());
  retype(g.teeth, "11"); // too few teeth: no gear, no sheet
  EXPECT_FALSE(g.job_sheet->active());
}

} // namespace
