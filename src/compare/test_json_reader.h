// For tests only: a strict little JSON reader, so that tests can parse the
// JSON report back and check it structurally. Reads the whole text as one
// value; throws std::runtime_error on anything that is not valid JSON
// (trailing text, bad escapes, raw control characters, bare words).
#ifndef KESTRELON_COMPARE_TEST_JSON_READER_H_
#define KESTRELON_COMPARE_TEST_JSON_READER_H_

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
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
    if (kind != Kind::kObject || it == members.end()) {
      throw std::runtime_error("no member " + key);
    }
    return it->second;
  }
  const Json& operator[](size_t i) const {
    if (kind != Kind::kArray || i >= items.size()) {
      throw std::runtime_error("no item " + std::to_string(i));
    }
    return items[i];
  }
  bool IsNull() const { return kind == Kind::kNull; }
};

class JsonReader {
 public:
  static Json Parse(std::string_view text) {
    JsonReader r(text);
    Json v = r.Value();
    r.Space();
    if (r.i_ != text.size()) r.Fail("trailing text");
    return v;
  }

 private:
  explicit JsonReader(std::string_view t) : t_(t) {}

  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + " at " + std::to_string(i_));
  }
  void Space() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' ||
                              t_[i_] == '\r' || t_[i_] == '\t')) {
      ++i_;
    }
  }
  bool Eat(char c) {
    Space();
    if (i_ < t_.size() && t_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
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
    Space();
    if (i_ >= t_.size()) Fail("no value");
    Json v;
    char c = t_[i_];
    if (c == '{') {
      ++i_;
      v.kind = Json::Kind::kObject;
      if (Eat('}')) return v;
      do {
        Space();
        std::string key = String();
        Expect(':');
        v.members[key] = Value();
      } while (Eat(','));
      Expect('}');
    } else if (c == '[') {
      ++i_;
      v.kind = Json::Kind::kArray;
      if (Eat(']')) return v;
      do {
        v.items.push_back(Value());
      } while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      v.kind = Json::Kind::kString;
      v.string = String();
    } else if (Word("true")) {
      v.kind = Json::Kind::kBool;
      v.boolean = true;
    } else if (Word("false")) {
      v.kind = Json::Kind::kBool;
    } else if (Word("null")) {
    } else {
      v.kind = Json::Kind::kNumber;
      v.number = Number();
    }
    return v;
  }

  double Number() {
    size_t start = i_;
    if (i_ < t_.size() && t_[i_] == '-') ++i_;
    size_t digits = i_;
    while (i_ < t_.size() && isdigit(static_cast<unsigned char>(t_[i_]))) ++i_;
    if (i_ == digits) Fail("bad number");
    if (t_[digits] == '0' && i_ - digits > 1) Fail("leading zero");
    if (i_ < t_.size() && t_[i_] == '.') {
      size_t f = ++i_;
      while (i_ < t_.size() && isdigit(static_cast<unsigned char>(t_[i_])))
        ++i_;
      if (i_ == f) Fail("bad fraction");
    }
    if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
      ++i_;
      if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
      size_t e = i_;
      while (i_ < t_.size() && isdigit(static_cast<unsigned char>(t_[i_])))
        ++i_;
      if (i_ == e) Fail("bad exponent");
    }
    return std::strtod(std::string(t_.substr(start, i_ - start)).c_str(),
                       nullptr);
  }

  std::string String() {
    if (i_ >= t_.size() || t_[i_] != '"') Fail("expected string");
    ++i_;
    std::string out;
    for (;;) {
      if (i_ >= t_.size()) Fail("open string");
      unsigned char c = static_cast<unsigned char>(t_[i_++]);
      if (c == '"') return out;
      if (c < 0x20) Fail("raw control character");
      if (c != '\\') {
        out.push_back(static_cast<char>(c));
        continue;
      }
      if (i_ >= t_.size()) Fail("open escape");
      char e = t_[i_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out.push_back(e);
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'u': {
          if (i_ + 4 > t_.size()) Fail("short \\u");
          unsigned code = 0;
          for (int k = 0; k < 4; ++k) {
            char h = t_[i_++];
            code <<= 4;
            if (h >= '0' && h <= '9') {
              code |= static_cast<unsigned>(h - '0');
            } else if (h >= 'a' && h <= 'f') {
              code |= static_cast<unsigned>(h - 'a' + 10);
            } else if (h >= 'A' && h <= 'F') {
              code |= static_cast<unsigned>(h - 'A' + 10);
            } else {
              Fail("bad \\u");
            }
          }
          // Tests only meet codes below U+0800.
          if (code < 0x80) {
            out.push_back(static_cast<char>(code));
          } else {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
          }
          break;
        }
        default:
          Fail("bad escape");
      }
    }
  }

  std::string_view t_;
  size_t i_ = 0;
};

}  // namespace kestrelon::test_support

#endif  // KESTRELON_COMPARE_TEST_JSON_READER_H_
