#include "app/CAboutBox.h"

#include "widgets/DialogUnits.h"
#include "widgets/FocusOrder.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kIconId = 157;
}

CAboutBox::CAboutBox(QWidget* parent)
    : QDialog(parent), icon_(new QLabel(this)), text_(new QLabel(this)), ok_(new QPushButton(this)) {
    setObjectName(QStringLiteral("id100"));
    setModal(true);
    setFixedSize(DluSize(170, 62));

    icon_->setObjectName(QStringLiteral("aboutIcon"));
    icon_->setPixmap(LoadPng(kIconId).scaled(DluSize(20, 20), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon_->setGeometry(DluRect(11, 14, 22, 22));

    text_->setObjectName(QStringLiteral("aboutText"));
    text_->setGeometry(DluRect(42, 18, 118, 12));

    ok_->setObjectName(QStringLiteral("id1"));
    ok_->setDefault(true);
    ok_->setGeometry(DluRect(113, 40, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    RetranslateUi();
    Skin::SkinWindow(this, Skin::Style::Form);
    FocusOrder::Apply(this);
}

void CAboutBox::RetranslateUi() {
    setWindowTitle(tr("about Quillon2.0"));
    icon_->setAccessibleName(tr("Quillon icon"));
    text_->setText(tr("Quillon Softeware V2.0"));
    text_->setAccessibleName(text_->text());
    ok_->setText(tr("OK"));
    ok_->setAccessibleName(ok_->text());
}

void CAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QDialog::changeEvent(event);
}
