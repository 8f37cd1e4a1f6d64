#include "session/LinkHealth.h"

#include <algorithm>

#include "platform/Clock.h"

bool HoldsForeignBytes(std::string_view reply) {
    return std::any_of(reply.begin(), reply.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        const bool printable = byte >= 0x20 && byte <= 0x7E;
        return !printable && byte != '\r' && byte != '\n';
    });
}

void LinkHealth::SessionStarted() {
    unansweredCommands_ = 0;
    unparsedNumbers_ = 0;
    foreignByteReplies_ = 0;
    lastGoodReplyTick_.reset();
    Enter(LinkState::Live);
}

void LinkHealth::SessionEnded() {
    Enter(LinkState::Disconnected);
}

void LinkHealth::ReplyReceived(std::string_view reply, ReplyReading reading) {
    // Replies still queued when the line was lost or the operator disconnected say nothing
    // about a session that has ended.
    if (state_ == LinkState::Disconnected || state_ == LinkState::Lost) {
        return;
    }
    unansweredCommands_ = 0;
    const bool foreign = HoldsForeignBytes(reply);
    const bool unparsed = reading == ReplyReading::NumberUnparsed;
    if (foreign || unparsed) {
        // Counted over the present run of unreadable replies: one readable reply ends it.
        foreignByteReplies_ += foreign ? 1 : 0;
        unparsedNumbers_ += unparsed ? 1 : 0;
    } else {
        foreignByteReplies_ = 0;
        unparsedNumbers_ = 0;
        lastGoodReplyTick_ = platform::GetTickCount();
    }
    Reassess();
}

void LinkHealth::CommandUnanswered() {
    if (state_ == LinkState::Disconnected || state_ == LinkState::Lost) {
        return;
    }
    ++unansweredCommands_;
    Reassess();
}

void LinkHealth::LineLost() {
    if (state_ == LinkState::Disconnected) {
        return;
    }
    Enter(LinkState::Lost);
}

std::optional<std::uint32_t> LinkHealth::MsSinceLastGoodReply() const {
    if (!lastGoodReplyTick_) {
        return std::nullopt;
    }
    // Unsigned subtraction stays right across the 32-bit wrap of the tick count.
    return platform::GetTickCount() - *lastGoodReplyTick_;
}

void LinkHealth::Reassess() {
    // Nothing coming back at all says more than what came back before it.
    if (unansweredCommands_ >= kUnansweredCommandsForSilent) {
        Enter(LinkState::Silent);
    } else if (foreignByteReplies_ >= kForeignByteRepliesForUnreadable ||
               unparsedNumbers_ >= kUnparsedNumbersForUnreadable) {
        Enter(LinkState::Unreadable);
    } else {
        Enter(LinkState::Live);
    }
}

void LinkHealth::Enter(LinkState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    if (OnStateChange) {
        OnStateChange(state_);
    }
}
