#pragma once
// What every page of the setup wizard shares: its own receive queue and the
// shared page receive procedure, pictures painted at fixed client points,
// transparent static texts, and the 100 ms refresh timer.
//
// Writing a page:
// - Derive from CWizardPage; the constructor has the form
//   CStepN(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent)
//   and passes all four on (the wizard's page table creates pages through it;
//   the title is the English one, shown translated). Read the page's
//   ConfigValues entries in the constructor.
// - Build the controls in InitPage(): place them in dialog units
//   (DluRect/DluPoint), name each after its control id (NameControl), load
//   pictures with AddPicture (pixel points) and statics with AddStatic.
// - Texts: tables mark theirs with QT_TRANSLATE_NOOP("<page class>", ...);
//   AddStatics and AddPicture keep the source and show its translation again on
//   a language change. Every other text is set in RetranslatePage(), which
//   runs after InitPage() and on every QEvent::LanguageChange.
// - Return true from HasRefreshTimer() for pages that re-read ConfigValues
//   every 100 ms; Refresh() is then run on every tick and after every
//   answered frame. Hidden pages keep their timers running.
// - UpdateControls() puts the page's members back into its controls after an
//   answered frame; edit boxes go through DataExchange::RefreshInt so that a
//   box the user is typing in is left alone.
// - The page on screen is the link session's top listener: OnPortReceive runs
//   the shared receive procedure and, when the last frame sent was answered,
//   OnAnswered() (image copy in copyForm(), UpdateControls, Refresh).
// - Every message box goes through Dialogs::Message; every frame through the
//   Command functions or SendParameters().

#include "params/Orvex.h"
#include "params/WindowReceiver.h"
#include "protocol/ReceiveStage.h"
#include "widgets/ControlNaming.h"

#include <QBasicTimer>
#include <QPixmap>
#include <QWidget>
#include <span>
#include <vector>

class QLabel;

class CWizardPage : public QWidget, public LinkListener {
    Q_OBJECT
public:
    CWizardPage(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);
    ~CWizardPage() override;

    int pageNumber() const { return pageNumber_; }
    // The title in the language shown; the English one names the page in the change log.
    QString title() const;
    const QString& englishTitle() const { return title_; }
    ReceiveStage& stage() { return stage_; }
    Orvex& orvex() { return orvex_; }
    const Orvex& orvex() const { return orvex_; }

    // Called once by the wizard after the page's window exists (the page's
    // dialog initialisation): skins the page, runs InitPage(), starts the
    // refresh timer when HasRefreshTimer().
    void Initialise();

    // Finish and Cancel of the wizard call this on the Pirouette optimization
    // page: it leaves its direction-check state and tells the device
    // (DirectionCheckOff). Other pages have nothing to stop.
    virtual void StopDirectionCheck() {}

    // The session's listener while the page is on screen.
    void OnLinkReceive(int portNumber) override { OnPortReceive(portNumber); }
    void OnLinkLost() override { OnLinkGone(); }

    // A picture drawn at its natural size with its top-left at `at` (client
    // pixels). A missing picture draws nothing. A picture with a name is
    // described to assistive tools: its name and the text drawn in it, both
    // translated in `context` (the page's class when null).
    void AddPicture(int pngId,
                    QPoint at,
                    const char* name = nullptr,
                    const char* text = nullptr,
                    const char* context = nullptr);

    // Whether the refresh timer runs (for tests and the wizard).
    bool refreshTimerActive() const { return refreshTimer_.isActive(); }

    // A static text of the page's template: control id, place and size in
    // dialog units, text in UTF-8 marked for the page's class (a table per page).
    struct StaticText {
        int id;
        int x, y, w, h;
        const char* text;
    };

protected:
    // The page's own initialisation (controls, pictures, first display).
    virtual void InitPage() {}
    // The page's texts that are not in its static or picture tables, in the
    // language shown (after InitPage and on every language change).
    virtual void RetranslatePage() {}
    // A text of the page's class in the language shown.
    QString Tr(const char* source) const;
    // Replaces the description of the pictures pngId (a text made from parts).
    void DescribePictures(int pngId, const QString& text);
    // Pages with choices re-read ConfigValues every 100 ms.
    virtual bool HasRefreshTimer() const { return false; }
    // The page refresh: the timer tick and after an answered frame.
    virtual void Refresh() {}
    // "Set the data-exchange controls from the page's members" after the
    // image copy of an answered frame; pages with edit boxes override it
    // (and leave an edit being typed in alone).
    virtual void UpdateControls() {}
    // The copy form used after an answered frame.
    virtual CopyForm copyForm() const { return CopyForm::Page; }
    // The whole receive procedure: gather, find and check a frame, then OnAnswered.
    virtual void OnPortReceive(int wParam);
    // What an answered frame does: copy the image into ConfigValues, set the
    // controls, refresh. The Monitor page shows its status report instead.
    virtual void OnAnswered();
    // The adapter went away while this page held the link.
    virtual void OnLinkGone() {}
    // What the last run of the receive procedure found.
    const WindowReceive& lastReceive() const { return lastReceive_; }
    // Whether picture pngId is drawn now (pages that show one picture of
    // several override it and call update() when the answer changes).
    virtual bool PictureShown(int pngId) const;

    void SendParameters() { ::SendParameters(orvex_); }

    // The pictures' descriptions follow PictureShown (pages whose pictures change call it).
    void ShowPictureTexts();
    // A static text drawn over the page's background and pictures; rect in
    // client pixels (DluRect for template places). Long texts wrap.
    QLabel* AddStatic(const QString& text, const QRect& rect);
    // The same, named after its control id (0: a text without an id).
    QLabel* AddStatic(int id, const QString& text, const QRect& rect);
    // Adds a page's table of static texts.
    void AddStatics(std::span<const StaticText> texts);

    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct Picture {
        int id;
        QPixmap pixmap;
        QPoint at;
        QLabel* description;  // null for a picture without a name
        const char* name;
        const char* text;
        const char* context;
    };
    struct TranslatedStatic {
        QLabel* label;
        const char* text;
    };
    void RetranslateUi();
    Orvex& orvex_;
    int pageNumber_;
    QString title_;
    ReceiveStage stage_{1024};
    WindowReceive lastReceive_;
    std::vector<Picture> pictures_;
    std::vector<TranslatedStatic> statics_;
    QBasicTimer refreshTimer_;
    bool initialised_ = false;  // the controls exist
};
