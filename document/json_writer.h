#pragma once

#include <string>
#include <string_view>

namespace tovan {

// Builds one compact JSON text. Numbers are written in the shortest form that reads
// back as the identical double (see number_format.h); a non-finite number is written
// as null. The caller balances Begin and End and puts a Key before every value inside
// an object; the writer only places the separators.
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member; escaped as a JSON string.
  void Key(std::string_view name);
  void Number(double x);
  void Integer(long long n);
  void Boolean(bool b);
  // A string value, escaped as the keys are.
  void String(std::string_view text);
  void Null();

  const std::string& Text() const { return text_; }
  std::string TakeText() { return std::move(text_); }

 private:
  void BeginValue();
  void EndValue() { needsComma_ = true; }

  std::string text_;
  bool needsComma_ = false;
};

}  // namespace tovan
