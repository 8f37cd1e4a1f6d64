#pragma once
// The ways an edit box writes its number, apart from the edit box so the text helpers need
// no widget class.

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
