#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace tovan {

// What the program was asked to do: "--screenshot FILE.png" (capture the main window
// after the plots' first two ticks and exit), "--size WIDTHxHEIGHT" (the main
// window's starting size in pixels; the template's size is the least it takes) and a
// setup file to open at start (any word not starting with '-'), each at most once,
// in any order.
struct ProgramArguments {
  QString screenshotPath;  // empty: run interactively
  QSize windowSize;        // invalid: the template's size
  QString setupPath;       // empty: start from the defaults
};

// The arguments after the program name; nothing for anything else than the forms
// above (unknown options, a missing value, a repeated option or setup file, a size
// that is not two positive decimal integers joined by 'x').
std::optional<ProgramArguments> ParseProgramArguments(const QStringList& arguments);

inline constexpr const char* kProgramUsage =
    "usage: tovan [--screenshot FILE.png] [--size WIDTHxHEIGHT] [SETUP.json]";

}  // namespace tovan
