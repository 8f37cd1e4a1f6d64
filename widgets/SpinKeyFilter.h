#pragma once
// The float spin edit's key filter: which typed character a key event carries, and whether
// the box takes it.

#include <QChar>
#include <optional>

class QKeyEvent;

namespace widgets {

constexpr char16_t kEnterChar = u'\r';
constexpr char16_t kBackspaceChar = u'\b';

// The character a key press types (Ctrl+letter gives its control character, Enter '\r');
// nothing for keys that type none (arrows, Tab, function keys).
std::optional<QChar> TypedCharacter(const QKeyEvent& event);

// Accepted: "+", "-", digits, the decimal separator, and control characters other than Enter.
// With the editor disabled, only control characters other than Enter and Backspace.
bool SpinKeyAccepted(QChar typed, QChar decimalSeparator, bool editorEnabled);

}  // namespace widgets
