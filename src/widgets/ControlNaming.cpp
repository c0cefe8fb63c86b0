#include "widgets/ControlNaming.h"
#include "widgets/Announcer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
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

namespace {

// Qt 6.4 reads a combo box on Linux with its current text as its name and no
// value, and a related label in place of the name: a reader says the choice
// or the label, never both. This one reads "name: choice" (the name being the
// box's own or, failing that, its label's, and the label no longer related in
// its place), the choice as its value, and keeps the popup list as its child.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const QString choice = combo()->currentText();
        if (t == QAccessible::Value) return choice;
        QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name) return text;
        text = text.remove(QLatin1Char('&')).trimmed();
        if (text.endsWith(QLatin1Char(':'))) text.chop(1);
        if (text.isEmpty() || choice.isEmpty()) return text.isEmpty() ? choice : text;
        return text + QStringLiteral(": ") + choice;
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto all = QAccessibleWidget::relations(match);
        all.removeIf([](const auto& r) { return r.second & QAccessible::Label; });
        return all;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override {
        action == showMenuAction() ? combo()->showPopup() : QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ComboBoxFactory(const QString&, QObject* object) {
    auto* combo = qobject_cast<QComboBox*>(object);
    return combo && !combo->isEditable() ? new ComboBoxAccessible(combo) : nullptr;
}

}  // namespace

void InstallComboBoxReading() {
    static const bool installed = (QAccessible::installFactory(ComboBoxFactory), true);
    static_cast<void>(installed);
}

void NameWithChoice(QComboBox* combo, const QString& accessibleName) {
    static constexpr char kAnnounces[] = "announcesChoice";
    combo->setAccessibleName(accessibleName);
    if (combo->property(kAnnounces).isValid()) return;  // named again, in another language
    combo->setProperty(kAnnounces, true);
    // An arrow key or the wheel on the closed box changes the choice where a
    // reader hears nothing of it; in the open list it reads the item itself.
    QObject::connect(combo, &QComboBox::textActivated, combo, [combo](const QString& choice) {
        if (combo->hasFocus() && !combo->view()->isVisible()) Announcer::Of(combo)->Announce(choice);
    });
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
