#pragma once

#include <string>

namespace tovan {

// Appends x in the shortest text that reads back as the identical double
// (std::to_chars without a format). Where that text would look like an integer,
// ".0" is added, so that a reader takes it as floating point and -0.0 keeps its sign.
// Infinities and NaN are written as "inf", "-inf" and "nan".
void AppendShortest(std::string& out, double x);
std::string ShortestText(double x);
// The same without the added ".0", for people to read: "6", "1.3".
std::string PlainText(double x);

}  // namespace tovan
