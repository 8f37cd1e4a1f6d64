// Any reply under any identifier of the catalogue (and some outside it) reaches the real
// target widgets through the dispatcher. Nothing may crash, and no widget may change but
// the ones that identifier writes; a number target changes only for a reply that reads as
// a whole number, to that number.
#include <QColor>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/FuzzApplication.h"
#include "fuzz/ReferenceNumbers.h"
#include "scpi/CommandCatalogue.h"
#include "scpi/Scpi.h"
#include "session/ReplyParsing.h"
#include "tests/session/DispatcherRig.h"

namespace {

// What the dispatcher can write, one field per target.
struct Snapshot {
    double voltage, current, power;  // the read-outs
    QString edt1, edt2, edt3, edt4;
    double max1, max2, max3, max4;
    bool lamp1, lamp2, outputLamp;
    QColor colour1, colour2;
    int img1, img2, img3;
    int rangeImage;
    bool rangeVisible;
    QString rangePanel, devicePanel, scpiPanel;
    QString aboutDevice, aboutScpi;
    int slot;

    bool operator==(const Snapshot&) const = default;

    static Snapshot Of(const DispatcherRig& r) {
        return {r.isvnsgmntnlg1.Value(),
                r.isvnsgmntnlg2.Value(),
                r.iSevenSegmentAnalog1.Value(),
                r.edt1.Text(),
                r.edt2.Text(),
                r.edt3.Text(),
                r.edt4.Text(),
                r.edt1.MaxValue(),
                r.edt2.MaxValue(),
                r.edt3.MaxValue(),
                r.edt4.MaxValue(),
                r.iLedRectangle1.Active(),
                r.iLedRectangle2.Active(),
                r.ildrctngl1.Active(),
                r.iLedRectangle1.ActiveColor(),
                r.iLedRectangle2.ActiveColor(),
                r.img1.ShowState(),
                r.img2.ShowState(),
                r.img3.ShowState(),
                r.btn20.ImageIndex(),
                r.btn20.isVisibleTo(&r.mainWindow),
                r.stat1.PanelText(1),
                r.stat1.PanelText(2),
                r.stat1.PanelText(3),
                r.aboutDevice.text(),
                r.aboutScpi.text(),
                r.slot.Value()};
    }
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

DispatcherRig& Rig() {
    fuzzref::EnsureApplication();
    // Like the application, never destroyed.
    static DispatcherRig* const rig = new DispatcherRig();
    return *rig;
}

// The design state, restored before every input so that each one runs alone.
void Reset(DispatcherRig& r) {
    for (auto [edit, max] :
         {std::pair{&r.edt1, 36.0}, {&r.edt2, 3.0}, {&r.edt3, 36.0}, {&r.edt4, 3.0}}) {
        edit->SetMaxValue(max);
        edit->SetValue(max / 2);
    }
    r.isvnsgmntnlg1.SetValue(1.5);
    r.isvnsgmntnlg2.SetValue(0.25);
    r.iSevenSegmentAnalog1.SetValue(0.375);
    r.slot.SetValue(0);
    SessionPhase = kSessionPolling;
    SyncIndex = 0;
    PollIndex = 0;
    LinkConfirmed = 1;
    UserQueue->clear();
    UserQueueArgs->clear();
    r.connectionEvents.clear();
    r.clock.clearSleeps();
}

// A whole number in the reply, as the instrument's number replies are read.
std::optional<double> NumberIn(std::string_view reply, bool& unclear) {
    const fuzzref::Decimal d = fuzzref::ReadDecimal(fuzzref::WithoutLineEnd(reply));
    unclear = d.underflows;
    return d.value ? std::optional<double>(*d.value) : std::nullopt;
}

// A number target: unchanged unless the reply is a whole number; then `check` holds.
template <typename T, typename Check>
void NumberTarget(std::string_view reply, const T& before, const T& after, Check check) {
    bool unclear = false;
    const auto number = NumberIn(reply, unclear);
    if (number) {
        Require(check(*number));
    } else if (!unclear) {
        Require(before == after);
    }
}

double ShownOnReadout(double value) {
    return value > 1e15 ? 1e15 : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 2048 + 1) {
        return 0;
    }
    DispatcherRig& r = Rig();
    Reset(r);
    const auto rows = CommandCatalogue();
    // One choice in eight is an identifier outside the catalogue.
    const std::size_t choice = data[0] % (rows.size() + rows.size() / 8 + 1);
    const CommandId id = choice < rows.size() ? rows[choice].id : 0x7F00 + data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view reply = bytes.substr(0, std::min(bytes.size(), kMaxReplyBytes));

    CurrentCommand = S_SCPI_CMD{"", id, 0, 500, 1};
    const Snapshot before = Snapshot::Of(r);
    r.receive(bytes);
    const Snapshot after = Snapshot::Of(r);

    // Each identifier's targets are checked, then copied over, so that the rest must be
    // untouched.
    Snapshot expected = before;
    switch (id) {
        case cmd::IdnQuery:
            expected.devicePanel = after.devicePanel;
            expected.aboutDevice = after.aboutDevice;
            break;
        case cmd::SystVersQuery:
            expected.scpiPanel = after.scpiPanel;
            expected.aboutScpi = after.aboutScpi;
            break;
        case cmd::ApplyQuery: {
            const auto fields = SplitReplyFields(reply);
            bool whole = fields.size() == 2;
            bool unclear = false;
            for (std::size_t i = 0; whole && i < 2; ++i) {
                const fuzzref::Decimal d = fuzzref::ReadDecimal(fields[i]);
                whole = d.value.has_value();
                unclear = unclear || d.underflows;
            }
            if (whole || unclear) {
                expected.edt1 = after.edt1;
                expected.edt2 = after.edt2;
            }
            break;
        }
        case cmd::MeasQuery:
            NumberTarget(reply, before.voltage, after.voltage,
                         [&](double v) { return after.voltage == ShownOnReadout(v); });
            expected.voltage = after.voltage;
            break;
        case cmd::MeasCurrQuery:
            NumberTarget(reply, before.current, after.current,
                         [&](double v) { return after.current == ShownOnReadout(v); });
            expected.current = after.current;
            break;
        case cmd::MeasPowQuery:
            NumberTarget(reply, before.power, after.power,
                         [&](double v) { return after.power == ShownOnReadout(v); });
            expected.power = after.power;
            break;
        case cmd::VoltProtQuery:
            NumberTarget(reply, before.edt3, after.edt3, [](double) { return true; });
            expected.edt3 = after.edt3;
            break;
        case cmd::CurrProtQuery:
            NumberTarget(reply, before.edt4, after.edt4, [](double) { return true; });
            expected.edt4 = after.edt4;
            break;
        // A raised bound may show again a level the instrument reported, in its edit.
        case cmd::VoltProtMaxQuery:
            NumberTarget(reply, before.max3, after.max3, [&](double v) { return after.max3 == v; });
            NumberTarget(reply, before.edt3, after.edt3, [](double) { return true; });
            expected.max3 = after.max3;
            expected.edt3 = after.edt3;
            break;
        case cmd::CurrProtMaxQuery:
            NumberTarget(reply, before.max4, after.max4, [&](double v) { return after.max4 == v; });
            NumberTarget(reply, before.edt4, after.edt4, [](double) { return true; });
            expected.max4 = after.max4;
            expected.edt4 = after.edt4;
            break;
        case cmd::VoltMaxQuery:
            NumberTarget(reply, before.max1, after.max1, [&](double v) { return after.max1 == v; });
            expected.max1 = after.max1;
            break;
        case cmd::CurrMaxQuery:
            NumberTarget(reply, before.max2, after.max2, [&](double v) { return after.max2 == v; });
            expected.max2 = after.max2;
            break;
        case cmd::OutpQuery:
            Require(after.outputLamp == (reply == "ON\n"));
            expected.outputLamp = after.outputLamp;
            expected.img2 = after.img2;
            break;
        case cmd::VoltProtStatQuery:
            expected.img1 = after.img1;
            break;
        case cmd::CurrProtStatQuery:
            expected.img3 = after.img3;
            break;
        case cmd::VoltProtTripQuery:
            Require(after.lamp1 == (reply == "ON\n"));
            expected.lamp1 = after.lamp1;
            expected.colour1 = after.colour1;
            break;
        case cmd::CurrProtTripQuery:
            Require(after.lamp2 == (reply == "ON\n"));
            expected.lamp2 = after.lamp2;
            expected.colour2 = after.colour2;
            break;
        case cmd::VoltRangQuery:
            Require(after.rangeVisible);
            expected.rangePanel = after.rangePanel;
            expected.rangeImage = after.rangeImage;
            expected.rangeVisible = after.rangeVisible;
            break;
        case cmd::StatOperQuery: {
            const auto status = reply.size() >= 2
                                    ? fuzzref::ReadInteger(reply.substr(1, reply.size() - 2))
                                    : std::nullopt;
            if (status) {
                Require(after.lamp1 == ((*status & 1) != 0));
                Require(after.lamp2 == ((*status & 2) != 0));
                expected.lamp1 = after.lamp1;
                expected.lamp2 = after.lamp2;
                expected.colour1 = after.colour1;
                expected.colour2 = after.colour2;
            }
            break;
        }
        case cmd::SystMemQuery: {
            const auto slot = reply.empty()
                                  ? std::nullopt
                                  : fuzzref::ReadInteger(reply.substr(0, reply.size() - 1));
            if (slot) {
                Require(after.slot == std::clamp(*slot, -1, 99));
                expected.slot = after.slot;
            }
            break;
        }
        default:
            break;  // only moves the scheduler on
    }
    Require(expected == after);
    // The sender's pauses ran on the virtual clock.
    Require(r.clock.totalSleptMs() < 60000);
    return 0;
}
