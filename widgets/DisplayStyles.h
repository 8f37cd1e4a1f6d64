#pragma once
// How the read-outs and lamps draw their edge and their leading digits. Kept apart from the
// widgets so the pure layout and bevel helpers need no widget class.

enum class TiLeadingStyle { ilsNone, ilsZeros, ilsSpaces };
enum class TiBorderStyle { ibsNone, ibsRaised, ibsLowered };
