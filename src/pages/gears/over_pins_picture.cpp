#include "pages/gears/over_pins_picture.h"

#include <FL/fl_draw.H>

#include <cmath>

#include "ui/drawing_helpers.h"
#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kPi;

// The drawn gear: 12 teeth of module 9 pixels, 20° pressure angle, standard
// tooth thickness, measured over pins of 1.68 modules.
constexpr int kTeeth = 12;
constexpr double kModule = 9.0;
constexpr double kPressureAngle = 20.0 * kPi / 180.0;
constexpr double kPitchRadius = kTeeth * kModule / 2.0;
constexpr double kTipRadius = kPitchRadius + kModule;
constexpr double kRootRadius = kPitchRadius - 1.25 * kModule;
constexpr double kBoreRadius = 13.0;
constexpr int kPinDiameter = 15;
// Where a pin of 1.68 modules rests on this gear's flanks (solved once by hand:
// pressure angle 25.8° at the pin centres).
constexpr double kPinCentreRadius = 6.263 * kModule;
// Gear centre within the picture: low enough to leave room for the dimension.
constexpr int kCentreX = 84;
constexpr int kCentreY = 98;
constexpr int kDimensionY = 17;

const Fl_Color kSteel = fl_rgb_color(196, 204, 216);
const Fl_Color kPitchCircle = fl_rgb_color(90, 120, 200);

double involute(double angle) { return std::tan(angle) - angle; }

/// Half the angular width of a tooth at radius r, about its centre line.
double half_tooth_angle(double r) {
  const double base = kPitchRadius * std::cos(kPressureAngle);
  const double at_r = r > base ? std::acos(base / r) : 0.0;
  return kPi / (2.0 * kTeeth) + involute(kPressureAngle) - involute(at_r);
}

int round_px(double value) { return static_cast<int>(std::lround(value)); }

} // namespace

OverPinsPicture::OverPinsPicture(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(FL_WHITE);
}

void OverPinsPicture::draw() {
  draw_box();
  const int left = x() + (w() - kSize) / 2;
  const int top = y() + (h() - kSize) / 2;
  fl_push_clip(x(), y(), w(), h());
  const double centre_x = left + kCentreX, centre_y = top + kCentreY;
  draw_gear(centre_x, centre_y);
  draw_pins_and_measurement(left, top, centre_x, centre_y);
  fl_pop_clip();
}

void OverPinsPicture::draw_gear(double centre_x, double centre_y) {
  // The outline, tooth by tooth: rising flank, tip, falling flank, root.
  // Tooth spaces are centred on 0° and 180°, where the pins go.
  constexpr int kFlankSteps = 8;
  auto outline = [&] {
    auto vertex = [&](double r, double angle) {
      fl_vertex(centre_x + r * std::cos(angle), centre_y - r * std::sin(angle));
    };
    for (int k = 0; k < kTeeth; ++k) {
      const double middle = kPi / kTeeth + 2.0 * kPi * k / kTeeth;
      for (int i = 0; i <= kFlankSteps; ++i) {
        const double r = kRootRadius + (kTipRadius - kRootRadius) * i / kFlankSteps;
        vertex(r, middle - half_tooth_angle(r));
      }
      for (int i = kFlankSteps; i >= 0; --i) {
        const double r = kRootRadius + (kTipRadius - kRootRadius) * i / kFlankSteps;
        vertex(r, middle + half_tooth_angle(r));
      }
    }
  };
  fl_color(kSteel);
  fl_begin_complex_polygon();
  outline();
  fl_end_complex_polygon();
  fl_color(FL_BLACK);
  fl_begin_loop();
  outline();
  fl_end_loop();

  // Pitch circle, dashed.
  fl_color(kPitchCircle);
  fl_line_style(FL_DASH);
  fl_begin_loop();
  for (int i = 0; i < 120; ++i)
    fl_vertex(centre_x + kPitchRadius * std::cos(2.0 * kPi * i / 120),
              centre_y - kPitchRadius * std::sin(2.0 * kPi * i / 120));
  fl_end_loop();
  fl_line_style(0);

  // Bore.
  const int bore = round_px(2 * kBoreRadius);
  const int bore_left = round_px(centre_x - kBoreRadius),
            bore_top = round_px(centre_y - kBoreRadius);
  fl_color(FL_WHITE);
  fl_pie(bore_left, bore_top, bore, bore, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_arc(bore_left, bore_top, bore, bore, 0.0, 360.0);
}

void OverPinsPicture::draw_pins_and_measurement(int left, int top, double centre_x,
                                                double centre_y) {
  const int cy = round_px(centre_y);
  const int half_pin = kPinDiameter / 2;
  const int left_pin = round_px(centre_x - kPinCentreRadius);
  const int right_pin = round_px(centre_x + kPinCentreRadius);
  drawing::draw_pin(left_pin - half_pin, cy - half_pin, kPinDiameter);
  drawing::draw_pin(right_pin - half_pin, cy - half_pin, kPinDiameter);

  // M from the outside of one pin to the outside of the other.
  const int outer_left = left_pin - half_pin, outer_right = right_pin - half_pin + kPinDiameter;
  const int dim_y = top + kDimensionY;
  fl_color(FL_BLACK);
  fl_line(outer_left, cy, outer_left, dim_y - 4);
  fl_line(outer_right, cy, outer_right, dim_y - 4);
  const int middle = left + kCentreX;
  fl_font(FL_HELVETICA_BOLD, 13);
  const int gap = round_px(fl_width("M") / 2.0) + 4;
  drawing::arrow_line_h(outer_left, dim_y, middle - gap, 0);
  drawing::arrow_line_h(middle + gap, dim_y, outer_right, 1);
  fl_draw("M", middle - gap + 4, dim_y + 5);
}

} // namespace gears
