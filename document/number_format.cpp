#include "document/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tovan {

void AppendShortest(std::string& out, double x) {
  char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24
  char* end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
  out.append(buffer, end);
  const bool looksIntegral = std::none_of(buffer, end, [](char c) { return c == '.' || c == 'e'; });
  if (std::isfinite(x) && looksIntegral) out += ".0";
}

std::string ShortestText(double x) {
  std::string text;
  AppendShortest(text, x);
  return text;
}

std::string PlainText(double x) {
  std::string text = ShortestText(x);
  if (text.ends_with(".0")) text.resize(text.size() - 2);
  return text;
}

}  // namespace tovan
