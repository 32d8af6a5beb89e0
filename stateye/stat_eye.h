#pragma once

#include <array>
#include <vector>

#include "stateye/bathtub.h"
#include "stateye/ber_contours.h"
#include "stateye/ber_map.h"
#include "stateye/eye_at_ber.h"
#include "stateye/periodic_eye_signal.h"
#include "stateye/stat_eye_settings.h"

namespace tovan {

class SignalEngine;

// The statistical eye's contents (the definition of BER is in stateye/bit_error_ratio.h):
//   stat_eye_settings.h    rj, dj, noise, target BER and their valid ranges
//   periodic_eye_signal.h  the period and lined-up bits the BER is defined on
//   bit_error_ratio.h      BER(t, v): the definition and how it is evaluated
//   ber_accuracy.h         how closely: the figures' accuracy and the drawing accuracy
//   ber_at_phase.h         BER at one phase for many thresholds
//   eye_at_ber.h           eye height, eye width and best phase at the target
//   bathtub.h              horizontal and vertical bathtubs
//   ber_map.h              log10 BER on a grid, for drawing
//   ber_contours.h         contour lines on that grid
//   opening_edge.h         the edge search the figures use

// The contour levels besides the target: BER 1e-3, 1e-6, 1e-9 and 1e-12.
inline constexpr std::array<double, 4> kContourLevels{1e-3, 1e-6, 1e-9, 1e-12};

struct BerContour {
  double ber;                       // the level
  std::vector<ContourLine> lines;   // every line of the map at that level
  ContourLine eye;                  // the closed line around (bestPhase, mid level), or empty
};

// How finely the outputs are sampled.
struct StatEyeResolution {
  int bathtubPoints = 65;
  int mapColumns = 64;
  int mapRows = 64;
};

struct StatEye {
  StatEyeSettings settings;
  EyeAtBer figures;
  Bathtub horizontal;  // over one UI at the mid level
  Bathtub vertical;    // at bestPhase, over the map's threshold range
  BerMap map;
  std::vector<BerContour> contours;  // kContourLevels, then the target when it is none of them
};

// The figures and both bathtubs, without the map and contours; `settings` valid. An
// empty signal gives NaN figures and nothing else.
StatEye ComputeStatEyeFigures(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                              const StatEyeResolution& resolution = {});

// Everything: the figures, both bathtubs, the map and the contours on it.
StatEye ComputeStatEye(const PeriodicEyeSignal& signal, const StatEyeSettings& settings,
                       const StatEyeResolution& resolution = {});

// The engine's scope-affected output as a PeriodicEyeSignal (empty as there described),
// bringing the engine up to date first.
PeriodicEyeSignal EngineEyeSignal(SignalEngine& engine);

}  // namespace tovan
