#pragma once
// Speech for what matters: each window's one notice for screen readers. A
// reader speaks an object in the notification role the moment it is shown
// (AT-SPI "showing"), whatever has the focus; Announce shows the notice anew
// with the text as its name. It draws nothing and takes neither mouse nor
// focus. Texts announced in one pass of the event loop, or within kGapMs of
// the last notice, are spoken together ("Orvex not connected!" and why), and
// a text is not spoken twice in a row.

#include <QElapsedTimer>
#include <QLabel>
#include <QString>
#include <QStringList>

class Announcer : public QLabel {
    Q_OBJECT
public:
    // The announcer of widget's window, made on first use.
    static Announcer* Of(QWidget* widget);
    void Announce(const QString& text);
    // A text not yet spoken is dropped (a page passed before its title was spoken).
    void Withdraw(const QString& text) { pending_.removeAll(text); }

    // What was spoken last and how many times anything was.
    QString lastText() const { return accessibleName(); }
    int count() const { return count_; }

    static constexpr int kGapMs = 500;

private:
    explicit Announcer(QWidget* window);
    void Speak();

    QStringList pending_;
    QElapsedTimer shown_;
    int count_ = 0;
};
