// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oracle_bounds.h"
#include "sieve.h"
#include "trial_division.h"

#include <QTest>

using primes::Method;

namespace {

const char* methodName(Method method)
{
    switch (method) {
    case Method::AllBelow:
        return "N-1 bound";
    case Method::Half:
        return "halving bound";
    case Method::SquareRoot:
        return "square-root bound";
    }
    return "";
}

constexpr Method allMethods[] = { Method::AllBelow, Method::Half, Method::SquareRoot };

} // namespace

class TestTrialDivision : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designedBounds_data();
    void designedBounds();
    void boundsOfEveryCandidate();
    void divisorTest_data();
    void divisorTest();
    void primesOfInterval_data();
    void primesOfInterval();
    void indicesOutsideTheTables();
    void operationCount_data();
    void operationCount();
};

void TestTrialDivision::designedBounds_data()
{
    QTest::addColumn<Method>("method");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("bound");

    // The design's table of the smallest candidates.
    const int table[3][10] = {
        { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 },
        { 1, 2, 2, 2, 3, 4, 4, 4, 5, 6 },
        { 1, 2, 2, 2, 3, 4, 4, 4, 4, 4 },
    };
    for (const Method method : allMethods) {
        for (int n = 2; n <= 11; ++n) {
            QTest::addRow("N=%d, %s", n, methodName(method))
                << method << n << table[static_cast<int>(method)][n - 2];
        }
    }
    // Around the switch to the square root, perfect squares and the largest candidate.
    const int squareRoot[][2] = { { 5, 2 }, { 6, 3 }, { 9, 4 }, { 25, 6 }, { 99, 11 }, { 100, 11 },
        { 110, 11 }, { 111, 12 }, { 1000, 33 }, { 9999, 101 }, { 10000, 101 } };
    for (const auto& [n, bound] : squareRoot)
        QTest::addRow("N=%d, square-root bound", n) << Method::SquareRoot << n << bound;
    // Halves round to the even neighbour.
    const int half[][2] = { { 13, 6 }, { 15, 8 }, { 9999, 5000 }, { 10000, 5000 } };
    for (const auto& [n, bound] : half)
        QTest::addRow("N=%d, halving bound", n) << Method::Half << n << bound;
}

void TestTrialDivision::designedBounds()
{
    QFETCH(Method, method);
    QFETCH(int, n);
    QFETCH(int, bound);
    QCOMPARE(primes::divisorBound(method, static_cast<std::int16_t>(n)), bound);
}

void TestTrialDivision::boundsOfEveryCandidate()
{
    for (const Method method : allMethods) {
        for (int n = 2; n <= 10000; ++n) {
            const int bound = primes::divisorBound(method, static_cast<std::int16_t>(n));
            if (bound != oracleBound(method, n)) {
                QFAIL(qPrintable(QStringLiteral("N=%1, %2: bound %3, expected %4")
                                     .arg(n)
                                     .arg(QLatin1StringView(methodName(method)))
                                     .arg(bound)
                                     .arg(oracleBound(method, n))));
            }
        }
    }
}

void TestTrialDivision::divisorTest_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("bound");
    QTest::addColumn<bool>("noDivisor");

    QTest::newRow("2, no divisor tried") << 2 << 1 << true;
    QTest::newRow("3, tried by 2") << 3 << 2 << true;
    QTest::newRow("4, divisor 2 is the bound") << 4 << 2 << false;
    QTest::newRow("9, divisor 3 inside bound 4") << 9 << 4 << false;
    QTest::newRow("25, divisor 5 inside bound 6") << 25 << 6 << false;
    QTest::newRow("25, bound 4 misses divisor 5") << 25 << 4 << true;
    QTest::newRow("9973, every divisor below") << 9973 << 9972 << true;
    QTest::newRow("10000, divisor found first still composite") << 10000 << 9999 << false;
}

void TestTrialDivision::divisorTest()
{
    QFETCH(int, n);
    QFETCH(int, bound);
    QFETCH(bool, noDivisor);
    QCOMPARE(
        primes::hasNoDivisorUpTo(static_cast<std::int16_t>(n), static_cast<std::int16_t>(bound)),
        noDivisor);
}

void TestTrialDivision::primesOfInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<Method>("method");
    QTest::addColumn<int>("count");

    const char* names[] = { "2 - 10", "10 - 100", "100 - 1000", "1000 - 10000" };
    const int counts[] = { 4, 21, 143, 1061 };
    for (int interval = 0; interval < 4; ++interval) {
        for (const Method method : allMethods) {
            QTest::addRow("%s, %s", names[interval], methodName(method))
                << interval << method << counts[interval];
        }
    }
}

void TestTrialDivision::primesOfInterval()
{
    QFETCH(int, interval);
    QFETCH(Method, method);
    QFETCH(int, count);

    const auto range = primes::intervals[static_cast<std::size_t>(interval)];
    const std::vector<int> expected = primesBetween(range.first, range.last);
    const auto i = static_cast<std::int16_t>(interval);
    const auto m = static_cast<std::int16_t>(method);
    const std::vector<std::int16_t> found = primes::findPrimes(i, m).primes;
    QCOMPARE(static_cast<int>(found.size()), count);
    QCOMPARE(std::vector<int>(found.begin(), found.end()), expected);
    // A second run finds the same, with nothing carried over from the first.
    QCOMPARE(primes::findPrimes(i, m).primes, found);
}

// The window never passes such indices; the search still answers with nothing.
void TestTrialDivision::indicesOutsideTheTables()
{
    for (const auto& [interval, method] :
        { std::pair<int, int> { -1, 2 }, { 4, 2 }, { 0, -1 }, { 3, 3 } }) {
        const auto i = static_cast<std::int16_t>(interval);
        const auto m = static_cast<std::int16_t>(method);
        const primes::Search found = primes::findPrimes(i, m);
        QVERIFY(found.primes.empty() && found.remainderOperations == 0);
    }
}

void TestTrialDivision::operationCount_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<Method>("method");
    QTest::addColumn<qint64>("designed"); // the design's figure, exact or rounded
    QTest::addColumn<qint64>("tolerance");

    const qint64 figures[4][3] = {
        { 36, 18, 17 },
        { 4800, 2400, 651 },
        { 494000, 247000, 20400 },
        { 49500000, 24700000, 646000 },
    };
    const qint64 tolerances[4][3] = {
        { 0, 0, 0 },
        { 50, 50, 0 },
        { 500, 500, 50 },
        { 50000, 50000, 500 },
    };
    for (int interval = 0; interval < 4; ++interval) {
        for (const Method method : allMethods) {
            const auto m = static_cast<int>(method);
            QTest::addRow("interval %d, %s", interval, methodName(method))
                << interval << method << figures[interval][m] << tolerances[interval][m];
        }
    }
}

void TestTrialDivision::operationCount()
{
    QFETCH(int, interval);
    QFETCH(Method, method);
    QFETCH(qint64, designed);
    QFETCH(qint64, tolerance);

    const auto range = primes::intervals[static_cast<std::size_t>(interval)];
    const qint64 expected = oracleOperations(range.first, range.last, method);

    const auto i = static_cast<std::int16_t>(interval);
    const auto m = static_cast<std::int16_t>(method);
    // Counted in the divisor loop: a loop that stops at the first divisor, or skips one, computes
    // fewer remainders than the bounds call for.
    const qint64 counted = primes::findPrimes(i, m).remainderOperations;
    QCOMPARE(counted, expected);
    QVERIFY2(std::abs(counted - designed) <= tolerance, qPrintable(QString::number(counted)));
}

QTEST_APPLESS_MAIN(TestTrialDivision)
#include "tst_trial_division.moc"
