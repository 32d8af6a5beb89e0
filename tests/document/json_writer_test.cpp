#include "document/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

namespace tovan {
namespace {

using nlohmann::json;

TEST(JsonWriter, NestedValuesParseToTheSameStructure) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Key("a");
  writer.Number(0.25);
  writer.Key("list");
  writer.BeginArray();
  writer.Integer(-7);
  writer.Boolean(true);
  writer.Null();
  writer.BeginArray();
  writer.EndArray();
  writer.BeginObject();
  writer.EndObject();
  writer.EndArray();
  writer.Key("flag");
  writer.Boolean(false);
  writer.EndObject();
  const json expected = {
      {"a", 0.25}, {"list", {-7, true, nullptr, json::array(), json::object()}}, {"flag", false}};
  EXPECT_EQ(json::parse(writer.Text()), expected);
  EXPECT_EQ(writer.Text(), R"({"a":0.25,"list":[-7,true,null,[],{}],"flag":false})");
}

TEST(JsonWriter, NonFiniteNumbersBecomeNull) {
  JsonWriter writer;
  writer.BeginArray();
  writer.Number(std::numeric_limits<double>::infinity());
  writer.Number(-std::numeric_limits<double>::infinity());
  writer.Number(std::numeric_limits<double>::quiet_NaN());
  writer.Number(1.5);
  writer.EndArray();
  EXPECT_EQ(json::parse(writer.Text()), json::parse("[null, null, null, 1.5]"));
}

TEST(JsonWriter, NumbersReadBackAsIdenticalDoublesWithTheirSign) {
  const double values[] = {-0.0, 0.1, 1.0 / 3.0, 6.0, 1e300, 5e-324};
  JsonWriter writer;
  writer.BeginArray();
  for (const double x : values) writer.Number(x);
  writer.EndArray();
  const json parsed = json::parse(writer.Text());
  ASSERT_EQ(parsed.size(), std::size(values));
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_TRUE(parsed[i].is_number_float()) << i;
    EXPECT_EQ(parsed[i].get<double>(), values[i]) << i;
    EXPECT_EQ(std::signbit(parsed[i].get<double>()), std::signbit(values[i])) << i;
  }
}

TEST(JsonWriter, KeysAreEscaped) {
  const std::string key = "quote\" back\\ line\n";
  JsonWriter writer;
  writer.BeginObject();
  writer.Key(key);
  writer.Integer(1);
  writer.EndObject();
  const json parsed = json::parse(writer.Text());
  ASSERT_TRUE(parsed.contains(key)) << writer.Text();
  EXPECT_EQ(parsed[key], 1);
}

TEST(JsonWriter, StringValuesAreEscapedAndSeparated) {
  const std::string value = "tab\t \"x\" \x01";
  JsonWriter writer;
  writer.BeginArray();
  writer.String(value);
  writer.String("");
  writer.EndArray();
  EXPECT_EQ(json::parse(writer.Text()), json::array({value, ""})) << writer.Text();
}

TEST(JsonWriter, TakeTextHandsOverTheDocument) {
  JsonWriter writer;
  writer.BeginArray();
  writer.Integer(3);
  writer.EndArray();
  EXPECT_EQ(writer.TakeText(), "[3]");
}

}  // namespace
}  // namespace tovan
