#include "engine/pair_rules.h"

#include "engine/time_of_day.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tavrel {
namespace {

int32_t T(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

// One relay with its six pairs, evaluated at a chosen moment.
struct RelayUnderTest {
    RelayRecord relay;
    std::array<TimePair, kPairsPerRelay> pairs{};
    int16_t suspended = kFalse;

    explicit RelayUnderTest(std::string code) {
        relay.CycleCode = std::move(code);
        relay.DaysOfWeek = "All Days";
    }
    RelayUnderTest& Pair(int n, const std::string& start, const std::string& end) {
        pairs[static_cast<size_t>(n)].StartTime = start;
        pairs[static_cast<size_t>(n)].EndTime = end;
        return *this;
    }
    // Returns whether the relay is ON at `now` on a Monday (7 Dec 2026), day 7 of the month.
    bool OnAt(int32_t now, int weekday = 2, int dayOfMonth = 7, int64_t tickMs = 1'000'000) {
        ClockSample s{{2026, 12, dayOfMonth}, weekday, now, tickMs};
        relay.NewState = kStateOff;
        EXPECT_TRUE(
            ApplyPairRules(relay, pairs, ResolveRelayPairSeconds(pairs, s.date, nullptr), s, suspended));
        return relay.NewState == kStateOn;
    }
};

TEST(DaysOfWeek, AllDaysWordsBlankAndDigits) {
    for (int day = 1; day <= 7; ++day) {
        EXPECT_TRUE(DaysOfWeekMatch("All Days", day));
        EXPECT_TRUE(DaysOfWeekMatch(" ", day));
        EXPECT_TRUE(DaysOfWeekMatch("", day));
        EXPECT_TRUE(DaysOfWeekMatch("ALL", day));
        EXPECT_FALSE(DaysOfWeekMatch("Mon", day)) << day;
        EXPECT_EQ(DaysOfWeekMatch("1357", day), day % 2 == 1) << day;
        EXPECT_EQ(DaysOfWeekMatch("2", day), day == 2) << day;
    }
    // Only the listed spellings mean every day.
    EXPECT_FALSE(DaysOfWeekMatch("ALL DAYS", 3));
    EXPECT_FALSE(DaysOfWeekMatch("  ", 3));
}

TEST(CycleCodes, WhichPairsEachCodeGoverns) {
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(RuleForPair("EO", p), PairRule::Plain);
        EXPECT_EQ(RuleForPair("  ", p), PairRule::Plain);
        EXPECT_EQ(RuleForPair("ed", p), PairRule::Plain) << "codes are case-sensitive";
        EXPECT_EQ(RuleForPair("ED", p), PairRule::EvenDay);
        EXPECT_EQ(RuleForPair("OS", p), PairRule::OddSecond);
    }
    EXPECT_EQ(RuleForPair("SS", 0), PairRule::NotWeekend);
    EXPECT_EQ(RuleForPair("SS", 1), PairRule::Plain);
    EXPECT_EQ(RuleForPair("TH", 0), PairRule::TopOfHour);
    EXPECT_EQ(RuleForPair("TH", 1), PairRule::Plain);
    EXPECT_EQ(RuleForPair("3H", 0), PairRule::TopOfHour);
    EXPECT_EQ(RuleForPair("3H", 1), PairRule::MiddleOfHour);
    EXPECT_EQ(RuleForPair("3H", 2), PairRule::BottomOfHour);
    for (int p = 3; p < 6; ++p)
        EXPECT_EQ(RuleForPair("3H", p), PairRule::Plain);
    EXPECT_EQ(RuleForPair("15", 0), PairRule::Cyclic);
    EXPECT_EQ(RuleForPair(" 2.5", 0), PairRule::Cyclic);
    EXPECT_EQ(RuleForPair("15", 1), PairRule::Plain);
    EXPECT_EQ(RuleForPair("1e", 0), PairRule::Plain);
    EXPECT_EQ(RuleForPair("inf", 0), PairRule::Plain);
}

TEST(CycleCodes, PlainWindowIsStrictOnBothBounds) {
    RelayUnderTest r("EO");
    r.Pair(0, "08:00:00", "09:00:00");
    EXPECT_FALSE(r.OnAt(T(7, 59, 59)));
    EXPECT_FALSE(r.OnAt(T(8, 0, 0)));
    EXPECT_TRUE(r.OnAt(T(8, 0, 1)));
    EXPECT_TRUE(r.OnAt(T(8, 59, 59)));
    EXPECT_FALSE(r.OnAt(T(9, 0, 0)));
    EXPECT_FALSE(r.OnAt(T(9, 0, 1)));
}

TEST(CycleCodes, WholeDayPairMissesMidnightAndLastSecond) {
    RelayUnderTest r("EO");
    r.Pair(0, "00:00:00", "23:59:59");
    EXPECT_FALSE(r.OnAt(T(0, 0, 0)));
    EXPECT_TRUE(r.OnAt(T(0, 0, 1)));
    EXPECT_TRUE(r.OnAt(T(23, 59, 58)));
    EXPECT_FALSE(r.OnAt(T(23, 59, 59)));
}

TEST(CycleCodes, WindowThatPassesMidnightNeverMatches) {
    RelayUnderTest r("EO");
    r.Pair(0, "22:00:00", "06:00:00");
    EXPECT_FALSE(r.OnAt(T(23, 0, 0)));
    EXPECT_FALSE(r.OnAt(T(3, 0, 0)));
}

TEST(CycleCodes, BlankOrUnreadableTimesLeaveThePairUnused) {
    RelayUnderTest r("EO");
    r.Pair(0, " ", "09:00:00").Pair(1, "08:00:00", "").Pair(2, "8 o'clock", "09:00:00");
    EXPECT_FALSE(r.OnAt(T(8, 30, 0)));
}

TEST(CycleCodes, DayParity) {
    RelayUnderTest even("ED");
    even.Pair(3, "08:00:00", "09:00:00");
    EXPECT_TRUE(even.OnAt(T(8, 30, 0), 2, 8));
    EXPECT_FALSE(even.OnAt(T(8, 30, 0), 2, 7));
    EXPECT_FALSE(even.OnAt(T(8, 0, 0), 2, 8)) << "the window still bounds it";
    RelayUnderTest odd("OD");
    odd.Pair(5, "08:00:00", "09:00:00");
    EXPECT_TRUE(odd.OnAt(T(8, 30, 0), 2, 31));
    EXPECT_FALSE(odd.OnAt(T(8, 30, 0), 2, 30));
}

TEST(CycleCodes, HourMinuteSecondParityAtTheirBoundaries) {
    RelayUnderTest eh("EH");
    eh.Pair(0, "07:00:00", "12:00:00");
    EXPECT_FALSE(eh.OnAt(T(7, 59, 59)));
    EXPECT_TRUE(eh.OnAt(T(8, 0, 0)));
    EXPECT_TRUE(eh.OnAt(T(8, 59, 59)));
    EXPECT_FALSE(eh.OnAt(T(9, 0, 0)));
    RelayUnderTest oh("OH");
    oh.Pair(0, "07:00:00", "12:00:00");
    EXPECT_TRUE(oh.OnAt(T(9, 0, 0)));
    EXPECT_FALSE(oh.OnAt(T(10, 0, 0)));

    RelayUnderTest em("EM");
    em.Pair(0, "07:00:00", "12:00:00");
    EXPECT_FALSE(em.OnAt(T(8, 1, 59)));
    EXPECT_TRUE(em.OnAt(T(8, 2, 0)));
    EXPECT_TRUE(em.OnAt(T(8, 2, 59)));
    EXPECT_FALSE(em.OnAt(T(8, 3, 0)));
    RelayUnderTest om("OM");
    om.Pair(0, "07:00:00", "12:00:00");
    EXPECT_TRUE(om.OnAt(T(8, 3, 0)));

    RelayUnderTest es("ES");
    es.Pair(0, "07:00:00", "12:00:00");
    EXPECT_FALSE(es.OnAt(T(8, 0, 1)));
    EXPECT_TRUE(es.OnAt(T(8, 0, 2)));
    EXPECT_FALSE(es.OnAt(T(8, 0, 3)));
    RelayUnderTest os("OS");
    os.Pair(0, "07:00:00", "12:00:00");
    EXPECT_TRUE(os.OnAt(T(8, 0, 3)));
    EXPECT_FALSE(os.OnAt(T(7, 0, 0))) << "second 0 is even, and the bound is strict anyway";
}

TEST(CycleCodes, WeekendCodesOnTheFirstPairOnly) {
    constexpr int kSunday = 1, kMonday = 2, kSaturday = 7;
    RelayUnderTest ss("SS");
    ss.Pair(0, "08:00:00", "09:00:00").Pair(1, "10:00:00", "11:00:00");
    EXPECT_TRUE(ss.OnAt(T(8, 30, 0), kMonday));
    EXPECT_FALSE(ss.OnAt(T(8, 30, 0), kSaturday));
    EXPECT_FALSE(ss.OnAt(T(8, 30, 0), kSunday));
    EXPECT_TRUE(ss.OnAt(T(10, 30, 0), kSunday)) << "the second pair is plain";
    EXPECT_FALSE(ss.OnAt(T(8, 0, 0), kMonday));

    RelayUnderTest xs("XS");
    xs.Pair(0, "08:00:00", "09:00:00");
    EXPECT_TRUE(xs.OnAt(T(8, 30, 0), kSaturday));
    EXPECT_FALSE(xs.OnAt(T(8, 30, 0), kSunday));
    RelayUnderTest sx("SX");
    sx.Pair(0, "08:00:00", "09:00:00");
    EXPECT_TRUE(sx.OnAt(T(8, 30, 0), kSunday));
    EXPECT_FALSE(sx.OnAt(T(8, 30, 0), kSaturday));
}

TEST(CycleCodes, TopOfHourBurst) {
    RelayUnderTest r("TH");
    r.Pair(0, "08:05:00", "17:00:00");
    EXPECT_FALSE(r.OnAt(T(8, 0, 0)));
    EXPECT_TRUE(r.OnAt(T(8, 0, 1)));
    EXPECT_TRUE(r.OnAt(T(8, 4, 59)));
    EXPECT_FALSE(r.OnAt(T(8, 5, 0)));
    EXPECT_FALSE(r.OnAt(T(7, 0, 1))) << "before the start hour";
    EXPECT_TRUE(r.OnAt(T(16, 0, 1)));
    EXPECT_TRUE(r.OnAt(T(16, 4, 59)));
    EXPECT_FALSE(r.OnAt(T(17, 0, 1))) << "after the end";
}

TEST(CycleCodes, TopOfHourWithZeroBurstNeverSwitches) {
    RelayUnderTest r("TH");
    r.Pair(0, "10:00:00", "17:00:00");
    for (int32_t now = T(9, 0, 0); now < T(18, 0, 0); now += 1)
        ASSERT_FALSE(r.OnAt(now)) << FormatTimeOfDay(now);
}

TEST(CycleCodes, MiddleOfHourWindow) {
    RelayUnderTest r("MH");
    r.Pair(0, "08:15:00", "17:45:00");
    EXPECT_FALSE(r.OnAt(T(8, 15, 0)));
    EXPECT_TRUE(r.OnAt(T(8, 15, 1)));
    EXPECT_TRUE(r.OnAt(T(8, 44, 59)));
    EXPECT_FALSE(r.OnAt(T(8, 45, 0)));
    EXPECT_TRUE(r.OnAt(T(16, 15, 1)));
    EXPECT_TRUE(r.OnAt(T(16, 44, 59)));
    EXPECT_FALSE(r.OnAt(T(17, 15, 1))) << "the end hour lies outside";
    EXPECT_FALSE(r.OnAt(T(8, 10, 0)));
}

TEST(CycleCodes, BottomOfHourWindowAndHour23) {
    RelayUnderTest r("BH");
    r.Pair(0, "08:50:00", "17:00:00");
    EXPECT_FALSE(r.OnAt(T(8, 50, 0)));
    EXPECT_TRUE(r.OnAt(T(8, 50, 1)));
    EXPECT_TRUE(r.OnAt(T(8, 59, 59)));
    EXPECT_FALSE(r.OnAt(T(9, 0, 0)));
    EXPECT_TRUE(r.OnAt(T(16, 59, 59)));
    EXPECT_FALSE(r.OnAt(T(17, 50, 1)));

    RelayUnderTest late("BH");
    late.Pair(0, "00:50:00", "23:59:59");
    EXPECT_FALSE(late.OnAt(T(23, 50, 0)));
    EXPECT_TRUE(late.OnAt(T(23, 50, 1)));
    EXPECT_TRUE(late.OnAt(T(23, 59, 58)));
    EXPECT_FALSE(late.OnAt(T(23, 59, 59)));

    // The last hour of the day: the burst runs to the last second before midnight, whichever part
    // of the hour it belongs to, and never past the pair's end.
    struct Row {
        const char* code;
        const char* start;
        int32_t now;
        bool on;
    };
    for (const Row& row :
         {Row{"BH", "23:50:00", T(23, 59, 58), true}, Row{"BH", "23:58:00", T(23, 59, 59), false},
          Row{"BH", "00:59:00", T(23, 59, 58), true}, Row{"TH", "00:00:00", T(23, 0, 0), false},
          Row{"TH", "00:10:00", T(23, 5, 0), true}}) {
        RelayUnderTest last(row.code);
        last.Pair(0, row.start, "23:59:59");
        EXPECT_EQ(last.OnAt(row.now), row.on) << row.code << " " << row.start << " at " << row.now;
    }
}

TEST(CycleCodes, ThreeHourPartsAndPlainLaterPairs) {
    RelayUnderTest r("3H");
    r.Pair(0, "08:05:00", "17:00:00").Pair(1, "08:20:00", "17:30:00").Pair(2, "08:50:00", "17:00:00");
    r.Pair(3, "20:00:00", "21:00:00");
    EXPECT_TRUE(r.OnAt(T(9, 2, 0)));
    EXPECT_EQ(r.pairs[0].PairActive, kTrue);
    EXPECT_EQ(r.pairs[1].PairActive, kFalse);
    EXPECT_FALSE(r.OnAt(T(9, 10, 0)));
    EXPECT_TRUE(r.OnAt(T(9, 25, 0)));
    EXPECT_EQ(r.pairs[1].PairActive, kTrue);
    EXPECT_TRUE(r.OnAt(T(9, 55, 0)));
    EXPECT_EQ(r.pairs[2].PairActive, kTrue);
    // Pair 4 is a plain window: ON for the whole hour, not in bursts.
    EXPECT_TRUE(r.OnAt(T(20, 40, 0)));
    EXPECT_EQ(r.pairs[3].PairActive, kTrue);
    EXPECT_FALSE(r.OnAt(T(20, 0, 0)));

    RelayUnderTest firstOnly("3H");
    firstOnly.Pair(0, "08:05:00", "17:00:00");
    RelayUnderTest th("TH");
    th.Pair(0, "08:05:00", "17:00:00");
    for (int32_t now = T(7, 0, 0); now < T(18, 0, 0); now += 37)
        ASSERT_EQ(firstOnly.OnAt(now), th.OnAt(now)) << FormatTimeOfDay(now);
}

TEST(CycleCodes, PairFlagsShowWhichPairSwitched) {
    RelayUnderTest r("EO");
    r.Pair(0, "06:00:00", "07:00:00").Pair(1, "08:00:00", "09:00:00");
    EXPECT_TRUE(r.OnAt(T(8, 30, 0)));
    EXPECT_EQ(r.pairs[0].PairActive, kFalse);
    EXPECT_EQ(r.pairs[1].PairActive, kTrue);
}

TEST(CycleCodes, SuspensionStopsBeforeTheNextPair) {
    RelayUnderTest r("EO");
    r.Pair(0, "08:00:00", "09:00:00");
    r.suspended = kTrue;
    r.relay.NewState = kStateOff;
    ClockSample s{{2026, 12, 7}, 2, T(8, 30, 0), 1000};
    EXPECT_FALSE(
        ApplyPairRules(r.relay, r.pairs, ResolveRelayPairSeconds(r.pairs, s.date, nullptr), s, r.suspended));
    EXPECT_EQ(r.relay.NewState, kStateOff);
}

// The cyclic rule runs on the fake clock's monotonic count.
class CyclicRule : public ::testing::Test {
protected:
    test::FakeClock clock;
    RelayUnderTest r{"2"};

    void SetUp() override {
        r.Pair(0, "08:00:00", "17:00:00");
        clock.Set(2026, 12, 7, 9, 0, 0);
    }
    // One evaluation; the board then shows what was demanded (as the tick's read-back would).
    int16_t Tick() {
        const ClockSample s = SampleClock(clock);
        r.relay.NewState = kStateOff;
        EXPECT_TRUE(ApplyPairRules(r.relay, r.pairs, ResolveRelayPairSeconds(r.pairs, s.date, nullptr), s,
                                   r.suspended));
        const int16_t demanded = r.relay.NewState;
        if (demanded == kStateOn || demanded == kStateOff)
            r.relay.CurrentState = r.relay.Invert != 0 ? static_cast<int16_t>(1 - demanded) : demanded;
        return demanded;
    }
};

TEST_F(CyclicRule, FirstEntryStartsTheCycleOff) {
    r.relay.CurrentState = kStateUnknown;
    EXPECT_EQ(Tick(), kStateOff);
    EXPECT_EQ(r.relay.NextCycleTick, clock.MonotonicMs() + 2 * 60000);
    EXPECT_EQ(r.relay.NextCycleText, "09:02:00");
    EXPECT_EQ(r.pairs[0].PairActive, kFalse);
}

TEST_F(CyclicRule, TogglesWhenDueAndHoldsBetween) {
    Tick();
    clock.Advance(60'000);
    EXPECT_EQ(Tick(), kStateOff) << "not yet due: holds";
    clock.Advance(60'000);
    EXPECT_EQ(Tick(), kStateOff) << "due exactly now is not yet past";
    clock.Advance(1);
    EXPECT_EQ(Tick(), kStateOn);
    EXPECT_EQ(r.pairs[0].PairActive, kTrue);
    EXPECT_EQ(r.relay.NextCycleText, "09:04:00");
    clock.Advance(60'000);
    EXPECT_EQ(Tick(), kStateOn);
    EXPECT_EQ(r.pairs[0].PairActive, kTrue);
    clock.Advance(60'001);
    EXPECT_EQ(Tick(), kStateOff);
}

TEST_F(CyclicRule, OutsideTheWindowStaysOffAndTogglesAtOnceOnReturn) {
    Tick();
    const int64_t next = r.relay.NextCycleTick;
    clock.SetTimeOfDay(17, 0, 0);
    EXPECT_EQ(Tick(), kStateOff);
    EXPECT_EQ(r.relay.NextCycleTick, next) << "kept outside the window";
    clock.Advance(10 * 60'000);
    clock.SetTimeOfDay(8, 30, 0);
    EXPECT_EQ(Tick(), kStateOn) << "the overdue toggle happens on the first tick inside";
}

TEST_F(CyclicRule, WorksPastWhereA32BitTickWouldWrap) {
    clock.SetMonotonicMs(2'147'483'647LL - 30'000);
    Tick();
    clock.Advance(2 * 60'000 + 1);
    ASSERT_GT(clock.MonotonicMs(), 2'147'483'647LL);
    EXPECT_EQ(Tick(), kStateOn);
    EXPECT_GT(r.relay.NextCycleTick, clock.MonotonicMs());
}

TEST_F(CyclicRule, InvertedRelayKeepsItsPhase) {
    r.relay.Invert = kTrue;
    Tick();
    clock.Advance(60'000);
    EXPECT_EQ(Tick(), kStateOff) << "holds, instead of flipping with the inverted read-back";
    clock.Advance(60'001);
    EXPECT_EQ(Tick(), kStateOn);
    clock.Advance(1000);
    EXPECT_EQ(Tick(), kStateOn);
}

TEST_F(CyclicRule, FractionalAndTooShortCycles) {
    RelayUnderTest half("0.5");
    half.Pair(0, "08:00:00", "17:00:00");
    half.relay.NewState = kStateOff;
    const ClockSample s = SampleClock(clock);
    ApplyPairRules(half.relay, half.pairs, ResolveRelayPairSeconds(half.pairs, s.date, nullptr), s,
                   half.suspended);
    EXPECT_EQ(half.relay.NextCycleTick, s.tickMs + 60000)
        << "at least one minute, so the relay cannot chatter";
    EXPECT_EQ(half.relay.NextCycleText, "09:00:30") << "the text shows the minutes as written";

    // Numbers that round down to no minute at all still wait one whole minute.
    for (const char* code : {"0.4", "0", "-3"}) {
        RelayUnderTest tooShort(code);
        tooShort.Pair(0, "08:00:00", "17:00:00");
        ApplyPairRules(tooShort.relay, tooShort.pairs,
                       ResolveRelayPairSeconds(tooShort.pairs, s.date, nullptr), s, tooShort.suspended);
        EXPECT_EQ(tooShort.relay.NextCycleTick, s.tickMs + 60000) << code;
    }
}

} // namespace
} // namespace tavrel
