// Page 6, thread measurement over wires, driven with real keys and clicks:
// the worked examples of each form, the usable-wire limits, the fraction,
// what a form or unit switch does to the fields, focus and defaults at
// start, and the sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

#include <array>
#include <cstdio>
#include <string>

#include "ui/checked_input.h"
#include "app/main_window.h"
#include "calc/threads/thread_wires_page.h"
#include "calc/threads/v_thread.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"

using namespace testing_support;
using threads::ThreadWiresPage;
using Sizes = std::array<std::string, 3>;

namespace {

enum Form { kMetric = 0, kUnified = 1, kWhitworth = 2 };

} // namespace

class ThreadWiresPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(6));
    page = static_cast<ThreadWiresPage*>(app->page(6));
  }
  const ThreadWiresPage::Widgets& w() const { return page->widgets(); }

  // Picks the form, then types the pitch, major diameter and wire.
  void enter(Form form, const char* pitch, const char* major, const char* wire) {
    click(w().forms[form]);
    type_text(form == kMetric ? w().metric_pitch : w().tpi, pitch);
    type_text(w().major, major);
    type_text(w().wire, wire);
  }
  Sizes sizes() const {
    return {w().sizes[0]->value(), w().sizes[1]->value(), w().sizes[2]->value()};
  }
  std::string result() const { return w().result->value(); }
  std::string lang(int i) const { return app->lang(i); }
  // Labels of the major diameter, the wire, the result, and the caption.
  std::array<std::string, 4> labels() const {
    return {w().major_label->label(), w().wire_label->label(), w().result->label(),
            w().sizes_caption->label()};
  }

  ThreadWiresPage* page = nullptr;
};

TEST_F(ThreadWiresPageTest, StartsWithUnifiedInInchesUnderItsSketch) {
  EXPECT_TRUE(w().forms[kUnified]->value());
  EXPECT_TRUE(w().inch->value());
  EXPECT_TRUE(w().tpi->active());
  EXPECT_FALSE(w().metric_pitch->active());
  EXPECT_TRUE(w().fraction_group->visible());
  EXPECT_EQ(Fl::focus(), w().tpi);
  EXPECT_EQ(labels(), (std::array<std::string, 4>{lang(193), lang(194), lang(201), lang(197)}));

  // The sketch shows the rod, the wires and the measuring face.
  Rendered image = render_widget(w().sketch);
  ASSERT_EQ(image.w, 172);
  ASSERT_EQ(image.h, 105);
  auto at = [&](int x, int y) {
    const unsigned char* p = &image.rgb[static_cast<size_t>((y * image.w + x) * 3)];
    return std::array<int, 3>{p[0], p[1], p[2]};
  };
  const int cy = 52;
  EXPECT_EQ(at(10, cy), (std::array<int, 3>{0, 0, 0}));        // left end of the rod
  EXPECT_EQ(at(170, cy), (std::array<int, 3>{0, 0, 0}));       // right end, after 16 turns
  EXPECT_EQ(at(76, cy - 23), (std::array<int, 3>{255, 0, 0})); // upper wires
  EXPECT_EQ(at(86, cy - 23), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(at(80, cy + 24), (std::array<int, 3>{255, 0, 0})); // lower wire
  EXPECT_EQ(at(80, cy - 33), (std::array<int, 3>{0, 0, 255})); // measuring face
  EXPECT_EQ(at(171, cy), (std::array<int, 3>{255, 255, 255})); // nothing past the end
}

TEST_F(ThreadWiresPageTest, WorkedExamplesOfEveryForm) {
  struct Case {
    Form form;
    const char *pitch, *major, *wire;
    Sizes sizes;
    const char* result;
  };
  // M = D - 1.5155 P + 3 W (60°), D - 1.6008 P + 3.1657 W (Whitworth).
  const Case cases[] = {
      {kUnified, "20", "0.25", "0.0289", {"0.028", "0.0289", "0.045"}, "0.2609"},
      // The largest wire 0.05625 shows as 0.0563, and a wire of that size fits.
      {kUnified, "16", "0.375", "0.0563", {"0.035", "0.0361", "0.0563"}, "0.4492"},
      {kWhitworth, "20", "0.25", "0.03", {"0.027", "0.0282", "0.038"}, "0.2649"},
      {kMetric, "2", "16", "1.155", {"1.12", "1.155", "1.8"}, "16.434"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pitch);
    enter(c.form, c.pitch, c.major, c.wire);
    EXPECT_EQ(sizes(), c.sizes);
    EXPECT_EQ(result(), c.result);
  }
}

TEST_F(ThreadWiresPageTest, ResultNeedsAUsableWireAndEveryLength) {
  type_text(w().tpi, "20");
  EXPECT_EQ(sizes(), Sizes{}); // no major diameter yet
  type_text(w().major, "0.25");
  EXPECT_EQ(sizes(), (Sizes{"0.028", "0.0289", "0.045"}));
  EXPECT_EQ(result(), "");
  type_text(w().wire, "0.05"); // above the largest wire
  EXPECT_EQ(result(), "");
  retype(w().wire, "0.03");
  EXPECT_EQ(result(), "0.2642"); // 0.25 - 0.075775 + 0.09
  retype(w().major, "");
  EXPECT_EQ(result(), "");
  EXPECT_EQ(sizes(), (Sizes{"0.028", "0.0289", "0.045"})); // kept as last computed
}

TEST_F(ThreadWiresPageTest, FractionWritesTheMajorDiameter) {
  type_text(w().tpi, "16");
  type_text(w().wire, "0.036");
  type_text(w().fraction_over, "3");
  EXPECT_STREQ(w().major->value(), ""); // 3/0
  type_text(w().fraction_under, "8");
  EXPECT_STREQ(w().major->value(), "0.375");
  EXPECT_EQ(result(), "0.3883"); // 0.375 - 0.0947188 + 0.108
  retype(w().fraction_over, "8");
  retype(w().fraction_under, "3");
  EXPECT_STREQ(w().major->value(), "");
  EXPECT_EQ(result(), "");
  click(w().millimetre);
  retype(w().fraction_over, "3");
  retype(w().fraction_under, "8");
  EXPECT_STREQ(w().major->value(), "9.525");
}

TEST_F(ThreadWiresPageTest, ChangingTheFormEmptiesThePage) {
  enter(kUnified, "20", "0.25", "0.0289");
  type_text(w().fraction_over, "1");
  click(w().forms[kWhitworth]);
  for (Fl_Input* field :
       {static_cast<Fl_Input*>(w().tpi), static_cast<Fl_Input*>(w().major),
        static_cast<Fl_Input*>(w().wire), static_cast<Fl_Input*>(w().fraction_over)})
    EXPECT_STREQ(field->value(), "");
  EXPECT_EQ(sizes(), Sizes{});
  EXPECT_EQ(result(), "");
  EXPECT_EQ(Fl::focus(), w().tpi);
  // The emptied pitch and wire are gone, not waiting behind the fields.
  type_text(w().major, "0.25");
  EXPECT_EQ(sizes(), Sizes{});
  EXPECT_EQ(result(), "");

  click(w().forms[kMetric]);
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_FALSE(w().tpi->active());
  EXPECT_TRUE(w().metric_pitch->active());
  EXPECT_FALSE(w().fraction_group->visible());
  EXPECT_EQ(Fl::focus(), w().metric_pitch);
  EXPECT_EQ(labels(), (std::array<std::string, 4>{lang(202), lang(203), lang(204), lang(203)}));
  click(app->main_frame()->nav_button(1));
  click(app->main_frame()->nav_button(6));
  EXPECT_EQ(Fl::focus(), w().metric_pitch);

  click(w().forms[kUnified]);
  EXPECT_TRUE(w().inch->value());
  EXPECT_TRUE(w().fraction_group->visible());
  EXPECT_EQ(labels(), (std::array<std::string, 4>{lang(193), lang(194), lang(201), lang(194)}));
}

TEST_F(ThreadWiresPageTest, UnitSwitchRewritesTheLengthsFromTheStoredValues) {
  enter(kUnified, "20", "0.25", "0.0289");
  click(w().millimetre);
  EXPECT_STREQ(w().major->value(), "6.35");
  EXPECT_STREQ(w().wire->value(), "0.73406"); // 0.0289 x 25.4, not rounded to 0.734
  EXPECT_STREQ(w().tpi->value(), "20");
  EXPECT_EQ(sizes(), (Sizes{"0.711", "0.733", "1.143"}));
  EXPECT_EQ(result(), "6.627"); // 0.260925 x 25.4 = 6.627495
  EXPECT_EQ(labels(), (std::array<std::string, 4>{lang(202), lang(203), lang(204), lang(203)}));
  click(w().inch);
  EXPECT_STREQ(w().major->value(), "0.2500");
  EXPECT_STREQ(w().wire->value(), "0.0289");
  EXPECT_EQ(result(), "0.2609");

  // The main unit button does the same; a diameter that doesn't fit two
  // decimals of a millimetre comes back as typed.
  retype(w().major, "0.3125");
  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_STREQ(w().major->value(), "7.9375");
  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().inch->value());
  EXPECT_STREQ(w().major->value(), "0.3125");
}

TEST_F(ThreadWiresPageTest, RestartFocusesTheMetricPitchAndMetricStartsUnifiedInMm) {
  click(w().forms[kMetric]);
  type_text(w().metric_pitch, "2");
  type_text(w().major, "16");
  type_text(w().wire, "1.155");
  restart_app(); // shows page 6 again, focus on the pitch
  page = static_cast<ThreadWiresPage*>(app->page(6));
  EXPECT_EQ(Fl::focus(), w().metric_pitch);
  EXPECT_TRUE(w().forms[kMetric]->value());
  EXPECT_FALSE(w().tpi->active());
  EXPECT_FALSE(w().fraction_group->visible());
  EXPECT_EQ(result(), "16.434");

  // With nothing saved, the metric setting starts Unified in millimetres.
  click(app->main_frame()->unit_button());
  stop_app();
  std::remove((dir.path() + "/State.ini").c_str()); // only the setting remains
  open_page();
  EXPECT_TRUE(w().forms[kUnified]->value());
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_EQ(labels(), (std::array<std::string, 4>{lang(202), lang(203), lang(204), lang(197)}));
  type_text(w().tpi, "20");
  type_text(w().major, "6.35");
  type_text(w().wire, "0.734");
  EXPECT_EQ(sizes(), (Sizes{"0.711", "0.733", "1.143"}));
  EXPECT_EQ(result(), "6.627"); // 0.2609179 in
}
