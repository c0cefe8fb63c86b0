#include "app/CAboutBox.h"

#include "widgets/DialogUnits.h"
#include "widgets/FocusOrder.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kIconId = 157;
}

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("id100"));
    setWindowTitle(QStringLiteral("about Quillon2.0"));
    setModal(true);
    setFixedSize(DluSize(170, 62));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setAccessibleName(QStringLiteral("Quillon icon"));
    icon->setPixmap(LoadPng(kIconId).scaled(DluSize(20, 20), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setGeometry(DluRect(11, 14, 22, 22));

    auto* text = new QLabel(QStringLiteral("Quillon Softeware V2.0"), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setGeometry(DluRect(42, 18, 118, 12));
    text->setAccessibleName(text->text());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setGeometry(DluRect(113, 40, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    Skin::SkinWindow(this, Skin::Style::Form);
    FocusOrder::Apply(this);
}
