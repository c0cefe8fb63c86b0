#include "widgets/FocusOrder.h"

#include <QGroupBox>
#include <QHash>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A control, or a group holding controls and groups, with its place in the window.
struct Block {
    QWidget* widget = nullptr;
    QRect place;
    bool control = false;
    std::vector<Block*> inside;
};

bool TakesTab(const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy(); }

QRect PlaceIn(const QWidget* window, const QWidget* w) { return QRect(w->mapTo(window, QPoint()), w->size()); }

// Controls Tab can reach, each once: the parts of a control that takes Tab itself are left to it.
std::vector<QWidget*> Controls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !TakesTab(w)) continue;
        bool part = false;
        for (QWidget* up = w->parentWidget(); up && up != window && !part; up = up->parentWidget()) part = TakesTab(up);
        if (!part) controls.push_back(w);
    }
    return controls;
}

// The groups around w, innermost first: its parents, and the group frames drawn
// around it by a parent (frames that are siblings of their controls).
std::vector<QWidget*> GroupsAround(QWidget* window, QWidget* w) {
    std::vector<QWidget*> groups;
    for (QWidget* current = w; current != window;) {
        QWidget* parent = current->parentWidget();
        const QRect place = current->geometry();
        std::vector<QWidget*> frames;
        for (QGroupBox* frame : parent->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            if (frame != current && frame->geometry().contains(place)) frames.push_back(frame);
        std::sort(frames.begin(), frames.end(), [](const QWidget* a, const QWidget* b) {
            return a->width() * a->height() < b->width() * b->height();
        });
        groups.insert(groups.end(), frames.begin(), frames.end());
        if (parent != window) groups.push_back(parent);
        current = parent;
    }
    return groups;
}

// Reading order: rows from the top, each row from the left; a block starting
// above the middle of a row's first block belongs to that row.
void SortForReading(std::vector<Block*>& blocks) {
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const Block* a, const Block* b) { return a->place.top() < b->place.top(); });
    auto rowStart = blocks.begin();
    while (rowStart != blocks.end()) {
        const int middle = (*rowStart)->place.center().y();
        auto rowEnd =
            std::find_if(rowStart + 1, blocks.end(), [middle](const Block* b) { return b->place.top() >= middle; });
        std::stable_sort(rowStart, rowEnd,
                         [](const Block* a, const Block* b) { return a->place.left() < b->place.left(); });
        rowStart = rowEnd;
    }
}

void Collect(Block& group, std::vector<QWidget*>& chain) {
    SortForReading(group.inside);
    for (Block* b : group.inside) {
        if (b->control)
            chain.push_back(b->widget);
        else
            Collect(*b, chain);
    }
}

std::vector<QWidget*> LayoutOrder(QWidget* window) {
    std::vector<std::unique_ptr<Block>> blocks;
    QHash<QWidget*, Block*> groups;
    Block top;
    const auto make = [&](QWidget* w, bool control) {
        blocks.push_back(std::make_unique<Block>(Block{w, PlaceIn(window, w), control, {}}));
        return blocks.back().get();
    };
    for (QWidget* control : Controls(window)) {
        const std::vector<QWidget*> around = GroupsAround(window, control);
        Block* holder = &top;
        for (auto it = around.rbegin(); it != around.rend(); ++it) {
            Block*& group = groups[*it];
            if (!group) {
                group = make(*it, false);
                holder->inside.push_back(group);
            }
            holder = group;
        }
        holder->inside.push_back(make(control, true));
    }
    std::vector<QWidget*> chain;
    Collect(top, chain);
    return chain;
}

}  // namespace

namespace FocusOrder {

void Apply(QWidget* window) {
    // The strip's arrows only scroll the titles; the keyboard changes tabs with the arrow keys.
    for (QTabBar* strip : window->findChildren<QTabBar*>())
        for (QToolButton* arrow : strip->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            arrow->setFocusPolicy(Qt::NoFocus);
    const std::vector<QWidget*> chain = LayoutOrder(window);
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace FocusOrder

QWidget* FocusOrder::First(QWidget* window, QWidget* within) {
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((within == window || within->isAncestorOf(w)) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(within))
            return w;
    return nullptr;
}
