// The fixed, dimensioned sketches of the dovetail pages: female slot
// (standard or deeper, with or without gib) and male tongue (standard,
// shallower, deeper). They carry names of dimensions, never numbers, and draw
// from their own x, y and width only.
#pragma once

#include <FL/Fl_Widget.H>

namespace app {
class App;
}

namespace workshop {

/// Base of the seven sketches: built with (x, y, w, h), no label; the texts
/// come from the app's string table.
class DovetailSketch : public Fl_Widget {
public:
  DovetailSketch(const app::App& app, int x, int y, int w, int h)
      : Fl_Widget(x, y, w, h), app_(app) {}

protected:
  const char* text(int entry) const;
  const app::App& app_;
};

#define TOOLROOM_DOVETAIL_SKETCH(Name)                                                             \
  class Name : public DovetailSketch {                                                             \
  public:                                                                                          \
    using DovetailSketch::DovetailSketch;                                                          \
    ~Name() override = default;                                                                    \
                                                                                                   \
  protected:                                                                                       \
    void draw() override;                                                                          \
  };

TOOLROOM_DOVETAIL_SKETCH(FDoveTailStandard)
TOOLROOM_DOVETAIL_SKETCH(FDoveTailDeep)
TOOLROOM_DOVETAIL_SKETCH(FDoveTailStandardGib)
TOOLROOM_DOVETAIL_SKETCH(FDoveTailDeepGib)
TOOLROOM_DOVETAIL_SKETCH(MDoveTailStandard)
TOOLROOM_DOVETAIL_SKETCH(MDoveTailShallow)
TOOLROOM_DOVETAIL_SKETCH(MDoveTailDeep)

#undef TOOLROOM_DOVETAIL_SKETCH

} // namespace workshop
