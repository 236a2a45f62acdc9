#include "compare/json_writer.h"

#include <cmath>
#include <cstdio>

namespace kestrelon {
namespace {

// Length of the valid UTF-8 sequence that starts at `i`, or 0.
size_t Utf8Length(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len;
  unsigned min;
  unsigned code;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2, min = 0x80, code = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3, min = 0x800, code = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4, min = 0x10000, code = c & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    code = (code << 6) | (t & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return 0;
  }
  return len;
}

void AppendEscaped(std::string_view s, std::string* out) {
  out->push_back('"');
  for (size_t i = 0; i < s.size();) {
    // Runs of plain characters go over in one piece.
    size_t run = i;
    while (run < s.size() && s[run] >= 0x20 && s[run] < 0x7F && s[run] != '"' &&
           s[run] != '\\') {
      ++run;
    }
    if (run > i) {
      out->append(s.substr(i, run - i));
      i = run;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '"' || c == '\\') {
      out->push_back('\\');
      out->push_back(static_cast<char>(c));
      ++i;
    } else if (c == '\n') {
      out->append("\\n");
      ++i;
    } else if (c == '\r') {
      out->append("\\r");
      ++i;
    } else if (c == '\t') {
      out->append("\\t");
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", c);
      out->append(buf);
      ++i;
    } else if (c < 0x80) {
      out->push_back(static_cast<char>(c));
      ++i;
    } else if (size_t len = Utf8Length(s, i); len > 0) {
      out->append(s.substr(i, len));
      i += len;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04X", c);
      out->append(buf);
      ++i;
    }
  }
  out->push_back('"');
}

}  // namespace

std::string JsonQuote(std::string_view value) {
  std::string out;
  AppendEscaped(value, &out);
  return out;
}

void JsonWriter::NewLine() {
  text_.push_back('\n');
  text_.append(2 * has_items_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!has_items_.empty()) {
    if (has_items_.back()) text_.push_back(',');
    has_items_.back() = true;
    NewLine();
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  text_.push_back('{');
  has_items_.push_back(false);
}

void JsonWriter::EndObject() {
  bool had = has_items_.back();
  has_items_.pop_back();
  if (had) NewLine();
  text_.push_back('}');
  if (has_items_.empty()) text_.push_back('\n');
}

void JsonWriter::BeginArray() {
  BeforeValue();
  text_.push_back('[');
  has_items_.push_back(false);
}

void JsonWriter::EndArray() {
  bool had = has_items_.back();
  has_items_.pop_back();
  if (had) NewLine();
  text_.push_back(']');
  if (has_items_.empty()) text_.push_back('\n');
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  AppendEscaped(key, &text_);
  text_.append(": ");
  after_key_ = true;
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  AppendEscaped(value, &text_);
}

void JsonWriter::Number(double value) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  BeforeValue();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", value);
  text_.append(buf);
}

void JsonWriter::Integer(long long value) {
  BeforeValue();
  text_.append(std::to_string(value));
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  text_.append(value ? "true" : "false");
}

void JsonWriter::Null() {
  BeforeValue();
  text_.append("null");
}

}  // namespace kestrelon
