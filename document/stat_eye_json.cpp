#include "document/stat_eye_json.h"

#include <cstdio>
#include <cstdlib>

namespace tovan {
namespace {

constexpr double kMillivoltsPerVolt = 1000.0;

void WriteNumbers(JsonWriter& json, const std::vector<double>& values) {
  json.BeginArray();
  for (double x : values) json.Number(x);
  json.EndArray();
}

void WriteBathtub(JsonWriter& json, const char* positionKey, const Bathtub& tub) {
  json.BeginObject();
  json.Key(positionKey);
  WriteNumbers(json, tub.position);
  json.Key("log10Ber");
  WriteNumbers(json, tub.log10Ber);
  json.EndObject();
}

void WriteLine(JsonWriter& json, const ContourLine& line) {
  json.BeginArray();
  for (const ContourPoint& point : line) {
    json.BeginArray();
    json.Number(point[0]);
    json.Number(point[1]);
    json.EndArray();
  }
  json.EndArray();
}

}  // namespace

std::string BerKey(double ber) {
  // The shortest of 1 ... 17 significant digits that reads back as the same number.
  char text[40];
  for (int digits = 0; digits < 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*e", digits, ber);
    if (std::strtod(text, nullptr) == ber) break;
  }
  std::string s = text;
  const std::size_t e = s.find('e');
  std::string mantissa = s.substr(0, e);
  const int exponent = std::atoi(s.c_str() + e + 1);
  return mantissa + "e" + std::to_string(exponent);
}

void WriteStatEyeFigures(JsonWriter& json, const EyeAtBer& figures) {
  json.BeginObject();
  json.Key("eyeHeight");
  json.Number(figures.eyeHeight);
  json.Key("eyeWidth");
  json.Number(figures.eyeWidth);
  json.Key("bestPhase");
  json.Number(figures.bestPhase);
  json.EndObject();
}

void WriteStatEye(JsonWriter& json, const StatEye& eye) {
  json.BeginObject();
  json.Key("targetBer");
  json.Number(eye.settings.targetBer);
  json.Key("rj");
  json.Number(eye.settings.rj);
  json.Key("dj");
  json.Number(eye.settings.dj);
  json.Key("noise");
  json.Number(eye.settings.noise * kMillivoltsPerVolt);
  json.Key("eyeHeight");
  json.Number(eye.figures.eyeHeight);
  json.Key("eyeWidth");
  json.Number(eye.figures.eyeWidth);
  json.Key("bestPhase");
  json.Number(eye.figures.bestPhase);
  json.Key("bathtubHorizontal");
  WriteBathtub(json, "phaseUi", eye.horizontal);
  json.Key("bathtubVertical");
  WriteBathtub(json, "volts", eye.vertical);
  json.Key("contours");
  json.BeginObject();
  for (const BerContour& contour : eye.contours) {
    json.Key(BerKey(contour.ber));
    WriteLine(json, contour.eye);
  }
  json.EndObject();
  json.EndObject();
}

}  // namespace tovan
