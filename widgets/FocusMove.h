#pragma once
// Whether a focus change is the operator moving between the program's controls. The focus
// also goes and comes back when the box's own context menu opens and closes, and when the
// window loses and regains activation (switching to another program): neither leaves the box.

#include <Qt>

namespace widgets {

inline bool FocusMovesBetweenControls(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace widgets
