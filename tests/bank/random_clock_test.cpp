#include "clock.h"
#include "random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

TEST(Rnd, StaysInTheHalfOpenUnitIntervalAndRepeatsForASeed) {
    quizra::Randomize(12345.5);
    std::vector<double> first;
    for (int i = 0; i < 10000; ++i) {
        const double r = quizra::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        first.push_back(r);
    }
    quizra::Randomize(12345.5);
    for (double r : first)
        ASSERT_EQ(quizra::Rnd(), r);
    quizra::Randomize(12345.25);
    EXPECT_NE(quizra::Rnd(), first[0]);
}

TEST(Rnd, CanBeFedFixedValues) {
    quizra::setRandomSource([] { return 0.25; });
    EXPECT_EQ(quizra::Rnd(), 0.25);
    quizra::setRandomSource({});
    quizra::Randomize(1);
    const double r = quizra::Rnd();
    quizra::Randomize(1);
    EXPECT_EQ(quizra::Rnd(), r);
}

TEST(Now, CountsDaysFrom1899December30InLocalTime) {
    setenv("TZ", "JST-9", 1); // a fixed offset that needs no time-zone database
    tzset();
    const double expected = static_cast<double>(std::time(nullptr) + 9 * 3600) / 86400.0 + 25569.0;
    EXPECT_NEAR(quizra::Now(), expected, 2.0 / 86400);
    EXPECT_NEAR(quizra::TimeOfDay(), std::fmod(expected, 1.0) * 86400, 2.0);
    unsetenv("TZ");
    tzset();
}

TEST(Now, CanBeReplaced) {
    quizra::setClock([] { return 45000.75; });
    EXPECT_EQ(quizra::Now(), 45000.75);
    EXPECT_EQ(quizra::TimeOfDay(), 18 * 3600);
    quizra::setClock({});
    EXPECT_GT(quizra::Now(), 45000.0);
}

} // namespace
