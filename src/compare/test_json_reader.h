// For tests only: a strict little JSON reader. Read takes the whole text as
// one value and flattens it: each scalar under its path ("a.b[0].c"),
// strings unescaped, other values as written. Throws std::runtime_error on
// anything that is not valid JSON (trailing text, bad escapes, raw control
// characters, bare words, leading zeros). A \u escape is kept as written.
#ifndef KESTRELON_COMPARE_TEST_JSON_READER_H_
#define KESTRELON_COMPARE_TEST_JSON_READER_H_

#include <cstdlib>
#include <cstring>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>

namespace kestrelon::test_support {

using JsonPaths = std::map<std::string, std::string>;

class JsonReader {
 public:
  static JsonPaths Read(const std::string& text) {
    JsonReader r(text);
    r.Value(r.Next(), "");
    if (!r.Next().empty()) throw std::runtime_error("trailing text");
    return r.paths_;
  }

 private:
  explicit JsonReader(const std::string& text) : text_(text) {}

  // The next token: a string with its quotes, a number, a literal or one of
  // {}[]:, (empty at the end of the text).
  std::string Next() {
    static const std::regex kToken(
        R"([ \t\r\n]*("(?:[^"\\\x00-\x1f]|\\["\\/bfnrt]|\\u[0-9a-fA-F]{4})*")"
        R"(|-?(?:0|[1-9][0-9]*)(?:\.[0-9]+)?(?:[eE][+-]?[0-9]+)?)"
        R"(|true|false|null|[{}\[\]:,]|$))");
    std::smatch m;
    if (!std::regex_search(text_.cbegin() + at_, text_.cend(), m, kToken,
                           std::regex_constants::match_continuous)) {
      throw std::runtime_error("bad token at " + std::to_string(at_));
    }
    at_ += m.length(0);
    return m.str(1);
  }

  void Value(const std::string& t, const std::string& path) {
    if (t == "{" || t == "[") {
      const bool object = t == "{";
      std::string k = Next();
      int count = 0;
      for (; k != (object ? "}" : "]"); k = Next(), ++count) {
        if (count > 0 && (k != "," || (k = Next()).empty())) {
          throw std::runtime_error("expected , at " + std::to_string(at_));
        }
        if (!object) {
          Value(k, path + "[" + std::to_string(count) + "]");
        } else if (k[0] == '"' && Next() == ":") {
          Value(Next(), (path.empty() ? "" : path + ".") + Unquote(k));
        } else {
          throw std::runtime_error("bad member " + k);
        }
      }
    } else if (t[0] == '"') {
      paths_[path] = Unquote(t);
    } else if (t.empty() || strchr("]},:", t[0]) != nullptr) {
      throw std::runtime_error("unexpected " + t);
    } else {
      paths_[path] = t;
    }
  }

  static std::string Unquote(const std::string& t) {
    static const char kFrom[] = "\"\\/bfnrt", kTo[] = "\"\\/\b\f\n\r\t";
    std::string out;
    for (size_t i = 1; i + 1 < t.size(); ++i) {
      if (t[i] != '\\') {
        out += t[i];
      } else if (t[++i] != 'u') {
        out += kTo[strchr(kFrom, t[i]) - kFrom];
      } else {
        out += "\\u";  // kept as written
      }
    }
    return out;
  }

  const std::string& text_;
  size_t at_ = 0;
  JsonPaths paths_;
};

}  // namespace kestrelon::test_support

#endif  // KESTRELON_COMPARE_TEST_JSON_READER_H_
