#pragma once

#include <string>
#include <string_view>

#include "response/network_data.h"
#include "response/read_result.h"

namespace tovan {

// Reads a Touchstone file's text; file is its name, for messages and (version 1.1)
// for the port count, which such files carry only in their extension (.s1p, .s2p, ...).
//
// Version 1.1: "!" starts a comment anywhere; the first option line
// "# <Hz|kHz|MHz|GHz> S <RI|MA|DB> R <ohms>" (case-insensitive, any order; GHz, S, MA,
// R 50 where absent) sets the units, later ones are ignored; each frequency's values may
// continue over several lines but a frequency starts a new line; two-port data come as
// S11 S21 S12 S22, larger networks row by row; the noise block that may follow two-port
// data is skipped. Version 2.0 (a first line "[Version] 2.0") adds [Number of Ports],
// [Two-Port Data Order] (12_21 or 21_12), [Number of Frequencies] (checked against the
// data), [Reference], [Matrix Format] Full, [Network Data], [Noise Data] (skipped),
// [Begin Information]/[End Information] (skipped) and [End].
// Refused, with the line where it applies: binary bytes, an empty file, a value that is
// not a finite number, a wrong count of values, frequencies not strictly increasing or
// negative, Y/Z/H/G parameters, an unknown option, keyword or version, the Lower/Upper
// matrix formats, mixed-mode data, fewer than two frequencies. The reference resistance
// is read and not used.
ReadResult<NetworkData> ReadTouchstone(std::string_view text, const std::string& file);

}  // namespace tovan
