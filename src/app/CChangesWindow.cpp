#include "app/CChangesWindow.h"

#include "app/ChangeCommands.h"
#include "params/IniFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Translated.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kIdRole = Qt::UserRole;
constexpr int kNamedValues = 3;     // a longer change is counted in its row and listed in its tooltip
constexpr int kWidestColumn = 280;  // pixels

// The parameter table's label in the language in use.
QString LabelText(DeviceByte b) { return QCoreApplication::translate("ParameterTable", Label(b)); }

// Time, from, value, old → new, confirmed.
QStringList Row(const ChangeEntry& e) {
    QStringList labels, moves;
    for (const ValueChange& v : e.values) {
        labels << LabelText(v.byte);
        moves << QStringLiteral("%1 → %2").arg(v.before).arg(v.after);
    }
    if (labels.size() > kNamedValues) {
        labels = QStringList{CChangesWindow::tr("%1 values").arg(labels.size())};
        moves = QStringList{CChangesWindow::tr("(listed in the tooltip)")};
    }
    const QString value = e.action.empty() ? labels.join(QStringLiteral(", ")) : Translated(EntryText(e));
    QString confirmed = QCoreApplication::translate("ChangeLog", ConfirmationText(e.confirmation));
    if (!e.reversible) confirmed += CChangesWindow::tr(", cannot be taken back");
    return {QString::fromStdString(ClockText(e.timeMs)), Translated(e.origin), value, moves.join(QStringLiteral(", ")),
            confirmed};
}
// Every value of the change on a line of its own.
QString Details(const ChangeEntry& e) {
    QStringList lines;
    for (const ValueChange& v : e.values)
        lines << QStringLiteral("%1: %2 → %3").arg(LabelText(v.byte)).arg(v.before).arg(v.after);
    return lines.isEmpty() ? Translated(EntryText(e)) : lines.join(QLatin1Char('\n'));
}
}  // namespace

CChangesWindow::CChangesWindow(ChangeCommands& commands, QWidget* parent)
    : QDialog(parent), commands_(commands), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("changesWindow"));
    setModal(false);
    table_->setObjectName(QStringLiteral("changesTable"));
    table_->setColumnCount(5);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    undo_ = new QPushButton(this);
    undo_->setObjectName(QStringLiteral("undoChosen"));
    save_ = new QPushButton(this);
    save_->setObjectName(QStringLiteral("saveChanges"));
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("closeChanges"));
    connect(undo_, &QPushButton::clicked, this, &CChangesWindow::OnUndo);
    connect(save_, &QPushButton::clicked, this, &CChangesWindow::OnSave);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { undo_->setEnabled(ChosenEntry() != 0 && commands_.log().begun()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {undo_, save_, close_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(760, 360);
    connect(&commands_, &ChangeCommands::logChanged, this, &CChangesWindow::Fill);
    RetranslateUi();
}

// The rows carry texts of their own (", cannot be taken back"), so they are filled again.
void CChangesWindow::RetranslateUi() {
    setWindowTitle(tr("Changes"));
    table_->setAccessibleName(tr("Changes sent to the Orvex since it connected"));
    table_->setHorizontalHeaderLabels({tr("Time"), tr("From"), tr("Value"), tr("Old → new"), tr("Confirmed")});
    NameScrollParts();
    undo_->setText(tr("Undo this change"));
    save_->setText(tr("Save as text..."));
    close_->setText(tr("Close"));
    for (QPushButton* b : {undo_, save_, close_}) b->setAccessibleName(b->text());
    Fill();
}

void CChangesWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QDialog::changeEvent(event);
}

// The table's scroll bars, their holders and the column heads are parts of it.
void CChangesWindow::NameScrollParts() {
    for (QWidget* part : table_->findChildren<QWidget*>()) {
        if (auto* bar = qobject_cast<QScrollBar*>(part))
            part->setAccessibleName(bar->orientation() == Qt::Vertical ? tr("Scroll up and down")
                                                                       : tr("Scroll left and right"));
        else if (qobject_cast<QHeaderView*>(part))
            part->setAccessibleName(tr("Column headings"));
        else
            part->setAccessibleName(table_->accessibleName());
    }
}

void CChangesWindow::Fill() {
    const uint64_t chosen = ChosenEntry();
    const std::vector<ChangeEntry>& entries = commands_.log().entries();
    table_->setRowCount(static_cast<int>(entries.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QStringList cells = Row(entries[r]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(kIdRole, QVariant::fromValue<qulonglong>(entries[r].id));
            item->setToolTip(Details(entries[r]));
            table_->setItem(r, c, item);
        }
        if (entries[r].id == chosen) table_->selectRow(r);
    }
    table_->resizeColumnsToContents();
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, std::min(table_->columnWidth(c), kWidestColumn));
    undo_->setEnabled(ChosenEntry() != 0 && commands_.log().begun());
    save_->setEnabled(!entries.empty());
}

uint64_t CChangesWindow::ChosenEntry() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? 0 : items.front()->data(kIdRole).toULongLong();
}

void CChangesWindow::OnUndo() { commands_.UndoEntry(ChosenEntry(), this); }

void CChangesWindow::OnSave() {
    const QString title = tr("Save Changes");
    const QString chosen = Dialogs::SaveFileName(this, title, tr("text file (*.txt)|*.txt||"));
    if (chosen.isEmpty()) return;
    const QString path = Dialogs::WithSuffix(this, chosen, QStringLiteral(".txt"), title);
    if (path.isEmpty()) return;
    const FileResult saved = SaveTextAtomically(path.toStdString(), commands_.log().Text());
    if (!saved.ok) Dialogs::Message(this, Translated(saved.text));
}
