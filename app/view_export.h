#pragma once

#include <QString>
#include <optional>
#include <span>
#include <string>

class QWidget;

namespace tovan {

class CGLPlotWnd;
class SignalEngine;

// The File menu's export commands.

enum class ExportFormat { Png, PngDoubleSize, Svg };

// One choice of the save dialog: its filter text, what it writes and the suffix a
// path without one gets.
struct ExportChoice {
  const char* filter;
  ExportFormat format;
  const char* suffix;
};

// The choices in the order the save dialog lists them (the first is the default).
std::span<const ExportChoice> ExportChoices();

// The choice whose filter text is `filter`; the first choice for any other text.
const ExportChoice& ExportChoiceForFilter(const QString& filter);

// `path` with the choice's suffix appended when its file name has no suffix.
QString PathWithSuffix(const QString& path, const ExportChoice& choice);

// Writes the view's current picture: PNG at the pane's size in device pixels, or
// twice that in both directions, or SVG at the pane's size. With a figure title the
// picture becomes a report figure (plot/report_figure.h): the same picture with
// axes, legend and that title line around it; without one it is the bare picture.
// False when it fails.
bool ExportView(CGLPlotWnd& view, const QString& path, ExportFormat format,
                const std::optional<std::string>& figureTitle = std::nullopt);

// The save dialog's check box choosing a report figure over the bare picture
// (checked at first).
inline constexpr const char* kFigureChoice = "Axes, legend and settings";

// "Export Time View..." and "Export Frequency View...": asks for a file (the
// dialog titled `title`, with the kFigureChoice check box), writes it with
// `settings` as the figure's title, and reports a failure in a message box.
void RunExportViewCommand(QWidget* parent, CGLPlotWnd& view, const QString& title,
                          const std::string& settings);

// Writes the command line's CSV files (cli/csv_export.h) into `folder`, creating it
// when missing; "" on success, else one line saying what could not be written.
QString ExportDataTo(SignalEngine& engine, const QString& folder);

// "Export Data...": asks for a folder and writes the command line's CSV files into
// it, reporting a failure in a message box.
void RunExportDataCommand(QWidget* parent, SignalEngine& engine);

}  // namespace tovan
