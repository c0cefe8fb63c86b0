// The dialog wrapper (real dialogs, filter conversion) and the integer data
// exchange of the edit boxes. Its test mode, which only the tests use, is
// checked in harness/test_dialogs_test_mode.cpp.

#include "widgets/DataExchange.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>
#include <functional>

namespace {

// Answers the next modal window from inside its own event loop.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll_.stop();
                answer_(modal);
            }
        });
        poll_.start(20);
    }

private:
    std::function<void(QWidget*)> answer_;
    QTimer poll_;
};

// Turns test mode off for one test and back on afterwards.
class RealDialogs {
public:
    RealDialogs() { Dialogs::SetTestMode(false); }
    ~RealDialogs() { Dialogs::SetTestMode(true); }
};

}  // namespace

// ---- filters -------------------------------------------------------------------

TEST(DialogsFilter, PipeSeparatedFiltersBecomeQtFilters) {
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        {"conif file (*.ini)|*.ini||", "conif file (*.ini)"},
        {"Bin File|*.bin|", "Bin File (*.bin)"},
        {"Bin File|*.bin", "Bin File (*.bin)"},
        {"Pictures|*.png;*.bmp|All files (*.*)|*.*||", "Pictures (*.png *.bmp);;All files (*.*)"},
        {"Text (*.txt)|*.txt;*.log||", "Text (*.txt) (*.txt *.log)"},
        {"|*.cfg||", "*.cfg"},
        {"Settings (*.ini)", "Settings (*.ini)"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Dialogs::QtFilter(QString::fromLatin1(c.given)), QString::fromLatin1(c.expected)) << c.given;
}

// ---- real dialogs ------------------------------------------------------------------

TEST(DialogsReal, MessageShowsOneOkButtonModally) {
    RealDialogs real;
    QString title;
    QString text;
    int buttons = 0;
    ModalAnswerer answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    Dialogs::Message(nullptr, QStringLiteral("Upgrade finished!"));
    EXPECT_EQ(title, QStringLiteral("Quillon2.0"));
    EXPECT_EQ(text, QStringLiteral("Upgrade finished!"));
    EXPECT_EQ(buttons, 1);
}

TEST(DialogsReal, QuestionAnswersYesAndNo) {
    RealDialogs real;
    {
        ModalAnswerer answer(
            [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
        EXPECT_TRUE(Dialogs::Question(nullptr, QStringLiteral("Reset all?"), QStringLiteral("Quillon2.0")));
    }
    {
        ModalAnswerer answer(
            [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click(); });
        EXPECT_FALSE(Dialogs::Question(nullptr, QStringLiteral("Reset all?"), QStringLiteral("Quillon2.0")));
    }
}

TEST(DialogsReal, OpenDialogOffersTheConvertedFilterAndCancelGivesEmpty) {
    RealDialogs real;
    QStringList filters;
    QString title;
    ModalAnswerer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        title = dialog->windowTitle();
        dialog->reject();
    });
    const QString chosen = Dialogs::OpenFileName(nullptr, QStringLiteral("Open conifg file"),
                                                 QStringLiteral("Pictures|*.png;*.bmp|conif file (*.ini)|*.ini||"));
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(title, QStringLiteral("Open conifg file"));
    EXPECT_EQ(filters, QStringList({QStringLiteral("Pictures (*.png *.bmp)"), QStringLiteral("conif file (*.ini)")}));
}

// ---- integer exchange ------------------------------------------------------------

TEST(DataExchangeReadInt, TextThatIsNoIntegerKeepsTheOldValue) {
    QLineEdit edit;
    edit.setText(QStringLiteral("abc"));
    int value = 33;
    EXPECT_FALSE(DataExchange::ReadInt(&edit, value, 15, 60, nullptr));
    EXPECT_EQ(value, 33);
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].kind, Dialogs::Kind::Message);
    EXPECT_EQ(asked[0].text, QStringLiteral("Please enter an integer."));

    for (const char* bad : {"", "12abc", "4.5", "99999999999"}) {
        edit.setText(QString::fromLatin1(bad));
        EXPECT_FALSE(DataExchange::ReadInt(&edit, value, 15, 60, nullptr)) << bad;
        EXPECT_EQ(value, 33) << bad;
    }
    EXPECT_EQ(Dialogs::TakeRequests().size(), 4);
}

TEST(DataExchangeReadInt, NumberOutOfRangeIsReportedAndKept) {
    QLineEdit edit;
    edit.setText(QStringLiteral("100"));
    int value = 15;
    EXPECT_FALSE(DataExchange::ReadInt(&edit, value, 15, 60, nullptr));
    EXPECT_EQ(value, 100);
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].text, QStringLiteral("Please enter an integer between 15 and 60."));
}

TEST(DataExchangeReadInt, NumbersInRangeAreTakenSilently) {
    QLineEdit edit;
    int value = 0;
    for (const auto& [text, expected] : {std::pair{"15", 15}, std::pair{"60", 60}, std::pair{" -7 ", -7}}) {
        edit.setText(QString::fromLatin1(text));
        EXPECT_TRUE(DataExchange::ReadInt(&edit, value, -10, 60, nullptr)) << text;
        EXPECT_EQ(value, expected);
    }
    EXPECT_EQ(Dialogs::PendingUnexpected(), 0);
}

TEST(DataExchangeRefresh, RefreshLeavesABoxTheUserIsTypingIn) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* typed = new QLineEdit(&window);
    auto* untouched = new QLineEdit(&window);
    layout->addWidget(typed);
    layout->addWidget(untouched);
    DataExchange::WriteInt(typed, 20);
    DataExchange::WriteInt(untouched, 20);
    QObject::connect(typed, &QLineEdit::returnPressed, [typed] { DataExchange::Confirm(typed); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("45"));
    DataExchange::RefreshInt(typed, 21);
    DataExchange::RefreshInt(untouched, 21);
    EXPECT_EQ(typed->text(), QStringLiteral("45"));
    EXPECT_EQ(untouched->text(), QStringLiteral("21"));

    // Enter confirms the entry; from then on refreshes show the device's value again.
    QTest::keyClick(typed, Qt::Key_Return);
    DataExchange::RefreshInt(typed, 22);
    EXPECT_EQ(typed->text(), QStringLiteral("22"));
}
