#pragma once
// The program's voltage read-out and a decoder that reads back, from painted pixels, which
// glyph each cell shows.

#include <QImage>
#include <string>

#include "widgets/TiSevenSegmentAnalog.h"

namespace widgets_test {

// Five cells, three decimals, green segments, no unlit segments, sunken border.
void ConfigureAsVoltageReadout(TiSevenSegmentAnalog& readout);

// The glyph painted in a 20 x 36 cell at (left, top): "0".."9", " " for blank, "^" and "v"
// for arrows, "?" for any other lit pattern. A pixel counts as lit when it is not `background`.
char DecodeCell(const QImage& image, int left, int top, QRgb background);

// The glyphs of the five cells of the voltage read-out, as a string.
std::string DecodeVoltageReadout(const QImage& image);

}  // namespace widgets_test
