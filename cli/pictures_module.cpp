// The one file of the command line that uses Qt: the pictures module, built only with
// the plot library and loaded by png_export_loader.cpp when a picture is asked for.
#include <QGuiApplication>
#include <QString>
#include <optional>
#include <string>
#include <type_traits>

#include "cli/pictures_module.h"
#include "document/settings_line.h"
#include "document/text_fields.h"
#include "plot/plot_export.h"
#include "plot/report_figure.h"

namespace tovan {

namespace {

// Drops Qt's own notes (a missing runtime folder, say) while the headless
// application starts: on success the command line writes nothing to stderr.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

bool SvgPath(const std::string& path) {
  return QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive);
}

// The preset's name while the scope settings are the preset's own, else "Custom".
std::string PresetPart(const CliOptions& options) {
  const bool scopeGiven = options.bandwidthGhz || options.rolloffDbPerDecade ||
                          options.groupDelayPs || options.flatnessDb;
  return options.applyPreset && !scopeGiven ? PresetName(options.preset) : PresetName(-1);
}

bool WriteBare(SignalEngine& engine, const std::string& path, bool time, int w, int h) {
  const QString file = QString::fromStdString(path);
  if (SvgPath(path))
    return time ? ExportTimeViewSvg(engine, file, w, h) : ExportFreqViewSvg(engine, file, w, h);
  return time ? ExportTimeViewPng(engine, file, w, h) : ExportFreqViewPng(engine, file, w, h);
}

bool WriteFigure(SignalEngine& engine, const std::string& path, bool time, QSize size,
                 const std::string& title) {
  const QString file = QString::fromStdString(path);
  const bool svg = SvgPath(path);
  return time ? ExportTimeFigure(engine, file, size, {}, title, svg)
              : ExportFreqFigure(engine, file, size, {}, title, svg);
}

std::string WritePictures(SignalEngine& engine, const CliOptions& options) {
  const int w = options.pngWidth;
  const int h = options.pngHeight;
  // Figures draw text, which needs fonts and so an application object; a headless
  // one serves where none exists.
  int argc = 3;
  char program[] = "tovan-cli", platform[] = "-platform", offscreen[] = "offscreen";
  char* argv[] = {program, platform, offscreen, nullptr};
  std::optional<QGuiApplication> fonts;
  if (!options.barePictures && !QGuiApplication::instance()) {
    const QtMessageHandler previous = qInstallMessageHandler(Quiet);
    fonts.emplace(argc, argv);
    qInstallMessageHandler(previous);
  }
  const std::string title = SettingsLine(engine, PresetPart(options));
  const std::pair<const std::optional<std::string>*, bool> pictures[] = {
      {&options.pngTimePath, true}, {&options.pngFreqPath, false}};
  for (const auto& [path, time] : pictures) {
    if (!*path) continue;
    const bool written = options.barePictures
                             ? WriteBare(engine, **path, time, w, h)
                             : WriteFigure(engine, **path, time, QSize(w, h), title);
    if (!written) return "cannot write " + Quoted(**path);
  }
  return "";
}

}  // namespace

}  // namespace tovan

extern "C" __attribute__((visibility("default"))) void TovanWritePictures(
    tovan::SignalEngine& engine, const tovan::CliOptions& options, std::string& problem) {
  problem = tovan::WritePictures(engine, options);
}

// The loader looks the entry point up by name and calls it through this type.
static_assert(std::is_same_v<decltype(&TovanWritePictures), tovan::WritePicturesFunction>);
