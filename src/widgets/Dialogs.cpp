#include "widgets/Dialogs.h"
#include "widgets/Announcer.h"
#include "widgets/AppLog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace Dialogs {
namespace {

struct State {
    bool testMode = false;
    QList<Request> requests;    // asked and not yet taken by the test
    QList<Request> unanswered;  // asked while no answer was queued
    QStringList answers;
};

State& TheState() {
    static State state;
    return state;
}

// A real dialog runs its own event loop until the user answers, and the
// program's timers and receive notifications go on meanwhile. The stand-in
// does the same for a user who reads for a moment, longer than any periodic
// refresh of the program.
constexpr int kTestAnswerMs = 150;

void RunWhileAnswering() {
    QEventLoop loop;
    QTimer::singleShot(kTestAnswerMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Records the request; true with the next queued answer, false when none was queued.
bool Answer(const Request& request, QString* answer) {
    State& state = TheState();
    state.requests.append(request);
    RunWhileAnswering();
    if (state.answers.isEmpty()) {
        qCWarning(lcWidgets) << "no answer queued for dialog" << request.title << request.text;
        state.unanswered.append(request);
        return false;
    }
    *answer = state.answers.takeFirst();
    return true;
}

QString KindName(Kind kind) {
    switch (kind) {
        case Kind::Message:
            return QStringLiteral("message");
        case Kind::OpenFile:
            return QStringLiteral("open file");
        case Kind::SaveFile:
            return QStringLiteral("save file");
        case Kind::Question:
            return QStringLiteral("question");
    }
    return {};
}

QString Describe(const Request& request) {
    QString line = KindName(request.kind) + QStringLiteral(" \"") + request.title + QStringLiteral("\"");
    if (!request.text.isEmpty()) line += QStringLiteral(": \"") + request.text + QStringLiteral("\"");
    if (!request.filter.isEmpty()) line += QStringLiteral(" [") + request.filter + QStringLiteral("]");
    return line;
}

// One "description|patterns" pair in the Qt form "description (patterns)".
QString QtFilterEntry(QString description, const QString& patterns) {
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) pattern = pattern.trimmed();
    list.removeAll(QString());
    const QString joined = list.isEmpty() ? QStringLiteral("*") : list.join(QLatin1Char(' '));
    description = description.trimmed();
    if (description.isEmpty()) return joined;
    const QString suffix = QStringLiteral("(") + joined + QStringLiteral(")");
    // Qt takes the patterns from the last parentheses, so a description that
    // already names them is kept as it is.
    if (description.endsWith(suffix)) return description;
    return description + QLatin1Char(' ') + suffix;
}

// Closed with Return, Qt's file dialog can leave Qt with no active window
// (seen under openbox) while the window manager has given the keyboard back
// to the window that asked: keys still work, but a screen reader, told the
// window was deactivated, speaks nothing more. Once the window system has
// settled, a window left inactive with nothing else active is made active again.
void KeepActive(QWidget* window) {
    QTimer::singleShot(500, window, [window] {
        if (!QApplication::activeWindow() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget() &&
            window->isVisible())
            QApplication::setActiveWindow(window);
    });
}

QString AskFileName(Kind kind, QWidget* parent, const QString& title, const QString& filter, const QString& dir) {
    const QString qtFilter = QtFilter(filter);
    if (TheState().testMode) {
        QString answer;
        return Answer({kind, title, QString(), qtFilter, dir}, &answer) ? answer : QString();
    }
    const QString chosen = kind == Kind::OpenFile ? QFileDialog::getOpenFileName(parent, title, dir, qtFilter)
                                                  : QFileDialog::getSaveFileName(parent, title, dir, qtFilter);
    if (parent) KeepActive(parent->window());
    return chosen;
}

}  // namespace

void Message(QWidget* parent, const QString& text, const QString& givenTitle) {
    const QString title = givenTitle.isEmpty() ? QCoreApplication::translate("Dialogs", "Quillon2.0") : givenTitle;
    if (TheState().testMode) {
        TheState().requests.append({Kind::Message, title, text, QString(), QString()});
        RunWhileAnswering();
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString OpenFileName(QWidget* parent, const QString& title, const QString& filter, const QString& dir) {
    return AskFileName(Kind::OpenFile, parent, title, filter, dir);
}

QString SaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& dir) {
    // QFileDialog asks before overwriting unless told not to.
    return AskFileName(Kind::SaveFile, parent, title, filter, dir);
}

bool Question(QWidget* parent, const QString& text, const QString& title) {
    if (TheState().testMode) {
        QString answer;
        if (!Answer({Kind::Question, title, text, QString(), QString()}, &answer)) return false;
        return answer.trimmed().compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
    }
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString WithSuffix(QWidget* parent, const QString& chosen, const QString& suffix, const QString& title) {
    if (chosen.endsWith(suffix, Qt::CaseInsensitive)) return chosen;
    const QString target = chosen + suffix;
    if (QFileInfo::exists(target) &&
        !Question(parent,
                  QCoreApplication::translate("Dialogs", "%1 already exists.\nDo you want to replace it?").arg(target),
                  title))
        return QString();
    return target;
}

QString QtFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|'))) return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (description.trimmed().isEmpty() && patterns.trimmed().isEmpty()) break;  // "||" ends the list
        entries.append(QtFilterEntry(description, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

void SetTestMode(bool on) { TheState().testMode = on; }

bool TestMode() { return TheState().testMode; }

void QueueAnswer(const QString& answer) { TheState().answers.append(answer); }

QList<Request> TakeRequests() {
    QList<Request> taken;
    taken.swap(TheState().requests);
    return taken;
}

int PendingUnexpected() {
    const State& state = TheState();
    return int(state.requests.size() + state.unanswered.size());
}

int UnusedAnswers() { return int(TheState().answers.size()); }

QString DescribeUnexpected() {
    const State& state = TheState();
    QStringList lines;
    for (const Request& request : state.requests)
        lines.append(QStringLiteral("not taken by the test: ") + Describe(request));
    for (const Request& request : state.unanswered)
        lines.append(QStringLiteral("asked with no answer queued: ") + Describe(request));
    for (const QString& answer : state.answers)
        lines.append(QStringLiteral("answer never asked for: \"") + answer + QStringLiteral("\""));
    return lines.join(QLatin1Char('\n'));
}

void ResetForTests() {
    State& state = TheState();
    state.requests.clear();
    state.unanswered.clear();
    state.answers.clear();
}

}  // namespace Dialogs
