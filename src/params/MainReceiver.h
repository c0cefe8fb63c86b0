#pragma once
// The main view's side of the link, without any widget: its accumulation
// queue, the stateful FrameParser, the reply handler and the connect stages
// (0 not connected, 1 parameters received, 2 connected). The GUI's main view
// and quillon-cli both run the connect handshake through this class.

#include "params/Orvex.h"
#include "protocol/FrameParser.h"
#include "protocol/ReceiveStage.h"
#include "protocol/StatusReport.h"

#include <functional>
#include <string>

class MainReceiver {
public:
    struct Events {
        std::function<void()> parametersReceived;                // image copied; refresh the panel
        std::function<void(const std::string&)> versionChanged;  // new "V1.05" text
        std::function<void()> connected;                         // stage 2 reached
    };

    MainReceiver(Orvex& orvex, Events events);

    // The connect without the widgets: close the port if open and
    // clear our queue, reset the parser and SequenceCounter, open the port
    // (when portNumber is 1..1024), ask for the parameters. Returns whether
    // the port is open; LinkPort.LastFailure() says why not.
    bool Connect(int portNumber, const std::string& devicePath);
    // Closes the port as the view does on close or when the adapter is gone;
    // the connect stage goes back to 0.
    void Disconnect();

    // WM_PORT_RECEIVE: the first stage, then every waiting byte to the parser.
    void OnReceive(int wParam);
    // Feeds bytes straight to the parser (the firmware upgrade reads the
    // queue itself instead).
    void Feed(const uint8_t* data, size_t length) { parser_.Feed(data, length); }

    uint8_t connectStage() const { return connectStage_; }
    // Before the first reply of a connect only the boot loader's 'C' came in:
    // the unit is waiting for firmware (an upgrade was interrupted).
    bool bootLoaderSeen() const { return bootLoaderSeen_; }
    // The sequence number the last valid reply echoed.
    uint8_t lastReplySequence() const { return lastSequence_; }
    const StatusReport& lastStatus() const { return status_; }
    const std::string& versionText() const { return versionText_; }
    ReceiveStage& stage() { return stage_; }
    FrameParser& parser() { return parser_; }

private:
    void OnFrame(const uint8_t* body, uint8_t length);
    void OnParameterReply();
    void OnStatusReply(const uint8_t* body, uint8_t length);

    Orvex& o_;
    Events events_;
    ReceiveStage stage_{4096};
    FrameParser parser_;
    StatusReport status_;
    std::string versionText_;
    uint8_t connectStage_ = 0;
    uint8_t lastSequence_ = 0;
    bool bootLoaderSeen_ = false;
};

// Why a connect got no answer, for the user: a unit in its boot loader, or a
// silent one. `next` is what to do about a boot loader (the program and the
// companion name their own way to send firmware).
std::string DescribeSilentConnect(const std::string& path, bool bootLoader, const std::string& next);
// The same for a window (marked in context "MainReceiver"; next as the window gives it).
CoreText SilentConnectText(const std::string& path, bool bootLoader, const CoreText& next);

// Describes the image by name, one "Name = value" line per byte.
std::string DescribeImage(const ParameterImage& image);
