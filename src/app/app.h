// The application context: owns what the whole program shares (its
// directories, the settings, the string table, the windows, the 17 pages, the
// list of checked inputs and the unit-system pairs). Pages reach
// each other and the program-wide services only through it.
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/checked_fields.h"
#include "ui/checked_input.h"
#include "ui/dialogs.h"
#include "ui/page.h"
#include "ui/page_context.h"
#include "ui/ratio_search.h"
#include "core/i18n/string_table.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"
#include "core/settings/units_button.h"

class Fl_Button;
class Fl_Input;
class Fl_Window;

namespace app {

class HelpWindow;
class MainWindow;

using ui::Dialogs;
using ui::FltkDialogs;
using ui::LanguageOption;
using ui::Page;
using ui::PageId;
using ui::UnitPairSlot;

struct UnitPair {
  Fl_Button* inch = nullptr;
  Fl_Button* metric = nullptr;
  /// Set by a page that moves its own values to the other unit system when
  /// the button switches it (it sets the pair itself); otherwise the button
  /// sets the pair and runs the set button's callback.
  std::function<void(bool to_metric)> switch_to;
};

class App : public ui::PageContext {
public:
  App(std::string program_dir, Dialogs& dialogs);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  /// Everything from loading the language to restoring the pages, short of
  /// showing the main window and running the event loop.
  void start();
  /// Shows the main window (after start()).
  void show();

  // ---- program-wide services ----
  /// Where the executable and language/ are.
  const std::string& program_dir() const { return program_dir_; }
  /// Where the settings and page state are kept (decided by start()).
  const std::string& data_dir() const { return data_dir_; }
  Dialogs& dialogs() override { return dialogs_; }
  const i18n::StringTable& strings() const override { return strings_; }
  const char* page_name(PageId page) const override;
  const std::string& current_language() const { return current_language_; }
  bool language_loaded() const { return language_loaded_; }
  [[noreturn]] void fatal_error(const std::string& message) override;
  /// How the process ends on quit; tests replace it.
  std::function<void(int)> exit_process;
  /// Whether the program directory can take the settings; tests replace it.
  std::function<bool(const std::string&)> program_dir_writable;

  // ---- settings (DoNotEditOrDelete.ini) ----
  const settings::IniDocument& settings() const override { return settings_; }
  bool change_settings(const std::function<bool(settings::IniDocument&)>& setter) override;
  /// Writes the settings file at once (current language included). While
  /// another program holds the file's lock the change waits in memory and is
  /// retried from the event loop, which never waits for it.
  void write_settings();
  /// How long another program may hold the settings lock before the user
  /// hears that the settings wait in memory; tests make it zero.
  std::chrono::milliseconds settings_lock_patience{2000};
  /// Whether a settings change is waiting for the lock.
  bool settings_waiting() const { return settings_waiting_; }
  /// The program is ending: saves the pages and the settings still waiting,
  /// giving the lock the usual patience (none when `on_signal`: a logout
  /// must not wait for another program).
  void save_at_exit(bool on_signal = false);
  /// Stores ".:measure" and the program's unit system.
  void store_unit_system(const std::string& measure);
  /// Stores the help viewer's text size.
  void store_help_font_size(int size);
  int unit_system() const override { return unit_system_; }
  int help_font_size() const { return values_.help_font_size; }

  // ---- windows and pages ----
  MainWindow* main_frame() { return main_window_.get(); }
  Page* page(int number) { return pages_[static_cast<size_t>(number - 1)].get(); }
  Page* page(PageId id) { return page(ui::page_number(id)); }
  Fl_Window* about_window() { return about_window_.get(); }
  /// The help windows open now (each request opens a new one).
  const std::vector<std::unique_ptr<HelpWindow>>& help_windows() const { return help_windows_; }
  workshop::DividingHead dividing_head() const override {
    return workshop::selected_head(settings_);
  }
  ui::RatioSearch& ratio_search() override { return ratio_search_; }
  /// Opens the help page of a topic 0-9 in a new help window.
  void show_help(ui::HelpTopic topic) override;
  /// Forgets a help window that was closed (it is deleted here).
  void close_help(HelpWindow* window);

  /// A page's inch/millimetre pair, switched by the unit-system button.
  using PageContext::register_unit_pair;
  void register_unit_pair(UnitPairSlot slot, Fl_Button* inch, Fl_Button* metric,
                          std::function<void(bool to_metric)> switch_to) override;
  const UnitPair& unit_pair(UnitPairSlot slot) const {
    return unit_pairs_[static_cast<size_t>(slot)];
  }
  ui::CheckedFields& checked_fields() override { return checked_fields_; }

  // ---- navigation (the main window's callbacks land here) ----
  void show_page(int number);
  void toggle_unit_system();
  /// The language button: choose another language and rebuild the windows
  /// in it, keeping every page as it was.
  void switch_language();
  void quit();
  void show_about();
  void hide_about();

  // ---- page state (State.ini) ----
  void save_page_state();
  void load_page_state();
  /// Every page's keys as save_page_state() writes them.
  settings::IniDocument page_state() const;
  /// Puts every page back from such a document.
  void restore_page_state(const settings::IniDocument& state);

  /// The right-button hook of the event loop: opens the edit popup of the
  /// checked input under the pointer. Returns true when it handled the click.
  bool input_popup_check(Fl_Window* clicked);

private:
  void load_settings();
  void write_default_settings();
  void load_language();
  void select_language();
  void apply_settings();
  void build_windows();
  /// Builds the windows with every page in its start mode and the settings applied.
  void open_windows();
  /// The main, about and page windows; help windows stay open.
  void destroy_windows();
  void put_pages_in_start_mode();
  void choose_data_dir();
  std::string settings_path() const;
  /// One try at writing the settings, waiting at most `patience` for the
  /// lock; false when another program still holds it.
  bool write_settings_now(std::chrono::milliseconds patience);
  void tell_settings_waiting_when_due();
  static void retry_settings_write(void* app);
  /// Shows a message about the files as soon as no other message box is open.
  void tell(std::string text);
  static void tell_untold(void* app);
  /// Tells the user at start when State.ini is not a file the pages can go to.
  void tell_state_not_a_file(const std::string& path);

  std::string program_dir_;
  std::string data_dir_;
  Dialogs& dialogs_;
  settings::IniDocument settings_;
  /// The settings as this program last read or wrote them: what differs from
  /// it in settings_ is what this program changed (and writes) since.
  settings::IniDocument settings_written_;
  bool settings_loaded_ = false;
  bool settings_waiting_ = false;
  bool settings_wait_told_ = false;
  std::chrono::steady_clock::time_point settings_waiting_since_;
  /// Messages waiting for another message box to close.
  std::vector<std::string> untold_;
  /// State.ini exists but couldn't be read: it is not written over at exit.
  bool keep_state_file_ = false;
  settings::SettingsValues values_;
  int unit_system_ = 0;
  i18n::StringTable strings_;
  bool language_loaded_ = false;
  std::string current_language_;

  ui::CheckedFields checked_fields_;
  std::array<UnitPair, static_cast<size_t>(UnitPairSlot::kCount)> unit_pairs_{};
  /// The pairs the unit-system button left alone, by the unit they showed;
  /// kept over a rebuild of the windows and in State.ini.
  std::vector<settings::PairUnit> pairs_left_alone_ =
      std::vector<settings::PairUnit>(unit_pairs_.size(), settings::PairUnit::kNeither);
  std::vector<std::unique_ptr<Page>> pages_;
  std::unique_ptr<MainWindow> main_window_;
  std::unique_ptr<Fl_Window> about_window_;
  std::vector<std::unique_ptr<HelpWindow>> help_windows_;
  ui::RatioSearch ratio_search_{*this};
};

/// The directory of the running executable, without trailing slash, read
/// from /proc/self/exe; "" when the link can't be read.
std::string find_program_dir();

} // namespace app
