#include "widgets/SetpointEdit.h"

#include "widgets/TFlatSpinEditFloat.h"

namespace widgets {

void ConfigureSetpointEdit(TFlatSpinEditFloat& edit, double designMax) {
    edit.SetMinValue(0);
    edit.SetMaxValue(designMax);
    edit.SetIncrement(0.5);
    edit.SetDigits(3);
    edit.SetPrecision(9);
    edit.SetFloatFormat(TFloatFormat::ffFixed);
    edit.SetValue(0);
}

}  // namespace widgets
