// The fixed, dimensioned sketches of the dovetail pages: female slot
// (standard or deeper, with or without gib) and male tongue (standard,
// shallower, deeper). They carry names of dimensions, never numbers, and draw
// from their own x, y and width only.
#pragma once

#include <FL/Fl_Widget.H>

#include "core/i18n/text_id.h"

namespace ui {
class PageContext;
}

namespace workshop {

struct FemaleVariant;
struct MaleVariant;

/// Base of the seven sketches: built with (x, y, w, h), no label; the texts
/// come from the app's string table, drawn at the widget's label size.
class DovetailSketch : public Fl_Widget {
public:
  DovetailSketch(const ui::PageContext& app, int x, int y, int w, int h)
      : Fl_Widget(x, y, w, h), context_(app) {}

protected:
  /// Entry `entry` of the string table; "" when the language lacks it.
  const char* text(i18n::TextId entry) const;
  void draw_female(const FemaleVariant& variant) const;
  void draw_male(const MaleVariant& variant) const;

  const ui::PageContext& context_;

private:
  void start_drawing() const;
};

/// Female part, slot of the nominal depth, no gib.
class FDoveTailStandard : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~FDoveTailStandard() override = default;

protected:
  void draw() override;
};

/// Female part, slot deeper than the male by the clearance, no gib.
class FDoveTailDeep : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~FDoveTailDeep() override = default;

protected:
  void draw() override;
};

/// Female part, standard slot with a gib on the left flank.
class FDoveTailStandardGib : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~FDoveTailStandardGib() override = default;

protected:
  void draw() override;
};

/// Female part, deeper slot with a gib.
class FDoveTailDeepGib : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~FDoveTailDeepGib() override = default;

protected:
  void draw() override;
};

/// Male part, tongue of the nominal depth.
class MDoveTailStandard : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~MDoveTailStandard() override = default;

protected:
  void draw() override;
};

/// Male part, tongue lower than the slot is deep.
class MDoveTailShallow : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~MDoveTailShallow() override = default;

protected:
  void draw() override;
};

/// Male part, tongue taller than the slot is deep.
class MDoveTailDeep : public DovetailSketch {
public:
  using DovetailSketch::DovetailSketch;
  ~MDoveTailDeep() override = default;

protected:
  void draw() override;
};

} // namespace workshop
