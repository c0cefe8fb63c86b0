#pragma once
// quillon-cli flash PORT FILE: sends a firmware image to the Orvex boot
// loader with the program's own XMODEM-CRC sender, showing a progress line
// and ending with the program's outcome message. Exit status 0 only for
// "Firmware update complete!".

#include "firmware/XmodemSender.h"

#include <functional>
#include <string>
#include <vector>

class CSerialPort;
class QueueNotifyWindow;

int Flash(const std::vector<std::string>& args);

// Runs one transfer to its end on a port that is open, reads through its
// receive queue and notifies window. Waits only for the window's
// notifications and the sender's next deadline; a stop signal cancels it.
// observe, when set, is called after every step of the sender (bytes taken,
// clock tick, hang-up).
XmodemOutcome RunFirmwareTransfer(CSerialPort& port,
                                  QueueNotifyWindow& window,
                                  std::vector<uint8_t> fileBytes,
                                  const XmodemTimings& timings,
                                  const std::function<void(const XmodemSender&)>& observe = {});
