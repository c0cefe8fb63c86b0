// The dialog wrapper's test mode, which every GUI test relies on: requests are
// recorded, queued answers taken in order, and a dialog nobody prepared an
// answer for stays reported. Not the product: its own target.

#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

// ---- test mode ---------------------------------------------------------------

TEST(DialogsTestMode, MessageIsRecordedAndReturnsAtOnce) {
    ASSERT_TRUE(Dialogs::TestMode());
    Dialogs::Message(nullptr, QStringLiteral("Save file successfully!"));
    Dialogs::Message(nullptr, QStringLiteral("second"), QStringLiteral("Setup"));
    EXPECT_EQ(Dialogs::PendingUnexpected(), 2);

    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].kind, Dialogs::Kind::Message);
    EXPECT_EQ(asked[0].title, QStringLiteral("Quillon2.0"));
    EXPECT_EQ(asked[0].text, QStringLiteral("Save file successfully!"));
    EXPECT_EQ(asked[1].title, QStringLiteral("Setup"));
    EXPECT_EQ(Dialogs::PendingUnexpected(), 0);
    EXPECT_TRUE(Dialogs::TakeRequests().isEmpty());
}

TEST(DialogsTestMode, FileDialogsAndQuestionsTakeQueuedAnswersInOrder) {
    Dialogs::QueueAnswer(QStringLiteral("/tmp/a.ini"));
    Dialogs::QueueAnswer(QString());
    Dialogs::QueueAnswer(QStringLiteral("YES"));
    Dialogs::QueueAnswer(QStringLiteral("no"));

    EXPECT_EQ(Dialogs::OpenFileName(nullptr, QStringLiteral("Open"), QStringLiteral("conif file (*.ini)|*.ini||")),
              QStringLiteral("/tmp/a.ini"));
    EXPECT_EQ(Dialogs::SaveFileName(nullptr, QStringLiteral("Save"), QStringLiteral("Bin File|*.bin|")), QString());
    EXPECT_TRUE(Dialogs::Question(nullptr, QStringLiteral("Go on?"), QStringLiteral("Quillon2.0")));
    EXPECT_FALSE(Dialogs::Question(nullptr, QStringLiteral("Go on?"), QStringLiteral("Quillon2.0")));
    EXPECT_EQ(Dialogs::UnusedAnswers(), 0);

    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 4);
    EXPECT_EQ(asked[0].kind, Dialogs::Kind::OpenFile);
    EXPECT_EQ(asked[0].filter, QStringLiteral("conif file (*.ini)"));
    EXPECT_EQ(asked[1].kind, Dialogs::Kind::SaveFile);
    EXPECT_EQ(asked[1].filter, QStringLiteral("Bin File (*.bin)"));
    EXPECT_EQ(asked[2].kind, Dialogs::Kind::Question);
    EXPECT_EQ(asked[2].text, QStringLiteral("Go on?"));
    EXPECT_EQ(Dialogs::PendingUnexpected(), 0);
}

TEST(DialogsTestMode, DialogWithoutQueuedAnswerIsCancelledAndStaysUnexpected) {
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, QStringLiteral("Open"), QStringLiteral("Bin File|*.bin|")), QString());
    EXPECT_FALSE(Dialogs::Question(nullptr, QStringLiteral("Sure?"), QStringLiteral("Quillon2.0")));
    EXPECT_EQ(Dialogs::PendingUnexpected(), 4);  // two not taken, two unanswered

    // Taking them does not excuse them: nobody prepared an answer.
    EXPECT_EQ(Dialogs::TakeRequests().size(), 2);
    EXPECT_EQ(Dialogs::PendingUnexpected(), 2);
    const QString report = Dialogs::DescribeUnexpected();
    EXPECT_TRUE(report.contains(QStringLiteral("Sure?"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("*.bin"))) << report.toStdString();

    Dialogs::ResetForTests();
    EXPECT_EQ(Dialogs::PendingUnexpected(), 0);
    EXPECT_TRUE(Dialogs::TestMode());
}

TEST(DialogsTestMode, AnswerNobodyAskedForIsReported) {
    Dialogs::QueueAnswer(QStringLiteral("/tmp/never.bin"));
    EXPECT_EQ(Dialogs::UnusedAnswers(), 1);
    EXPECT_TRUE(Dialogs::DescribeUnexpected().contains(QStringLiteral("/tmp/never.bin")));
    Dialogs::ResetForTests();
    EXPECT_EQ(Dialogs::UnusedAnswers(), 0);
}
