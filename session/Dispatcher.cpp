#include "session/Dispatcher.h"

#include <QAction>
#include <QColor>
#include <QLabel>
#include <algorithm>
#include <string_view>

#include "platform/Clock.h"
#include "scpi/CommandCatalogue.h"
#include "scpi/Scpi.h"
#include "session/LinkHealth.h"
#include "session/PictureIndices.h"
#include "session/ReplyParsing.h"
#include "session/ReportedLevel.h"
#include "session/Scheduler.h"
#include "session/SessionState.h"
#include "widgets/PanelLamps.h"
#include "widgets/StatusPanels.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiIntegerOutput.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

// The instrument gets a moment after its answer before the tick this reply runs may send it
// the next line.
constexpr std::uint32_t kPauseAfterReplyMs = 10;

ReplyReading Read(bool parsed) {
    return parsed ? ReplyReading::NumberParsed : ReplyReading::NumberUnparsed;
}

ReplyReading SetNumber(std::string_view reply, const auto& setter) {
    const auto value = ParseNumberReply(reply);
    if (value) {
        setter(static_cast<double>(*value));
    }
    return Read(value.has_value());
}

void ShowTrip(TiLedRectangle* lamp, bool tripped) {
    lamp->SetActiveColor(
        QColor::fromRgb(tripped ? widgets::kTripLampTrippedColour : widgets::kTripLampIdleColour));
    lamp->SetActive(tripped);
}

void ShowLimitsCaption(const SessionControls& c) {
    c.mainWindow->setWindowTitle(LimitsCaption(c.edt1->MaxValue(), c.edt2->MaxValue()));
}

// Returns how the reply was read, for the link's health: only numbers can fail to parse.
ReplyReading ApplyReply(const SessionControls& c, CommandId id, std::string_view reply,
                        const QString& replyText) {
    switch (id) {
        case cmd::IdnQuery:
            c.stat1->SetPanelText(widgets::kDevicePanel,
                                  QStringLiteral("Device Version:") + replyText);
            c.Form2_Label3->setText(replyText);
            break;
        case cmd::ApplyQuery:
            if (const auto setPoints = ParseApplyReply(reply)) {
                ShowReportedLevel(*c.edt1, setPoints->voltage);
                ShowReportedLevel(*c.edt2, setPoints->current);
                return ReplyReading::NumberParsed;
            }
            return ReplyReading::NumberUnparsed;
        case cmd::MeasCurrQuery:
            return SetNumber(reply, [&](double v) { c.isvnsgmntnlg2->SetValue(v); });
        case cmd::MeasPowQuery:
            return SetNumber(reply, [&](double v) { c.iSevenSegmentAnalog1->SetValue(v); });
        case cmd::MeasQuery:
            return SetNumber(reply, [&](double v) { c.isvnsgmntnlg1->SetValue(v); });
        case cmd::OutpQuery: {
            const bool on = IsOnReply(reply);
            c.ildrctngl1->SetActive(on);
            c.img2->SetShowState(on ? kSwitchPictureOn : kSwitchPictureOff);
            break;
        }
        case cmd::CurrProtStatQuery:
            c.img3->SetShowState(IsOnReply(reply) ? kSwitchPictureOn : kSwitchPictureOff);
            break;
        case cmd::CurrProtTripQuery:
            ShowTrip(c.iLedRectangle2, IsOnReply(reply));
            break;
        case cmd::CurrProtQuery:
            return SetNumber(reply, [&](double v) { ShowReportedLevel(*c.edt4, v); });
        case cmd::CurrProtMaxQuery:
            return SetNumber(reply, [&](double v) { ShowReportedMaximum(*c.edt4, v); });
        case cmd::CurrMaxQuery:
            return SetNumber(reply, [&](double v) {
                ShowReportedMaximum(*c.edt2, v);
                ShowLimitsCaption(c);
            });
        case cmd::VoltProtStatQuery:
            c.img1->SetShowState(IsOnReply(reply) ? kSwitchPictureOn : kSwitchPictureOff);
            break;
        case cmd::VoltProtTripQuery:
            ShowTrip(c.iLedRectangle1, IsOnReply(reply));
            break;
        case cmd::VoltProtQuery:
            return SetNumber(reply, [&](double v) { ShowReportedLevel(*c.edt3, v); });
        case cmd::VoltProtMaxQuery:
            return SetNumber(reply, [&](double v) { ShowReportedMaximum(*c.edt3, v); });
        case cmd::VoltRangQuery:
            c.stat1->SetPanelText(widgets::kRangePanel, QStringLiteral("Range: ") + replyText);
            c.btn20->SetImageIndex(reply == "LOW\n" ? pictures::kToolbarWordHigh
                                                    : pictures::kToolbarWordLow);
            c.btn20->setVisible(true);
            break;
        case cmd::VoltMaxQuery:
            return SetNumber(reply, [&](double v) {
                ShowReportedMaximum(*c.edt1, v);
                ShowLimitsCaption(c);
            });
        case cmd::StatOperQuery:
            if (const auto status = ParseOperationStatusReply(reply)) {
                ShowTrip(c.iLedRectangle1, (*status & kOperStatusOvpTripped) != 0);
                ShowTrip(c.iLedRectangle2, (*status & kOperStatusOcpTripped) != 0);
                return ReplyReading::NumberParsed;
            }
            return ReplyReading::NumberUnparsed;
        case cmd::SystMemQuery:
            if (const auto slot = ParseMemoryReply(reply)) {
                c.Form6_iIntegerOutput1->SetValue(*slot);
                return ReplyReading::NumberParsed;
            }
            return ReplyReading::NumberUnparsed;
        case cmd::SystVersQuery:
            c.stat1->SetPanelText(widgets::kScpiPanel, QStringLiteral("SCPI Version ") + replyText);
            c.Form2_Label4->setText(replyText);
            break;
        default:
            break;  // the reply only moves the scheduler on
    }
    return ReplyReading::Text;
}

}  // namespace

void DispatchReply(const SessionControls& controls, const char* bytes, std::uint16_t count) {
    DisarmCmdTimer(controls);
    // A receive event queued before the main window closed finds no session to update.
    if (!SessionListsExist()) {
        return;
    }
    const std::string_view reply(bytes, std::min<std::size_t>(count, kMaxReplyBytes));
    const CommandId id = CurrentCommand.id;
    if (!IsCatalogued(id)) {
        return;
    }
    CurrentCommand.awaitReply = 0;
    const ReplyReading reading =
        ApplyReply(controls, id, reply,
                   QString::fromLatin1(reply.data(), static_cast<qsizetype>(reply.size())));
    if (controls.linkHealth != nullptr) {
        controls.linkHealth->ReplyReceived(reply, reading);
    }
    platform::Sleep(kPauseAfterReplyMs);
    controls.act_cmd_timer->trigger();
    // The last synchronisation reply confirms the link, after the tick it ran.
    if (id == cmd::VoltProtMaxQuery && LinkConfirmed == 0) {
        controls.act_connect_ok->trigger();
        LinkConfirmed = 1;
    }
}
