// The dovetail sketches. (Placeholder drawing until the sketches are drawn
// from their coordinate tables.)
#include "calc/workshop/dovetail_sketches.h"

#include <FL/fl_draw.H>

#include "app/app.h"

namespace workshop {

const char* DovetailSketch::text(int entry) const {
  const char* label = app_.lang(entry);
  return label ? label : "";
}

#define TOOLROOM_PLACEHOLDER_DRAW(Name)                                                            \
  void Name::draw() {                                                                              \
    fl_color(FL_BLACK);                                                                            \
    fl_rect(x(), y(), w(), h());                                                                   \
  }

TOOLROOM_PLACEHOLDER_DRAW(FDoveTailStandard)
TOOLROOM_PLACEHOLDER_DRAW(FDoveTailDeep)
TOOLROOM_PLACEHOLDER_DRAW(FDoveTailStandardGib)
TOOLROOM_PLACEHOLDER_DRAW(FDoveTailDeepGib)
TOOLROOM_PLACEHOLDER_DRAW(MDoveTailStandard)
TOOLROOM_PLACEHOLDER_DRAW(MDoveTailShallow)
TOOLROOM_PLACEHOLDER_DRAW(MDoveTailDeep)

} // namespace workshop
