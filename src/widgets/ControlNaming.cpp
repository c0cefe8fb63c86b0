#include "widgets/ControlNaming.h"
#include "widgets/Announcer.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>

QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

void NameControl(QWidget* control, int id) { control->setObjectName(ControlName(id)); }

void NameControl(QWidget* control, int id, const QString& accessibleName) {
    NameControl(control, id);
    control->setAccessibleName(accessibleName);
}

void Rename(QWidget* control, const QString& accessibleName) {
    if (control->accessibleName() == accessibleName) return;
    control->setAccessibleName(accessibleName);
    if (control->hasFocus()) Announcer::Of(control)->Announce(accessibleName);
}

void LabelFor(QLabel* label, QWidget* control) {
    const QString text = label->text().remove(QLatin1Char('&'));
    // Texts not set yet say nothing alike; a relation made before a language change goes if they differ now.
    if (!text.isEmpty() && text.compare(control->accessibleName(), Qt::CaseInsensitive) == 0)
        label->setBuddy(control);
    else if (label->buddy() == control)
        label->setBuddy(nullptr);
}

void NameWithChoice(QComboBox* combo, const QString& accessibleName) {
    static constexpr char kBaseName[] = "nameBeforeChoice";
    // Named again (in another language), the box keeps its one connection.
    const bool first = !combo->property(kBaseName).isValid();
    combo->setProperty(kBaseName, accessibleName);
    const auto name = [combo] {
        const QString base = combo->property(kBaseName).toString();
        const QString choice = combo->currentText();
        combo->setAccessibleName(choice.isEmpty() ? base : base + QStringLiteral(": ") + choice);
    };
    name();
    if (first) QObject::connect(combo, &QComboBox::currentTextChanged, combo, name);
}

void MarkValueControl(QWidget* control, const char* valueName) {
    control->setProperty(kEditsValueProperty, QString::fromLatin1(valueName));
}

QLabel* AddStatic(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAutoFillBackground(false);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    return label;
}

QLabel* DescribePicture(QWidget* parent, const QRect& rect, const QString& name, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("picture"));
    label->setGeometry(rect);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    label->setAccessibleName(name);
    label->setAccessibleDescription(text);
    label->lower();  // behind the controls that lie on the picture
    return label;
}

void RenewForReaders(QWidget* root) {
    if (!QAccessible::isActive()) return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets)
        if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessibleEvent reorder(root->parentWidget() ? root->parentWidget() : root, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}
