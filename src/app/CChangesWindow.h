#pragma once
// Edit > Changes...: the change log of this connect as a table that follows
// the log as it grows, with Undo of the chosen change and Save as text. Not
// modal: the main window stays in use beside it.

#include <QDialog>

class ChangeCommands;
class QPushButton;
class QTableWidget;

class CChangesWindow : public QDialog {
    Q_OBJECT
public:
    CChangesWindow(ChangeCommands& commands, QWidget* parent);

    QTableWidget* table() const { return table_; }
    QPushButton* undoButton() const { return undo_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text and accessible name in the language in use.
    void RetranslateUi();
    void NameScrollParts();
    void Fill();
    uint64_t ChosenEntry() const;
    void OnUndo();
    void OnSave();

    ChangeCommands& commands_;
    QTableWidget* table_;
    QPushButton* undo_;
    QPushButton* save_;
    QPushButton* close_;
};
