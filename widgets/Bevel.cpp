#include "widgets/Bevel.h"

#include <qdrawutil.h>

namespace widgets {

void DrawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TiBorderStyle style) {
    if (style == TiBorderStyle::ibsNone) {
        return;
    }
    qDrawWinPanel(&painter, rect, palette, style == TiBorderStyle::ibsLowered, nullptr);
}

}  // namespace widgets
