#include "app/main_dialog_layout.h"

#include "app/main_dialog_template.h"

namespace tovan {

namespace {

DialogRect TemplateRect(int id) {
  for (const ControlTemplate& control : MainDialogTemplate().controls)
    if (control.id == id) return control.rect;
  return {};
}

}  // namespace

ControlShift MainControlShift(int id, DialogRect rect, WindowGrowth growth, DialogRect timePlot,
                              DialogRect freqPlot) {
  const int upperShare =
      MulDivRounded(growth.height, timePlot.height, timePlot.height + freqPlot.height);
  if (id == kTimePlot) return {0, 0, growth.width, upperShare};
  if (id == kFreqPlot) return {0, upperShare, growth.width, growth.height - upperShare};
  ControlShift shift;
  const bool rightColumn = rect.x >= timePlot.x + timePlot.width;
  if (rightColumn) shift.dx = growth.width;
  if (rect.y >= freqPlot.y + freqPlot.height)
    shift.dy = growth.height;
  else if (rightColumn && rect.y >= timePlot.y + timePlot.height)
    shift.dy = upperShare;
  return shift;
}

ControlShift MainControlShift(int id, DialogRect rect, WindowGrowth growth) {
  return MainControlShift(id, rect, growth, TemplateRect(kTimePlot), TemplateRect(kFreqPlot));
}

}  // namespace tovan
