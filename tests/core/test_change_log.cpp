// The change log's own rules, without a link: what an entry holds and when an
// undo is possible.

#include "params/ChangeLog.h"

#include <gtest/gtest.h>

namespace {
struct Sender {
    ChangeLog log;
    ParameterImage unit{};
    uint64_t Send(std::initializer_list<std::pair<CV, int>> values) {
        ParameterImage sent = unit;
        for (auto [name, value] : values) *BytePtr(sent, Def(name).device) = static_cast<int8_t>(value);
        const uint64_t id = log.Record(unit, sent, false);
        unit = sent;
        return id;
    }
};
}  // namespace

// A change of the same value later stands in the way of an undo from the
// middle of the log until it is undone itself; an unrelated one does not.
TEST(ChangeLog, AnUndoFromTheMiddleWaitsForLaterChangesOfTheSameValue) {
    Sender s;
    s.log.Begin(s.unit);
    const uint64_t roll = s.Send({{CV::RollGain, 40}});
    const uint64_t pitch = s.Send({{CV::PitchGain, 30}});
    const uint64_t rollAgain = s.Send({{CV::RollGain, 63}});
    CoreText why;
    EXPECT_FALSE(s.log.PlanUndo(roll, s.unit, &why));
    EXPECT_NE(why.English().find("Roll gain was changed again later"), std::string::npos) << why.English();
    EXPECT_NE(why.English().find("Roll gain 40 → 63"), std::string::npos) << why.English();
    ASSERT_TRUE(s.log.PlanUndo(pitch, s.unit, &why));

    const auto step = s.log.PlanUndo(rollAgain, s.unit, &why);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->values.at(0).after, 40);
    s.log.Taken(*step);
    EXPECT_EQ(s.log.NextRedo()->id, rollAgain);
    EXPECT_TRUE(s.log.PlanUndo(roll, s.unit, &why)) << why.English();
    s.Send({{CV::YawGain, 20}});
    EXPECT_EQ(s.log.NextRedo(), nullptr) << "a new change ends what could be redone";
}

// A restore writes its parameters and then the condition: one entry, with
// the unit's values before the first frame.
TEST(ChangeLog, FramesUnderOneOriginMakeOneEntryThatWaitsForEveryAnswer) {
    Sender s;
    s.log.Begin(s.unit);
    {
        ChangeLog::Origin restore(s.log, "Restore from backup", ChangeKind::Change, true);
        s.log.Answer(s.Send({{CV::RollGain, 40}, {CV::PitchGain, 30}}), true);
        s.Send({{CV::RollGain, 50}});
    }
    s.Send({{CV::PitchGain, 31}});
    ASSERT_EQ(s.log.entries().size(), 2u);
    const ChangeEntry& restore = s.log.entries()[0];
    EXPECT_EQ(restore.origin.English(), "Restore from backup");
    EXPECT_EQ(DescribeEntry(restore), "Roll gain 0 → 50, Pitch gain 0 → 30");
    EXPECT_EQ(restore.confirmation, Confirmation::Waiting) << "its second frame is not answered";
    EXPECT_EQ(s.log.entries()[1].origin.English(), "Main panel");
}
