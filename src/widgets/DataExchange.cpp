#include "widgets/DataExchange.h"
#include "widgets/Dialogs.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace DataExchange {
namespace {

void Refuse(QLineEdit* edit, QWidget* parent, const QString& message) {
    Dialogs::Message(parent ? parent : edit->window(), message);
    // As with the classic dialogs, the user is taken back to the box in question.
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

}  // namespace

bool ReadInt(QLineEdit* edit, int& value, int min, int max, QWidget* parent) {
    bool ok = false;
    const int number = edit->text().trimmed().toInt(&ok);
    if (!ok) {
        Refuse(edit, parent, QCoreApplication::translate("DataExchange", "Please enter an integer."));
        return false;
    }
    value = number;
    if (number < min || number > max) {
        Refuse(edit, parent,
               QCoreApplication::translate("DataExchange", "Please enter an integer between %1 and %2.")
                   .arg(min)
                   .arg(max));
        return false;
    }
    return true;
}

void WriteInt(QLineEdit* edit, int value) {
    const QString text = QString::number(value);
    if (edit->text() != text) edit->setText(text);
    edit->setModified(false);
}

void RefreshInt(QLineEdit* edit, int value) {
    if (edit->isModified()) return;
    WriteInt(edit, value);
}

void Confirm(QLineEdit* edit) { edit->setModified(false); }

}  // namespace DataExchange
