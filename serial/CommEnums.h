#pragma once
// The line-setting choices of the serial component, apart from the component so the
// property table and its translation need no QObject.

enum class TParity { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class TStopBits { _1 = 0, _1_5 = 1, _2 = 2 };
enum class TByteSize { _5 = 0, _6 = 1, _7 = 2, _8 = 3 };
enum class TDtrControl { DtrEnable = 0, DtrDisable = 1, DtrHandshake = 2 };
enum class TRtsControl {
    RtsEnable = 0,
    RtsDisable = 1,
    RtsHandshake = 2,
    RtsTransmissionAvailable = 3
};
