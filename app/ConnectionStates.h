#pragma once
// The link states of the main window and what each leaves the operator: which toolbar buttons
// and groups are usable, whether the range button is hidden, and the link panel's text and
// picture. A connection action applies the row of the state it leads to; a dash in a row
// ("Same", nullptr, kTagUnchanged) leaves that control as the previous state left it.

#include <cstddef>

class TForm1;

enum class ConnectionState : int {
    StartUp,        // FormShow: not connected, as the form was designed
    Synchronising,  // act_connect: the port is open and the instrument is being read
    Connected,      // act_connect_ok: the link is confirmed
    LinkFailed,     // act_connect_error: the instrument did not answer; the port stays open
    Disconnected,   // act_disconnect: the port is closed
    Count,          // not a state: how many there are, one table row each
};

enum class Usable : unsigned char { Off, On, Same };

inline constexpr int kTagUnchanged = -1;

struct ConnectionRow {
    ConnectionState state;
    // Toolbar: connect, disconnect, recall, save, port dialog, About; then the range button.
    Usable btn16, btn1, btn12, btn2, btn13, btn17;
    bool hidesBtn20;
    // Link panel text (nullptr: unchanged) and status bar tag, the link picture (il1 index).
    const char* panel0;
    int tag;
    // The "Params Set" and "Output" groups.
    Usable grp2, grp3;
};

const ConnectionRow& RowOf(ConnectionState state);

// The whole row: the toolbar columns, then the status and group columns.
void ApplyConnectionState(ConnectionState state, TForm1& window);

// The toolbar columns of the state's row: the buttons, then the range button.
void ApplyToolbarOf(ConnectionState state, TForm1& window);
// The rest of the row: the link panel's text, the tag, then the two groups.
void ApplyStatusAndGroupsOf(ConnectionState state, TForm1& window);
