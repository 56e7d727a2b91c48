// GUI tests need an X server (Xvfb in CI); they fail at once without one.
// GoogleTest before the X11 headers, whose macros (None, Bool) clash with it.
#include "support/gui_test.h"

#include <FL/x.H>

#include <clocale>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "gui_tests: no DISPLAY; run under xvfb-run\n");
    return 1;
  }
  std::setlocale(LC_NUMERIC, "C");
  // The print panel keeps its preferences under $HOME/.fltk: not the user's.
  static char home[] = "/tmp/toolroom-home-XXXXXX";
  if (mkdtemp(home))
    setenv("HOME", home, 1);
  fl_register_images();
  fl_open_display();
  return RUN_ALL_TESTS();
}
