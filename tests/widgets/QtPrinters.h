#pragma once
// Readable failure messages for the Qt types the widget tests compare.

#include <QColor>
#include <QString>
#include <ostream>

inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "RGB(" << color.red() << "," << color.green() << "," << color.blue() << ")";
}

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
