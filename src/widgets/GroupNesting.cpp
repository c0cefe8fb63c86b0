#include "widgets/GroupNesting.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QPointer>

#include <map>
#include <vector>

namespace {
// The holder over a frame: draws nothing, and reads as a grouping named
// after the frame.
class GroupHolder : public QWidget {
    Q_OBJECT
public:
    GroupHolder(QGroupBox* frame, QWidget* parent) : QWidget(parent), frame_(frame) {
        setObjectName(frame->objectName() + QStringLiteral(" holder"));
        setGeometry(frame->geometry());
        stackUnder(frame);
        frame->stackUnder(this);
        TakeName();
    }

protected:
    // A language change reaches a window before its children: the frame is retitled by now.
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) TakeName();
        QWidget::changeEvent(event);
    }

private:
    void TakeName() {
        if (frame_)
            setAccessibleName((frame_->title().isEmpty() ? frame_->accessibleName() : frame_->title()).remove('&'));
    }

    QPointer<QGroupBox> frame_;
};

class GroupHolderAccessible : public QAccessibleWidget {
public:
    explicit GroupHolderAccessible(GroupHolder* holder) : QAccessibleWidget(holder, QAccessible::Grouping) {}
};

QAccessibleInterface* HolderFactory(const QString&, QObject* object) {
    if (auto* holder = qobject_cast<GroupHolder*>(object)) return new GroupHolderAccessible(holder);
    return nullptr;
}

int Area(const QWidget* w) { return w->width() * w->height(); }

QGroupBox* InnermostFrameAround(const QList<QGroupBox*>& frames, const QWidget* w) {
    QGroupBox* inner = nullptr;
    for (QGroupBox* frame : frames)
        if (frame != w && frame->geometry().contains(w->geometry()) && (!inner || Area(frame) < Area(inner)))
            inner = frame;
    return inner;
}
}  // namespace

void NestInGroupFrames(QWidget* container) {
    static const bool factoryInstalled = (QAccessible::installFactory(HolderFactory), true);
    (void)factoryInstalled;
    const QList<QGroupBox*> frames = container->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    std::map<QWidget*, QGroupBox*> around;  // each widget's innermost frame
    std::map<QGroupBox*, GroupHolder*> holders;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (QGroupBox* frame = w->isWindow() ? nullptr : InnermostFrameAround(frames, w)) around[w] = frame;
    for (const auto& [w, frame] : around)
        if (!holders.contains(frame)) holders[frame] = new GroupHolder(frame, container);
    // A nested frame's holder goes where its frame goes.
    for (const auto& [frame, holder] : holders)
        if (around.contains(frame)) around[holder] = around[frame];
    // Places are taken before anything moves; direct children come in stacking
    // order (each holder right above its frame), so moving in turn keeps it.
    struct Move {
        QWidget* widget;
        GroupHolder* into;
        QPoint at;
        bool hidden;
    };
    std::vector<Move> moves;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const auto it = around.find(w); it != around.end())
            moves.push_back({w, holders[it->second], w->pos() - it->second->pos(), w->isHidden()});
    for (const Move& m : moves) {
        m.widget->setParent(m.into);
        m.widget->move(m.at);
        m.widget->setHidden(m.hidden);
    }
}

#include "GroupNesting.moc"
