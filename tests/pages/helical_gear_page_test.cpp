// The helical-gear page driven with real keys and clicks: the controls reach
// the form and its results land in their fields; the hand turns the swivel,
// the lead screw goes to the settings file and comes back with them, the
// Units button moves the tooth size, and the job sheet prints the set-up.
#include "pages/gears/helical_gear_page.h"

#include "core/settings/ini_document.h"
#include "pages/gears/helical_swivel_sketch.h"
#include "pages/gears/spur_job_sheet_window.h"
#include "support/page_scenario.h"
#include "support/postscript.h"

using namespace testing_support;
using namespace gears;

using HelicalGearPageTest = PageAloneTest<HelicalGearPage>;

TEST_F(HelicalGearPageTest, ControlsReachTheFormAndTheHandTurnsTheTable) {
  const HelicalGearWidgets& h = w();
  // An inch program starts with the diametral pitch and the settings' 0.25 in
  // lead screw on a 40:1 head: 10 in, shown before there is a gear.
  see({h.diametral_pitch, h.machine_lead, h.job_sheet}, {"on", "10 inch", "off"});
  EXPECT_FALSE(h.job_sheet->active());
  // DP 10, 24 teeth, 45°: d = 24 / 7.0711, z_e = 67.88, the American cutter 2.
  run(h.pitch, "10", h.teeth, "24", h.helix, "45");
  see({h.inch[0], h.mm[6], h.equivalent_teeth, h.cutter, h.swivel},
      {"3.3941", "270.838", "67.88", "2", "45° 0' 0\""});
  run(h.swivel_direction, "@885", h.idlers, "@887", h.job_sheet, "~active");
  EXPECT_GT(h.sketch->swivel(), 0.0);
  run(h.left_hand, nullptr, h.swivel_direction, "@886", h.idlers, "@888");
  EXPECT_LT(h.sketch->swivel(), 0.0);
  // 45 30 is read as degrees and minutes; a mate of 48 gives the ratio 2.
  run(h.helix, "45 30", h.swivel, "=45° 30' 0\"", h.mating, "48", h.ratio, "=2");
  // 14.5° deepens the teeth of an inch gear (2.157 / 10); a module gear is cut at 20°.
  run(h.angle_14_5, nullptr, h.inch[3], "=0.2157", h.module, nullptr, h.pitch, "=",
      h.pitch, "@857", h.angle_14_5, "~hidden", h.angle_20, "~on", h.inch[0], "=");
  run(h.help, nullptr);
  EXPECT_EQ(fake.help_asked, std::vector{ui::HelpTopic::kHelicalGear});
}

TEST_F(HelicalGearPageTest, TheChosenTrainShowsItsGearsAndComesBackAfterARestart) {
  const HelicalGearWidgets& h = w();
  run(h.pitch, "10", h.teeth, "24", h.helix, "45");
  ASSERT_GT(h.trains->size(), 3); // two trains and the menu's end
  // The page shows the gears of the train the form gives for the index chosen.
  HelicalGearFormInput in{PitchSystem::kDiametralPitch, PressureAngle::k20, "10", "24", "45", "",
                          Hand::kRight, "0.25", false, fake.dividing_head(), 1};
  const HelicalGearForm second = helical_gear_form(in, [this](i18n::TextId e) { return lang(e.entry); });
  run(h.trains, "#1");
  see({h.places[0], h.places[1], h.places[2], h.places[3], h.lead_cut},
      {second.milling.places[0], second.milling.places[1], second.milling.places[2],
       second.milling.places[3], second.milling.lead_cut});
  restart(); // a new page: its own widgets
  run(w().trains, "=1", w().teeth, "=24");
}

TEST_F(HelicalGearPageTest, TheLeadScrewIsASettingAndTheUnitsMoveTheToothSize) {
  const HelicalGearWidgets& h = w();
  // 0.25 in is 6.35 mm; its own pair converts it, and the file keeps it.
  run(h.lead_screw_mm, nullptr, h.lead_screw, "=6.35", h.machine_lead, "=254.0 mm");
  EXPECT_EQ(fake.settings().get_string(".:lead_screw", ""), "6.35 mm");
  run(h.lead_screw, "6", h.machine_lead, "=240.0 mm");
  EXPECT_EQ(fake.settings().get_string(".:lead_screw", ""), "6 mm");
  run(h.lead_screw, "0", h.lead_screw, "~red", h.machine_lead, "=");
  EXPECT_EQ(fake.settings().get_string(".:lead_screw", ""), "6 mm"); // not a lead: not kept
  restart(); // a new page: its own widgets
  const HelicalGearWidgets& again = w();
  see({again.lead_screw, again.lead_screw_mm}, {"6", "on"});
  // The Units button: DP 10 is module 2.54, and back exactly what was typed.
  run(again.pitch, "10");
  units();
  see({again.module, again.pitch, again.lead_screw}, {"on", "2.54", "6"});
  units();
  see({again.diametral_pitch, again.pitch, again.lead_screw_inch}, {"on", "10", "on"});
}

TEST_F(HelicalGearPageTest, TheJobSheetPrintsTheSetUp) {
  const HelicalGearWidgets& h = w();
  run(h.pitch, "10", h.teeth, "24", h.helix, "45");
  click(h.job_sheet);
  JobSheetWindow* sheet = page().job_sheet_window();
  ASSERT_TRUE(sheet && sheet->window()->shown());
  const std::string ps =
      printed_to_file(dir.path() + "/sheet.ps", [sheet] { click(sheet->widgets().print); });
  EXPECT_EQ(count_of(ps, "%%Page: "), 1);
  for (const char* text : {"Job sheet", "Normal diametral pitch", "Lead of the helix",
                           "10.6629 inch", "Gear on the lead screw", "Table swivel",
                           "45\xb0 0' 0\"", "Helical gear"}) // printed in Latin-1
    EXPECT_TRUE(contains(printed_texts(ps), text)) << text;
  click(sheet->widgets().close);
  EXPECT_FALSE(sheet->window()->shown());
}
