// The help window: an HTML page of the current language in a resizable
// window with two buttons that make the text smaller or larger. The text
// size chosen is stored in the settings when the window is closed. Pages
// that the view could not take are refused with a short note instead.
#pragma once

#include <memory>
#include <string>

#include "core/i18n/text_id.h"

class Fl_Double_Window;
class Fl_Help_View;

namespace app {

class App;

/// Window title and file of each help topic 0-10;
/// "%s" in the file stands for the language code.
struct HelpTopic {
  i18n::TextId title;
  const char* file;
};
const HelpTopic& help_topic(int topic);

/// The file a help topic opens: "<program_dir><file>" with the code put in.
std::string help_file_path(const std::string& program_dir, const std::string& language, int topic);

class HelpWindow {
public:
  HelpWindow(App& app, int topic);
  ~HelpWindow();
  Fl_Double_Window* window() { return window_.get(); }
  Fl_Help_View* view() { return view_; }
  void smaller();
  void larger();
  /// The close box: stores a text size changed here, then frees the window
  /// and this object.
  void close();

private:
  App& app_;
  std::unique_ptr<Fl_Double_Window> window_;
  Fl_Help_View* view_ = nullptr;
  int opened_size_ = 0;
};

} // namespace app
