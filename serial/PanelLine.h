#pragma once
// The design settings of the panel's own serial line (cm1): port "COM7" until the port dialog
// or the command line picks another, 9600 baud, 8 data bits, no parity, 1 stop bit, a read
// interval time-out of 100 ms, and no flow control of any kind with DTR and RTS held off. A
// newly constructed TComm has XON/XOFF on, which would swallow DC1 and DC3 bytes.

class TComm;

void ConfigurePanelLine(TComm& comm);
