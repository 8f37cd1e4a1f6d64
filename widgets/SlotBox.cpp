#include "widgets/SlotBox.h"

#include "widgets/TiIntegerOutput.h"

namespace widgets {

void ConfigureSlotBox(TiIntegerOutput& box) {
    box.SetValueMin(kSlotBoxMin);
    box.SetValueMax(kSlotBoxMax);
    box.SetValue(0);
}

}  // namespace widgets
