// Page 6, thread measurement over wires, driven with real keys and clicks:
// the controls reach the form model, a form or unit switch, focus and
// defaults at start and on restore, and the sketch.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>

#include <array>
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "calc/threads/thread_wires_page.h"
#include "calc/threads/thread_wires_sketch.h"
#include "gui/support/app_fixture.h"
#include "gui/support/gui_driver.h"
#include "gui/support/render.h"
#include "ui/checked_input.h"

using namespace testing_support;
using threads::ThreadWiresPage;
using Texts = std::array<std::string, 4>;
using Rgb = std::array<int, 3>;

enum Form { kMetric = 0, kUnified = 1, kWhitworth = 2 };

class ThreadWiresPageTest : public AppTest {
protected:
  void SetUp() override { open_page(); }

  void open_page() {
    start_app();
    click(app->main_frame()->nav_button(6));
    page = static_cast<ThreadWiresPage*>(app->page(6));
  }
  const ThreadWiresPage::Widgets& w() const { return page->widgets(); }
  // Smallest, best and largest wire, and the measurement.
  Texts results() const {
    return {w().sizes[0]->value(), w().sizes[1]->value(), w().sizes[2]->value(),
            w().result->value()};
  }
  // Labels of the major diameter, the wire, the result, and the caption.
  Texts labels() const {
    return {w().major_label->label(), w().wire_label->label(), w().result->label(),
            w().sizes_caption->label()};
  }
  Texts entries(int major, int wire, int result, int caption) const {
    return {app->lang(major), app->lang(wire), app->lang(result), app->lang(caption)};
  }

  ThreadWiresPage* page = nullptr;
};

TEST_F(ThreadWiresPageTest, StartsWithUnifiedInInchesUnderItsSketch) {
  EXPECT_TRUE(w().forms[kUnified]->value());
  EXPECT_TRUE(w().inch->value());
  EXPECT_EQ(Fl::focus(), w().tpi);
  EXPECT_EQ(labels(), entries(193, 194, 201, 197));

  // The sketch shows the rod, the wires and the measuring face.
  Rendered image = render_widget(w().sketch);
  ASSERT_EQ(image.w, 172);
  ASSERT_EQ(image.h, 105);
  auto at = [&](int x, int y) {
    const unsigned char* p = &image.rgb[static_cast<size_t>((y * image.w + x) * 3)];
    return Rgb{p[0], p[1], p[2]};
  };
  const int cy = 52;
  EXPECT_EQ(at(10, cy), (Rgb{0, 0, 0}));        // left end of the rod
  EXPECT_EQ(at(170, cy), (Rgb{0, 0, 0}));       // right end, after 16 turns
  EXPECT_EQ(at(76, cy - 23), (Rgb{255, 0, 0})); // an upper wire
  EXPECT_EQ(at(80, cy + 24), (Rgb{255, 0, 0})); // the lower wire
  EXPECT_EQ(at(80, cy - 33), (Rgb{0, 0, 255})); // the measuring face
}

// Each control reaches the form model and what it gives shows.
TEST_F(ThreadWiresPageTest, ControlsReachTheFormAndItsResultsShow) {
  click(w().forms[kWhitworth]);
  type_text(w().tpi, "20");
  type_text(w().major, "0.25");
  type_text(w().wire, "0.03");
  EXPECT_EQ(results(), (Texts{"0.027", "0.0282", "0.038", "0.2649"}));

  // Changing the form empties the page, kept lengths included.
  click(w().forms[kUnified]);
  EXPECT_STREQ(w().tpi->value(), "");
  EXPECT_STREQ(w().wire->value(), "");
  EXPECT_EQ(Fl::focus(), w().tpi);
  type_text(w().major, "0.25");
  EXPECT_EQ(results(), Texts{});

  // The fraction writes the major diameter and computes.
  type_text(w().tpi, "16");
  type_text(w().wire, "0.036");
  type_text(w().fraction_over, "3");
  type_text(w().fraction_under, "8");
  EXPECT_STREQ(w().major->value(), "0.375");
  EXPECT_EQ(results()[3], "0.3883"); // 0.375 - 0.0947188 + 0.108

  // Both unit buttons rewrite the lengths from what was typed and relabel.
  click(app->main_frame()->unit_button());
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_STREQ(w().major->value(), "9.525");
  EXPECT_STREQ(w().wire->value(), "0.9144");
  EXPECT_EQ(results()[3], "9.862"); // 0.38828125 x 25.4 = 9.86234
  EXPECT_EQ(labels(), entries(202, 203, 204, 203));
  click(w().inch);
  EXPECT_STREQ(w().major->value(), "0.3750");
  EXPECT_EQ(labels(), entries(193, 194, 201, 194));
}

TEST_F(ThreadWiresPageTest, RestartFocusesTheMetricPitchAndMetricStartsUnifiedInMm) {
  click(w().forms[kMetric]);
  EXPECT_TRUE(w().millimetre->value());
  type_text(w().metric_pitch, "2");
  type_text(w().major, "16");
  type_text(w().wire, "1.155");
  restart_app(); // shows page 6 again, focus on the pitch
  page = static_cast<ThreadWiresPage*>(app->page(6));
  EXPECT_EQ(Fl::focus(), w().metric_pitch);
  EXPECT_TRUE(w().forms[kMetric]->value());
  EXPECT_FALSE(w().tpi->active());
  EXPECT_FALSE(w().fraction_group->visible());
  EXPECT_EQ(results()[3], "16.434"); // 16 - 1.5155 x 2 + 3 x 1.155

  // With nothing saved, the metric setting starts Unified in millimetres.
  click(app->main_frame()->unit_button());
  stop_app();
  std::remove((dir.path() + "/State.ini").c_str()); // only the setting remains
  open_page();
  EXPECT_TRUE(w().forms[kUnified]->value());
  EXPECT_TRUE(w().millimetre->value());
  EXPECT_EQ(labels(), entries(202, 203, 204, 197));
}
