// Dates with offsets and formats, counters, and the calculator's memory of the copy number.
#include "ValuesTestSupport.h"
#include "values/DateTimeFormat.h"
#include "values/SpecialValue.h"
#include "values/ValueDialogs.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tessaly::values {
namespace {

using test::fixedNow;
using test::frenchLocale;

typvaleurspeciale dateSettings(const char* format, int days = 0, int months = 0, int years = 0)
{
    typvaleurspeciale settings;
    settings.kind = 1;
    settings.text[0] = QString::fromLatin1(format);
    settings.number = {days, months, years, 0};
    return settings;
}

typvaleurspeciale counterSettings(int start, int mode, int increment, int width, const char* restart = "N")
{
    typvaleurspeciale settings;
    settings.kind = 2;
    settings.text[0] = QString::fromLatin1(restart);
    settings.number = {start, mode, increment, width};
    return settings;
}

QString compute(const typvaleurspeciale& settings, RunNumbers run = {}, QDateTime now = fixedNow(),
                const QLocale& locale = frenchLocale())
{
    return ComputeSpecialValue(settings, run, now, locale);
}

TEST(DateValue, TheTenProposedFormatsRenderExactly)
{
    const char* expected[] = {
        "31/01/2027", "31/01/27", "2027/01/31", "27/01/31", "14:05:09",
        "14:05", "31/01/2027 14:05", "31/01/27 14:05", "2027/01/31 14:05", "27/01/31 14:05"};
    ASSERT_EQ(std::size(expected), kDateFormatProposals.size());
    for (std::size_t i = 0; i < kDateFormatProposals.size(); ++i)
        EXPECT_EQ(compute(dateSettings(kDateFormatProposals[i])), QString::fromLatin1(expected[i]))
            << kDateFormatProposals[i];
}

TEST(DateValue, SeparatorsFollowTheLocale)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(compute(dateSettings("dd/mm/yyyy hh:mm:ss"), {}, fixedNow(), german), QStringLiteral("31.01.2027 14:05:09"));
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(compute(dateSettings("hh:nn"), {}, fixedNow(), finnish), QStringLiteral("14.05"));
}

TEST(DateValue, OtherFormatLetters)
{
    const QDateTime morning(QDate(2027, 3, 4), QTime(7, 8, 9, 7));
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"d/m/y h:n:s", "4/3/27 7:8:9"},
        {"DD/MM/YYYY HH:NN", "04/03/2027 07:08"},
        {"mm hh:mm mm", "03 07:08 03"},       // minutes only right after the hour
        {"hh'h'mm", "07h08"},                 // the hour still rules across quoted text
        {"'dd/mm' \"yy\" zzz", "dd/mm yy 007"},
        {"mmmm", "mars"},
        {"[ok]", "[ok]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compute(dateSettings(c.format), {}, morning), QString::fromUtf8(c.expected)) << c.format;
}

TEST(DateValue, OffsetsAddDaysThenMonthsThenYearsClampingTheDay)
{
    struct Case {
        QDate today;
        int days, months, years;
        const char* expected;
    } cases[] = {
        {QDate(2027, 1, 31), 0, 1, 0, "28/02/2027"},   // 31 January + 1 month: end of February
        {QDate(2028, 1, 31), 0, 1, 0, "29/02/2028"},
        {QDate(2027, 1, 30), 1, 1, 0, "28/02/2027"},   // days first: 31 January, then February
        {QDate(2028, 2, 29), 0, 1, 1, "29/03/2029"},   // months before years
        {QDate(2027, 3, 31), 0, -1, 0, "28/02/2027"},
        {QDate(2028, 2, 29), 0, 0, 1, "28/02/2029"},
        {QDate(2027, 1, 31), -31, 0, -2, "31/12/2024"},
        {QDate(2027, 12, 31), 1, 0, 0, "01/01/2028"},
    };
    for (const auto& c : cases) {
        const QDateTime now(c.today, QTime(12, 0));
        EXPECT_EQ(compute(dateSettings("dd/mm/yyyy", c.days, c.months, c.years), {}, now),
                  QString::fromLatin1(c.expected))
            << c.today.toString(Qt::ISODate).toStdString() << " " << c.days << " " << c.months << " " << c.years;
    }
}

TEST(DateValue, OffsetsBeyondTheCalendarGiveNothing)
{
    constexpr int big = std::numeric_limits<int>::max();
    EXPECT_EQ(compute(dateSettings("dd/mm/yyyy", 0, 0, big)), QString());
    EXPECT_EQ(compute(dateSettings("dd/mm/yyyy", 0, 0, -big)), QString());
    EXPECT_EQ(compute(dateSettings("yyyy", 0, 0, 1000)), QStringLiteral("3027"));
    compute(dateSettings("dd/mm/yyyy", big, big, 0)); // far in the future, but no failure
}

TEST(CounterValue, SequencesOverRuns)
{
    // Database run with two records of quantity 3: label, record and copy numbers.
    const std::vector<RunNumbers> twoRecordsOfThree{{1, 1, 1}, {2, 1, 2}, {3, 1, 3}, {4, 2, 1}, {5, 2, 2}, {6, 2, 3}};
    struct Case {
        const char* name;
        typvaleurspeciale settings;
        std::vector<RunNumbers> runs;
        std::vector<const char*> expected;
    } cases[] = {
        {"per label, width 4", counterSettings(0, 1, 1, 4), {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}}, {"0001", "0002", "0003"}},
        {"restart each record", counterSettings(0, 1, 1, 1, "O"), twoRecordsOfThree, {"1", "2", "3", "1", "2", "3"}},
        {"restart needs exactly O", counterSettings(0, 1, 1, 1, "o"), twoRecordsOfThree, {"1", "2", "3", "4", "5", "6"}},
        {"per record", counterSettings(100, 2, 10, 1), twoRecordsOfThree, {"110", "110", "110", "120", "120", "120"}},
        {"dialog defaults", counterSettings(1, 1, 1, 2), {{1, 1, 1}, {2, 1, 1}}, {"02", "03"}},
        {"wider than the width", counterSettings(1, 1, 1, 2), {{99, 1, 1}}, {"100"}},
        {"negative keeps its sign first", counterSettings(0, 1, -5, 3), {{1, 1, 1}, {30, 1, 1}}, {"-05", "-150"}},
        {"unknown mode counts 0", counterSettings(7, 3, 1, 2), {{5, 5, 5}}, {"00"}},
        {"no width", counterSettings(7, 1, 0, 0), {{5, 5, 5}}, {"7"}},
        {"32-bit extremes do not overflow", counterSettings(std::numeric_limits<int>::max(), 1, std::numeric_limits<int>::max(), 0),
         {{std::numeric_limits<int>::max(), 1, 1}}, {"4611686016279904256"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.runs.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < c.runs.size(); ++i)
            EXPECT_EQ(compute(c.settings, c.runs[i]), QString::fromLatin1(c.expected[i])) << c.name << " #" << i;
    }
}

TEST(CounterValue, DamagedWidthIsCapped)
{
    const QString value = compute(counterSettings(5, 1, 0, std::numeric_limits<int>::max()));
    EXPECT_EQ(value.size(), kMaxCounterWidth);
    EXPECT_TRUE(value.endsWith(u"005"));
}

TEST(SpecialValue, UnknownKindAndPrefixLeftOut)
{
    typvaleurspeciale settings = counterSettings(1, 1, 1, 2);
    settings.prefix = QStringLiteral("P");
    settings.suffix = QStringLiteral("S");
    EXPECT_EQ(compute(settings), QStringLiteral("02"));
    for (int kind : {0, 3, -1}) {
        settings.kind = kind;
        EXPECT_EQ(compute(settings), QString()) << kind;
    }
}

TEST(Calculator, PreviewUsesTheCopyNumberOfTheLastResolution)
{
    Tvaleurspeciale calculator = test::fixedCalculator();
    const typvaleurspeciale restart = counterSettings(10, 1, 5, 1, "O");
    EXPECT_EQ(calculator.Preview(restart), QStringLiteral("10"));   // copy 0 before any run
    EXPECT_EQ(calculator.ComputeFor(restart, {7, 2, 3}), QStringLiteral("25"));
    EXPECT_EQ(calculator.Preview(restart), QStringLiteral("25"));
    EXPECT_EQ(calculator.Preview(counterSettings(10, 1, 5, 1)), QStringLiteral("15")); // label 1
    typvaleurspeciale date = dateSettings("dd/mm/yyyy", 0, 1);
    date.prefix = QStringLiteral("use by ");
    date.suffix = QStringLiteral(".");
    EXPECT_EQ(calculator.Preview(date), QStringLiteral("28/02/2027"));
    EXPECT_EQ(calculator.PreviewFramed(date), QStringLiteral("use by 28/02/2027."));
}

} // namespace
} // namespace tessaly::values
