#include "serial/PanelLine.h"

#include "serial/TComm.h"

void ConfigurePanelLine(TComm& comm) {
    comm.SetCommName("COM7");
    comm.SetBaudRate(9600);
    comm.SetParityCheck(false);
    comm.SetOutx_CtsFlow(false);
    comm.SetOutx_DsrFlow(false);
    comm.SetDtrControl(TDtrControl::DtrDisable);
    comm.SetDsrSensitivity(false);
    comm.SetTxContinueOnXoff(false);
    comm.SetOutx_XonXoffFlow(false);
    comm.SetInx_XonXoffFlow(false);
    comm.SetRtsControl(TRtsControl::RtsDisable);
    comm.SetByteSize(TByteSize::_8);
    comm.SetParity(TParity::None);
    comm.SetStopBits(TStopBits::_1);
    comm.SetXonChar(0);
    comm.SetXoffChar(0);
    comm.SetReadIntervalTimeout(100);
}
