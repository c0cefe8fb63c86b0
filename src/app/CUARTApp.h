#pragma once
// The application: installs the pilot's language (LanguageChoice: process-wide
// translators) and starts the skin before any window exists, creates the
// main frame (which creates the document and the view) and shows it; shows
// the About box. Closing the frame closes the port and stops the skin; the
// shared port object closes the port again at exit if it is still open.

#include <memory>

class CMainFrame;
class QtLinkAdapter;

class CUARTApp {
public:
    CUARTApp();
    ~CUARTApp();

    // False when the main window could not be created: the program ends.
    bool InitInstance();
    int ExitInstance();
    CMainFrame* mainFrame() const { return frame_.get(); }

    void OnAppAbout();

private:
    // Made before the frame and gone after it: the one driver of the link session.
    std::unique_ptr<QtLinkAdapter> link_;
    std::unique_ptr<CMainFrame> frame_;
};
