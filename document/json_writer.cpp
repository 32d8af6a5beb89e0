#include "document/json_writer.h"

#include <cmath>
#include <cstdio>

#include "document/number_format.h"

namespace tovan {

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

void JsonWriter::BeginValue() {
  if (needsComma_) text_ += ',';
  needsComma_ = false;
}

void JsonWriter::BeginObject() {
  BeginValue();
  text_ += '{';
}

void JsonWriter::EndObject() {
  text_ += '}';
  EndValue();
}

void JsonWriter::BeginArray() {
  BeginValue();
  text_ += '[';
}

void JsonWriter::EndArray() {
  text_ += ']';
  EndValue();
}

void JsonWriter::Key(std::string_view name) {
  BeginValue();
  AppendEscaped(text_, name);
  text_ += ':';
}

void JsonWriter::Number(double x) {
  BeginValue();
  if (std::isfinite(x))
    AppendShortest(text_, x);
  else
    text_ += "null";
  EndValue();
}

void JsonWriter::Integer(long long n) {
  BeginValue();
  text_ += std::to_string(n);
  EndValue();
}

void JsonWriter::Boolean(bool b) {
  BeginValue();
  text_ += b ? "true" : "false";
  EndValue();
}

void JsonWriter::String(std::string_view text) {
  BeginValue();
  AppendEscaped(text_, text);
  EndValue();
}

void JsonWriter::Null() {
  BeginValue();
  text_ += "null";
  EndValue();
}

}  // namespace tovan
