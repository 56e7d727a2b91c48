// A long random walk through the whole program with real keys and clicks:
// typing into whatever field is visible, radios, check buttons,
// choices, spinners, sliders, page switches, the unit system and the
// language. No result may ever read "nan" or "inf", nothing may crash, and
// the files written on the way must load again and restore the same pages.
//
// The walk is repeatable: TOOLROOM_MONKEY_SEED picks another seed and
// TOOLROOM_MONKEY_EVENTS another length; a failure names both and the last
// events before it. TOOLROOM_MONKEY_TRACE=1 prints every event as it goes,
// for a walk that crashes.
#include "support/gui_test.h"

#include <cstdio>
#include <deque>
#include <random>
#include <regex>

#include "app/main_window.h"
#include "app/page_table.h"
#include "core/settings/ini_document.h"

using namespace testing_support;

namespace {

// About half a minute of events; the sanitizer build runs some six times
// slower and takes fewer, so that the whole test run stays short.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned long kDefaultEvents = 25000;
#else
constexpr unsigned long kDefaultEvents = 80000;
#endif

unsigned long env_number(const char* name, unsigned long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

// What the walk can act on, found afresh before every event because pages,
// unit systems and languages show, hide and rebuild widgets.
struct Targets {
  std::vector<Fl_Input_*> fields;  ///< every field a user can type into
  std::vector<Fl_Button*> buttons; ///< radio, round and check buttons
  std::vector<Fl_Choice*> choices;
  std::vector<Fl_Spinner*> spinners;
  std::vector<Fl_Slider*> sliders;
};

void collect(Fl_Widget* root, Targets& found) {
  for_each_widget(root, [&found](Fl_Widget* widget) {
    // A spinner's own input and arrows are not separate targets.
    if (!widget->visible_r() || !widget->active_r() ||
        dynamic_cast<Fl_Spinner*>(widget->parent()))
      return;
    auto* field = dynamic_cast<Fl_Input_*>(widget);
    if (auto* spinner = dynamic_cast<Fl_Spinner*>(widget))
      found.spinners.push_back(spinner);
    else if (field && !field->readonly())
      found.fields.push_back(field);
    else if (auto* choice = dynamic_cast<Fl_Choice*>(widget))
      found.choices.push_back(choice);
    else if (auto* slider = dynamic_cast<Fl_Slider*>(widget))
      found.sliders.push_back(slider);
    else if (auto* button = dynamic_cast<Fl_Button*>(widget)) {
      // Plain push buttons print, calculate, open help or other windows, or quit.
      if (dynamic_cast<Fl_Light_Button*>(button) || button->type() == FL_RADIO_BUTTON)
        found.buttons.push_back(button);
    }
  });
}

// "nan", "-nan", "inf", "-inf" as printf writes them, standing alone.
const std::regex kNotANumber("(^|[^A-Za-z])(nan|inf|NAN|INF)([^A-Za-z]|$)");

// The first text a field, list or label of the window shows that is not a
// number, with where it is; "" when there is none.
std::string not_a_number(Fl_Widget* window) {
  std::string found;
  for_each_widget(window, [&found](Fl_Widget* widget) {
    if (!found.empty() || !widget->visible_r())
      return;
    const std::string where = widget->label() ? widget->label() : "(no label)";
    std::vector<std::string> texts = {where}; // results drawn as labels too
    if (auto* input = dynamic_cast<Fl_Input_*>(widget))
      texts.push_back(input->value());
    if (auto* browser = dynamic_cast<Fl_Browser*>(widget))
      for (int line = 1; line <= browser->size(); ++line)
        texts.push_back(browser->text(line) ? browser->text(line) : "");
    for (const std::string& text : texts)
      if (found.empty() && std::regex_search(text, kNotANumber))
        found = "'" + where + "' shows '" + text + "'";
  });
  return found;
}

class MonkeyTest : public AppTest {
protected:
  template <typename T> T* pick(const std::vector<T*>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
  }
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  void note(const std::string& event) {
    if (trace_) // a crash takes the list of recent events with it
      std::fprintf(stderr, "monkey: %s\n", event.c_str());
    recent_.push_back(event);
    if (recent_.size() > 12)
      recent_.pop_front();
  }
  std::string recent_events() const {
    std::string out;
    for (const std::string& event : recent_)
      out += "  " + event + "\n";
    return out;
  }

  template <typename W> std::string name(W* widget) {
    return "'" + std::string(widget->label() ? widget->label() : "?") + "'";
  }

  // One random event; the weights keep the walk mostly on typing and on
  // the buttons of the page shown, with the costly rebuilds rare.
  void one_event() {
    app::MainWindow* main = app->main_frame();
    Targets found;
    collect(main->window(), found);
    const int roll = below(1000);
    if (roll < 2) {
      const int answer = below(3) - 1; // -1 closes the selection window
      note("language button, answer " + std::to_string(answer));
      dialogs.language_answers.push_back(answer);
      click(main->language_button());
    } else if (roll < 10) {
      note("unit system button");
      click(main->unit_button());
    } else if (roll < 60) {
      const int number = 1 + below(app::page_count());
      note("page " + std::to_string(number));
      click(main->nav_button(number));
    } else if (roll < 150 && !found.buttons.empty()) {
      Fl_Button* button = pick(found.buttons);
      note("click " + name(button));
      click(button);
    } else if (roll < 190 && !found.choices.empty()) {
      Fl_Choice* choice = pick(found.choices);
      if (choice->size() > 1) { // the menu ends in a null item
        const int item = below(choice->size() - 1);
        note("choice " + name(choice) + " item " + std::to_string(item));
        if (choice->value(item))
          choice->do_callback();
      }
    } else if (roll < 220 && !found.spinners.empty()) {
      Fl_Spinner* spinner = pick(found.spinners);
      const bool up = below(2) == 0;
      note("spinner " + name(spinner) + (up ? " up" : " down"));
      click(spinner->child(up ? 1 : 2));
    } else if (roll < 230 && !found.sliders.empty()) {
      Fl_Slider* slider = pick(found.sliders);
      const double low = std::min(slider->minimum(), slider->maximum());
      const double high = std::max(slider->minimum(), slider->maximum());
      slider->value(slider->round(std::uniform_real_distribution<double>(low, high)(random_)));
      note("slider to " + std::to_string(slider->value()));
      slider->do_callback();
    } else if (!found.fields.empty()) {
      static const char kChars[] = "0123456789.-0123456789.-aZx";
      static const int kKeys[] = {FL_BackSpace, FL_Delete, FL_Left, FL_Right, FL_Tab};
      Fl_Input_* field = pick(found.fields);
      const std::string holding = " in " + name(field) + " holding '" + field->value() + "'";
      if (below(3) == 0) {
        const int key = kKeys[below(5)];
        note("key " + std::to_string(key) + holding);
        if (Fl::focus() != field)
          field->take_focus();
        press_key(key);
      } else {
        const std::string text(1, kChars[below(static_cast<int>(sizeof kChars) - 1)]);
        note("type '" + text + "'" + holding);
        type_text(field, text);
      }
    }
    settle();
  }

  void expect_no_stray_windows() {
    for (Fl_Window* window = Fl::first_window(); window; window = Fl::next_window(window)) {
      if (window == app->main_frame()->window())
        continue;
      ADD_FAILURE() << "a window opened: '" << (window->label() ? window->label() : "")
                    << "' after\n"
                    << recent_events();
      window->hide();
    }
  }

  // The walk of `events` events from `seed`, then a quit and a start that
  // must bring every page back as it was left.
  void walk(unsigned long seed, unsigned long events) {
    SCOPED_TRACE("TOOLROOM_MONKEY_SEED=" + std::to_string(seed) +
                 " TOOLROOM_MONKEY_EVENTS=" + std::to_string(events));
    random_.seed(static_cast<std::mt19937::result_type>(seed));

    // German and Spanish beside English once the default settings have been
    // written, so the program starts in English with three languages.
    start_app();
    stop_app();
    install_language(dir.path(), "de");
    install_language(dir.path(), "es");
    start_app();
    for (unsigned long i = 0; i < events; ++i) {
      ASSERT_NO_THROW(one_event()) << "event " << i << ":\n" << recent_events();
      expect_no_stray_windows();
      const std::string shown = not_a_number(app->main_frame()->window());
      ASSERT_EQ(shown, "") << "on page " << app->main_frame()->shown_page() << " at event " << i
                           << " after\n"
                           << recent_events();
    }

    // Quit as the user does; the exit handler then saves the pages.
    dialogs.language_answers.clear();
    EXPECT_THROW(click(app->main_frame()->exit_button()), ProcessExit);
    auto saved_pages = [this] {
      app->save_page_state();
      settings::IniDocument state, settings;
      EXPECT_EQ(settings::IniDocument::load(dir.path() + "/State.ini", state),
                settings::LoadStatus::kOk);
      EXPECT_EQ(settings::IniDocument::load(dir.path() + "/DoNotEditOrDelete.ini", settings),
                settings::LoadStatus::kOk);
      return state;
    };
    const settings::IniDocument saved = saved_pages();

    // The next start is silent and brings every page back as it was left.
    const size_t alerts = dialogs.alerts.size();
    start_app();
    EXPECT_EQ(dialogs.alerts.size(), alerts);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.fatal_message.empty());
    const settings::IniDocument restored = saved_pages();
    EXPECT_EQ(restored.section_names(), saved.section_names());
    for (const std::string& section : saved.section_names()) {
      for (const auto& entry : saved.section_entries(section)) {
        // What may differ: a field left empty may come back with the page's
        // default in it; the over-pins page empties a typed pressure angle it
        // can't use, so that the field waits for a usable one; and the scroll
        // positions, because the driver centres a widget even where no
        // scrollbar can go and a start puts the position back in range.
        const std::string key = section + ":" + entry.key;
        if (entry.key == "scroll" || entry.value.empty() ||
            (key == "p15:measure_custom_pressure_angle" && restored.get_string(key).empty()))
          continue;
        EXPECT_EQ(restored.get_string(key, "(missing)"), entry.value) << key;
      }
    }
  }

  const bool trace_ = env_number("TOOLROOM_MONKEY_TRACE", 0) != 0;
  std::mt19937 random_;
  std::deque<std::string> recent_;
};

TEST_F(MonkeyTest, LongRandomWalkKeepsEveryResultANumberAndTheFilesSound) {
  walk(env_number("TOOLROOM_MONKEY_SEED", 20261206),
       env_number("TOOLROOM_MONKEY_EVENTS", kDefaultEvents));
}

} // namespace
