#pragma once
// The text form of every number sent to the instrument: the shortest general decimal form
// with at most 15 significant digits, trailing zeros dropped, and a point as the decimal
// separator whatever the desktop's locale ("5", "0.5", "1.2", "-3.25").

#include <QString>

QString NumberText(double value);
