// The about window: version, a short text, and a link to the project's page.
#pragma once

#include <memory>

class Fl_Window;

namespace app {

class App;

inline constexpr const char* kVersion = "1.1.13";
inline constexpr const char* kProjectPage =
    "https://github.com/toolroom-calculator/toolroom-calculator";

/// Builds the about window, hidden.
std::unique_ptr<Fl_Window> build_about_window(App& app);

} // namespace app
