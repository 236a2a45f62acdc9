// For tests only: a strict little JSON reader, so that tests can parse the
// JSON report back and check it structurally. Reads the whole text as one
// value; throws std::runtime_error on anything that is not valid JSON
// (trailing text, bad escapes, raw control characters, bare words, leading
// zeros). \u escapes are decoded up to U+07FF.
#ifndef KESTRELON_COMPARE_TEST_JSON_READER_H_
#define KESTRELON_COMPARE_TEST_JSON_READER_H_

#include <cstdlib>
#include <cstring>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::test_support {

struct Json {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& operator[](const std::string& key) const {
    auto it = members.find(key);
    if (it == members.end()) throw std::runtime_error("no member " + key);
    return it->second;
  }
  const Json& operator[](size_t i) const { return items.at(i); }
  bool IsNull() const { return kind == Kind::kNull; }
};

class JsonReader {
 public:
  static Json Parse(std::string_view text) {
    JsonReader r{std::string(text)};
    Json v = r.Value(r.Next());
    if (!r.Next().empty()) throw std::runtime_error("trailing text");
    return v;
  }

 private:
  explicit JsonReader(std::string text) : text_(std::move(text)) {}

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

  Json Value(const std::string& t) {
    Json v;
    if (t == "{" || t == "[") {
      const bool object = t == "{";
      const char* end = object ? "}" : "]";
      v.kind = object ? Json::Kind::kObject : Json::Kind::kArray;
      std::string k = Next();
      if (k == end) return v;
      for (;; k = Next()) {
        if (!object) {
          v.items.push_back(Value(k));
        } else if (k[0] == '"' && Next() == ":") {
          v.members[Value(k).string] = Value(Next());
        } else {
          throw std::runtime_error("bad member " + k);
        }
        const std::string sep = Next();
        if (sep == end) return v;
        if (sep != ",") throw std::runtime_error("unexpected " + sep);
      }
    }
    if (t == "true" || t == "false") {
      v.kind = Json::Kind::kBool;
      v.boolean = t == "true";
    } else if (!t.empty() && (t[0] == '-' || isdigit(t[0]))) {
      v.kind = Json::Kind::kNumber;
      v.number = std::strtod(t.c_str(), nullptr);
    } else if (!t.empty() && t[0] == '"') {
      v.kind = Json::Kind::kString;
      for (size_t i = 1; i + 1 < t.size(); ++i) {
        if (t[i] != '\\') {
          v.string += t[i];
        } else if (t[++i] != 'u') {
          static const char kFrom[] = "\"\\/bfnrt", kTo[] = "\"\\/\b\f\n\r\t";
          v.string += kTo[strchr(kFrom, t[i]) - kFrom];
        } else {
          unsigned code = std::strtoul(t.substr(i + 1, 4).c_str(), nullptr, 16);
          i += 4;
          if (code >= 0x800) throw std::runtime_error("\\u beyond U+07FF");
          if (code >= 0x80) v.string += static_cast<char>(0xC0 | (code >> 6));
          v.string +=
              static_cast<char>(code < 0x80 ? code : 0x80 | (code & 0x3F));
        }
      }
    } else if (t != "null") {
      throw std::runtime_error("unexpected " + t);
    }
    return v;
  }

  std::string text_;
  size_t at_ = 0;
};

}  // namespace kestrelon::test_support

#endif  // KESTRELON_COMPARE_TEST_JSON_READER_H_
