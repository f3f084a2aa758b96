// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"
#include "form_texts.h"
#include "measured_time.h"
#include "oracle_bounds.h"

#include <QAccessible>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

// The times under the lists: how they are written, when they show, and what they tell a screen
// reader about the search that was measured.
class TestMeasuredTimes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { form.reset(); }

    void durationText_data();
    void durationText();
    void countText_data();
    void countText();
    void hiddenUntilFirstInterval();
    void describeTheSearch_data();
    void describeTheSearch();

private:
    std::unique_ptr<MainForm> form;
};

void TestMeasuredTimes::durationText_data()
{
    QTest::addColumn<qint64>("nanoseconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing measured") << qint64(0) << u"0 нс"_s;
    QTest::newRow("whole nanoseconds") << qint64(850) << u"850 нс"_s;
    QTest::newRow("last nanoseconds") << qint64(999) << u"999 нс"_s;
    QTest::newRow("first microsecond") << qint64(1000) << u"1,00 мкс"_s;
    QTest::newRow("two digits before the comma") << qint64(11'340) << u"11,3 мкс"_s;
    QTest::newRow("half rounds up") << qint64(11'350) << u"11,4 мкс"_s;
    QTest::newRow("three before the comma") << qint64(170'449) << u"170 мкс"_s;
    QTest::newRow("longest form") << qint64(99'940) << u"99,9 мкс"_s;
    QTest::newRow("rounds into the next unit") << qint64(999'600) << u"1,00 мс"_s;
    QTest::newRow("just below the next unit") << qint64(999'400) << u"999 мкс"_s;
    QTest::newRow("milliseconds") << qint64(1'284'999) << u"1,28 мс"_s;
    QTest::newRow("slowest search") << qint64(81'649'000) << u"81,6 мс"_s;
    QTest::newRow("seconds") << qint64(2'345'678'901) << u"2,35 с"_s;
}

void TestMeasuredTimes::durationText()
{
    QFETCH(qint64, nanoseconds);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(measured::durationText(nanoseconds)), text);
}

void TestMeasuredTimes::countText_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << qint64(0) << u"0"_s;
    QTest::newRow("four digits stay whole") << qint64(4823) << u"4823"_s;
    QTest::newRow("five digits") << qint64(20'428) << u"20\u00a0428"_s;
    QTest::newRow("six digits") << qint64(645'644) << u"645\u00a0644"_s;
    QTest::newRow("eight digits") << qint64(49'487'498) << u"49\u00a0487\u00a0498"_s;
}

void TestMeasuredTimes::countText()
{
    QFETCH(qint64, count);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(measured::countText(count)), text);
}

void TestMeasuredTimes::hiddenUntilFirstInterval()
{
    form = showForm();
    for (const QLabel* label : form->label2())
        QVERIFY(!label->isVisible());
    // Neither a method nor a list click shows them: only an interval measures anything.
    clickOption(form->option2()[0]);
    clickRow(form->list1()[0], 0);
    for (const QLabel* label : form->label2())
        QVERIFY(!label->isVisible());

    clickOption(form->option1()[1]);
    for (const QLabel* label : form->label2()) {
        QVERIFY(label->isVisible());
        QVERIFY(!label->text().isEmpty());
    }
}

void TestMeasuredTimes::describeTheSearch_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("method");
    const char* methods[] = { "2 - (N-1)", "2 - (N/2)", "2 - sqr(N)" };
    for (int interval = 0; interval < 4; ++interval) {
        for (int method = 0; method < 3; ++method) {
            QTest::addRow("%s, %s", qPrintable(captions[interval]), methods[method])
                << interval << method;
        }
    }
}

// The computed side's description names the chosen bound and the divisibility checks its search
// made: a window that searched with another bound would give itself away by the count.
void TestMeasuredTimes::describeTheSearch()
{
    QFETCH(int, interval);
    QFETCH(int, method);

    form = showForm();
    clickOption(form->option2()[static_cast<std::size_t>(method)]);
    // A different interval first, so that the figures must be replaced, not merely kept.
    clickOption(form->option1()[static_cast<std::size_t>((interval + 1) % 4)]);
    clickOption(form->option1()[static_cast<std::size_t>(interval)]);

    const qint64 operations = oracleOperations(std::max(intervalEnds[interval][0], 2),
        intervalEnds[interval][1], static_cast<primes::Method>(method));
    QCOMPARE(form->measured().remainderOperations, operations);

    const QRegularExpression shown(u"^(\\d{1,3}|\\d,\\d\\d|\\d\\d,\\d) (нс|мкс|мс|с)$"_s);
    for (QLabel* label : form->label2()) {
        QVERIFY2(shown.match(label->text()).hasMatch(), qPrintable(label->text()));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(label);
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), label->text());
        QCOMPARE(spoken->text(QAccessible::Description), label->toolTip());
    }
    QCOMPARE(form->label2()[0]->text(),
        QString::fromStdString(measured::durationText(form->measured().storedNanoseconds)));
    QCOMPARE(form->label2()[1]->text(),
        QString::fromStdString(measured::durationText(form->measured().computedNanoseconds)));

    // What each time measures; a mean of several runs goes on to say so (tst_measurement).
    const auto measuredOnly = [](QString description) {
        return description.left(
            description.indexOf(QString::fromUtf8(texts::spoken::meanOfRunsBefore)));
    };
    QCOMPARE(measuredOnly(form->label2()[0]->toolTip()),
        QString::fromUtf8(texts::spoken::storedTimeDescription));
    const QString description = measuredOnly(form->label2()[1]->toolTip());
    const QString before = QString::fromUtf8(texts::spoken::computedTimeBefore)
        + QString::fromUtf8(texts::methodCaptions[method]) + u": ";
    const QString after = QString::fromUtf8(texts::spoken::computedTimeAfter);
    QVERIFY2(
        description.startsWith(before) && description.endsWith(after), qPrintable(description));
    QString count
        = description.mid(before.size(), description.size() - before.size() - after.size());
    count.remove(u'\u00a0');
    QCOMPARE(count, QString::number(operations));
}

QTEST_MAIN(TestMeasuredTimes)
#include "tst_measured_times.moc"
