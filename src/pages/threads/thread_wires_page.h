// Thread measurement over wires: thread form, pitch, major diameter
// (typed or as a fraction of an inch) and the wire at hand give the usable
// wire sizes and the dimension over three wires, in inches or millimetres.
#pragma once

#include "core/threads/thread_wires_form.h"
#include "ui/page_kit.h"

namespace threads {

class v_thread;

class ThreadWiresPage : public ui::Page {
public:
  /// The page's widgets, for the tests that drive it like a user.
  struct Widgets {
    std::array<Fl_Button*, 3> forms{}; ///< metric, Unified, Whitworth
    ui::CheckedInput* tpi = nullptr;
    ui::CheckedInput* metric_pitch = nullptr;
    Fl_Box* major_label = nullptr;
    ui::CheckedInput* major = nullptr;
    Fl_Group* fraction_group = nullptr;
    ui::CheckedInput *fraction_over = nullptr, *fraction_under = nullptr;
    Fl_Box* wire_label = nullptr;
    ui::CheckedInput* wire = nullptr;
    Fl_Button *millimetre = nullptr, *inch = nullptr;
    Fl_Box* sizes_caption = nullptr;
    std::array<Fl_Output*, 3> sizes{}; ///< smallest, best, largest wire
    Fl_Output* result = nullptr;
    Fl_Box* reason = nullptr; ///< why there is no measurement
    v_thread* sketch = nullptr;
  };

  explicit ThreadWiresPage(ui::PageContext& app);

  void build(Fl_Group& group) override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const Widgets& widgets() const { return w_; }

private:
  void build_inputs();
  void build_results();
  void bind_state();
  void restored() override;

  void form_changed();
  void unit_changed();
  void fraction_changed();
  /// Recomputes after `changed` has been edited (see WiresChange).
  void compute(WiresChange changed);

  ThreadForm form() const;
  bool millimetre() const;
  /// Activates the pitch field of the form and shows the fraction for inch forms.
  void show_form_widgets();
  void show_unit_labels();
  void empty_page();

  Widgets w_;
  WiresLengths kept_;
};

} // namespace threads
