#pragma once
// Every message box and file dialog of the program goes through here, so the
// GUI tests can answer them. In test mode nothing is ever shown: each request
// is recorded, the program's events go on in a nested event loop for a moment
// as they do under a real dialog, then a message returns as if OK was
// pressed, and file dialogs and questions take the next queued answer (none queued: the request counts as
// unexpected and is answered with cancel / "no").

#include <QList>
#include <QString>

class QWidget;

namespace Dialogs {

enum class Kind { Message, OpenFile, SaveFile, Question };

struct Request {
    Kind kind;
    QString title;
    QString text;
    QString filter;  // the file dialog's filter in Qt form; empty for messages and questions
    QString dir;     // the folder a file dialog opens in; empty for the default
};

// One OK button, modal.
// Without a title, the program's ("Quillon2.0").
void Message(QWidget* parent, const QString& text, const QString& title = QString());
// The chosen path, "" when cancelled. The dialog opens in dir when it is given.
QString OpenFileName(QWidget* parent, const QString& title, const QString& filter, const QString& dir = QString());
// The chosen path, "" when cancelled; asks before overwriting an existing file.
QString SaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& dir = QString());
// Yes / No; true for Yes.
bool Question(QWidget* parent, const QString& text, const QString& title);
// The name chosen in a save dialog with `suffix` (".log") added when it does
// not end in it (in any case). The dialog asked about the name as typed: when
// the name with the suffix is another, existing file, this asks before it is
// replaced, and gives "" when the answer is No.
QString WithSuffix(QWidget* parent, const QString& chosen, const QString& suffix, const QString& title);

// Turns a filter written as "conif file (*.ini)|*.ini||" or "Bin File|*.bin|"
// into the Qt form ("conif file (*.ini)", "Bin File (*.bin)"; pairs joined by
// ";;", several patterns "*.a;*.b" become "*.a *.b"). Text without '|' is
// taken as already being in the Qt form.
QString QtFilter(const QString& filter);

void SetTestMode(bool on);
bool TestMode();
// The answer for the next file dialog ("" = cancel) or question ("yes"/"no").
void QueueAnswer(const QString& answer);
// Returns and clears what was asked.
QList<Request> TakeRequests();
// Requests nobody took plus requests that found no queued answer.
int PendingUnexpected();
// Queued answers that no dialog asked for.
int UnusedAnswers();
// A readable list of the pending and unanswered requests, for failure reports.
QString DescribeUnexpected();
// Clears requests, answers and the unexpected list; the test mode stays as it is.
void ResetForTests();

}  // namespace Dialogs
