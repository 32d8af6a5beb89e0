// Frame times of the two plots on this machine's OpenGL, drawn into an offscreen
// framebuffer of the main dialog's pane sizes: building the frame from the engine's
// (already computed) traces plus drawing it, waited for with glFinish. Beside them,
// what the main window adds per tick (the eye read-out, idle and after a change) and
// the QPainter export of the same pictures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLVersionFunctionsFactory>
#include <memory>

#include "app/eye_figures_cache.h"
#include "app/surface_format.h"
#include "engine/signal_engine.h"
#include "plot/engine_view_frames.h"
#include "plot/plot_export.h"
#include "plot/plot_renderer.h"

namespace tovan {
namespace {

// The panes' client sizes at 6 x 13 pixel dialog base units.
constexpr int kTimeWidth = 324, kTimeHeight = 232;
constexpr int kFreqWidth = 324, kFreqHeight = 162;

struct OffscreenGl {
  QOffscreenSurface surface;
  QOpenGLContext context;
  std::unique_ptr<QOpenGLFramebufferObject> timeBuffer, freqBuffer;
  QOpenGLFunctions_2_1* gl = nullptr;

  bool Create() {
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface)) return false;
    gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_2_1>(&context);
    if (!gl || !gl->initializeOpenGLFunctions()) return false;
    const auto depth = QOpenGLFramebufferObject::Depth;
    timeBuffer = std::make_unique<QOpenGLFramebufferObject>(kTimeWidth, kTimeHeight, depth);
    freqBuffer = std::make_unique<QOpenGLFramebufferObject>(kFreqWidth, kFreqHeight, depth);
    SetUpPlotState(*gl);
    return true;
  }
};

OffscreenGl* offscreen = nullptr;

void DrawBothPlots(SignalEngine& engine) {
  QOpenGLFunctions_2_1& gl = *offscreen->gl;
  offscreen->timeBuffer->bind();
  const PlotExtent timeExtent = SetUpPlotProjection(gl, kTimeWidth, kTimeHeight);
  DrawPlotFrame(gl, TimeViewFrame(engine, {}, timeExtent));
  offscreen->freqBuffer->bind();
  const PlotExtent freqExtent = SetUpPlotProjection(gl, kFreqWidth, kFreqHeight);
  DrawPlotFrame(gl, FreqViewFrame(engine, {}, freqExtent));
  gl.glFinish();
}

void RunFrames(benchmark::State& state, SignalEngine& engine) {
  DrawBothPlots(engine);  // computes the engine outside the timing
  for (auto _ : state) DrawBothPlots(engine);
}

void BM_DefaultPlots(benchmark::State& state) {
  SignalEngine engine;
  RunFrames(state, engine);
}

void BM_ThreeCells256SamplesPerBit(benchmark::State& state) {
  SignalEngine engine;
  engine.samplesPerBit.Write(256);
  engine.show3BitCells.Write(true);
  RunFrames(state, engine);
}

// A tick with nothing changed: one stamp comparison.
void BM_ReadoutIdleTick(benchmark::State& state) {
  SignalEngine engine;
  EyeFiguresCache cache;
  cache.Update(engine);
  for (auto _ : state) benchmark::DoNotOptimize(cache.Update(engine));
}

// A tick after the traces changed: the whole measurement (traces already computed).
void BM_ReadoutMeasure(benchmark::State& state) {
  SignalEngine engine;
  if (state.range(0) == 256) {
    engine.samplesPerBit.Write(256);
    engine.show3BitCells.Write(true);
  }
  engine.OutputTraces();
  for (auto _ : state) benchmark::DoNotOptimize(MeasureEngineEye(engine));
}

void BM_ExportTimeViewImage(benchmark::State& state) {
  SignalEngine engine;
  engine.OutputTraces();
  const QSize size(kTimeWidth, kTimeHeight);
  for (auto _ : state) benchmark::DoNotOptimize(RenderTimeView(engine, size));
}

void BM_ExportTimeViewSvg(benchmark::State& state) {
  SignalEngine engine;
  engine.OutputTraces();
  const QSize size(kTimeWidth, kTimeHeight);
  for (auto _ : state) benchmark::DoNotOptimize(TimeViewSvg(engine, size));
}

BENCHMARK(BM_DefaultPlots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeCells256SamplesPerBit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadoutIdleTick);
BENCHMARK(BM_ReadoutMeasure)->Arg(32)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTimeViewImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTimeViewSvg)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tovan

int main(int argc, char** argv) {
  tovan::SetDefaultPlotSurfaceFormat();
  QGuiApplication application(argc, argv);
  tovan::OffscreenGl gl;
  if (!gl.Create()) return 1;
  tovan::offscreen = &gl;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
