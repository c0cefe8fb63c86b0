#include "wizard/CWizardPage.h"

#include "widgets/DialogUnits.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"
#include "wizard/WizardPages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

namespace {
constexpr int kRefreshPeriodMs = 100;
}  // namespace

CWizardPage::CWizardPage(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent)
    : QWidget(parent), orvex_(orvex), pageNumber_(pageNumber), title_(title) {
    setAccessibleName(this->title());
}

QString CWizardPage::title() const { return QCoreApplication::translate("CSetupWizard", title_.toUtf8().constData()); }

QString CWizardPage::Tr(const char* source) const {
    return QCoreApplication::translate(metaObject()->className(), source);
}

CWizardPage::~CWizardPage() { orvex_.session.Remove(this); }

void CWizardPage::Initialise() {
    Skin::SkinWindow(this, Skin::Style::Form);
    initialised_ = true;
    InitPage();
    RetranslateUi();
    ShowPictureTexts();
    if (HasRefreshTimer()) refreshTimer_.start(kRefreshPeriodMs, this);
}

void CWizardPage::AddPicture(int pngId, QPoint at, const char* name, const char* text, const char* context) {
    const QPixmap pixmap = LoadPng(pngId);
    if (pixmap.isNull()) qCWarning(lcWizard) << "page" << pageNumber_ << "has no picture" << pngId;
    QLabel* description = nullptr;
    if (name)
        description = DescribePicture(this, QRect(at, pixmap.deviceIndependentSize().toSize()).intersected(rect()),
                                      QString(), QString());
    pictures_.push_back({pngId, pixmap, at, description, name, text, context ? context : metaObject()->className()});
    update();
}

void CWizardPage::DescribePictures(int pngId, const QString& text) {
    for (const Picture& p : pictures_)
        if (p.id == pngId && p.description) p.description->setAccessibleDescription(text);
}

void CWizardPage::RetranslateUi() {
    setAccessibleName(title());
    for (const TranslatedStatic& s : statics_) s.label->setText(Tr(s.text));
    for (const Picture& p : pictures_) {
        if (!p.description) continue;
        p.description->setAccessibleName(QCoreApplication::translate(p.context, p.name));
        p.description->setAccessibleDescription(p.text ? QCoreApplication::translate(p.context, p.text) : QString());
    }
    RetranslatePage();
}

void CWizardPage::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange && initialised_) RetranslateUi();
    QWidget::changeEvent(e);
}

void CWizardPage::ShowPictureTexts() {
    for (const Picture& p : pictures_)
        if (p.description) p.description->setVisible(PictureShown(p.id));
}

bool CWizardPage::PictureShown(int) const { return true; }

QLabel* CWizardPage::AddStatic(const QString& text, const QRect& rect) {
    QLabel* label = ::AddStatic(this, text, rect);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* CWizardPage::AddStatic(int id, const QString& text, const QRect& rect) {
    QLabel* label = AddStatic(text, rect);
    if (id > 0) NameControl(label, id);
    return label;
}

void CWizardPage::AddStatics(std::span<const StaticText> texts) {
    for (const StaticText& t : texts)
        statics_.push_back({AddStatic(t.id, Tr(t.text), DluRect(t.x, t.y, t.w, t.h)), t.text});
}

void CWizardPage::OnPortReceive(int wParam) {
    lastReceive_ = ReceiveForWindow(orvex(), stage_, wParam);
    if (lastReceive_.answered) OnAnswered();
}

void CWizardPage::OnAnswered() {
    ImageToConfig(orvex(), copyForm());
    UpdateControls();
    Refresh();
}

void CWizardPage::paintEvent(QPaintEvent* e) {
    // A changing value label repaints only its own rectangle: pictures
    // elsewhere on the page are not drawn again for it.
    auto area = [](const Picture& p) { return QRect(p.at, p.pixmap.deviceIndependentSize().toSize()); };
    QPainter painter(this);
    std::vector<const Picture*> shown;
    for (const Picture& p : pictures_)
        if (!p.pixmap.isNull() && e->region().intersects(area(p)) && PictureShown(p.id)) shown.push_back(&p);
    for (const Picture* p : shown) DrawPictureGround(painter, area(*p), this);
    for (const Picture* p : shown) painter.drawPixmap(p->at, p->pixmap);
}

// The page's texts, cautions and pictures reach a reader's flat review.
void CWizardPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    RenewForReaders(this);
}

void CWizardPage::timerEvent(QTimerEvent* e) {
    Refresh();
    QWidget::timerEvent(e);
}
