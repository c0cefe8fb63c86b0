#include "widgets/ControlNaming.h"

#include <QLabel>

QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

void NameControl(QWidget* control, int id) { control->setObjectName(ControlName(id)); }

void NameControl(QWidget* control, int id, const QString& accessibleName) {
    NameControl(control, id);
    control->setAccessibleName(accessibleName);
}

QLabel* AddStatic(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAutoFillBackground(false);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    return label;
}
