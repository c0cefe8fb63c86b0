#include "wizard/WizardTabBar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QStyleOptionTab>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return bar_->tabText(index_).remove(QLatin1Char('&'));
        if (t == QAccessible::Description) return bar_->tabToolTip(index_);
        return {};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        const bool current = index_ == bar_->currentIndex();
        s.selectable = true;
        s.selected = current;
        s.focusable = bar_->focusPolicy() != Qt::NoFocus;
        s.focused = current && bar_->hasFocus();
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible() || !bar_->rect().intersects(bar_->tabRect(index_));
        return s;
    }

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && action == pressAction()) bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class TabListAccessible : public QAccessibleWidget {
public:
    explicit TabListAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabListAccessible() override {
        for (QAccessible::Id id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) return nullptr;
        if (ids_.size() <= size_t(index)) ids_.resize(size_t(index) + 1, 0);
        QAccessible::Id& id = ids_[size_t(index)];
        if (!id) id = QAccessible::registerAccessibleInterface(new TabAccessible(bar(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        // The list is named by what it holds, not by its current tab.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return WizardTabBar::tr("Pages");
        return QAccessibleWidget::text(t);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* TabBarFactory(const QString&, QObject* object) {
    auto* bar = qobject_cast<WizardTabBar*>(object);
    if (!bar) return nullptr;
    // A new highlight is a change of the selected state of both tabs.
    QObject::connect(bar, &QTabBar::currentChanged, bar, [bar](int index) {
        if (index < 0) return;
        QAccessible::State selected;
        selected.selected = true;
        QAccessibleStateChangeEvent changed(bar, selected);
        changed.setChild(index);
        QAccessible::updateAccessibility(&changed);
    });
    return new TabListAccessible(bar);
}

}  // namespace

WizardTabBar::WizardTabBar(QWidget* parent) : QTabBar(parent) {
    static const bool installed = (QAccessible::installFactory(TabBarFactory), true);
    static_cast<void>(installed);
}

QSize WizardTabBar::tabSizeHint(int index) const {
    QSize hint = QTabBar::tabSizeHint(index);
    hint.setWidth(std::min(hint.width(), WidthLimit()));
    return hint;
}

void WizardTabBar::initStyleOption(QStyleOptionTab* option, int index) const {
    QTabBar::initStyleOption(option, index);
    if (index != currentIndex()) return;
    // The chosen tab's title is bold, so it may need more than the room its tab has for text.
    option->text = tabText(index);
    const int room = style()->subElementRect(QStyle::SE_TabBarTabText, option, this).width();
    QFont bold = font();
    bold.setBold(true);
    option->text = QFontMetrics(bold).elidedText(tabText(index), elideMode(), room);
}

int WizardTabBar::WidthLimit() const {
    std::vector<int> widths;
    for (int i = 0; i < count(); ++i) widths.push_back(QTabBar::tabSizeHint(i).width());
    std::sort(widths.begin(), widths.end());
    int room = width();
    for (size_t i = 0; i < widths.size(); ++i) {
        const int share = room / static_cast<int>(widths.size() - i);
        if (widths[i] > share) return share;
        room -= widths[i];
    }
    return room + (widths.empty() ? 0 : widths.back());
}
