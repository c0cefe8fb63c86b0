#include "wizard/CSetupWizard.h"

#include "params/Orvex.h"
#include "widgets/Announcer.h"
#include "widgets/DialogUnits.h"
#include "widgets/Dialogs.h"
#include "widgets/FocusOrder.h"
#include "widgets/GroupNesting.h"
#include "widgets/ScreenFit.h"
#include "widgets/Skin.h"
#include "wizard/CWizardPage.h"
#include "wizard/WizardPages.h"
#include "wizard/WizardTabBar.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>

namespace {
// What showing a page tells the device: the Monitor page asks for status
// reports, its two neighbours end them.
struct PageChangeCommand {
    int page;
    SendResult (*send)(Orvex&);
};
constexpr PageChangeCommand kPageChangeCommands[] = {
    {kReceiverPage, Command::Acknowledge},
    {kMonitorPage, Command::RequestStatus},
    {kInstallationPage, Command::Acknowledge},
};

struct ButtonDef {
    int id;
    const char* text;
    int x;
};
// The English caption a button keeps, translated on every language change.
constexpr const char* kSourceText = "sourceText";
constexpr int kButtonY = 280, kButtonWidth = 50, kButtonHeight = 14;

}  // namespace

CSetupWizard::CSetupWizard(Orvex& orvex, QWidget* parent) : QDialog(parent), orvex_(orvex) {
    setFixedSize(DluSize(529, 297));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Skin::SkinWindow(this, Skin::Style::Form);
    BuildFrame();
    Skin::SkinWindow(tabBar_, Skin::Style::Tabs);
    MeasurePageFrame();
    for (const WizardPageDef& def : kWizardPages)
        AddPage(def.create(orvex_, def.number, QString::fromLatin1(def.title), this));
    // Enter never presses a button here: there is no default button.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    currentPage_ = 1;
    RetranslateUi();
    ShowPage(1);
    for (CWizardPage* page : pages_) NestInGroupFrames(page);
    FocusOrder::Apply(this);
    // Not on Cancel, where Space would end the wizard at once.
    FocusOnPage();
}

CSetupWizard::~CSetupWizard() {
    for (CWizardPage* p : pages_) delete p;
    pages_.clear();
}

void CSetupWizard::BuildFrame() {
    tabControl_ = new QWidget(this);
    NameControl(tabControl_, WizardIds::Tabs);
    tabControl_->setGeometry(DluRect(5, 5, 515, 270));
    // All thirteen titles stay in view rather than hide behind scroll arrows.
    tabBar_ = new WizardTabBar(tabControl_);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(false);
    tabBar_->setElideMode(Qt::ElideMiddle);
    tabBar_->setDrawBase(false);
    // Its arrow keys would only move the highlight while the page stays: Previous and Next turn pages.
    tabBar_->setFocusPolicy(Qt::NoFocus);
    for (size_t i = 0; i < kWizardPages.size(); ++i) tabBar_->addTab(QString());
    tabBar_->setCurrentIndex(0);
    tabBar_->setGeometry(0, 0, tabControl_->width(), tabBar_->sizeHint().height());
    auto* pane = new QFrame(tabControl_);
    pane->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    pane->setGeometry(0, tabBar_->height() - 1, tabControl_->width(), tabControl_->height() - tabBar_->height() + 1);
    pane->lower();
    // Clicking a title only moves the highlight; Previous and Next change pages.

    // clang-format off
    constexpr ButtonDef buttons[] = {
        {WizardIds::Cancel,   QT_TR_NOOP("Cancel"),    10},
        {WizardIds::Previous, QT_TR_NOOP("Previous"),  65},
        {WizardIds::Next,     QT_TR_NOOP("Next"),     420},
        {WizardIds::Finish,   QT_TR_NOOP("Finish"),   475},
    };
    // clang-format on
    QPushButton** targets[] = {&cancel_, &previous_, &next_, &finish_};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        auto* b = new QPushButton(this);
        b->setProperty(kSourceText, QString::fromLatin1(buttons[i].text));
        NameControl(b, buttons[i].id);
        b->setGeometry(DluRect(buttons[i].x, kButtonY, kButtonWidth, kButtonHeight));
        ScreenFit::KeepInView(b);
        *targets[i] = b;
    }
    connect(cancel_, &QPushButton::clicked, this, &CSetupWizard::reject);
    connect(previous_, &QPushButton::clicked, this, &CSetupWizard::OnPrevious);
    connect(next_, &QPushButton::clicked, this, &CSetupWizard::OnNext);
    connect(finish_, &QPushButton::clicked, this, &CSetupWizard::OnFinish);

    // The template's OK button: never shown, and its operation does nothing.
    auto* ok = new QPushButton(this);
    ok->setProperty(kSourceText, QStringLiteral(QT_TR_NOOP("OK")));
    NameControl(ok, WizardIds::Ok);
    ok->hide();
    connect(ok, &QPushButton::clicked, this, &CSetupWizard::accept);
}

void CSetupWizard::RetranslateUi() {
    setWindowTitle(tr("Setup"));
    for (QPushButton* b : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        b->setText(tr(b->property(kSourceText).toString().toUtf8().constData()));
    for (CWizardPage* p : pages_) {
        const int index = p->pageNumber() - 1;
        tabBar_->setTabText(index, p->title());
        tabBar_->setTabToolTip(index, p->title());
    }
    AnnouncePage();
}

void CSetupWizard::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange && currentPage_ > 0) RetranslateUi();
    QDialog::changeEvent(e);
}

void CSetupWizard::MeasurePageFrame() {
    // Tab item 0 and the tab control's client area, both in the tab control's
    // coordinates; right and bottom are one past the last pixel.
    const QRect item = tabBar_->tabRect(0).translated(tabBar_->pos());
    const QRect client = tabControl_->rect();
    const int left = item.x();
    const int top = item.y() + item.height() + 1;
    const int right = client.x() + client.width() - 1;
    const int bottom = client.y() + client.height() - 1;
    pageFrame_ = QRect(QPoint(left, top), QPoint(right, bottom));
}

void CSetupWizard::AddPage(CWizardPage* page) {
    page->hide();
    const int left = pageFrame_.left(), top = pageFrame_.top();
    const int right = pageFrame_.right(), bottom = pageFrame_.bottom();
    page->setGeometry(left + 18, top + 18, right - left - 17, bottom - top - 16);
    page->Initialise();
    pages_.push_back(page);
}

CWizardPage* CSetupWizard::page(int number) const {
    if (number < 1 || number > pageCount()) return nullptr;
    return pages_[static_cast<size_t>(number - 1)];
}

void CSetupWizard::ShowPage(int k) {
    Orvex& o = orvex_;
    for (CWizardPage* p : pages_) {
        if (p->pageNumber() != k) {
            const bool leaving = p->isVisible();
            p->hide();
            // A reader keeps the objects it read on a page; fresh ones tell it the page is gone.
            if (leaving) RenewForReaders(p);
            o.session.Remove(p);
            continue;
        }
        p->show();
        p->raise();
        o.session.Push(p);
        origin_.Rename(CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Setup: %1"),
                                    {CoreText::Of("CSetupWizard", p->englishTitle().toStdString().c_str())}));
        for (const PageChangeCommand& c : kPageChangeCommands)
            if (c.page == k) c.send(o);
    }
    if (k >= pageCount()) {
        currentPage_ = pageCount();
        SetButtons(LastPage);
    } else if (k <= 1) {
        currentPage_ = 1;
        SetButtons(FirstPage);
    } else {
        SetButtons(MiddlePage);
    }
    AnnouncePage();
    RefocusForReaders();
    qCDebug(lcWizard) << "page" << currentPage_ << "on screen, ReplyRequest" << o.link.ReplyRequest;
}

void CSetupWizard::AnnouncePage() {
    CWizardPage* shown = page(currentPage_);
    if (!shown) return;
    Announcer* announcer = Announcer::Of(this);
    announcer->Withdraw(pageAnnouncement_);
    pageAnnouncement_ = tr("%1, page %2 of %3").arg(shown->title()).arg(currentPage_).arg(pageCount());
    announcer->Announce(pageAnnouncement_);
    // The tab list says which page is on screen, whatever the highlight.
    tabBar_->setAccessibleName(tr("Pages, showing %1").arg(pageAnnouncement_));
}

// A screen reader reviews the window from where the focus is and reads the
// page it found there until the focus moves: a button that keeps the focus
// across a page change takes it anew, so the new page is what it reviews.
void CSetupWizard::RefocusForReaders() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != this || !QAccessible::isActive()) return;
    // A reader rebuilds its review of the window only when the focus moves to
    // another object: the focused button comes back as a new one.
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(focused))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    setFocus(Qt::OtherFocusReason);
    focused->setFocus(Qt::OtherFocusReason);
}

void CSetupWizard::SetButtons(ButtonPosition position) {
    for (QPushButton* b : {cancel_, previous_, next_, finish_}) b->setEnabled(true);
    // A button disabled under the focus would hand it on (Next to Finish): the page takes it instead.
    QPushButton* disabled = position == FirstPage ? previous_ : position == LastPage ? next_ : nullptr;
    if (!disabled) return;
    if (disabled->hasFocus()) FocusOnPage();
    disabled->setEnabled(false);
}

void CSetupWizard::FocusOnPage() {
    CWizardPage* shown = page(currentPage_);
    if (!shown) return;
    // The last page's first control acts on the swashplate: Previous is harmless there.
    QWidget* first = currentPage_ < pageCount() ? FocusOrder::First(this, shown) : previous_;
    if (!first) first = next_;
    first->setFocus(Qt::OtherFocusReason);
}

void CSetupWizard::OnNext() {
    ++currentPage_;
    ShowPage(currentPage_);
    tabBar_->setCurrentIndex(currentPage_ - 1);
}

void CSetupWizard::OnPrevious() {
    --currentPage_;
    ShowPage(currentPage_);
    tabBar_->setCurrentIndex(currentPage_ - 1);
}

void CSetupWizard::EndLink() {
    if (CWizardPage* p = page(kPirouettePage)) p->StopDirectionCheck();
    Command::Acknowledge(orvex_);
}

void CSetupWizard::OnFinish() {
    Dialogs::Message(this, tr("Setup finished!"));
    EndLink();
    QDialog::done(QDialog::Accepted);
}

void CSetupWizard::accept() {}

// The link goes back to the window beneath as the wizard closes.
void CSetupWizard::done(int result) {
    for (CWizardPage* p : pages_) orvex_.session.Remove(p);
    QDialog::done(result);
}

void CSetupWizard::reject() {
    EndLink();
    QDialog::reject();
}

void CSetupWizard::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();  // the OK operation, which does nothing
        return;
    }
    QDialog::keyPressEvent(e);
}
