#pragma once
// The line settings the program gives its own port: no flow control of any kind, DTR and
// RTS held off. A newly constructed TComm has XON/XOFF on, which would swallow DC1/DC3.

class TComm;

void UseInstrumentSettings(TComm& comm);
