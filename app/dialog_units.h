#pragma once

namespace tovan {

// A control's rectangle in dialog units: x, y, width, height.
struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

// The dialog base units of a font: its average character width and its height in
// pixels. A horizontal dialog unit is baseX / 4 pixels, a vertical one baseY / 8.
struct DialogBaseUnits {
  int baseX;
  int baseY;
};

// The average character width from the summed advance of the 52 letters A-Z a-z,
// rounded to the nearest pixel: (sum + 26) / 52.
int AverageCharWidth(int alphabetAdvance);

// value x numerator / denominator rounded to the nearest integer, halves away from
// zero, with a 64-bit intermediate; 0 for a zero denominator.
int MulDivRounded(int value, int numerator, int denominator);

// The pixel rectangle of a dialog-unit rectangle: left and top from x and y, right
// and bottom from x + width and y + height, each mapped on its own.
struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};
PixelRect DialogToPixels(DialogRect rect, DialogBaseUnits units);
int DialogXToPixels(int x, DialogBaseUnits units);
int DialogYToPixels(int y, DialogBaseUnits units);

}  // namespace tovan
