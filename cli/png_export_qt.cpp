// The one file of the command line that uses Qt: built only with the plot library.
#include <QString>

#include "document/text_fields.h"
#include "cli/png_export.h"
#include "plot/plot_export.h"

namespace tovan {

bool PngExportAvailable() { return true; }

std::string WritePngFiles(SignalEngine& engine, const CliOptions& options) {
  const int w = options.pngWidth;
  const int h = options.pngHeight;
  if (options.pngTimePath &&
      !ExportTimeViewPng(engine, QString::fromStdString(*options.pngTimePath), w, h))
    return "cannot write " + Quoted(*options.pngTimePath);
  if (options.pngFreqPath &&
      !ExportFreqViewPng(engine, QString::fromStdString(*options.pngFreqPath), w, h))
    return "cannot write " + Quoted(*options.pngFreqPath);
  return "";
}

}  // namespace tovan
