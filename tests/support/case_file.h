// Reads the case files of tests/cases (their layout is described in
// tests/cases/README.md): each case names the files a directory starts
// with, the runs of `kestrelon` made in it one after the other, and for
// each run the exit status, stdout, stderr and files it must leave. Only
// parses: running the cases is tests/cases_test.cc's job.
#ifndef KESTRELON_TESTS_SUPPORT_CASE_FILE_H_
#define KESTRELON_TESTS_SUPPORT_CASE_FILE_H_

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

namespace kestrelon::testing_support {

// One run and what it must give. An absent stdout or stderr must be empty.
struct CaseRun {
  std::vector<std::string> args;  // after the program name
  std::string stdout_path = {};   // where stdout goes instead ("> PATH")
  int status = 0;
  std::string out = {};
  std::string err = {};
  std::optional<std::string> files = {};  // every name left, one a line
  std::map<std::string, std::string> contents = {};  // files it must leave
};

struct Case {
  std::string name;
  std::map<std::string, std::string> inputs;
  std::vector<CaseRun> runs;
  std::string error;  // how the case file is malformed, if it is
};

// How a failing test names its case.
inline void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// `text` with each "\x{HH}" replaced by the byte HH.
inline std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text.substr(at, 3) == "\\x{" && at + 5 < text.size() &&
        text[at + 5] == '}') {
      out += static_cast<char>(
          std::stoi(std::string(text.substr(at + 3, 2)), nullptr, 16));
      at += 5;
    } else {
      out += text[at];
    }
  }
  return out;
}

// The words of a "$ kestrelon ..." line: split at blanks, except inside
// double quotes (which are dropped), then unescaped.
inline std::vector<std::string> CommandWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) words.push_back(Unescape(word));
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(Unescape(word));
  return words;
}

// The text of a section as it was collected line by line, with its flags
// ("crlf": each line ends in CR LF; "noeol": no line break at the end).
inline std::string SectionText(const std::string& raw,
                               const std::string& flags) {
  std::string text;
  for (char c : raw) {
    if (c == '\n' && flags.find("crlf") != std::string::npos) text += '\r';
    text += c;
  }
  if (flags.find("noeol") != std::string::npos && !text.empty()) {
    text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
  }
  return Unescape(text);
}

// The cases of one file, named "<stem>_<case>".
inline std::vector<Case> ReadCaseFile(const std::string& path,
                                      const std::string& stem) {
  std::vector<Case> cases;
  Case shared;  // the files given before the first case go to every case
  Case* now = &shared;
  std::string* section = nullptr;
  std::string raw, flags;
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  auto close = [&] {
    if (section != nullptr) {
      *section = flags.starts_with(" from ")
                     ? ReadFile(folder + flags.substr(6))
                     : SectionText(raw, flags);
    }
    section = nullptr;
  };
  const std::string text = ReadFile(path);
  for (size_t at = 0, end; at < text.size(); at = end + 1) {
    end = std::min(text.find('\n', at), text.size());
    const std::string line = text.substr(at, end - at);
    if (line.starts_with("=== ")) {
      close();
      cases.push_back(shared);
      now = &cases.back();
      now->name = stem + "_" + line.substr(4);
    } else if (line.starts_with("-- ") && line.find(" --", 2) != line.npos) {
      close();
      const size_t stop = line.find(" --", 2);
      const std::string name = line.substr(3, stop - 3);
      flags = line.substr(stop + 3);
      raw.clear();
      if (now->runs.empty()) {
        section = &now->inputs[name];
      } else if (CaseRun& run = now->runs.back(); name == "stdout") {
        section = &run.out;
      } else if (name == "stderr") {
        section = &run.err;
      } else if (name == "files") {
        section = &run.files.emplace();
      } else {
        section = &run.contents[name];
      }
    } else if (line.starts_with("$ kestrelon")) {
      close();
      CaseRun& run = now->runs.emplace_back(CommandWords(line.substr(11)));
      if (run.args.size() >= 2 && run.args.end()[-2] == ">") {
        run.stdout_path = run.args.back();
        run.args.resize(run.args.size() - 2);
      }
    } else if (line.starts_with("? ") && section == nullptr &&
               !now->runs.empty()) {
      now->runs.back().status = std::stoi(line.substr(2));
    } else if (section != nullptr) {
      raw += line + "\n";
    } else if (!line.empty() && !line.starts_with("#")) {
      now->error += "stray line: " + line + "\n";
    }
  }
  close();
  return cases;
}

}  // namespace kestrelon::testing_support

#endif  // KESTRELON_TESTS_SUPPORT_CASE_FILE_H_
