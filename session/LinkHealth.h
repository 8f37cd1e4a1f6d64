#pragma once
// Whether what the panel shows is still the instrument's: watches what already flows on the
// link (each reply and whether it could be read, each tick the timer started because the
// previous command went unanswered, the serial component's hang-up request) and holds one
// state. It sends nothing and changes nothing on the wire; the main window shows the state.
// Times are read from the platform clock, so the tests run on the virtual clock.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

enum class LinkState {
    Disconnected,  // no session: before the first connect, after disconnecting
    Live,          // replies come in and can be read
    Silent,        // several commands in a row went unanswered
    Unreadable,    // replies come in, but their bytes or numbers cannot be read
    Lost,          // the serial device went away or failed
};

// How the dispatcher read one reply.
enum class ReplyReading {
    Text,            // a reply read as text or as ON/OFF: any printable reply will do
    NumberParsed,    // a numeric reply that parsed
    NumberUnparsed,  // a numeric reply that did not parse
};

// The thresholds. Unanswered commands count in a row, up to the next reply of any kind;
// unreadable replies count over a run that the next readable reply ends. A healthy line may
// answer one command late (one unanswered command), split one reply in two (two numeric
// replies that do not parse) or catch one noise burst (one reply with foreign bytes); none of
// these raises a warning. A line at the wrong rate garbles every reply, so two in a run are
// enough to tell it from a burst.
inline constexpr int kUnansweredCommandsForSilent = 3;
inline constexpr int kUnparsedNumbersForUnreadable = 3;
inline constexpr int kForeignByteRepliesForUnreadable = 2;

// True when the reply holds a byte that is neither printable ASCII nor a line end (CR, LF):
// what a receiver set to the wrong rate or frame makes of the instrument's answers.
bool HoldsForeignBytes(std::string_view reply);

class LinkHealth {
  public:
    // Called after every change of state, with the new state.
    std::function<void(LinkState)> OnStateChange;

    LinkState State() const { return state_; }

    // A connect begins a new session: live until the link shows otherwise.
    void SessionStarted();
    // The operator disconnected.
    void SessionEnded();

    // One receive event, after the dispatcher handled it.
    void ReplyReceived(std::string_view reply, ReplyReading reading);
    // The timer ran a tick: the command sent before it got no reply in time.
    void CommandUnanswered();
    // The serial component asked to hang up: the device is gone or failed.
    void LineLost();

    // The platform tick of the last reply that could be read, if any came since connecting.
    std::optional<std::uint32_t> LastGoodReplyTick() const { return lastGoodReplyTick_; }
    // Milliseconds from the last readable reply to now (platform clock), if there was one.
    std::optional<std::uint32_t> MsSinceLastGoodReply() const;

  private:
    void Reassess();
    void Enter(LinkState state);

    LinkState state_ = LinkState::Disconnected;
    int unansweredCommands_ = 0;
    int unparsedNumbers_ = 0;
    int foreignByteReplies_ = 0;
    std::optional<std::uint32_t> lastGoodReplyTick_;
};
