#include "session/ReportedLevel.h"

#include <QObject>
#include <QString>

#include "widgets/TFlatSpinEditFloat.h"

namespace {

// A reported level that the edit's bounds clamped, and the text the edit showed for it. A
// child of the edit, so it lives no longer than the edit.
class ClampedLevel : public QObject {
    Q_OBJECT

  public:
    ClampedLevel(TFlatSpinEditFloat& edit, double reported)
        : QObject(&edit), reported(reported), shown(edit.Text()) {}

    const double reported;
    const QString shown;
};

ClampedLevel* ClampedLevelOf(const TFlatSpinEditFloat& edit) {
    return edit.findChild<ClampedLevel*>(QString(), Qt::FindDirectChildrenOnly);
}

bool Clamps(const TFlatSpinEditFloat& edit, double value) {
    return edit.MinValue() != edit.MaxValue() &&
           (value > edit.MaxValue() || value < edit.MinValue());
}

}  // namespace

void ShowReportedLevel(TFlatSpinEditFloat& edit, double reported) {
    delete ClampedLevelOf(edit);
    edit.SetValue(reported);
    if (Clamps(edit, reported)) {
        new ClampedLevel(edit, reported);  // owned by the edit
    }
}

void ShowReportedMaximum(TFlatSpinEditFloat& edit, double maximum) {
    const bool raised = maximum > edit.MaxValue();
    edit.SetMaxValue(maximum);
    const ClampedLevel* level = ClampedLevelOf(edit);
    if (level == nullptr || !raised) {
        return;
    }
    if (edit.Text() == level->shown) {
        ShowReportedLevel(edit, level->reported);
    } else {
        delete level;  // the operator has written the edit since: leave it
    }
}

#include "ReportedLevel.moc"
