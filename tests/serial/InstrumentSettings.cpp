#include "tests/serial/InstrumentSettings.h"

#include "serial/TComm.h"

void UseInstrumentSettings(TComm& comm) {
    comm.SetDtrControl(TDtrControl::DtrDisable);
    comm.SetRtsControl(TRtsControl::RtsDisable);
    comm.SetTxContinueOnXoff(false);
    comm.SetOutx_XonXoffFlow(false);
    comm.SetInx_XonXoffFlow(false);
    comm.SetXonChar(0);
    comm.SetXoffChar(0);
}
