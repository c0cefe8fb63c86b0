#include "widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

#include <algorithm>

namespace {

QAccessibleInterface* AnnouncerFactory(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QLabel(window) {
    static const bool factoryInstalled = (QAccessible::installFactory(AnnouncerFactory), true);
    static_cast<void>(factoryInstalled);
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

Announcer* Announcer::Of(QWidget* widget) {
    QWidget* window = widget->window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer ? announcer : new Announcer(window);
}

void Announcer::Announce(const QString& text) {
    if (text.isEmpty() || pending_.contains(text)) return;
    // A reader reads a notice's name when it comes to the notice's event, which
    // may be after the next notice has renamed it: notices keep a gap.
    const qint64 since = shown_.isValid() ? shown_.elapsed() : kGapMs;
    if (pending_.isEmpty()) QTimer::singleShot(std::max<qint64>(0, kGapMs - since), this, &Announcer::Speak);
    pending_.append(text);
}

void Announcer::Speak() {
    if (pending_.isEmpty()) return;  // withdrawn
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
    if (text == accessibleName() && isVisible()) return;
    setAccessibleName(text);
    shown_.start();
    hide();  // the reader speaks a notice as it turns from hidden to shown
    show();
    ++count_;
}
