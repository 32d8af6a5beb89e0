#include "engine/signal_engine.h"

#include <utility>

namespace tovan {
namespace {

template <class T, std::size_t N>
std::array<InputCell<T>, N> MakeCells(const std::array<T, N>& defaults, CachedNode* owner) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return std::array<InputCell<T>, N>{InputCell<T>(defaults[I], owner)...};
  }(std::make_index_sequence<N>{});
}

constexpr std::array<bool, 8> kDefaultTaps{true, true, false, false, false, false, false, true};
constexpr std::array<double, 10> kFlatLevels{};

// One parameter's copy into its snapshot: the snapshot's owner is stamped only when
// the value differs, so an unchanged parameter leaves its stages cached.
template <class T>
void CopyCell(const InputCell<T>& from, InputCell<T>& to) {
  if (from.value != to.value && to.owner) to.owner->Stamp();
  to.value = from.value;
  to.flag = (from.flag != false);
}

template <class T, std::size_t N>
void CopyCells(const std::array<InputCell<T>, N>& from, std::array<InputCell<T>, N>& to) {
  for (std::size_t k = 0; k < N; ++k) CopyCell(from[k], to[k]);
}

}  // namespace

SignalEngine::SignalEngine()
    : show3BitCells(false, &inputGate),
      prbsTaps(MakeCells(kDefaultTaps, &inputGate)),
      highLevel(0.6, &inputGate),
      lowLevel(-0.6, &inputGate),
      samplesPerBit(32, &inputGate),
      bitrate(3.125, &inputGate),
      risetime(0.055, &inputGate),
      groupDelay(0.0, &inputGate),
      noiseAmplitude(0.0, &inputGate),
      bandwidth(6.0, &inputGate),
      rolloff(300.0, &inputGate),
      flatnessLevels(MakeCells(kFlatLevels, &inputGate)),
      responseTable(std::nullopt, &inputGate),
      responseMode(ResponseMode::kReplace, &inputGate),
      snapShow3BitCells(false, &commonRelay),
      snapPrbsTaps(MakeCells(kDefaultTaps, &commonRelay)),
      snapHighLevel(0.6, &commonRelay),
      snapLowLevel(-0.6, &commonRelay),
      snapSamplesPerBit(16, &commonRelay),
      snapBitrate(3.125, &axesNode),
      snapRisetime(0.055, &riseFilterNode),
      snapGroupDelay(0.0, &groupDelayNode),
      snapNoiseAmplitude(0.0, &commonRelay),
      snapBandwidth(6.0, &bandwidthRelay),
      snapRolloff(180.0, &scopeFilterNode),
      snapFlatnessLevels(MakeCells(kFlatLevels, &flatnessFitNode)),
      snapResponseTable(std::nullopt, &measuredResponseNode),
      snapResponseMode(ResponseMode::kReplace, &scopeFilterNode) {}

void SignalEngine::Synchronize() {
  if (failed) return;
  // A parameter written during the computation makes the gate stale again: go round.
  while (inputGate.IsStale()) {
    inputGate.Refresh();
    CopyParameters();
    RelayInvalidation();
    try {
      UpdateOutputs();
    } catch (...) {
      failed = true;
      return;
    }
  }
}

void SignalEngine::CopyParameters() {
  CopyCell(show3BitCells, snapShow3BitCells);
  CopyCells(prbsTaps, snapPrbsTaps);
  CopyCell(highLevel, snapHighLevel);
  CopyCell(lowLevel, snapLowLevel);
  CopyCell(samplesPerBit, snapSamplesPerBit);
  CopyCell(bitrate, snapBitrate);
  CopyCell(risetime, snapRisetime);
  CopyCell(groupDelay, snapGroupDelay);
  CopyCell(noiseAmplitude, snapNoiseAmplitude);
  CopyCell(bandwidth, snapBandwidth);
  CopyCell(rolloff, snapRolloff);
  CopyCells(flatnessLevels, snapFlatnessLevels);
  CopyCell(responseTable, snapResponseTable);
  CopyCell(responseMode, snapResponseMode);
}

void SignalEngine::RelayInvalidation() {
  if (commonRelay.IsStale()) {
    commonRelay.Refresh();
    for (CachedNode* node : {&patternNode, &waveformNode, &axesNode, &riseFilterNode,
                             &inputTracesNode, &groupDelayNode, &scopeFilterNode, &outputsNode})
      node->Stamp();
  }
  if (bandwidthRelay.IsStale()) {
    bandwidthRelay.Refresh();
    groupDelayNode.Stamp();
    scopeFilterNode.Stamp();
  }
}

bool SignalEngine::BeginStage(CachedNode& node, EngineStage stage,
                              std::initializer_list<CachedNode*> dependants) {
  if (node.IsCurrent()) return false;
  node.Refresh();
  for (CachedNode* dependant : dependants) dependant->Stamp();
  ++recomputeCounts[static_cast<int>(stage)];
  return true;
}

const Matrix& SignalEngine::InputTraces() {
  Synchronize();
  return inputTraces;
}

const Matrix& SignalEngine::OutputTraces() {
  Synchronize();
  return outputTraces;
}

const SampleTable& SignalEngine::ScopeMagnitudeTrace() {
  Synchronize();
  return magnitudeTrace;
}

const SampleTable& SignalEngine::ScopePhaseTrace() {
  Synchronize();
  return phaseTrace;
}

const SampleTable& SignalEngine::OutputSpectrumTrace() {
  Synchronize();
  return outputSpectrumTrace;
}

const SampleTable& SignalEngine::InputSpectrumTrace() {
  Synchronize();
  return inputSpectrumTrace;
}

}  // namespace tovan
