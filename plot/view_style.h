#pragma once

#include "plot/freq_domain_frame.h"
#include "plot/time_domain_frame.h"

namespace tovan {

// What a view shows: its layers (the main window's check boxes and line widths) and
// the background scheme. The defaults are the window's initial state.
struct TimeViewStyle {
  TimeDomainLayers layers;
  bool printColors = false;  // white background instead of black
};

struct FreqViewStyle {
  FreqDomainLayers layers;
  bool printColors = false;
};

}  // namespace tovan
