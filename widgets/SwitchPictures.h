#pragma once
// The switch pictures of the main window, drawn at run time: the protection enable slide
// switches (60 x 25) and the output rocker switch (48 x 24), each off and on. Fully opaque.

#include <QImage>

namespace widgets {

// Light-grey slide switch: off has a red "OFF" at the left and the ribbed knob at the right,
// on has the knob at the left and a green "ON" at the right.
QImage SlideSwitchPicture(bool on);

// Rocker marked O and I: off has the O side pressed, on the I side.
QImage RockerSwitchPicture(bool on);

}  // namespace widgets
