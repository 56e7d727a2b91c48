// The help window.
#include "app/help_viewer.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <set>

#include <sys/stat.h>

#include "app/app.h"
#include "core/i18n/common_texts.h"
#include "core/i18n/help_page_check.h"
#include "core/i18n/help_page_files.h"

namespace app {

namespace {

constexpr std::array<HelpTopic, 14> kTopics = {{
    {texts::kThreadHelpTitle, "/language/%s/thread.html"},
    {texts::kBacklashHelpTitle, "/language/%s/backlash.html"},
    {texts::kWormGearHelpTitle, "/language/%s/worm_gear.html"},
    {texts::kWormCrownHelpTitle, "/language/%s/worm_gear.html#crown"},
    {texts::kWormChangeGearsHelpTitle, "/language/%s/ChangeGearCalculation.html"},
    {texts::kBevelGearHelpTitle, "/language/%s/bevel.html"},
    {texts::kOverPinsPageName, "/language/%s/pin_dia.html"},
    {texts::kBoltCirclePageName, "/language/%s/pdc.html"},
    {texts::kGearRatioPageName, "/language/%s/gear_ratio.html"},
    {texts::kChangeGearsPageName, "/language/%s/change_gear.html"},
    {texts::kIndexingTitle, "/language/%s/dividing_head.html"},
    {texts::kHelicalGearPageName, "/language/%s/helical_gear.html"},
    {texts::kSineBarPageName, "/language/%s/sine_bar.html"},
    {texts::kTaperPageName, "/language/%s/taper.html"},
}};

// Below this the text is unreadable; the viewer itself sets no limit.
constexpr int kSmallestTextSize = 6;
constexpr int kLargestTextSize = 72;

bool is_image(const std::string& path) {
  static const char* const kImages[] = {".png", ".gif", ".jpg", ".jpeg", ".bmp", ".xpm",
                                        ".xbm", ".pnm", ".pbm", ".pgm",  ".ppm", ".svg"};
  size_t dot = path.rfind('.');
  if (dot == std::string::npos)
    return false;
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::any_of(std::begin(kImages), std::end(kImages),
                     [&](const char* image) { return ext == image; });
}

std::string html_text(const std::string& text) {
  std::string out;
  for (char c : text)
    out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  return out;
}

// Why a page is not shown, in a few words of the user's language.
std::string refusal_page(const App& app, const std::string& file, i18n::HelpPageFault fault) {
  using Fault = i18n::HelpPageFault;
  const std::string reason =
      fault == Fault::kRow
          ? app.lang_or(texts::kHelpBadTableRow, "It has a table row with too many cells, or "
                                                 "tables nested too deep, for the help viewer.")
      : fault == Fault::kPage
          ? app.lang_or(texts::kHelpNotAFile, "It is no ordinary file, or too large for a "
                                              "help page.")
      : fault == Fault::kImage
          ? app.lang_or(texts::kHelpBadPicture,
                        "It shows a picture that is no ordinary file of the language "
                        "folder, or one that is too large.")
          : app.lang_or(texts::kHelpTooLarge,
                        "It asks for a table, a picture or a line far larger than the help "
                        "viewer can take.");
  return "<html><body><h2>" +
         html_text(app.lang_or(texts::kHelpRefusedTitle, "This help page can't be shown")) +
         "</h2><p><tt>" + html_text(file) + "</tt></p><p>" + html_text(reason) + "</p><p>" +
         html_text(app.lang_or(texts::kHelpReinstall,
                               "Reinstalling the program brings back the help files it "
                               "came with.")) +
         "</p></body></html>";
}

// The view is given escaped paths (a '#' in the install path would read as
// an anchor) and hands every file it wants back here: pictures go out
// unescaped once they have passed the check, pages once they have passed
// theirs.
class HelpView : public Fl_Help_View {
public:
  HelpView(const App& app, int x, int y, int w, int h)
      : Fl_Help_View(x, y, w, h), app_(app), language_dir_(app.program_dir() + "/language") {
    link(open_link);
  }
  // Emptying the view hands its images back through open(); the base class
  // would do so too, but only after this object's members are gone.
  ~HelpView() override { value(nullptr); }

private:
  static const char* open_link(Fl_Widget* view, const char* uri) {
    return static_cast<HelpView*>(view)->open(uri);
  }

  const char* open(const char* uri) {
    std::string file = i18n::unescape_help_path(uri);
    if (is_image(file) || pictures_.count(file) > 0) {
      // A refused picture is drawn as a broken one: the view can't take "no file" here.
      image_ = file.compare(0, 5, "file:") == 0 ? file.substr(5) : file;
      if (!i18n::is_help_image_allowed(image_, language_dir_))
        image_.clear();
      return image_.c_str();
    }
    page_ = file;
    // A missing file is left to the view, which says so itself.
    struct stat info {};
    if (stat(page_.c_str(), &info) != 0)
      return page_.c_str();
    const std::optional<std::string> text = i18n::read_help_page(page_);
    i18n::HelpPageFault fault = text ? i18n::check_help_page(*text) : i18n::HelpPageFault::kPage;
    const std::string folder = page_.substr(0, page_.rfind('/'));
    if (fault == i18n::HelpPageFault::kNone)
      fault = i18n::check_help_images(*text, folder, language_dir_);
    if (fault == i18n::HelpPageFault::kNone) {
      for (const std::string& src : i18n::help_page_images(*text))
        pictures_.insert(i18n::help_image_path(src, folder));
      return page_.c_str();
    }
    value(refusal_page(app_, page_, fault).c_str());
    return nullptr;
  }

  const App& app_;
  const std::string language_dir_;
  // What open() returned, kept for the view to read. Loading a page asks
  // for the old page's images again before it reads the new file, so a
  // page and an image never share one.
  std::string page_;
  std::string image_;
  // Every picture a shown page named, whatever its name: the view asks for
  // them again later, and none of them may be read as a page.
  std::set<std::string> pictures_;
};

void smaller_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->smaller(); }
void larger_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->larger(); }
void close_callback(Fl_Widget*, void* data) { static_cast<HelpWindow*>(data)->close(); }

} // namespace

const HelpTopic& help_topic(int topic) {
  return kTopics[static_cast<size_t>(std::clamp(topic, 0, static_cast<int>(kTopics.size()) - 1))];
}

std::string help_file_path(const std::string& program_dir, const std::string& language, int topic) {
  auto path_in = [&](const std::string& code) {
    std::string file = help_topic(topic).file;
    file.replace(file.find("%s"), 2, code);
    return program_dir + file;
  };
  // A language without its own page of a topic shows the English one.
  const std::string path = path_in(language);
  struct stat info {};
  return stat(path.substr(0, path.find('#', program_dir.size())).c_str(), &info) == 0
             ? path
             : path_in("en");
}

HelpWindow::HelpWindow(App& app, int topic) : app_(app) {
  window_ = std::make_unique<Fl_Double_Window>(800, 560);
  window_->color(50);
  view_ = new HelpView(app, 0, 34, 800, 526);
  auto* label = new Fl_Box(61, 4, 71, 25);
  label->copy_label(app.lang(texts::kTextSizeLabel) ? app.lang(texts::kTextSizeLabel) : "");
  auto* smaller = new Fl_Button(142, 4, 25, 25, "A");
  smaller->labelfont(FL_HELVETICA_BOLD);
  smaller->callback(smaller_callback, this);
  auto* larger = new Fl_Button(174, 4, 25, 25, "A");
  larger->labelfont(FL_HELVETICA_BOLD);
  larger->labelsize(22);
  larger->callback(larger_callback, this);
  window_->end();
  window_->resizable(view_);
  window_->size_range(0, 0, 1280, 1024);
  window_->set_non_modal();
  window_->callback(close_callback, this);

  if (app.help_font_size() != settings::kHelpFontSizeUnset)
    view_->textsize(static_cast<Fl_Fontsize>(
        std::clamp(app.help_font_size(), kSmallestTextSize, kLargestTextSize)));
  window_->copy_label(app.lang(help_topic(topic).title) ? app.lang(help_topic(topic).title) : "");
  // The topic's own anchor is the only '#' the view may see.
  std::string file = help_file_path(app.program_dir(), app.current_language(), topic);
  std::string anchor;
  if (const char* hash = std::strchr(help_topic(topic).file, '#')) {
    anchor = hash;
    file.resize(file.size() - anchor.size());
  }
  view_->load((i18n::escape_help_path(file) + anchor).c_str());
  opened_size_ = view_->textsize();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::smaller() {
  view_->textsize(static_cast<Fl_Fontsize>(std::max(view_->textsize() - 1, kSmallestTextSize)));
}

void HelpWindow::larger() {
  view_->textsize(static_cast<Fl_Fontsize>(std::min(view_->textsize() + 1, kLargestTextSize)));
}

void HelpWindow::close() {
  // Another help window may have stored a size since; only a change made
  // here is worth writing.
  if (view_->textsize() != opened_size_)
    app_.store_help_font_size(view_->textsize());
  window_->hide();
  // The toolkit deletes the window once its callback is over; this object
  // goes at once.
  Fl::delete_widget(window_.release());
  app_.close_help(this);
}

} // namespace app
