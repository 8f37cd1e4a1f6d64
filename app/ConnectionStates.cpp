#include "app/ConnectionStates.h"

#include <QGroupBox>
#include <iterator>

#include "app/Unit1.h"
#include "session/PictureIndices.h"
#include "widgets/StatusPanels.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"

namespace {

constexpr Usable Off = Usable::Off;
constexpr Usable On = Usable::On;
constexpr Usable Same = Usable::Same;
constexpr int kNotConnectedPicture = pictures::kStatusPartedPlug;
constexpr int kConnectedPicture = pictures::kStatusJoinedPlug;
constexpr char kOpenSuccessText[] = "RS232 Open Sucess!";

// At start-up the form's design already has the range button hidden, both groups disabled,
// and the link panel with its design text and the not-connected picture.
// clang-format off
constexpr ConnectionRow kRows[] = {
//   state                           btn16 btn1  btn12 btn2  btn13 btn17 hides btn20
//                                   panel 0                      tag                   grp2  grp3
    {ConnectionState::StartUp,       On,   Off,  Off,  Off,  On,   On,   false,
                                     nullptr,                     kTagUnchanged,        Same, Same},
    {ConnectionState::Synchronising, Off,  Same, Same, Same, Off,  Same, false,
                                     nullptr,                     kTagUnchanged,        Same, Same},
    {ConnectionState::Connected,     Off,  On,   On,   On,   Same, Same, false,
                                     kOpenSuccessText,            kConnectedPicture,    On,   On},
    {ConnectionState::LinkFailed,    On,   Off,  Off,  Off,  On,   Same, false,
                                     nullptr,                     kTagUnchanged,        Off,  Off},
    {ConnectionState::Disconnected,  On,   Off,  Off,  Off,  On,   On,   true,
                                     widgets::kPleaseConnectText, kNotConnectedPicture, Off,  Off},
};
// clang-format on

constexpr bool RowsFollowTheStates() {
    if (std::size(kRows) != static_cast<std::size_t>(ConnectionState::Count)) {
        return false;
    }
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (static_cast<std::size_t>(kRows[i].state) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTheStates(), "one row per ConnectionState, in its order");

void Apply(Usable usable, QWidget* control) {
    if (usable != Usable::Same) {
        control->setEnabled(usable == Usable::On);
    }
}

}  // namespace

const ConnectionRow& RowOf(ConnectionState state) {
    return kRows[static_cast<std::size_t>(state)];
}

void ApplyToolbarOf(ConnectionState state, TForm1& window) {
    const ConnectionRow& row = RowOf(state);
    Apply(row.btn16, window.btn16);
    Apply(row.btn1, window.btn1);
    Apply(row.btn12, window.btn12);
    Apply(row.btn2, window.btn2);
    Apply(row.btn13, window.btn13);
    Apply(row.btn17, window.btn17);
    if (row.hidesBtn20) {
        window.btn20->setVisible(false);
    }
}

void ApplyConnectionState(ConnectionState state, TForm1& window) {
    ApplyToolbarOf(state, window);
    ApplyStatusAndGroupsOf(state, window);
}

void ApplyStatusAndGroupsOf(ConnectionState state, TForm1& window) {
    const ConnectionRow& row = RowOf(state);
    if (row.panel0 != nullptr) {
        window.stat1->SetPanelText(widgets::kLinkPanel, row.panel0);
    }
    if (row.tag != kTagUnchanged) {
        window.stat1->SetTag(row.tag);
    }
    Apply(row.grp2, window.grp2);
    Apply(row.grp3, window.grp3);
}
