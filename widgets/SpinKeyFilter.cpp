#include "widgets/SpinKeyFilter.h"

#include <QKeyEvent>

namespace widgets {

std::optional<QChar> TypedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QChar(kEnterChar);
        case Qt::Key_Backspace:
            return QChar(kBackspaceChar);
        case Qt::Key_Escape:
            return QChar(0x1B);
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;  // focus moves on; nothing is typed
        default:
            break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z) {
        return QChar(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text.at(0);
}

bool SpinKeyAccepted(QChar typed, QChar decimalSeparator, bool editorEnabled) {
    if (typed == kEnterChar) {
        return false;
    }
    const bool control = typed.unicode() < 0x20 || typed.unicode() == 0x7F;
    if (control) {
        return editorEnabled || typed != kBackspaceChar;
    }
    if (!editorEnabled) {
        return false;
    }
    return typed == u'+' || typed == u'-' || (typed >= u'0' && typed <= u'9') ||
           typed == decimalSeparator;
}

}  // namespace widgets
