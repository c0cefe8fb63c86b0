#include "widgets/ScreenFit.h"
#include "widgets/AppLog.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include <algorithm>

namespace ScreenFit {
namespace {

constexpr const char* kKeepInView = "screenFitKeepInView";
constexpr const char* kFitted = "screenFitDone";
constexpr const char* kFrameChecked = "screenFitFrameChecked";
// X11 tells the frame only once the window is mapped: until then a usual
// title bar and border are assumed.
constexpr QMargins kUsualFrame(4, 30, 4, 4);
constexpr int kRowGap = 4;           // between the scrolling content and the buttons kept in view
constexpr int kRowMargin = 8;        // at most this much below them
constexpr int kMinimumScrollH = 60;  // less than this and the whole dialog scrolls instead

QRect& TestArea() {
    static QRect area;
    return area;
}

// The window manager tells the real frame once it has framed the window. Some
// place the client where the frame was meant to go (with a scale factor, or
// beside desktop panels), which leaves the title bar off the screen or under a
// panel: once the frame is known (the window moved or became active), the
// frame is brought into view, once.
void KeepFrameInView(QWidget* window) {
    const QWindow* handle = window->windowHandle();
    if (!handle || handle->frameMargins().isNull()) return;
    window->setProperty(kFrameChecked, true);
    const QRect available = AvailableGeometry(window);
    const QRect frame = window->frameGeometry();
    if (available.isEmpty() || (frame.top() >= available.top() && frame.left() >= available.left())) return;
    const QPoint into(std::max(0, available.left() - frame.left()), std::max(0, available.top() - frame.top()));
    qCInfo(lcWidgets) << window->metaObject()->className() << "frame" << frame << "moved by" << into << "into"
                      << available;
    window->move(window->pos() + into);
}

class ShowFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!w->isWindow()) return false;
        if (event->type() == QEvent::Show && !w->property(kFitted).toBool()) Fit(w);
        const bool framed = event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
        if (framed && w->property(kFitted).toBool() && !w->property(kFrameChecked).toBool()) KeepFrameInView(w);
        return false;
    }
};

QScrollArea* ScrollAround(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("screenFitScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    area->viewport()->setAutoFillBackground(false);  // the window's own background shows through
    content->setAutoFillBackground(false);
    return area;
}

void ScrollMainWindow(QMainWindow* window) {
    if (window->layout()) window->layout()->activate();
    QWidget* central = window->takeCentralWidget();
    if (!central) return;
    central->setFixedSize(central->size());
    window->setCentralWidget(ScrollAround(central, window));
}

// The buttons kept in view, as a row: where it lies in the dialog.
struct Row {
    int top, bottom;  // one past the last pixel
};

// The row goes to the foot of the window. Left-hand buttons keep their
// distance from the left edge, the others from the right; where the two
// groups would meet they are set side by side.
void PlaceKeptButtons(const QList<QWidget*>& kept, Row row, int margin, const QSize& full, const QSize& client) {
    int leftEnd = 0, rightStart = client.width();
    for (QWidget* b : kept) {
        const bool left = b->geometry().center().x() < full.width() / 2;
        const int x = left ? b->x() : b->x() - full.width() + client.width();
        b->move(x, client.height() - margin - (row.bottom - b->y()));
        if (left)
            leftEnd = std::max(leftEnd, b->geometry().right() + 1);
        else
            rightStart = std::min(rightStart, x);
    }
    if (leftEnd + kRowGap <= rightStart) return;
    QList<QWidget*> byX = kept;
    std::sort(byX.begin(), byX.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    int x = kRowGap;
    for (QWidget* b : byX) {
        b->move(x, b->y());
        x += b->width() + kRowGap;
    }
}

void ScrollDialog(QWidget* window, const QSize& full, const QSize& client) {
    QList<QWidget*> kept, moved;
    Row row{full.height(), 0};
    for (QObject* child : window->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        const bool keep = w->property(kKeepInView).toBool() && !w->isHidden();
        (keep ? kept : moved).append(w);
        if (keep) row = {std::min(row.top, w->y()), std::max(row.bottom, w->geometry().bottom() + 1)};
    }
    const int margin = std::clamp(full.height() - row.bottom, 0, kRowMargin);
    int scrollHeight = client.height() - margin - (row.bottom - row.top) - kRowGap;
    if (kept.isEmpty() || scrollHeight < kMinimumScrollH) {
        moved += kept;
        kept.clear();
        scrollHeight = client.height();
    }
    auto* content = new QWidget(window);
    content->setObjectName(QStringLiteral("screenFitContent"));
    content->setFixedSize(full);
    for (QWidget* w : moved) {
        const bool shown = !w->isHidden();
        const QRect place = w->geometry();
        w->setParent(content);
        w->setGeometry(place);
        w->setVisible(shown);
    }
    QScrollArea* area = ScrollAround(content, window);
    area->setGeometry(0, 0, client.width(), scrollHeight);
    area->show();
    PlaceKeptButtons(kept, row, margin, full, client);
}

struct Placement {
    QRect frame;          // where the window's frame goes
    bool scroll = false;  // the window is smaller than it wants: its content scrolls
};

// The wanted frame rectangle kept where it lies inside the available area;
// otherwise moved (and cut to the area's size) so that it does.
Placement Place(const QRect& wanted, const QRect& available) {
    if (available.isEmpty() || available.contains(wanted)) return {wanted, false};
    const QSize size = wanted.size().boundedTo(available.size());
    const int x = std::clamp(wanted.x(), available.left(), available.right() + 1 - size.width());
    const int y = std::clamp(wanted.y(), available.top(), available.bottom() + 1 - size.height());
    return {QRect(QPoint(x, y), size), size != wanted.size()};
}

// Where a dialog wants to open: its frame centred on its parent's window.
QRect CentredOn(const QRect& parentFrame, const QSize& frameSize) {
    QRect rect(QPoint(0, 0), frameSize);
    rect.moveCenter(parentFrame.center());
    return rect;
}

// The window frame around a top-level widget: the platform's once known,
// otherwise a usual title bar and border.
QMargins FrameMargins(const QWidget* window) {
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull()) return known;
    }
    return kUsualFrame;
}

}  // namespace

QRect AvailableGeometry(const QWidget* window) {
    if (!TestArea().isEmpty()) return TestArea();
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void SetAvailableGeometryForTests(const QRect& area) { TestArea() = area; }

void KeepInView(QWidget* button) { button->setProperty(kKeepInView, true); }

void Fit(QWidget* window) {
    window->setProperty(kFitted, true);
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    // Laid-out windows (message boxes, file dialogs) size and place themselves
    // within the screen; tooltips and menus are not windows to fit.
    if ((window->layout() && !mainWindow) || window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
        return;
    const QRect available = AvailableGeometry(window);
    const QMargins frame = FrameMargins(window);
    const QSize full = window->size();
    QRect wanted(window->frameGeometry().topLeft(), full.grownBy(frame));
    // A dialog not placed by its owner opens centred on its parent (on the
    // screen without one), as Qt would place it a moment later.
    const bool unplacedDialog = qobject_cast<QDialog*>(window) && !window->testAttribute(Qt::WA_Moved);
    if (unplacedDialog) {
        const QWidget* parent = window->parentWidget();
        wanted = CentredOn(parent ? parent->window()->frameGeometry() : available, wanted.size());
    }
    const Placement placed = Place(wanted, available);
    if (placed.frame == wanted && !unplacedDialog) return;
    if (placed.scroll) {
        const QSize client = placed.frame.size().shrunkBy(frame);
        qCInfo(lcWidgets) << window->metaObject()->className() << "is larger than the screen's" << available
                          << "- its content scrolls in" << client;
        if (mainWindow)
            ScrollMainWindow(mainWindow);
        else
            ScrollDialog(window, full, client);
        window->setFixedSize(client);
    }
    window->move(placed.frame.topLeft());
}

void Install() {
    static ShowFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new ShowFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace ScreenFit
