// Every message box, question, file chooser and web-page request of the
// program goes through this one interface, so that tests can answer them
// from a script instead of blocking on a modal window.
#pragma once

#include <functional>
#include <string>
#include <vector>

class Fl_Widget;
class Fl_Window;

namespace ui {

/// One installed language offered by the language selection.
struct LanguageOption {
  std::string code;      ///< directory name, e.g. "de"
  std::string flag_path; ///< its flag picture, "" when it has none
  std::string label;     ///< the flag file's name without extension
};

class Dialogs {
public:
  virtual ~Dialogs() = default;

  /// An information or warning box with one close button.
  virtual void alert(const std::string& text) = 0;
  /// A question answered with No (false) or Yes (true).
  virtual bool ask_yes_no(const std::string& text) = 0;
  /// A file name to save to, or "" when the user cancels.
  virtual std::string choose_save_file(const std::string& title, const std::string& pattern,
                                       const std::string& initial) = 0;
  /// Asks the desktop to open a web page; false with `error` set on failure.
  virtual bool open_uri(const std::string& uri, std::string& error) = 0;
  /// The language selection window: one flag button per option. Returns the
  /// index chosen, or -1 when the window is closed without a choice.
  virtual int choose_language(const std::vector<LanguageOption>& options) = 0;
  /// The small modal "accepted range" window next to a field; returns when closed.
  virtual void range_message(const std::string& text, Fl_Widget* field) = 0;
  /// Shows an unrecoverable error and ends the process with a failure status.
  [[noreturn]] virtual void fatal(const std::string& text) = 0;
};

/// The real dialogs: FLTK's message boxes and file chooser.
class FltkDialogs : public Dialogs {
public:
  void alert(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  std::string choose_save_file(const std::string& title, const std::string& pattern,
                               const std::string& initial) override;
  bool open_uri(const std::string& uri, std::string& error) override;
  int choose_language(const std::vector<LanguageOption>& options) override;
  void range_message(const std::string& text, Fl_Widget* field) override;
  [[noreturn]] void fatal(const std::string& text) override;
};

/// Builds and runs the modal range window beside `field` (borderless, a red
/// "X" to close it, the text in bold 15).
void show_range_message(const std::string& text, Fl_Widget* field);

/// Shows `window` modal, runs `shown` once it is up, and runs events until
/// the window is hidden. While a window of an earlier call is still up this
/// one waits for it: two modal windows on a screen without a window manager
/// raise themselves over each other without end.
void run_modal(Fl_Window& window, const std::function<void()>& shown = {});

} // namespace ui
