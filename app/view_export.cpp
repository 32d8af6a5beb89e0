#include "app/view_export.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
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

bool ExportView(CGLPlotWnd& view, const QString& path, ExportFormat format,
                const std::optional<std::string>& figureTitle) {
  const QSize size = view.PixelSize();
  if (figureTitle) {
    const QSize plotSize = format == ExportFormat::PngDoubleSize ? size * 2 : size;
    return view.ExportFigure(path, plotSize, format == ExportFormat::Svg, *figureTitle);
  }
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

// The toolkit's own file dialog, so that it can carry the check box.
void RunExportViewCommand(QWidget* parent, CGLPlotWnd& view, const QString& title,
                          const std::string& settings) {
  QFileDialog dialog(parent, title, QString(), FilterList());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  auto* figure = new QCheckBox(kFigureChoice, &dialog);
  figure->setChecked(true);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(figure, grid->rowCount(), 0, 1, grid->columnCount());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const ExportChoice& choice = ExportChoiceForFilter(dialog.selectedNameFilter());
  const QString path = PathWithSuffix(dialog.selectedFiles().front(), choice);
  const std::optional<std::string> figureTitle =
      figure->isChecked() ? std::optional<std::string>(settings) : std::nullopt;
  if (!ExportView(view, path, choice.format, figureTitle))
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
