// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"
#include "form_texts.h"
#include "screen_reader.h"
#include "timings_window.h"

#include <QClipboard>
#include <QTableView>

using namespace Qt::StringLiterals;

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { form = showForm(); }
    void cleanup() { form.reset(); }

    void startState();
    void intervalClick_data();
    void intervalClick();
    void methodTakesEffectAtNextInterval_data();
    void methodTakesEffectAtNextInterval();
    void secondIntervalReplacesSummary();
    void chosenIntervalAgainRunsAgain();
    void rowSyncByMouse_data();
    void rowSyncByMouse();
    void rowSyncByKeyboard_data();
    void rowSyncByKeyboard();
    void selectionCannotBeTakenAway_data();
    void selectionCannotBeTakenAway();
    void optionsByKeyboard();
    void modifiedKeysDoNothing_data();
    void modifiedKeysDoNothing();
    void typingChangesNothing();
    void timingsWindowFollowsClicks();

private:
    std::unique_ptr<MainForm> form;
};

void TestMainForm::startState()
{
    QCOMPARE(form->intervalIndex(), -1);
    QCOMPARE(form->methodIndex(), 2);
    QCOMPARE(form->list1()[0]->count(), 0);
    QCOMPARE(form->list1()[1]->count(), 0);
    QCOMPARE(form->text1()[0]->text(), QString::fromUtf8(texts::taskStatement));
    for (const OptionButton* option : form->option1())
        QVERIFY(!option->isChecked());
    QVERIFY(!form->option2()[0]->isChecked());
    QVERIFY(!form->option2()[1]->isChecked());
    QVERIFY(form->option2()[2]->isChecked());
    const int storedRows[] = { 4, 21, 143, 1061 };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form->list2()[static_cast<std::size_t>(i)]->count(), storedRows[i]);
    // Shown, which the window never does, a stored list lists its rows.
    StoredList* stored = form->list2()[0];
    stored->show();
    QVERIFY(stored->model());
    QCOMPARE(stored->model()->rowCount(), 4);
    QCOMPARE(stored->model()->index(3, 0).data().toString(), u"7"_s);
    stored->hide();
}

void TestMainForm::intervalClick_data()
{
    QTest::addColumn<int>("interval");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(qPrintable(captions[i])) << i;
}

void TestMainForm::intervalClick()
{
    QFETCH(int, interval);
    clickOption(form->option1()[static_cast<std::size_t>(interval)]);

    QCOMPARE(form->intervalIndex(), interval);
    QVERIFY(form->option1()[static_cast<std::size_t>(interval)]->isChecked());
    QVERIFY(form->option2()[2]->isChecked());
    const QStringList expected = expectedRows(interval);
    QCOMPARE(rowsOf(form->list1()[0]), expected);
    QCOMPARE(rowsOf(form->list1()[1]), expected);
    QCOMPARE(form->text1()[0]->text(), expectedSummary(interval));
    QCOMPARE(form->list1()[0]->selectedRow(), -1);
    QCOMPARE(form->list1()[1]->selectedRow(), -1);
}

void TestMainForm::methodTakesEffectAtNextInterval_data()
{
    QTest::addColumn<int>("method");
    QTest::newRow("2 - (N-1)") << 0;
    QTest::newRow("2 - (N/2)") << 1;
    QTest::newRow("2 - sqr(N)") << 2;
}

void TestMainForm::methodTakesEffectAtNextInterval()
{
    QFETCH(int, method);
    clickOption(form->option1()[1]);
    clickRow(form->list1()[0], 5);
    const QString summary = form->text1()[0]->text();

    clickOption(form->option2()[static_cast<std::size_t>(method)]);
    QCOMPARE(form->methodIndex(), method);
    QVERIFY(form->option1()[1]->isChecked()); // the other group keeps its choice
    QCOMPARE(rowsOf(form->list1()[1]), expectedRows(1));
    QCOMPARE(form->list1()[1]->selectedRow(), 5);
    QCOMPARE(form->text1()[0]->text(), summary);

    clickOption(form->option1()[2]);
    QVERIFY(form->option2()[static_cast<std::size_t>(method)]->isChecked());
    QCOMPARE(rowsOf(form->list1()[0]), expectedRows(2));
    QCOMPARE(rowsOf(form->list1()[1]), expectedRows(2));
}

void TestMainForm::secondIntervalReplacesSummary()
{
    clickOption(form->option1()[0]);
    clickRow(form->list1()[1], 2);
    const QModelIndexList selected = form->list1()[0]->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().data().toString(), u"5"_s);
    clickOption(form->option1()[3]);

    QCOMPARE(form->text1()[0]->text(), expectedSummary(3));
    QCOMPARE(form->text1()[0]->toPlainText(), expectedSummary(3).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(rowsOf(form->list1()[0]), expectedRows(3));
    QCOMPARE(rowsOf(form->list1()[1]), expectedRows(3));
    QCOMPARE(form->list1()[0]->selectedRow(), -1);
    QCOMPARE(form->list1()[1]->selectedRow(), -1);
    QVERIFY(!form->option1()[0]->isChecked());
}

void TestMainForm::chosenIntervalAgainRunsAgain()
{
    clickOption(form->option1()[1]);
    clickRow(form->list1()[0], 3);
    QCOMPARE(form->list1()[1]->selectedRow(), 3);

    clickOption(form->option1()[1]);
    QCOMPARE(rowsOf(form->list1()[0]), expectedRows(1));
    QCOMPARE(rowsOf(form->list1()[1]), expectedRows(1));
    QCOMPARE(form->list1()[0]->selectedRow(), -1);
    QCOMPARE(form->list1()[1]->selectedRow(), -1);
}

void TestMainForm::rowSyncByMouse_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("clicked"); // which list the user clicks
    QTest::addColumn<int>("row");

    QTest::newRow("1 - 10, third row of the left list") << 0 << 0 << 2;
    QTest::newRow("1 - 10, third row of the right list") << 0 << 1 << 2;
    QTest::newRow("1 - 10, last row of the right list") << 0 << 1 << 3;
    QTest::newRow("100 - 1000, first row of the left list") << 2 << 0 << 0;
    QTest::newRow("1000 - 10000, last row of the left list") << 3 << 0 << 1060;
    QTest::newRow("1000 - 10000, a middle row of the right list") << 3 << 1 << 500;
}

void TestMainForm::rowSyncByMouse()
{
    QFETCH(int, interval);
    QFETCH(int, clicked);
    QFETCH(int, row);

    clickOption(form->option1()[static_cast<std::size_t>(interval)]);
    clickRow(form->list1()[static_cast<std::size_t>(clicked)], row);

    const QString prime = expectedRows(interval).at(row);
    for (const ListBox* list : form->list1()) {
        QCOMPARE(list->selectedRow(), row);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list->selectionModel()->selectedRows().first().data().toString(), prime);
    }
    // The other list scrolls its selected row into view.
    const ListBox* other = form->list1()[static_cast<std::size_t>(1 - clicked)];
    QVERIFY(other->viewport()->rect().intersects(other->visualRect(other->model()->index(row, 0))));
}

void TestMainForm::rowSyncByKeyboard_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");

    using K = QList<int>;
    for (int list = 0; list < 2; ++list) {
        const char* side = list == 0 ? "left" : "right";
        QTest::addRow("%s: first Down selects the first row", side)
            << list << K { Qt::Key_Down } << 0;
        QTest::addRow("%s: Down, Down", side) << list << K { Qt::Key_Down, Qt::Key_Down } << 1;
        QTest::addRow("%s: first Up selects the first row", side) << list << K { Qt::Key_Up } << 0;
        QTest::addRow("%s: End", side) << list << K { Qt::Key_End } << 142;
        QTest::addRow("%s: End, Up", side) << list << K { Qt::Key_End, Qt::Key_Up } << 141;
        QTest::addRow("%s: End, Home", side) << list << K { Qt::Key_End, Qt::Key_Home } << 0;
        QTest::addRow("%s: Left and Right move nothing", side)
            << list << K { Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left } << 1;
        QTest::addRow("%s: Page Up stops at the first row", side)
            << list << K { Qt::Key_Down, Qt::Key_Down, Qt::Key_PageUp } << 0;
        QTest::addRow("%s: Page Down goes on by a page", side)
            << list << K { Qt::Key_Down, Qt::Key_PageDown } << -1;
    }
}

void TestMainForm::rowSyncByKeyboard()
{
    QFETCH(int, list);
    QFETCH(QList<int>, keys);
    QFETCH(int, row);

    clickOption(form->option1()[2]);
    ListBox* focused = form->list1()[static_cast<std::size_t>(list)];
    focused->setFocus(Qt::TabFocusReason);
    QVERIFY(focused->hasFocus());
    QCOMPARE(focused->selectedRow(), -1); // focus alone selects nothing
    for (const int key : keys)
        QTest::keyClick(focused, static_cast<Qt::Key>(key));

    const int selected = form->list1()[0]->selectedRow();
    if (row >= 0)
        QCOMPARE(selected, row);
    else
        QVERIFY2(selected > 1 && selected < 142, qPrintable(QString::number(selected)));
    QCOMPARE(form->list1()[1]->selectedRow(), selected);
    // The row is in view in both lists.
    for (const ListBox* shown : form->list1())
        QVERIFY(shown->viewport()->rect().contains(
            shown->visualRect(shown->model()->index(selected, 0))));
}

void TestMainForm::selectionCannotBeTakenAway_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Ctrl+click on the left list's selected row") << 0 << false;
    QTest::newRow("Ctrl+click on the right list's selected row") << 1 << false;
    QTest::newRow("Ctrl+Space on the left list's selected row") << 0 << true;
    QTest::newRow("Ctrl+Space on the right list's selected row") << 1 << true;
}

void TestMainForm::selectionCannotBeTakenAway()
{
    QFETCH(int, list);
    QFETCH(bool, byKeyboard);

    clickOption(form->option1()[1]);
    ListBox* target = form->list1()[static_cast<std::size_t>(list)];
    clickRow(target, 4);
    if (byKeyboard) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);
    } else {
        clickRow(target, 4, Qt::ControlModifier);
    }
    QCOMPARE(form->list1()[0]->selectedRow(), 4);
    QCOMPARE(form->list1()[1]->selectedRow(), 4);
}

void TestMainForm::optionsByKeyboard()
{
    // Arrows choose the neighbouring button of the group, wrapping around; Space the focused one.
    form->option1()[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->option1()[0], Qt::Key_Space);
    QCOMPARE(form->intervalIndex(), 0);
    QCOMPARE(rowsOf(form->list1()[1]), expectedRows(0));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(form->intervalIndex(), 1);
    QVERIFY(form->option1()[1]->isChecked());
    QVERIFY(form->option1()[1]->hasFocus());
    QCOMPARE(form->text1()[0]->text(), expectedSummary(1));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(form->intervalIndex(), 3);
    QCOMPARE(rowsOf(form->list1()[0]), expectedRows(3));

    form->option2()[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->option2()[2], Qt::Key_Right);
    QCOMPARE(form->methodIndex(), 0);
    QVERIFY(form->option2()[0]->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(form->methodIndex(), 2);
    QVERIFY(form->option1()[3]->isChecked()); // the interval group is left alone
    QCOMPARE(form->intervalIndex(), 3);

    // Space on the chosen button clicks it again: the lists are filled anew, unselected.
    clickRow(form->list1()[0], 3);
    form->option1()[3]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->option1()[3], Qt::Key_Space);
    QCOMPARE(form->list1()[0]->selectedRow(), -1);
    QCOMPARE(rowsOf(form->list1()[0]), expectedRows(3));
}

// Which keys a modifier leaves doing nothing is the logic's (tst_decisions); here, that each
// modifier reaches it from each kind of control, Shift+Tab's own key (Backtab) too.
void TestMainForm::modifiedKeysDoNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::newRow("Ctrl+Tab on the text box")
        << u"Text1(0)"_s << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+Shift+Tab on a list")
        << u"List1(0)"_s << int(Qt::Key_Backtab) << (Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Alt+Down in a list")
        << u"List1(1)"_s << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("logo key+Right on a button")
        << u"Option1(1)"_s << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::MetaModifier);
    QTest::newRow("Ctrl+Space on the chosen button")
        << u"Option1(1)"_s << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestMainForm::modifiedKeysDoNothing()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, held);

    clickOption(form->option1()[1]);
    clickRow(form->list1()[0], 3);
    QWidget* from = ::control(*form, control);
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(from, static_cast<Qt::Key>(key), held);
    QVERIFY(from->hasFocus());
    QCOMPARE(form->intervalIndex(), 1);
    QCOMPARE(form->list1()[0]->selectedRow(), 3); // a click of the button would unselect it
    QCOMPARE(form->list1()[1]->selectedRow(), 3);
}

void TestMainForm::typingChangesNothing()
{
    TextBox* box = form->text1()[0];
    box->setFocus();
    QTest::keyClicks(box, u"abc"_s);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    // What shows, not TextBox::text(), which keeps what the logic last wrote.
    QCOMPARE(
        box->toPlainText(), QString::fromUtf8(texts::taskStatement).replace(u"\r\n"_s, u"\n"_s));
    // Typed into a list, a digit does not jump to a row that starts with it.
    clickOption(form->option1()[2]);
    clickRow(form->list1()[0], 2);
    QCOMPARE(form->list1()[1]->selectedRow(), 2);
    QTest::keyClicks(form->list1()[0], u"1"_s);
    QTest::keyClicks(form->list1()[0], u"9"_s);
    QCOMPARE(form->list1()[0]->selectedRow(), 2);
    QCOMPARE(form->list1()[1]->selectedRow(), 2);
}

// «Измервания» shows what the logic holds, cell by cell, opened by a time label or F2 and kept
// current by later clicks; Ctrl+C copies all of it.
void TestMainForm::timingsWindowFollowsClicks()
{
    const auto showsLogic = [this] {
        const QAbstractItemModel* model = form->timingsWindow()->tableView()->model();
        const form::TimingTable& table = form->logic().timings();
        for (int column = 0; column < form::TimingTable::shownColumns; ++column) {
            if (model->headerData(column, Qt::Horizontal).toString().toStdString()
                != form::TimingTable::heading(column))
                return false;
            for (int interval = 0; interval < form::intervalCount; ++interval) {
                if (model->index(interval, column).data().toString().toStdString()
                    != table.shownText(interval, column))
                    return false;
            }
        }
        // The chart as a screen reader reads it.
        const form::Spoken chart
            = form::spoken(form::MeasurementsPart::Chart, form::timingChart(table));
        const QWidget* drawn = form->timingsWindow()->chartView();
        return drawn->accessibleName().toStdString() == chart.name
            && drawn->accessibleDescription().toStdString() == chart.description;
    };
    QVERIFY(!form->timingsWindow()); // nothing of it at start
    clickOption(form->option1()[1]);
    QTest::mouseClick(form->label2()[1], Qt::LeftButton);
    QVERIFY(form->timingsWindow() && form->timingsWindow()->isVisible());
    QCOMPARE(form->timingsWindow()->windowTitle(), QString::fromUtf8(texts::measurementsTitle));
    QVERIFY(showsLogic());
    QVERIFY(!form->timingsWindow()->tableView()->model()->index(1, 4).data().toString().isEmpty());

    clickOption(form->option2()[0]);
    clickOption(form->option1()[2]);
    QVERIFY(!form->timingsWindow()->tableView()->model()->index(2, 2).data().toString().isEmpty());
    QVERIFY(showsLogic());

    QTest::keyClick(form->timingsWindow()->tableView(), Qt::Key_Escape);
    QVERIFY(!form->timingsWindow()->isVisible());
    QVERIFY(form->isVisible());
    QTest::keyClick(form->option1()[2], Qt::Key_F2);
    QVERIFY(form->timingsWindow()->isVisible());
    QTest::keyClick(form->timingsWindow()->tableView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
        form->logic().timings().clipboardText());
}

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
