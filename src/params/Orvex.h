#pragma once
// The program's process-wide device state, kept in one place:
//   LinkPort  - the one serial port object
//   link      - the frame buffer, SequenceCounter, ReplyRequest, ReplyPending,
//               ReplyBuffer and the ActionFrame command bytes
//   image     - SetupBlock and TuningBlock, the device's parameter image
//   config    - ConfigValues, the named copy
//   session   - who receives, whether the unit answers (LinkSession.h)
//   changes   - what the program changed on the unit since it connected
// Everything here is touched by the GUI thread only, except LinkPort's receive
// queue (see CSerialPort.h). The program uses the one instance TheOrvex();
// tests may build their own Orvex or reset the shared one with ResetOrvex().

#include "link/CSerialPort.h"
#include "params/ChangeLog.h"
#include "params/ConfigValues.h"
#include "params/LinkSession.h"
#include "protocol/LinkFrame.h"

struct Orvex {
    CSerialPort LinkPort{PortMonitorThread | PortOverlapped};
    LinkState link;
    ParameterImage image;
    ConfigValues config;
    // The image the unit is known to hold: the last one it sent or was sent.
    ParameterImage unitImage;
    // Every frame that changes the unit's values is entered here as it is
    // written, against unitImage, and marked when the unit answers it.
    ChangeLog changes;
    // While a firmware transfer runs the port carries the boot loader's
    // protocol: no frame is written.
    bool transferOwnsLink = false;
    LinkSession session{LinkPort};

    // Builds a frame (see BuildFrame) and writes all 90 bytes when the port is
    // open and no transfer owns it; the session then waits for its answer.
    SendResult SendCommand(int group, int code);
    // A reply body taken from the line: logged, and when valid it tells the
    // session which frame it answers and unitImage what the unit reports.
    // Returns whether it is valid.
    bool NoteReply(const uint8_t* body, size_t length);

private:
    void RecordChange(size_t length);
};

Orvex& TheOrvex();
// Closes the shared port and returns every value to its start state.
void ResetOrvex();

// Which form of the image-to-names copy runs.
enum class CopyForm {
    MainView,  // everything, including "receiver type" and AuxFunction
    Page,      // wizard pages and dialogs: leaves "receiver type" and AuxFunction
    Monitor,   // the Monitor page: leaves "receiver type" only
};

// Image to ConfigValues (the panel values are set by the caller from the
// section-one names, which this fills in MainView form only).
void ImageToConfig(Orvex& o, CopyForm form);
void ImageToConfig(const ParameterImage& image, ConfigValues& config, CopyForm form);
// ConfigValues to image, with the exceptions of "Transmit Conifg file".
void ConfigToImage(Orvex& o);
void ConfigToImage(const ConfigValues& config, ParameterImage& image);
// Panel values from the image (the device bytes of the kPanelDefs names).
PanelValues PanelFromImage(const ParameterImage& image);
// Writes the factory values, sets "TotalCoefficient" to its factory value, copies the image
// to the names (MainView form) and sends. The caller refreshes its panel.
void ResetAllParameters(Orvex& o);
// Writes a preset's TuningBlock column and sends nothing; see ApplyPreset.
void WritePresetImage(ParameterImage& image, Preset preset);
// The whole preset step after its message: writes the column, fills the
// panel values and their names, "TotalCoefficient", section three (without
// ZeroPitch), and sends. Returns the new panel values (the Reset snapshot).
PanelValues ApplyPreset(Orvex& o, Preset preset);
SendResult SendParameters(Orvex& o);

// The named commands of the device protocol.
namespace Command {
// Each returns what became of its (last) frame.
SendResult RequestParameters(Orvex& o);            // ReplyRequest 30, QueryFrame
SendResult RequestStatus(Orvex& o);                // ReplyRequest 40, QueryFrame
SendResult Acknowledge(Orvex& o);                  // ReplyRequest 0, QueryFrame
SendResult WriteParameters(Orvex& o);              // ParameterFrame
SendResult SetCondition(Orvex& o, int condition);  // 1 or 2, ActionFrame
SendResult ResetZero(Orvex& o);                    // two ActionFrames, the second asks for parameters
SendResult SetFailsafe(Orvex& o);                  // ActionFrame with 11, then back to 0
SendResult DirectionCheckOn(Orvex& o);             // ActionFrame with 102
SendResult DirectionCheckOff(Orvex& o);            // ActionFrame with 0
}  // namespace Command
