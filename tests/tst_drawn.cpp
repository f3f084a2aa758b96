// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screen shows: the other tests read the lists and the times from the widgets, so a
// list that holds its rows but never paints them would pass them. Here the window's pixels, as
// last painted, must show every row a list holds and none it no longer holds, and each time.
#include "form_fixture.h"

#include <QScreen>

class TestDrawn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void intervalClickDrawsRowsAndTimes();
};

namespace {

// The window as the screen shows it: the offscreen platform reads it from the window's backing
// store, what the widgets last painted, where QWidget::grab() would paint them afresh.
QImage onScreen(const MainForm& form) { return form.screen()->grabWindow(form.winId()).toImage(); }

// The dark pixels (text) within `area` of `widget`.
int darkPixels(const QImage& window, const MainForm& form, const QWidget* widget, QRect area)
{
    const QRect inWindow(widget->mapTo(&form, area.topLeft()), area.size());
    const qreal ratio = window.devicePixelRatio();
    const QRect pixels(
        (QRectF(inWindow).topLeft() * ratio).toPoint(), (QSizeF(inWindow.size()) * ratio).toSize());
    int dark = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (window.valid(x, y) && qGray(window.pixel(x, y)) < 100)
                ++dark;
        }
    }
    return dark;
}

} // namespace

void TestDrawn::initTestCase() { QApplication::setFont(MainForm::designFont()); }

void TestDrawn::intervalClickDrawsRowsAndTimes()
{
    const auto form = showForm();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const auto settle = [] { QTest::qWait(50); };
    settle();
    for (const ListBox* list : form->list1())
        QCOMPARE(darkPixels(onScreen(*form), *form, list->viewport(), list->viewport()->rect()), 0);

    // The largest interval first, so that the smallest must paint over its rows.
    for (const int interval : { 3, 0 }) {
        clickOption(form->option1()[static_cast<std::size_t>(interval)]);
        settle();
        const QImage window = onScreen(*form);
        for (ListBox* list : form->list1()) {
            const QWidget* viewport = list->viewport();
            int lastShown = -1;
            for (int row = 0; row < list->count(); ++row) {
                const QRect item = list->visualRect(list->model()->index(row, 0));
                if (!viewport->rect().contains(item))
                    break;
                lastShown = row;
                QVERIFY2(darkPixels(window, *form, viewport, item) > 10,
                    qPrintable(QStringLiteral("interval %1, %2 row %3 is not drawn")
                                   .arg(interval)
                                   .arg(list->objectName())
                                   .arg(row)));
            }
            QVERIFY(lastShown >= 0);
            // What shows is what the list holds now, not rows of the interval before: the
            // screen's pixels are those the list paints afresh.
            const QRect place(viewport->mapTo(form.get(), QPoint(0, 0)), viewport->size());
            QCOMPARE(window.copy(place).convertToFormat(QImage::Format_RGB32),
                list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
        for (QLabel* time : form->label2()) {
            QVERIFY2(darkPixels(window, *form, time, time->rect()) > 10,
                qPrintable(time->objectName() + QStringLiteral(" shows no time")));
            const QRect place(time->mapTo(form.get(), QPoint(0, 0)), time->size());
            QCOMPARE(window.copy(place).convertToFormat(QImage::Format_RGB32),
                time->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }
}

QTEST_MAIN(TestDrawn)
#include "tst_drawn.moc"
