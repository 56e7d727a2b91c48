// Reading, creating and writing the settings file, and copying the settings
// into the widgets.
#include "app/app.h"

#include <algorithm>

#include "app/page_table.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <FL/Fl.H>

#include "app/file_texts.h"
#include "app/main_window.h"
#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"
#include "core/i18n/message_lines.h"
#include "ui/page.h"
#include "core/settings/settings_lock.h"
#include "core/settings/settings_merge.h"
#include "core/settings/settings_model.h"

namespace app {

namespace {

constexpr const char* kSettingsName = "DoNotEditOrDelete.ini";
// How often a settings change waiting for another program's lock is tried again.
constexpr double kRetrySeconds = 0.25;
constexpr const char* kCreateFailed =
    "A file system error has occurred creating 'DoNotEditOrDelete.ini', aborting program.";

} // namespace

std::string App::settings_path() const { return data_dir_ + "/" + kSettingsName; }

void App::load_settings() {
  if (settings_loaded_)
    return;
  const std::string path = settings_path();
  std::string why_aside;
  std::string reason;
  switch (settings::IniDocument::load(path, settings_, &reason)) {
  case settings::LoadStatus::kOk:
    if (settings::settings_are_complete(settings_)) {
      settings_loaded_ = true;
      return;
    }
    why_aside = "is damaged (it holds no hole plates or no dividing head)";
    break;
  case settings::LoadStatus::kMissing:
    // Settings left beside the executable (before its directory became
    // read-only, or put there for everyone) start the user's own copy.
    if (data_dir_ != program_dir_ &&
        settings::IniDocument::load(program_dir_ + "/" + kSettingsName, settings_) ==
            settings::LoadStatus::kOk &&
        settings::settings_are_complete(settings_)) {
      std::string error;
      if (!settings_.save(path, &error))
        fatal_error(kCreateFailed);
      settings_loaded_ = true;
      return;
    }
    break;
  case settings::LoadStatus::kCannotRead:
    // Nothing is wrong with the file itself, and the heads and plates in it
    // are the user's: it is neither moved nor written over.
    fatal_error("The settings file '" + path + "' can't be read (" + reason +
                ").\nMake it readable, then start the program again.");
    break;
  case settings::LoadStatus::kTooLarge:
    why_aside = "is damaged (it is far larger than a settings file can be)";
    break;
  case settings::LoadStatus::kNotRegularFile:
    why_aside = "is not a file";
    break;
  case settings::LoadStatus::kDamaged:
    why_aside = "is damaged";
    break;
  }
  if (!why_aside.empty()) {
    // The user's heads and plates may be in there: never write over it.
    std::string aside = settings::aside_name(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0)
      fatal_error("The settings file '" + path + "' " + why_aside +
                  " and can't be moved aside. Repair or remove it, then start the program again.");
    dialogs_.alert("The settings file '" + path + "' " + why_aside +
                   ", so the default settings are used.\nThe old file was kept as '" + aside +
                   "'.");
  }
  if (access(data_dir_.c_str(), W_OK) != 0)
    fatal_error(kCreateFailed);
  write_default_settings();
}

void App::write_default_settings() {
  settings_.clear();
  settings::fill_default_settings(settings_);
  settings_loaded_ = true; // the language selection writes the file
  select_language();
  if (current_language_.empty())
    current_language_ = "en";
  settings_.set(".:language", current_language_);
  std::string error;
  if (!settings_.save(settings_path(), &error))
    fatal_error(kCreateFailed);
  settings_loaded_ = true;
}

void App::write_settings() {
  if (!settings_loaded_)
    fatal_error(lang_or(texts::kSettingsFileDamaged,
                        "'DoNotEditOrDelete.ini' seems to be missing or damaged."));
  settings_.set(".:language", current_language_);
  if (write_settings_now(std::chrono::milliseconds(0)))
    return;
  // Another program holds the lock. Waiting for it here would freeze the
  // window (and defer even SIGTERM) for as long as it holds on, so the change
  // waits in memory and the event loop tries again every few tenths of a
  // second; the user hears of it once the patience is used up.
  if (!settings_waiting_) {
    settings_waiting_ = true;
    settings_wait_told_ = false;
    settings_waiting_since_ = std::chrono::steady_clock::now();
    Fl::add_timeout(kRetrySeconds, retry_settings_write, this);
  }
  tell_settings_waiting_when_due();
}

void App::retry_settings_write(void* data) {
  App& app = *static_cast<App*>(data);
  if (!app.settings_waiting_ || app.write_settings_now(std::chrono::milliseconds(0)))
    return;
  Fl::repeat_timeout(kRetrySeconds, retry_settings_write, data);
  app.tell_settings_waiting_when_due();
}

void App::tell_settings_waiting_when_due() {
  if (settings_wait_told_ ||
      std::chrono::steady_clock::now() - settings_waiting_since_ < settings_lock_patience)
    return;
  settings_wait_told_ = true; // before the message: its window runs the retries
  tell(file_texts::said(*this, file_texts::kSettingsWaiting));
}

bool App::write_settings_now(std::chrono::milliseconds patience) {
  const std::string path = settings_path();
  std::string aside;
  {
    // Another program in this folder may have written the file since: under
    // the lock, only this program's changes go over the file as it is now. A
    // file that is gone gets this program's settings whole.
    settings::FileLock lock(path + ".lock", patience);
    if (lock.busy())
      return false;
    if (settings_waiting_) {
      settings_waiting_ = false;
      Fl::remove_timeout(retry_settings_write, this);
    }
    settings::IniDocument file;
    const settings::LoadStatus status = settings::IniDocument::load(path, file);
    const bool merge = status == settings::LoadStatus::kOk && settings::settings_are_complete(file);
    if (merge) {
      settings::apply_changes(settings_written_, settings_, file);
    } else if (status != settings::LoadStatus::kMissing) {
      // Damaged since it was read (often by hand): what the user put in it
      // is kept aside, never written over.
      aside = settings::aside_name(path);
      if (std::rename(path.c_str(), aside.c_str()) != 0)
        fatal_error(lang_or(texts::kSettingsWriteError,
                            "A file system error has occurred in WriteIniFile, aborting program."));
    }
    std::string error;
    if (!(merge ? file : settings_).save(path, &error))
      fatal_error(lang_or(texts::kSettingsWriteError,
                          "A file system error has occurred in WriteIniFile, aborting program."));
    settings_written_ = settings_;
  }
  // Told once the lock is free again: the message waits for the user.
  if (!aside.empty())
    tell(i18n::checked_format(file_texts::said(*this, file_texts::kSettingsSetAside), "ss",
                              path.c_str(), aside.c_str()));
  return true;
}

void App::tell(std::string text) {
  untold_.push_back(i18n::broken_into_lines(text, file_texts::kMessageWidth));
  tell_untold(this);
}

void App::tell_untold(void* data) {
  App& app = *static_cast<App*>(data);
  // The toolkit drops a message box asked for while another one is open (a
  // retry runs inside its loop): such a message waits until it is closed.
  if (Fl::modal()) {
    if (!Fl::has_timeout(tell_untold, data))
      Fl::add_timeout(kRetrySeconds, tell_untold, data);
    return;
  }
  while (!app.untold_.empty()) {
    const std::string text = app.untold_.front();
    app.untold_.erase(app.untold_.begin());
    app.dialogs_.alert(text);
  }
}

void App::save_at_exit(bool on_signal) {
  save_page_state();
  if (settings_waiting_ &&
      !write_settings_now(on_signal ? std::chrono::milliseconds(0) : settings_lock_patience))
    std::fprintf(stderr, "toolroom-calculator: settings not saved: another program holds %s.lock\n",
                 settings_path().c_str());
}

void App::store_unit_system(const std::string& measure) {
  settings_.set(".:measure", measure);
  values_.measure = measure;
  write_settings();
  unit_system_ = measure == "inch" ? 0 : 1;
}

bool App::change_settings(const std::function<bool(settings::IniDocument&)>& setter) {
  if (!setter(settings_))
    return false;
  write_settings();
  return true;
}

void App::store_help_font_size(int size) {
  values_.help_font_size = size;
  settings_.set(".:help_font_size", std::to_string(size));
  write_settings();
}

void App::apply_settings() {
  values_ = settings::read_settings_values(settings_);
  if (values_.measure == "metric") {
    unit_system_ = 1;
  } else {
    if (values_.measure.empty()) {
      settings_.set(".:measure", "inch");
      values_.measure = "inch";
      write_settings();
    }
    unit_system_ = 0;
  }
  main_window_->show_unit_system(unit_system_);
  // The spur gear's unit switch comes first and the thread pages before the others,
  // because later pages read what these set.
  std::vector<const PageRow*> rows;
  for (const PageRow& row : page_table())
    rows.push_back(&row);
  std::sort(rows.begin(), rows.end(),
            [](const PageRow* a, const PageRow* b) { return a->settings_rank < b->settings_rank; });
  for (const PageRow* row : rows)
    page(row->id)->apply_settings();
}

} // namespace app
