// A fresh application per test, built on its own temporary program
// directory holding a copy of the language files, with scripted dialogs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/app.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace testing_support {

/// The settings file in the program directory.
inline const std::string kSettings = "DoNotEditOrDelete.ini";
/// A settings file in `language` holding the least a usable one needs: a
/// catalogue plate and a head.
inline std::string small_settings(const std::string& language) {
  return "[.]\nlanguage = " + language + "\n[hole plates]\n13 = 13\n[h 40-1]\n0 = H 40-1\n";
}

/// Copies English and the shared help pages of the source tree's language/
/// into `dir`/language.
void copy_language_files(const std::string& dir);
/// Copies one more language (e.g. "de") of the source tree into `dir`/language.
void install_language(const std::string& dir, const std::string& code);

class AppTest : public ::testing::Test {
protected:
  AppTest();
  ~AppTest() override;

  /// Builds and starts the application on the temp directory and shows it.
  app::App& start_app();
  /// Saves the page state as the exit handler would and starts a new app.
  app::App& restart_app();
  /// Ends the current app without saving.
  void stop_app();

  TempDir dir;
  /// Where start_app() puts the program, below `dir` ("" is `dir` itself).
  std::string program_subdir;
  /// Makes start_app() treat the program directory as read-only.
  bool program_dir_read_only = false;
  FakeDialogs dialogs;
  std::unique_ptr<app::App> app;
};

} // namespace testing_support
