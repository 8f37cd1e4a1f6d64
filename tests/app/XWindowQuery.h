#pragma once
// What the X server itself holds for a window: its title properties and its place on the
// screen, asked over the toolkit's own connection so that every request the toolkit queued
// before is handled first.

#include <QRect>
#include <QString>
#include <optional>

class QWidget;

// True when the program runs on the X11 platform (the tests skip otherwise).
bool RunsOnX11();

// The window's _NET_WM_NAME (UTF-8) or WM_NAME, when set.
std::optional<QString> NetWmName(const QWidget& window);
std::optional<QString> WmName(const QWidget& window);

// The window's rectangle on the screen, as the server has it.
QRect ScreenGeometry(const QWidget& window);
