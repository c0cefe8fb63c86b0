#pragma once
// Making the main form's controls: every control is named "id<number>" after
// its control id (so it can be found by id) and carries an accessible name.

#include "params_ui/MainFormLayout.h"
#include "widgets/ControlNaming.h"

#include <QGroupBox>
#include <QPushButton>
#include <QString>

namespace FormControls {

inline QPushButton* MakeButton(QWidget* form, const QString& caption, int id, const MainFormLayout::Box& box) {
    auto* button = new QPushButton(caption, form);
    NameControl(button, id);
    button->setAccessibleName(caption);
    button->setGeometry(box.px());
    button->setAutoDefault(false);
    return button;
}

// Group frames have no id; they are named "group <title>".
inline QGroupBox* MakeGroup(QWidget* form, const QString& title, const MainFormLayout::Box& box) {
    auto* group = new QGroupBox(title, form);
    group->setObjectName(QStringLiteral("group ") + title);
    group->setAccessibleName(title);
    group->setGeometry(box.px());
    return group;
}

}  // namespace FormControls
