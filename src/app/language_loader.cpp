// Loading the string table of the chosen language, and choosing a language.
#include "app/app.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include "app/main_window.h"
#include "app/message_buttons.h"
#include "core/i18n/common_texts.h"
#include "core/i18n/language_dirs.h"

namespace app {

namespace {
constexpr const char* kNoLanguages =
    "An error occurred trying to find any language files, aborting program.";
} // namespace

void App::select_language() {
  const std::string language_dir = program_dir_ + "/language";
  auto codes = i18n::installed_languages(language_dir, current_language_);
  if (!codes || codes->empty())
    fatal_error(lang_or(texts::kNoLanguageFiles, kNoLanguages));
  if (codes->size() == 1) {
    current_language_ = codes->front();
    write_settings();
    return;
  }
  std::vector<LanguageOption> options;
  for (const std::string& code : *codes) {
    std::string dir = language_dir + "/" + code;
    std::string flag = i18n::find_flag_file(dir);
    LanguageOption option;
    option.code = code;
    option.flag_path = flag.empty() ? "" : dir + "/" + flag;
    // Each language named in its own words, as a user looking for it reads it.
    settings::IniDocument file;
    const std::string name_key = ".:" + std::to_string(texts::kLanguageName.entry);
    const bool named = settings::IniDocument::load(i18n::language_file_path(program_dir_, code),
                                                   file) == settings::LoadStatus::kOk &&
                       !file.get_string(name_key).empty();
    option.label = named ? file.get_string(name_key) : code;
    options.push_back(option);
  }
  int chosen = dialogs_.choose_language(options);
  if (chosen >= 0 && static_cast<size_t>(chosen) < options.size()) {
    current_language_ = options[static_cast<size_t>(chosen)].code;
    write_settings();
  }
}

void App::load_language() {
  load_settings();
  if (settings_written_.empty())
    settings_written_ = settings_;
  std::string code = settings_.get_string(".:language", "en");
  if (code.empty()) {
    select_language();
    code = current_language_.empty() ? "en" : current_language_;
  }
  current_language_ = code;

  // "No" ends the program normally; "Yes" offers the installed languages.
  auto choose_another = [&](const std::string& question) {
    if (!dialogs_.ask_yes_no(question)) {
      exit_process(0);
      return false;
    }
    select_language();
    code = current_language_;
    return true;
  };
  for (;;) {
    settings::IniDocument file;
    bool readable = i18n::is_safe_language_code(code) &&
                    settings::IniDocument::load(i18n::language_file_path(program_dir_, code),
                                                file) == settings::LoadStatus::kOk;
    if (!readable) {
      // Asked in the language still loaded, if any.
      std::string question =
          lang_or(texts::kTheLanguageFile, "The language file") + " \"" + code + ".ini\"\n" +
          lang_or(texts::kLanguageFileMissing, "seems to be missing or damaged. Would you like to "
                                               "select another language?");
      language_loaded_ = false;
      if (!choose_another(question))
        return;
      continue;
    }
    // From here the previous table is gone: messages are in English.
    strings_ = i18n::StringTable();
    language_loaded_ = false;
    install_message_buttons(strings_);
    if (file.section_key_count(".") <= 0) {
      if (!choose_another("The language file \"" + code +
                          ".ini\" is empty. Would you like to select another language?"))
        return;
      continue;
    }
    strings_ = i18n::StringTable::from_document(file);
    current_language_ = code;
    language_loaded_ = true;
    install_message_buttons(strings_);
    return;
  }
}

void App::switch_language() {
  Fl_Window* window = main_window_->window();
  const int x = window->x(), y = window->y();
  const std::string previous = current_language_;
  // The pages come back from memory: a State.ini that can't be written
  // must not take the user's work with it.
  const settings::IniDocument state = page_state();
  save_page_state();
  auto others = i18n::installed_languages(program_dir_ + "/language", current_language_);
  if (!others || others->empty()) {
    // Nothing to switch to is no reason to end the program.
    dialogs_.alert("No other language is installed.");
    return;
  }
  select_language();
  if (current_language_ == previous)
    return;
  load_language();
  destroy_windows();
  open_windows();
  restore_page_state(state);
  main_window_->window()->position(x, y);
  show();
}

} // namespace app
