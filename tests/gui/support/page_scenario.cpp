// Runs one scenario row on the real widgets.
#include "gui/support/page_scenario.h"

namespace testing_support {

namespace {

std::string shown_text(const Fl_Widget* widget) {
  if (auto* input = dynamic_cast<const Fl_Input_*>(widget))
    return input->value();
  if (auto* choice = dynamic_cast<const Fl_Choice*>(widget))
    return std::to_string(choice->value());
  return widget->label() ? widget->label() : "";
}

bool has_state(Fl_Widget* widget, const std::string& state) {
  auto* input = dynamic_cast<Fl_Input_*>(widget);
  auto* button = dynamic_cast<Fl_Button*>(widget);
  const Fl_Color text = input ? input->textcolor() : widget->labelcolor(); // a sketch's names
  if (state == "shown" || state == "hidden")
    return (widget->visible() != 0) == (state == "shown");
  if (state == "active" || state == "inactive")
    return (widget->active() != 0) == (state == "active");
  if (state == "on" || state == "off")
    return button && (button->value() != 0) == (state == "on");
  if (state == "red" || state == "black")
    return text == (state == "red" ? FL_RED : FL_BLACK);
  if (state != "focus")
    ADD_FAILURE() << "no state " << state;
  return Fl::focus() == widget;
}

} // namespace

void run_step(const app::App& app, const Step& step) {
  ASSERT_NE(step.widget, nullptr);
  const std::string text = step.text, rest = text.empty() ? "" : text.substr(1);
  auto* input = dynamic_cast<Fl_Input_*>(step.widget);
  if (text == "click")
    click(step.widget);
  else if (text[0] == '=')
    EXPECT_EQ(shown_text(step.widget), rest);
  else if (text[0] == '@') // an entry's own label, or the text of an output used as one
    EXPECT_EQ(step.widget->label() ? step.widget->label() : shown_text(step.widget),
              app.lang_or(std::stoi(rest), ""));
  else if (text[0] == '~')
    EXPECT_TRUE(has_state(step.widget, rest));
  else if (auto* choice = dynamic_cast<Fl_Choice*>(step.widget); choice && text[0] == '#') {
    choice->value(std::stoi(rest));
    choice->do_callback();
  } else {
    ASSERT_NE(input, nullptr);
    const bool enter = !text.empty() && text.back() == '\n'; // a spinner takes it on Enter
    retype(input, enter ? text.substr(0, text.size() - 1) : text);
    if (enter)
      press_key(FL_Enter);
  }
}

int shown(const std::vector<const Fl_Widget*>& groups) {
  int found = -1;
  for (size_t i = 0; i < groups.size(); ++i)
    if (groups[i]->visible())
      found = found == -1 ? static_cast<int>(i) : -2;
  return found;
}

Rgb pixel(const Rendered& image, int x, int y) {
  const unsigned char* p = &image.rgb[static_cast<size_t>((y * image.w + x) * 3)];
  return {p[0], p[1], p[2]};
}

} // namespace testing_support
