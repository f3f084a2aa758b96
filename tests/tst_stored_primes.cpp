// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sieve.h"
#include "stored_primes.h"
#include "trial_division.h"

#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

class TestStoredPrimes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listOfInterval_data();
    void listOfInterval();
    void everyPrimeBelowTenThousandOnce();
    void noListPastTheLast();
};

void TestStoredPrimes::listOfInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("first"); // the interval's ends as the window names them
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("head");
    QTest::addColumn<QStringList>("tail");

    QTest::newRow("1 - 10") << 0 << 1 << 10 << 4 << QStringList { u"2"_s, u"3"_s }
                            << QStringList { u"5"_s, u"7"_s };
    QTest::newRow("10 - 100") << 1 << 10 << 100 << 21
                              << QStringList { u"11"_s, u"13"_s, u"17"_s, u"19"_s }
                              << QStringList { u"83"_s, u"89"_s, u"97"_s };
    QTest::newRow("100 - 1000") << 2 << 100 << 1000 << 143 << QStringList { u"101"_s }
                                << QStringList { u"997"_s };
    QTest::newRow("1000 - 10000") << 3 << 1000 << 10000 << 1061
                                  << QStringList { u"1009"_s, u"1013"_s, u"1019"_s, u"1021"_s,
                                         u"1031"_s }
                                  << QStringList { u"9973"_s };
}

void TestStoredPrimes::listOfInterval()
{
    QFETCH(int, interval);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, rows);
    QFETCH(QStringList, head);
    QFETCH(QStringList, tail);

    QStringList stored;
    for (const char* row : primes::storedPrimes(static_cast<std::size_t>(interval)))
        stored.append(QString::fromLatin1(row));
    QCOMPARE(stored.size(), rows);
    QCOMPARE(stored.mid(0, head.size()), head);
    QCOMPARE(stored.mid(stored.size() - tail.size()), tail);

    // Exactly the sieve's primes, as plain decimal text (no blank, sign or leading zero), in
    // ascending order.
    QStringList expected;
    for (const int p : primesBetween(first, last))
        expected.append(QString::number(p));
    QCOMPARE(stored, expected);

    // Row by row the same numbers the search finds, whatever the bound.
    for (std::int16_t method = 0; method < static_cast<std::int16_t>(primes::methodCount);
         ++method) {
        QStringList computed;
        for (const std::int16_t p :
            primes::findPrimes(static_cast<std::int16_t>(interval), method).primes)
            computed.append(QString::number(p));
        QCOMPARE(computed, stored);
    }
}

void TestStoredPrimes::everyPrimeBelowTenThousandOnce()
{
    std::multiset<int> all;
    for (std::size_t list = 0; list < primes::storedListCount; ++list) {
        for (const char* row : primes::storedPrimes(list))
            all.insert(std::atoi(row));
    }
    const std::vector<int> expected = primesBetween(1, 10000);
    QCOMPARE(std::vector<int>(all.begin(), all.end()), expected);
}

void TestStoredPrimes::noListPastTheLast()
{
    QVERIFY(primes::storedPrimes(primes::storedListCount).empty());
}

QTEST_APPLESS_MAIN(TestStoredPrimes)
#include "tst_stored_primes.moc"
