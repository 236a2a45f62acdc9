// ScriptedUi is a UiServices for tests: it answers from scripts set up by
// the test and records every call in order as readable lines, so that a test
// can check exact texts and the order of status and progress changes.
#ifndef KESTRELON_TESTS_SUPPORT_SCRIPTED_UI_H_
#define KESTRELON_TESTS_SUPPORT_SCRIPTED_UI_H_

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ui_services.h"

namespace kestrelon {

class ScriptedUi : public UiServices {
 public:
  // Path returned by the file chooser; nothing means Cancel.
  std::optional<std::string> chosen_file;
  // Answers to the name prompts, in order; an exhausted script answers "".
  // A test that lets a prompt loop forever has a fault, so after 20 empty
  // answers in a row the fake throws.
  std::deque<std::string> answers;
  WindowSettings settings;
  std::string current_directory = "/";

  // Everything that happened, one line per call, e.g. "status In progress...",
  // "progress 10", "ask Kestrelon|<prompt>", "message Error !|<text>|critical".
  std::vector<std::string> log;
  std::vector<std::string> messages;  // texts only

  std::optional<std::string> ChooseFile(
      const FileChooserRequest& request) override {
    log.push_back("choose " + request.title + "|" + request.filter + "|" +
                  request.initial_directory);
    return chosen_file;
  }
  std::string AskText(NamePrompt, const std::string& title,
                      const std::string& prompt) override {
    log.push_back("ask " + title + "|" + prompt);
    if (answers.empty()) {
      if (++empty_in_a_row_ > 20) throw std::runtime_error("prompt loops");
      return "";
    }
    empty_in_a_row_ = 0;
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowMessage(const std::string& text, const std::string& title,
                   MessageIcon icon) override {
    const char* icons[] = {"none", "information", "critical"};
    log.push_back("message " + title + "|" + text + "|" +
                  icons[static_cast<int>(icon)]);
    messages.push_back(text);
  }
  void SetStatus(const std::string& text) override {
    log.push_back("status " + text);
  }
  void SetProgress(int value) override {
    log.push_back("progress " + std::to_string(value));
  }
  void ShowProgress(bool visible) override {
    log.push_back(visible ? "bar shown" : "bar hidden");
  }
  void Repaint() override { log.push_back("repaint"); }
  void SetLoadedLabel(const std::string&) override {}
  void SetOutputLabel(const std::string&) override {}
  void ShowErrorDialog() override { log.push_back("error dialog"); }
  void RunRenameDialog(RenameSession&) override {
    log.push_back("rename dialog");
  }
  void OpenLink(const std::string& link) override {
    log.push_back("link " + link);
  }
  std::string CurrentDirectory() override { return current_directory; }
  WindowSettings ReadSettings() override { return settings; }

 private:
  int empty_in_a_row_ = 0;
};

}  // namespace kestrelon

#endif  // KESTRELON_TESTS_SUPPORT_SCRIPTED_UI_H_
