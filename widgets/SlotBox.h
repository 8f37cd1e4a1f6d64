#pragma once
// The design settings of the memory slot box of the slot dialog: slots -1 to 99, showing 0.

class TiIntegerOutput;

namespace widgets {

inline constexpr int kSlotBoxMin = -1;
inline constexpr int kSlotBoxMax = 99;

void ConfigureSlotBox(TiIntegerOutput& box);

}  // namespace widgets
