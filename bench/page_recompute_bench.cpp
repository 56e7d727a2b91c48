// How long one keystroke takes on each of the 17 pages (page 1 twice, once
// with arithmetic in a field): the key goes through
// the field's own handler, the page recomputes and writes its results into
// the output fields (BM_Keystroke); BM_KeystrokeDrawn also draws the page and
// waits for the X server.
// Each page is filled with a worked example first, so the recompute does its
// full work. One iteration types a digit at the end of a field (timed) and
// deletes it again (not timed), so the page is back where it was.
//
// Run under an X server (Xvfb). Two other modes serve the start-up and
// memory measurements, on a program directory DIR holding language/:
//   --fill-state DIR   fills every page, saves State.ini in DIR and exits;
//   --visit-pages DIR  starts as the program does, shows and draws every
//                      page in turn and prints the peak memory before and after.
#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/page_table.h"
#include "app/main_window.h"
#include "pages/gears/bevel_gear_page.h"
#include "pages/gears/gear_ratio_page.h"
#include "pages/gears/helical_gear_page.h"
#include "pages/workshop/sine_bar_page.h"
#include "pages/workshop/taper_page.h"
#include "pages/gears/over_pins_page.h"
#include "pages/gears/spur_gear_page.h"
#include "pages/gears/worm_gear_page.h"
#include "pages/geometry/bolt_circle_page.h"
#include "pages/geometry/circle_segment_page.h"
#include "pages/geometry/conversions_page.h"
#include "pages/geometry/hole_list_window.h"
#include "pages/geometry/oblique_triangle_page.h"
#include "pages/geometry/polygon_page.h"
#include "pages/geometry/right_triangle_page.h"
#include "pages/threads/thread_series_page.h"
#include "pages/threads/thread_wires_page.h"
#include "pages/workshop/change_gear_results_window.h"
#include "pages/workshop/change_gears_page.h"
#include "pages/workshop/dividing_head_page.h"
#include "pages/workshop/dovetail_measurement_page.h"
#include "pages/workshop/dovetail_page.h"
#include "support/gui_driver.h"

namespace fs = std::filesystem;
using testing_support::click;
using testing_support::press_key;
using testing_support::type_text;

namespace {

// No dialog may block a benchmark: messages are counted, questions get `answer`.
class QuietDialogs : public ui::Dialogs {
public:
  int messages = 0;
  bool answer = false;
  void alert(const std::string&) override { ++messages; }
  bool ask_yes_no(const std::string&) override { return answer; }
  std::string choose_save_file(const std::string&, const std::string&,
                               const std::string&) override {
    return "";
  }
  bool open_uri(const std::string&, std::string&) override { return false; }
  int choose_language(const std::vector<ui::LanguageOption>&) override { return 0; }
  void range_message(const std::string&, Fl_Widget*) override { ++messages; }
  [[noreturn]] void fatal(const std::string& text) override {
    std::fprintf(stderr, "fatal: %s\n", text.c_str());
    std::exit(2);
  }
};

template <class P> P& page_of(app::App& app, int number) {
  return *static_cast<P*>(app.page(number));
}

void enter(Fl_Input_* field, const std::string& text) {
  field->take_focus();
  field->value("");
  type_text(field, text);
}

/// A page, how to fill it, and the field and digit the timed key goes to.
struct PageCase {
  int number;
  const char* name;
  std::function<Fl_Input_*(app::App&)> fill; ///< returns the keyed field
  char key;
  bool results_follow_key; ///< false: the key only checks (the page computes on a button)
};

// The worked examples of the pages' own tests, one per page.
const std::vector<PageCase>& cases() {
  static const std::vector<PageCase> list = {
      {1, "CircleSegment",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::CircleSegmentPage>(a, 1).widgets();
         enter(w.first, "5");
         enter(w.second, "8.0");
         return w.second;
       },
       '1', true},
      // The same page with a chord typed as a drawing gives it: the field
      // reads the arithmetic on every key.
      {1, "CircleSegmentArithmetic",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::CircleSegmentPage>(a, 1).widgets();
         enter(w.first, "5");
         enter(w.second, "(1 1/4+3mm)*2-1/64+1/3");
         return w.second;
       },
       '1', true},
      {2, "RightTriangle",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::RightTrianglePage>(a, 2).widgets();
         enter(w.input1, "4");
         enter(w.input2, "3.0");
         return w.input2;
       },
       '1', true},
      {3, "ObliqueTriangle",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::ObliqueTrianglePage>(a, 3).widgets();
         enter(w.decimal_inputs[0], "3");
         enter(w.decimal_inputs[1], "4");
         enter(w.decimal_inputs[2], "5.0");
         return w.decimal_inputs[2];
       },
       '1', true},
      {4, "Dovetail",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::DovetailPage>(a, 4).widgets();
         click(w.angle_60);
         enter(w.width, "1.0");
         enter(w.depth, ".5");
         enter(w.pin, ".25");
         enter(w.clearance, ".1");
         return w.width;
       },
       '1', true},
      {5, "BoltCircle50Holes",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::BoltCirclePage>(a, 5).widgets();
         click(w.full);
         enter(w.total_holes, "50");
         enter(w.holes_to_list, "50");
         enter(w.diameter, "4.0");
         enter(w.first_angle, "0");
         return w.diameter;
       },
       '1', true},
      {6, "ThreadWires",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<threads::ThreadWiresPage>(a, 6).widgets();
         click(w.forms[1]);
         enter(w.tpi, "20");
         enter(w.major, "0.25");
         enter(w.wire, "0.03");
         return w.major;
       },
       '1', true},
      {7, "DividingHead",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::DividingHeadPage>(a, 7).widgets();
         enter(w.divisions, "4");
         return w.divisions;
       },
       '7', false},
      {8, "ThreadSeries",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<threads::ThreadSeriesPage>(a, 8).widgets();
         enter(w.diameter, "0.25");
         enter(w.pitch, "20");
         return w.diameter;
       },
       '1', true},
      {9, "Polygon",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::PolygonPage>(a, 9).widgets();
         enter(static_cast<Fl_Input_*>(w.sides->child(0)), "6");
         enter(w.value, "1.0");
         return w.value;
       },
       '1', true},
      {10, "SpurGear",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::SpurGearPage>(a, 10).widgets();
         enter(w.teeth, "20");
         enter(w.pitch_value, "8.0");
         return w.pitch_value;
       },
       '1', true},
      {11, "Conversions",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<geometry::ConversionsPage>(a, 11).widgets();
         enter(w.mm, "12.5");
         return w.mm;
       },
       '1', true},
      {12, "DovetailMeasurement",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::DovetailMeasurementPage>(a, 12).widgets();
         click(w.angle_60);
         w.clearance_kind->value(3); // no clearance
         w.clearance_kind->do_callback();
         enter(w.pin, "0.25");
         enter(w.over_pins, "1.105662");
         enter(w.male_depth, "0.5");
         return w.male_depth;
       },
       '1', true},
      {13, "WormGear",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::WormGearPage>(a, 13).widgets();
         enter(w.pitch, "8");
         enter(w.teeth, "40");
         enter(w.diameter, "1.25");
         enter(w.backlash, "0.005");
         return w.diameter;
       },
       '1', true},
      {14, "BevelGear",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::BevelGearPage>(a, 14).widgets();
         click(w.pinion_and_gear);
         enter(w.pitch, "8.0");
         enter(w.pinion_teeth, "20");
         enter(w.gear_teeth, "40");
         return w.pitch;
       },
       '1', true},
      {15, "OverPins",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::OverPinsPage>(a, 15).widgets();
         enter(w.pitch, "10");
         enter(w.teeth, "20");
         enter(w.pin, "0.168");
         enter(w.over_pins, "2.2");
         return w.pin;
       },
       '1', true},
      {16, "GearRatio",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::GearRatioPage>(a, 16).widgets();
         enter(w.target, "2.5");
         return w.target;
       },
       '1', false},
      {17, "ChangeGears",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::ChangeGearsPage>(a, 17).widgets();
         enter(w.pitch_to_make, "1.5");
         enter(w.lead_screw, "6");
         return w.pitch_to_make;
       },
       '1', false},
      // The lead trains are searched on every key: 24 teeth at 4 then 41 degrees.
      {18, "HelicalGear",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<gears::HelicalGearPage>(a, 18).widgets();
         enter(w.pitch, "10");
         enter(w.teeth, "24");
         enter(w.helix, "4");
         return w.helix;
       },
       '1', true},
      // The stack is searched on every key: 2.612 then 2.6121 in on the 81-piece set.
      {19, "SineBar",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::SineBarPage>(a, 19).widgets();
         click(w.height_to_angle);
         enter(w.height, "2.612");
         return w.height;
       },
       '1', true},
      // The standard tapers are matched on every key: Morse 3's ends, then its length.
      {20, "Taper",
       [](app::App& a) -> Fl_Input_* {
         auto& w = page_of<workshop::TaperPage>(a, 20).widgets();
         w.given->value(static_cast<int>(workshop::TaperEntry::kDiameters));
         w.given->do_callback();
         enter(w.large, "0.938");
         enter(w.small, "0.778");
         enter(w.length, "3.1875");
         return w.length;
       },
       '1', true},
  };
  return list;
}

/// The texts of every output and input under `group`, `except` left out.
void collect_texts(Fl_Group* group, Fl_Widget* except, std::string& out) {
  for (int i = 0; i < group->children(); ++i) {
    Fl_Widget* child = group->child(i);
    if (child == except)
      continue;
    if (auto* text = dynamic_cast<const Fl_Input_*>(child)) {
      out += text->value();
      out += '\n';
    }
    if (Fl_Group* inner = child->as_group())
      collect_texts(inner, except, out);
  }
}

/// Everything the key can change: the page's fields and the hole list.
std::string results_of(app::App& a, int number, Fl_Widget* keyed) {
  std::string texts;
  collect_texts(a.main_frame()->page_group(number), keyed, texts);
  auto& holes = static_cast<geometry::BoltCirclePage&>(*a.page(ui::PageId::kBoltCircle));
  for (const std::string& line : holes.hole_list()->lines())
    texts += line + '\n';
  return texts;
}

struct Program {
  std::string dir;
  QuietDialogs dialogs;
  std::unique_ptr<app::App> app;
};

Program* program = nullptr;

void start_program(const std::string& dir) {
  program = new Program;
  program->dir = dir;
  program->app = std::make_unique<app::App>(dir, program->dialogs);
  program->app->exit_process = [](int status) { std::exit(status); };
  program->app->start();
  program->app->show();
  testing_support::settle();
}

// The windows go before the toolkit's own clean-up at exit.
void stop_program() {
  program->app.reset();
  delete program;
  program = nullptr;
}

Fl_Input_* open_and_fill(const PageCase& c) {
  app::App& a = *program->app;
  click(a.main_frame()->nav_button(c.number));
  Fl_Input_* field = c.fill(a);
  testing_support::settle();
  type_text(field, "");
  field->position(field->size());
  return field;
}

/// Draws what is damaged and waits until the X server has done it too.
void draw_now() {
  Fl::flush();
  XSync(fl_display, False);
}

void BM_Keystroke(benchmark::State& state, const PageCase& c, bool drawn) {
  Fl_Input_* field = open_and_fill(c);
  app::App& a = *program->app;
  const std::string before = results_of(a, c.number, field);
  type_text(field, std::string(1, c.key));
  const std::string after = results_of(a, c.number, field);
  press_key(FL_BackSpace);
  if (c.results_follow_key && before == after) {
    state.SkipWithError("the key changed no result: the example does not compute");
    return;
  }
  // Only the key that adds the digit is timed; deleting it again is not.
  const std::string key(1, c.key);
  if (drawn)
    draw_now();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    type_text(field, key);
    if (drawn)
      draw_now();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    press_key(FL_BackSpace);
    if (drawn)
      draw_now();
  }
  testing_support::settle(); // the page draws between pages, as it would
}

// The two pages whose keys only check: their searches run on a button.
void BM_DividingHeadSearch(benchmark::State& state) {
  const PageCase& c = cases()[6];
  Fl_Input_* field = open_and_fill(c);
  type_text(field, std::string(1, c.key)); // 47 divisions, a prime
  auto& w = page_of<workshop::DividingHeadPage>(*program->app, 7).widgets();
  for (auto _ : state)
    w.calculate->do_callback();
  if (w.results->size() == 0)
    state.SkipWithError("the search listed nothing");
  press_key(FL_BackSpace);
}

void BM_ChangeGearsSearch(benchmark::State& state) {
  open_and_fill(cases()[16]);
  auto& page = page_of<workshop::ChangeGearsPage>(*program->app, 17);
  // No gears are owned yet: the page offers to search every count instead.
  program->dialogs.answer = true;
  for (auto _ : state) {
    page.widgets().calculate->do_callback();
    testing_support::settle(); // the results window opens and draws
  }
  program->dialogs.answer = false;
  workshop::ChangeGearResultsWindow* results = page.results_window();
  if (!results || !results->widgets().rows[0].frame->visible())
    state.SkipWithError("the search showed no train");
}

long vm_hwm_kb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0)
      return std::atol(line.c_str() + 6);
  return -1;
}

void visit_pages(const std::string& dir) {
  start_program(dir);
  Fl::flush();
  const long idle = vm_hwm_kb();
  for (int number = 1; number <= app::page_count(); ++number) {
    click(program->app->main_frame()->nav_button(number));
    testing_support::settle();
    Fl::flush();
  }
  std::printf("hwm_kb_shown=%ld hwm_kb_every_page=%ld\n", idle, vm_hwm_kb());
}

std::string make_program_dir() {
  std::string pattern = (fs::temp_directory_path() / "toolroom-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("mkdtemp failed");
  // English only: a single language starts without the language question.
  fs::create_directories(pattern + "/language");
  fs::copy(std::string(TOOLROOM_LANGUAGE_DIR) + "/en", pattern + "/language/en",
           fs::copy_options::recursive);
  return pattern;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--fill-state") == 0) {
    start_program(argv[2]);
    for (const PageCase& c : cases())
      open_and_fill(c);
    click(program->app->main_frame()->nav_button(1));
    program->app->save_page_state();
    std::printf("State.ini written in %s (%d messages)\n", argv[2], program->dialogs.messages);
    stop_program();
    return 0;
  }

  if (argc == 3 && std::strcmp(argv[1], "--visit-pages") == 0) {
    visit_pages(argv[2]);
    stop_program();
    return 0;
  }

  benchmark::Initialize(&argc, argv);
  const std::string dir = make_program_dir();
  start_program(dir);
  for (const PageCase& c : cases()) {
    std::string name = "BM_Keystroke/p" + std::to_string(c.number) + "_" + c.name;
    benchmark::RegisterBenchmark(name.c_str(), BM_Keystroke, c, false)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
  }
  // The same keys up to the page drawn on the screen (the X server included).
  for (const PageCase& c : cases()) {
    std::string name = "BM_KeystrokeDrawn/p" + std::to_string(c.number) + "_" + c.name;
    benchmark::RegisterBenchmark(name.c_str(), BM_Keystroke, c, true)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("BM_Button/p7_DividingHeadSearch", BM_DividingHeadSearch)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_Button/p17_ChangeGearsSearch", BM_ChangeGearsSearch)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  stop_program();
  fs::remove_all(dir);
  return 0;
}
