// clean_fuzzer: one whole cleaning run (RunCleaning) per fuzz input.
//
// The input bytes are written as a mechanism file into a scratch directory
// and cleaned with a fake user interface that answers the two name prompts
// and performs two renames in the rename dialog. The working table is
// reused between inputs, as the window reuses its own. After every run the
// fuzzer aborts when one of these properties fails:
//   - the input file is byte for byte what it was;
//   - nothing appeared outside the scratch directory, and inside it only
//     regular files the run may write (its outputs, its working files);
//   - a file already in the directory (a bystander) is untouched, and a
//     symbolic link planted in place of a working file still points where
//     it did, with its target unchanged;
//   - after a success every output file exists and no working file is left;
//   - every written file ends each line with CR LF and holds no lower-case
//     ASCII letter outside the list heading (the run upper-cases its input,
//     so "inf" or "nan" can only come from printing a non-finite number);
//   - a failure carries a reason and is not an internal error (an exception
//     other than RunError escaping a phase);
//   - the run ends within kMaxSeconds.
//
// An input may start with a control line (a CHEMKIN comment, so the
// mechanism stays valid) that sets what the user would choose:
//   !FUZZ u=kj n=NAME t=THERMONAME e=EXT x=THERMOEXT a=1 b=2 c=0
//         r=OLD>NEW r=OLD>NEW i=INPUTNAME p=1 l=1 k=1
// u: unit (kj kcal j cal kelvin); n, t: typed names; e, x: custom
// extensions; a, b, c: index of the A, n and Ea pattern; r: a rename (at
// most two); i: name of the input file; p=1: plant symbolic links named
// like the working files; l=1: the chosen input is a symbolic link to the
// real file outside the scratch directory; k=1: analyse only (--check). Without
// a control line the names are fixed and the renames use the first two species
// names found in the input.
//
// The fuzzer works in an empty current directory of its own (to see stray
// writes there), so corpus and artifact paths given to it must be absolute;
// scripts/fuzz gives them so.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/run_error.h"
#include "platform/ui_services.h"
#include "rename/rename_session.h"
#include "run/name_rules.h"
#include "run/run_context.h"
#include "run/run_driver.h"
#include "table/working_table.h"

namespace {

using kestrelon::RunOutcome;

constexpr double kMaxSeconds = 20.0;
constexpr const char* kBystanderName = "keep.txt";
constexpr const char* kBystanderText =
    "a file of the user\r\nnot to be lost\r\n";
constexpr const char* kBaitText = "target of a planted link\n";
constexpr const char* kLinkedInput = "linked-input";
constexpr const char* kListHeading = "****List of non-elementary reactions****";
const char* const kWorkingFiles[] = {"tempo.int",  "tempo2.int", "tempo3.int",
                                     "tempo4.int", "tempo5.int", "tempo6.int"};

[[noreturn]] void Violation(const std::string& what) {
  std::fprintf(stderr, "clean_fuzzer: PROPERTY VIOLATED: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

// Reads a file with plain POSIX calls, independent of the code under test.
std::optional<std::string> Slurp(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string out;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

void Spit(const std::string& path, std::string_view content) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Violation("harness cannot write " + path);
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) Violation("harness cannot write " + path);
    done += static_cast<size_t>(n);
  }
  ::close(fd);
}

std::set<std::string> List(const std::string& dir) {
  std::set<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) Violation("cannot list " + dir);
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name != "." && name != "..") names.insert(name);
  }
  ::closedir(d);
  return names;
}

struct Sandbox {
  std::string root;  // holds work/, cwd/ and bait; nothing else may appear
  std::string work;  // the input file's directory, ends with "/"
  std::string cwd;   // the current directory of the process
  std::string bait;  // target of the planted links
};

// Made on first use and never destroyed, so that the exit handler that
// removes it can still read its path.
const Sandbox& TheSandbox() {
  static const Sandbox* const box = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl =
        std::string(tmp && *tmp ? tmp : "/tmp") + "/kestrelon-fuzz.XXXXXX";
    if (::mkdtemp(tmpl.data()) == nullptr) Violation("mkdtemp failed");
    auto* made = new Sandbox;
    Sandbox& s = *made;
    s.root = tmpl;
    s.work = s.root + "/work/";
    s.cwd = s.root + "/cwd";
    s.bait = s.root + "/bait";
    if (::mkdir(s.work.c_str(), 0755) != 0 || ::mkdir(s.cwd.c_str(), 0755) != 0)
      Violation("cannot make the sandbox");
    Spit(s.bait, kBaitText);
    if (::chdir(s.cwd.c_str()) != 0) Violation("cannot enter the sandbox");
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(TheSandbox().root, ec);
    });
    return made;
  }();
  return *box;
}

struct FuzzSettings {
  kestrelon::WindowSettings window;
  std::string name = "fzclean";
  std::string thermo_name = "fzthermo";
  std::string input_name = "mech.inp";
  std::vector<std::pair<std::string, std::string>> renames;
  bool plant_links = false;
  bool linked_input = false;
  bool check_only = false;
};

// Everything but NUL: no dialog can type one.
std::string Typed(std::string_view v) {
  std::string out;
  for (char c : v) {
    if (c != '\0') out += c;
  }
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> Words(std::string_view text, size_t limit) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size() && words.size() < limit) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Two species names from the input: the two words after the first word
// that begins with "SPEC" (either case), else the first two words.
std::vector<std::string> SpeciesNames(std::string_view data) {
  std::vector<std::string_view> words = Words(data, 4096);
  size_t from = 0;
  for (size_t k = 0; k < words.size(); ++k) {
    std::string up(words[k].substr(0, 4));
    kestrelon::UpperCaseAscii(up);
    if (up == "SPEC") {
      from = k + 1;
      break;
    }
  }
  std::vector<std::string> names;
  for (size_t k = from; k < words.size() && names.size() < 2; ++k) {
    names.push_back(Typed(words[k].substr(0, 24)));
  }
  return names;
}

FuzzSettings ReadSettings(std::string_view data) {
  FuzzSettings s;
  if (data.substr(0, 5) != "!FUZZ") {
    std::vector<std::string> names = SpeciesNames(data);
    if (names.size() == 2) {
      // The second rename takes the name the first one freed.
      s.renames = {{names[0], "FZNEW"}, {names[1], names[0]}};
    }
    return s;
  }
  size_t end = data.find_first_of("\r\n");
  std::string_view line = data.substr(
      5, end == std::string_view::npos ? std::string_view::npos : end - 5);
  static const char* const kA[] = {"0.000E+00", "0.00E+00", "0.0E+00"};
  static const char* const kN[] = {"0.0000", "0.000", "0.00"};
  static const char* const kEa[] = {"0.00", "0.0", "0"};
  static const std::map<std::string, kestrelon::EaUnit> kUnits = {
      {"kj", kestrelon::EaUnit::kKj},
      {"kcal", kestrelon::EaUnit::kKcal},
      {"j", kestrelon::EaUnit::kJ},
      {"cal", kestrelon::EaUnit::kCal},
      {"kelvin", kestrelon::EaUnit::kKelvin}};
  for (std::string_view word : Words(line, 32)) {
    if (word.size() < 2 || word[1] != '=') continue;
    std::string v = Typed(word.substr(2));
    int index = v.empty() ? 0 : (v[0] - '0');
    bool index_ok = v.size() == 1 && index >= 0 && index <= 2;
    switch (word[0]) {
      case 'u':
        if (kUnits.count(v)) s.window.unit = kUnits.at(v);
        break;
      case 'n':
        s.name = v;
        break;
      case 't':
        s.thermo_name = v;
        break;
      case 'e':
        s.window.mech_ext = kestrelon::MechExtChoice::kCustom;
        s.window.mech_ext_text = v;
        break;
      case 'x':
        s.window.thermo_ext = kestrelon::ThermoExtChoice::kCustom;
        s.window.thermo_ext_text = v;
        break;
      case 'a':
        if (index_ok) s.window.a_pattern = kA[index];
        break;
      case 'b':
        if (index_ok) s.window.n_pattern = kN[index];
        break;
      case 'c':
        if (index_ok) s.window.ea_pattern = kEa[index];
        break;
      case 'r': {
        size_t gt = v.find('>');
        if (gt != std::string::npos && s.renames.size() < 2) {
          s.renames.emplace_back(v.substr(0, gt), v.substr(gt + 1));
        }
        break;
      }
      case 'i':
        // One name inside the scratch directory, as a file chooser gives.
        if (!v.empty() && v != "." && v != ".." && v.size() <= 64 &&
            v.find('/') == std::string::npos) {
          s.input_name = v;
        }
        break;
      case 'p':
        s.plant_links = v == "1";
        break;
      case 'l':
        s.linked_input = v == "1";
        break;
      case 'k':
        s.check_only = v == "1";
        break;
      default:
        break;
    }
  }
  return s;
}

// The user at the window: answers each name prompt once (a prompt asked a
// second time means the run refused the name, and a user who cannot type
// another one gives up, as the command line does) and renames in the
// dialog.
class FuzzUi : public kestrelon::UiServices {
 public:
  FuzzUi(const FuzzSettings& settings, std::string input_path)
      : settings_(settings), input_path_(std::move(input_path)) {}

  std::optional<std::string> ChooseFile(
      const kestrelon::FileChooserRequest&) override {
    return input_path_;
  }
  std::string AskText(kestrelon::NamePrompt kind, const std::string&,
                      const std::string&) override {
    bool thermo = kind == kestrelon::NamePrompt::kThermoName;
    int& asks = thermo ? thermo_asks_ : clean_asks_;
    if (++asks > 1) throw kestrelon::RunError("name refused: " + last_message_);
    return thermo ? settings_.thermo_name : settings_.name;
  }
  void ShowMessage(const std::string& text, const std::string&,
                   kestrelon::MessageIcon) override {
    last_message_ = text;
  }
  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void ShowProgress(bool) override {}
  void Repaint() override {}
  void SetLoadedLabel(const std::string&) override {}
  void SetOutputLabel(const std::string&) override {}
  void ShowErrorDialog() override {}
  void RunRenameDialog(kestrelon::RenameSession& session) override {
    for (const auto& [former, renamed] : settings_.renames) {
      session.Rename(former, renamed);
    }
  }
  void OpenLink(const std::string&) override {}
  std::string CurrentDirectory() override { return TheSandbox().cwd; }
  kestrelon::WindowSettings ReadSettings() override { return settings_.window; }

 private:
  const FuzzSettings& settings_;
  std::string input_path_;
  int thermo_asks_ = 0;
  int clean_asks_ = 0;
  std::string last_message_;
};

void EmptyWorkDirectory() {
  const Sandbox& box = TheSandbox();
  for (const std::string& name : List(box.work)) {
    std::error_code ec;
    std::filesystem::remove_all(box.work + name, ec);
    if (ec) Violation("cannot empty the scratch directory: " + name);
  }
}

void CheckWrittenText(const std::string& path, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
      Violation(path + ": CR without LF at byte " + std::to_string(i));
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
      Violation(path + ": LF without CR at byte " + std::to_string(i));
  }
  if (!text.empty() && text.back() != '\n')
    Violation(path + ": last line does not end with CR LF");
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    std::string_view line(text.data() + start, end - start);
    if (line != kListHeading) {
      for (char c : line) {
        if (c >= 'a' && c <= 'z')
          Violation(path + ": lower-case letter in written line \"" +
                    std::string(line.substr(0, 200)) + "\"");
      }
    }
    start = end + 2;
  }
}

// The joule, calorie and kelvin files and the thermodynamic file that the
// typed names give.
std::vector<std::string> OutputNames(const FuzzSettings& s) {
  const std::string clean = kestrelon::CleanTypedName(s.name);
  const std::string ext =
      kestrelon::MechanismExtension(s.window.mech_ext, s.window.mech_ext_text);
  return {clean + "j." + ext, clean + "cal." + ext, clean + "kelvin." + ext,
          kestrelon::CleanTypedName(s.thermo_name) + "." +
              kestrelon::ThermoExtension(s.window.thermo_ext,
                                         s.window.thermo_ext_text)};
}

// The bystander stands only where no file of the run may go: a run
// replaces output files of the same name without asking.
bool HasBystander(const FuzzSettings& s) {
  std::vector<std::string> names = OutputNames(s);
  names.push_back(s.input_name);
  for (const std::string& n : names) {
    if (n == kBystanderName) return false;
  }
  return true;
}

bool FileExistsHere(const char* name) {
  struct stat st;
  return ::lstat((TheSandbox().work + name).c_str(), &st) == 0;
}

void CheckAfterRun(std::string_view data, const FuzzSettings& s,
                   const RunOutcome& outcome, double seconds) {
  const Sandbox& box = TheSandbox();
  if (seconds > kMaxSeconds)
    Violation("run took " + std::to_string(seconds) + " s");

  if (outcome.kind == RunOutcome::Kind::kFailed) {
    if (!outcome.error || outcome.error->reason().empty())
      Violation("failure without a reason");
    if (outcome.error->reason().rfind("internal error", 0) == 0 &&
        std::getenv("KESTRELON_FUZZ_ALLOW_INTERNAL") == nullptr)
      Violation("a phase threw something other than RunError: " +
                outcome.error->Describe());
  }

  // Nothing outside the scratch directory.
  std::set<std::string> root_expected = {"work", "cwd", "bait"};
  if (s.linked_input) root_expected.insert(kLinkedInput);
  if (List(box.root) != root_expected)
    Violation("an entry appeared beside the scratch directory");
  if (!List(box.cwd).empty())
    Violation("a file appeared in the current directory");
  std::optional<std::string> bait = Slurp(box.bait);
  if (!bait || *bait != kBaitText)
    Violation("the target of a planted link was changed");

  // The input is untouched.
  std::optional<std::string> input = Slurp(
      s.linked_input ? box.root + "/" + kLinkedInput : box.work + s.input_name);
  if (!input) Violation("the input file is gone");
  if (*input != data) Violation("the input file was changed");

  const std::vector<std::string> outputs = OutputNames(s);
  const std::string& thermo = outputs[3];
  std::set<std::string> working(std::begin(kWorkingFiles),
                                std::end(kWorkingFiles));
  bool success = outcome.kind == RunOutcome::Kind::kSuccess;

  for (const std::string& name : List(box.work)) {
    std::string path = box.work + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) Violation("cannot stat " + path);
    bool is_output = false;
    for (const std::string& o : outputs) is_output = is_output || o == name;
    if (S_ISLNK(st.st_mode) && s.linked_input && name == s.input_name) {
      continue;
    }
    if (S_ISLNK(st.st_mode)) {
      if (!s.plant_links || !working.count(name))
        Violation("a symbolic link appeared: " + name);
      char target[4096];
      ssize_t n = ::readlink(path.c_str(), target, sizeof target);
      if (n < 0 || std::string(target, static_cast<size_t>(n)) != box.bait)
        Violation("a planted link was redirected: " + name);
      continue;
    }
    if (!S_ISREG(st.st_mode)) Violation("not a regular file: " + name);
    if (name == s.input_name) continue;
    if (name == kBystanderName && HasBystander(s)) {
      if (Slurp(path) != std::optional<std::string>(kBystanderText))
        Violation("a file of the user was changed: " + name);
      continue;
    }
    if (working.count(name)) {
      if (success) Violation("working file left after a success: " + name);
      continue;
    }
    if (!is_output) Violation("unexpected file in the scratch dir: " + name);
    if (s.check_only) Violation("an analysis-only run wrote " + name);
    std::optional<std::string> text = Slurp(path);
    if (!text) Violation("cannot read " + path);
    CheckWrittenText(path, *text);
  }
  if (HasBystander(s) && !FileExistsHere(kBystanderName))
    Violation("a file of the user was deleted");

  if (success && !s.check_only) {
    const auto& v = outcome.vars;
    const std::string expect[] = {box.work + outputs[0], box.work + outputs[1],
                                  box.work + outputs[2]};
    if (v.outpathj != expect[0] || v.outpathcal != expect[1] ||
        v.outpathk != expect[2])
      Violation("output paths are not the typed names in the input directory");
    for (const std::string& path : expect) {
      if (!Slurp(path)) Violation("success, but no output file " + path);
    }
    if (v.nothermo == 0 && !Slurp(box.work + thermo))
      Violation("success, but the thermodynamic file is missing");
  }
}

// What a run left: its outcome and every file of the scratch directory.
struct Snapshot {
  RunOutcome::Kind kind;
  std::string error;
  std::map<std::string, std::string> files;
  bool operator==(const Snapshot&) const = default;
};

Snapshot RunOnce(std::string_view data, const FuzzSettings& settings) {
  static kestrelon::WorkingTable table;
  const Sandbox& box = TheSandbox();
  EmptyWorkDirectory();
  ::unlink((box.root + "/" + kLinkedInput).c_str());
  if (HasBystander(settings)) Spit(box.work + kBystanderName, kBystanderText);
  if (settings.plant_links) {
    for (const char* w : kWorkingFiles) {
      if (settings.input_name == w) continue;
      if (::symlink(box.bait.c_str(), (box.work + w).c_str()) != 0)
        Violation("cannot plant a link");
    }
  }
  if (settings.linked_input) {
    std::string real = box.root + "/" + kLinkedInput;
    Spit(real, data);
    if (::symlink(real.c_str(), (box.work + settings.input_name).c_str()) != 0)
      Violation("cannot link the input");
  } else {
    Spit(box.work + settings.input_name, data);
  }

  FuzzUi ui(settings, box.work + settings.input_name);
  kestrelon::RunOptions options;
  options.check_only = settings.check_only;
  auto start = std::chrono::steady_clock::now();
  RunOutcome outcome = kestrelon::RunCleaning(ui, table, options);
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (std::getenv("KESTRELON_FUZZ_VERBOSE") != nullptr) {
    const char* kinds[] = {"success", "unreadable", "failed"};
    std::fprintf(stderr, "clean_fuzzer: %s%s%s\n",
                 kinds[static_cast<int>(outcome.kind)],
                 outcome.error ? ": " : "",
                 outcome.error ? outcome.error->Describe().c_str() : "");
  }
  CheckAfterRun(data, settings, outcome, took.count());

  Snapshot snap{
      outcome.kind, outcome.error ? outcome.error->Describe() : "", {}};
  for (const std::string& name : List(box.work)) {
    snap.files[name] = Slurp(box.work + name).value_or("(link)");
  }
  return snap;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::string_view data(reinterpret_cast<const char*>(bytes), size);
  FuzzSettings settings = ReadSettings(data);
  Snapshot first = RunOnce(data, settings);
  // One input in four runs again: the reused working table and the files a
  // previous run left must not change what a run does.
  if (std::hash<std::string_view>()(data) % 4 == 0) {
    if (RunOnce(data, settings) != first)
      Violation("a second run of the same input gave another result");
  }
  return 0;
}
