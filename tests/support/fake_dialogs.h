// Dialogs that never block: every message is recorded, questions are
// answered from a script, and a fatal error becomes an exception the test
// can expect. An unexpected question fails the test instead of waiting.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace testing_support {

struct FatalErrorRaised : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct ProcessExit : std::runtime_error {
  explicit ProcessExit(int code) : std::runtime_error("exit"), status(code) {}
  int status;
};

class FakeDialogs : public ui::Dialogs {
public:
  std::vector<std::string> alerts;
  std::vector<std::string> questions;
  std::deque<bool> answers; ///< answers to ask_yes_no, in order
  std::vector<std::string> range_messages;
  std::vector<std::vector<ui::LanguageOption>> language_offers;
  std::deque<int> language_answers; ///< indices chosen; -1 closes the window
  std::string fatal_message;

  void alert(const std::string& text) override { alerts.push_back(text); }
  bool ask_yes_no(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string save_answer; ///< the file chooser's answer; empty is cancel
  std::vector<std::string> save_titles;
  std::string choose_save_file(const std::string& title, const std::string&,
                               const std::string&) override {
    save_titles.push_back(title);
    return save_answer;
  }
  bool open_uri(const std::string&, std::string&) override { return true; }
  int choose_language(const std::vector<ui::LanguageOption>& options) override {
    language_offers.push_back(options);
    if (language_answers.empty())
      return -1;
    int answer = language_answers.front();
    language_answers.pop_front();
    return answer;
  }
  void range_message(const std::string& text, Fl_Widget*) override {
    range_messages.push_back(text);
  }
  [[noreturn]] void fatal(const std::string& text) override {
    fatal_message = text;
    throw FatalErrorRaised(text);
  }
};

} // namespace testing_support
