#include "app/view_export.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "document/csv_export.h"
#include "plot/gl_plot_wnd.h"

namespace tovan {

namespace {

constexpr ExportChoice kChoices[] = {
    {"PNG image (*.png)", ExportFormat::Png, "png"},
    {"PNG image, twice the size (*.png)", ExportFormat::PngDoubleSize, "png"},
    {"SVG drawing (*.svg)", ExportFormat::Svg, "svg"},
};

QString FilterList() {
  QStringList filters;
  for (const ExportChoice& choice : kChoices) filters << choice.filter;
  return filters.join(";;");
}

}  // namespace

std::span<const ExportChoice> ExportChoices() { return kChoices; }

const ExportChoice& ExportChoiceForFilter(const QString& filter) {
  for (const ExportChoice& choice : kChoices)
    if (filter == choice.filter) return choice;
  return kChoices[0];
}

QString PathWithSuffix(const QString& path, const ExportChoice& choice) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + "." + choice.suffix;
}

bool ExportView(CGLPlotWnd& view, const QString& path, ExportFormat format) {
  const QSize size = view.PixelSize();
  switch (format) {
    case ExportFormat::Png:
      return view.ExportPng(path, size);
    case ExportFormat::PngDoubleSize:
      return view.ExportPng(path, size * 2);
    case ExportFormat::Svg:
      return view.ExportSvg(path, size);
  }
  return false;
}

void RunExportViewCommand(QWidget* parent, CGLPlotWnd& view, const QString& title) {
  QString filter = kChoices[0].filter;
  const QString chosen =
      QFileDialog::getSaveFileName(parent, title, QString(), FilterList(), &filter);
  if (chosen.isEmpty()) return;
  const ExportChoice& choice = ExportChoiceForFilter(filter);
  const QString path = PathWithSuffix(chosen, choice);
  if (!ExportView(view, path, choice.format))
    QMessageBox::warning(parent, title, QString("Could not write %1.").arg(path));
}

QString ExportDataTo(SignalEngine& engine, const QString& folder) {
  return QString::fromStdString(WriteCsvFiles(engine, QFile::encodeName(folder).toStdString()));
}

void RunExportDataCommand(QWidget* parent, SignalEngine& engine) {
  const QString folder = QFileDialog::getExistingDirectory(parent, "Export Data");
  if (folder.isEmpty()) return;
  const QString problem = ExportDataTo(engine, folder);
  if (!problem.isEmpty()) QMessageBox::warning(parent, "Export Data", problem);
}

}  // namespace tovan
