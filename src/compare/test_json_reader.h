// For tests only: a strict little JSON reader, so that tests can parse the
// JSON report back and check it structurally. Reads the whole text as one
// value; throws std::runtime_error on anything that is not valid JSON
// (trailing text, bad escapes, raw control characters, bare words, leading
// zeros). \u escapes are decoded up to U+07FF, all the tests meet.
#ifndef KESTRELON_COMPARE_TEST_JSON_READER_H_
#define KESTRELON_COMPARE_TEST_JSON_READER_H_

#include <cctype>
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
    JsonReader r(text);
    Json v = r.Value();
    if (r.Space() != '\0') r.Fail("trailing text");
    return v;
  }

 private:
  explicit JsonReader(std::string_view t) : t_(t) {}

  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + " at " + std::to_string(i_));
  }
  // Skips blanks; returns the next character, NUL at the end.
  char Space() {
    while (i_ < t_.size() && t_[i_] != '\0' && strchr(" \t\r\n", t_[i_])) ++i_;
    return i_ < t_.size() ? t_[i_] : '\0';
  }
  bool Eat(char c) {
    if (Space() != c) return false;
    ++i_;
    return true;
  }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("expected ") + c);
  }
  bool Word(std::string_view w) {
    if (t_.substr(i_, w.size()) != w) return false;
    i_ += w.size();
    return true;
  }

  Json Value() {
    Json v;
    const char c = Space();
    if (Eat('{')) {
      v.kind = Json::Kind::kObject;
      if (Eat('}')) return v;
      do {
        std::string key = String();
        Expect(':');
        v.members[key] = Value();
      } while (Eat(','));
      Expect('}');
    } else if (Eat('[')) {
      v.kind = Json::Kind::kArray;
      if (Eat(']')) return v;
      do v.items.push_back(Value());
      while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      v.kind = Json::Kind::kString;
      v.string = String();
    } else if (Word("true") || Word("false")) {
      v.kind = Json::Kind::kBool;
      v.boolean = c == 't';
    } else if (!Word("null")) {
      static const std::regex kNumber(
          R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
      std::cmatch m;
      if (!std::regex_search(t_.data() + i_, t_.data() + t_.size(), m, kNumber,
                             std::regex_constants::match_continuous)) {
        Fail("bad value");
      }
      i_ += m.length(0);
      v.kind = Json::Kind::kNumber;
      v.number = std::strtod(m.str(0).c_str(), nullptr);
    }
    return v;
  }

  std::string String() {
    Expect('"');
    std::string out;
    for (;;) {
      if (i_ >= t_.size()) Fail("open string");
      const unsigned char c = static_cast<unsigned char>(t_[i_++]);
      if (c == '"') return out;
      if (c < 0x20) Fail("raw control character");
      if (c != '\\') {
        out.push_back(static_cast<char>(c));
        continue;
      }
      const char e = i_ < t_.size() ? t_[i_++] : '\0';
      const char* from = "\"\\/bfnrt";
      const char* to = "\"\\/\b\f\n\r\t";
      if (e != '\0' && strchr(from, e) != nullptr) {
        out.push_back(to[strchr(from, e) - from]);
        continue;
      }
      if (e != 'u' || i_ + 4 > t_.size()) Fail("bad escape");
      for (size_t k = 0; k < 4; ++k) {
        if (!isxdigit(static_cast<unsigned char>(t_[i_ + k]))) Fail("bad \\u");
      }
      const unsigned code =
          std::strtoul(std::string(t_.substr(i_, 4)).c_str(), nullptr, 16);
      i_ += 4;
      if (code >= 0x800) Fail("\\u beyond U+07FF");
      if (code < 0x80) {
        out.push_back(static_cast<char>(code));
      } else {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
      }
    }
  }

  std::string_view t_;
  size_t i_ = 0;
};

}  // namespace kestrelon::test_support

#endif  // KESTRELON_COMPARE_TEST_JSON_READER_H_
