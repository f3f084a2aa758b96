// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <QCryptographicHash>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

// The window's design, in twips (15 to a pixel), from the container's top-left corner.
struct Designed {
    const char* name;
    int left, top, width, height;
    QRgb background; // 0: the system's colours
    bool visible;
};

constexpr QRgb lightBlue = qRgb(192, 192, 255);
constexpr QRgb orange = qRgb(255, 192, 128);
constexpr QRgb cyan = qRgb(128, 255, 255);
constexpr QRgb pink = qRgb(255, 128, 255);

// In tab order.
constexpr Designed design[] = {
    { "Text1(0)", 120, 2880, 6735, 2175, 0, true },
    { "Text1(1)", 600, 3240, 6735, 1815, 0, false },
    { "Label1(0)", 840, 0, 5295, 375, orange, true },
    { "List1(0)", 2520, 840, 1815, 915, 0, true },
    { "Frame1", 240, 840, 2055, 2055, lightBlue, true },
    { "Option1(0)", 120, 120, 1815, 375, cyan, true },
    { "Option1(1)", 120, 600, 1815, 375, cyan, true },
    { "Option1(2)", 120, 1080, 1815, 375, cyan, true },
    { "Option1(3)", 120, 1560, 1815, 375, cyan, true },
    { "List2(0)", 2640, 2760, 735, 1770, 0, false },
    { "List2(1)", 3360, 2760, 735, 1770, 0, false },
    { "List2(2)", 4200, 2760, 735, 1770, 0, false },
    { "List2(3)", 5040, 2760, 735, 1770, 0, false },
    { "Label1(1)", 360, 480, 1815, 375, orange, true },
    { "Label1(2)", 2520, 480, 1815, 375, orange, true },
    { "List1(1)", 4800, 840, 1695, 915, 0, true },
    { "Label1(3)", 4800, 480, 1695, 375, orange, true },
    { "Frame2", 2520, 2280, 4215, 495, lightBlue, true },
    { "Option2(0)", 120, 120, 1215, 375, pink, true },
    { "Option2(1)", 1440, 120, 1215, 375, pink, true },
    { "Option2(2)", 2760, 120, 1335, 375, pink, true },
    { "Label1(4)", 3600, 1920, 1815, 375, orange, true },
};

double scaleFactor()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

// WCAG relative luminance and contrast ratio.
double luminance(const QColor& colour)
{
    const auto channel
        = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The design's texts, line by line, as the first 16 hex digits of each line's SHA-256: a
// failure names the line that differs and shows it.
void verifyLines(const QString& text, const QStringList& lineHashes)
{
    QVERIFY(text.endsWith(u"\r\n"));
    const QStringList lines = text.chopped(2).split(u"\r\n"_s);
    QCOMPARE(lines.size(), lineHashes.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray hash
            = QCryptographicHash::hash(lines.at(i).toUtf8(), QCryptographicHash::Sha256).toHex();
        QVERIFY2(QString::fromLatin1(hash.left(16)) == lineHashes.at(i),
            qPrintable(u"line %1 differs: \"%2\""_s.arg(i + 1).arg(lines.at(i))));
    }
}

// The design name of the control that has the focus.
QString focusedName(const MainForm& form)
{
    for (const Designed& d : design) {
        if (control(form, QString::fromLatin1(d.name)) == QApplication::focusWidget())
            return QString::fromLatin1(d.name);
    }
    return u"(not a control)"_s;
}

} // namespace

class TestFormLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { form = showForm(); }
    void cleanup() { form.reset(); }

    void window();
    void controls_data();
    void controls();
    void renderedColours_data();
    void renderedColours();
    void fontHasTimesMetrics();
    void captions();
    void taskStatement();
    void quotation();
    void textBox();
    void tabOrder_data();
    void tabOrder();
    void tabFromNowhere_data();
    void tabFromNowhere();
    void groupChosenFromCode();
    void hiddenAfterUse();
    void readableOnADarkDesktop();
    void timeLabels_data();
    void timeLabels();

private:
    std::unique_ptr<MainForm> form;
};

void TestFormLayout::window()
{
    QCOMPARE(form->size(), QSize(461, 345));
    QCOMPARE(form->minimumSize(), form->size());
    QCOMPARE(form->maximumSize(), form->size());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form->palette().color(form->backgroundRole()), QColor(lightBlue));
    QVERIFY(form->autoFillBackground());
    QCOMPARE(form->windowTitle(), u"prime-intervals.example.org  Информатика - прости числа"_s);
    QCOMPARE(form->devicePixelRatioF(), scaleFactor());
}

void TestFormLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<bool>("visible");
    for (const Designed& d : design) {
        QTest::newRow(d.name) << QString::fromLatin1(d.name)
                              << QRect(d.left / 15, d.top / 15, d.width / 15, d.height / 15)
                              << d.background << d.visible;
    }
}

void TestFormLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QRgb, background);
    QFETCH(bool, visible);

    const QWidget* widget = control(*form, name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), visible);
    const QWidget* container = form.get();
    if (name.startsWith(u"Option"))
        container = name.startsWith(u"Option1") ? form->frame1() : form->frame2();
    QCOMPARE(widget->parentWidget(), container);
    QCOMPARE(widget->font(), MainForm::designFont());
    if (background) {
        QVERIFY(widget->autoFillBackground());
        QCOMPARE(widget->palette().color(widget->backgroundRole()), QColor(background));
    } else {
        // Lists and text boxes keep the system's colours.
        QCOMPARE(
            widget->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(
            widget->palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QVERIFY(!label->wordWrap());
    }
    if (const auto* frame = qobject_cast<const QFrame*>(widget); frame
        && !qobject_cast<const QLabel*>(widget)
        && !qobject_cast<const QAbstractScrollArea*>(widget))
        QCOMPARE(frame->frameShape(), QFrame::NoFrame);
    if (const auto* list = qobject_cast<const QListView*>(widget)) {
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }
}

void TestFormLayout::renderedColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("background");
    for (const Designed& d : design) {
        if (d.background && d.visible)
            QTest::newRow(d.name) << QString::fromLatin1(d.name) << d.background;
    }
}

void TestFormLayout::renderedColours()
{
    QFETCH(QString, name);
    QFETCH(QRgb, background);

    // What the user sees, in device pixels: at a scale factor of 2 every control doubles.
    const double scale = scaleFactor();
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.size(), QSize(461, 345) * scale);
    const QWidget* widget = control(*form, name);
    const QRect area(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
    // Corners and the bottom edge's middle hold no text or circle.
    for (const QPoint p : { area.topLeft() + QPoint(1, 1), area.bottomRight() - QPoint(2, 2),
             QPoint(area.center().x(), area.bottom() - 1) }) {
        if (widget->childAt(widget->mapFrom(form.get(), p)))
            continue; // a frame's option button lies there
        const QPoint device(qRound(p.x() * scale), qRound(p.y() * scale));
        QCOMPARE(QColor(shot.pixel(device)), QColor(background));
    }
    // Just outside the control, the window's (or its frame's) light blue.
    const QPoint outside(qRound((area.right() + 2) * scale), qRound((area.bottom() + 2) * scale));
    if (name != u"Label1(0)" && name != u"Option1(3)" && name != u"Frame1")
        QCOMPARE(QColor(shot.pixel(outside)), QColor(lightBlue));
}

void TestFormLayout::fontHasTimesMetrics()
{
    const QFontInfo info(form->list1()[0]->font());
    QVERIFY2(info.family() == u"Liberation Serif" || info.family() == u"Times New Roman",
        qPrintable(info.family()));
    QCOMPARE(info.pointSize(), 12);
    QCOMPARE(info.weight(), int(QFont::Normal));
    QVERIFY(!info.italic() && !info.underline() && !info.strikeOut());

    // Times New Roman's advances: digits half an em, the blank a quarter, at 16 pixels to the em.
    const QFontMetricsF metrics(form->option1()[3]->font());
    QCOMPARE(info.pixelSize(), 16);
    QCOMPARE(metrics.horizontalAdvance(u"0123456789"_s), 80.0);
    QCOMPARE(metrics.horizontalAdvance(u"    "_s), 16.0);
    // Every caption fits its control, as laid out: circle, spacing, then the text.
    for (const OptionButton* option : form->findChildren<OptionButton*>()) {
        const QStyle* style = option->style();
        const int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option)
            + qCeil(metrics.horizontalAdvance(option->text()));
        QVERIFY2(needed <= option->width(), qPrintable(option->text()));
    }
    for (const QLabel* label : form->label1())
        QVERIFY(metrics.horizontalAdvance(label->text()) <= label->width());
}

void TestFormLayout::captions()
{
    const QStringList labels = { u"Информатика - брой прости числа в интервал"_s, u"Интервал"_s,
        u"Директно"_s, u"Последователно"_s, u"Алгоритъм"_s };
    const QStringList intervals
        = { u"1 - 10"_s, u"10 - 100"_s, u"100 - 1000"_s, u"1000 - 10000"_s };
    const QStringList methods = { u"2 - (N-1)"_s, u"2 - (N/2)"_s, u"2 - sqr(N)"_s };
    for (std::size_t i = 0; i < form->label1().size(); ++i)
        QCOMPARE(form->label1()[i]->text(), labels.at(qsizetype(i)));
    for (std::size_t i = 0; i < form->option1().size(); ++i)
        QCOMPARE(form->option1()[i]->text(), intervals.at(qsizetype(i)));
    for (std::size_t i = 0; i < form->option2().size(); ++i)
        QCOMPARE(form->option2()[i]->text(), methods.at(qsizetype(i)));
}

void TestFormLayout::taskStatement()
{
    const QString text = form->text1()[0]->text();
    QCOMPARE(text.size(), 1316);
    verifyLines(text,
        { u"dfcfbc932645202f"_s, u"3b0bcbc43ac31b02"_s, u"e70b82fff7facab5"_s,
            u"2e1ed536f4b966c7"_s, u"c408fc498e3eb7c8"_s, u"7454291e84784864"_s,
            u"c878a74cafcc9b1d"_s, u"8c901774aa100667"_s, u"a8dc4bfe05010424"_s,
            u"1a728e74a5f4bcd6"_s, u"3168fc3f4585d6ee"_s, u"3e41870a0efab4be"_s,
            u"41e34dde414b6a04"_s, u"1a4b6f3c50ddca79"_s, u"7260fbd6c50fe1a0"_s,
            u"e4091b15f300d9ee"_s, u"a688464dbb1dec96"_s, u"946615a59a8267d3"_s,
            u"f6c1515ece89b2ca"_s, u"e14212fba0d31619"_s, u"f57f7a399e130522"_s,
            u"041719d7c9c89a38"_s });
    const QStringList lines = text.chopped(2).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines.first(),
        u"Да се реализира проект, осъществяващ вътрешнопредметна връзка в Информатика."_s);
    QVERIFY(lines.at(2).contains(u"интервал.  Чрез"));
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i).endsWith(u' '), i == 2);
    QCOMPARE(lines.last(), u"Интервал [10000-100000] - брой 8363"_s);
}

void TestFormLayout::quotation()
{
    const QString text = form->text1()[1]->text();
    QCOMPARE(text.size(), 118);
    verifyLines(text, { u"74e2561af1a9b6bb"_s, u"bde9925255bbf8c7"_s, u"ab6a425358db0d40"_s });
    QCOMPARE(text.count(u" \r\n"_s), 3);
}

void TestFormLayout::textBox()
{
    TextBox* box = form->text1()[0];
    QVERIFY(box->isReadOnly());
    QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());

    // Shown from its first line; scrolling reaches the last.
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QVERIFY(
        box->cursorForPosition(QPoint(4, 4)).block().text().startsWith(u"Да се реализира проект"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    const QTextBlock bottom
        = box->cursorForPosition(QPoint(4, box->viewport()->height() - 4)).block();
    QVERIFY(bottom.blockNumber() >= 21);
    QVERIFY(bottom.blockNumber() == 22 || bottom.text() == u"Интервал [10000-100000] - брой 8363");
}

void TestFormLayout::tabOrder_data()
{
    QTest::addColumn<int>("interval"); // chosen before tabbing, -1 for none
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QStringList>("visits");

    const QStringList none = { u"List1(0)"_s, u"Option1(0)"_s, u"List1(1)"_s, u"Option2(2)"_s,
        u"Text1(0)"_s, u"List1(0)"_s };
    QTest::newRow("Tab, no interval chosen") << -1 << true << none;
    QTest::newRow("Tab, 100 - 1000 chosen") << 2 << true
                                            << QStringList { u"List1(0)"_s, u"Option1(2)"_s,
                                                   u"List1(1)"_s, u"Option2(2)"_s, u"Text1(0)"_s };
    QTest::newRow("Shift+Tab, 1000 - 10000 chosen")
        << 3 << false
        << QStringList { u"Option2(2)"_s, u"List1(1)"_s, u"Option1(3)"_s, u"List1(0)"_s,
               u"Text1(0)"_s };
}

void TestFormLayout::tabOrder()
{
    QFETCH(int, interval);
    QFETCH(bool, forward);
    QFETCH(QStringList, visits);

    if (interval >= 0)
        clickOption(form->option1()[static_cast<std::size_t>(interval)]);
    form->text1()[0]->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < visits.size(); ++i) {
        QTest::keyClick(
            QApplication::focusWidget(), Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        visited.append(focusedName(*form));
    }
    QCOMPARE(visited, visits);
}

void TestFormLayout::tabFromNowhere_data()
{
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("reached");
    QTest::newRow("Tab reaches the first stop") << true << u"Text1(0)"_s;
    QTest::newRow("Shift+Tab reaches the last stop") << false << u"Option2(2)"_s;
}

void TestFormLayout::tabFromNowhere()
{
    QFETCH(bool, forward);
    QFETCH(QString, reached);
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    QVERIFY(!QApplication::focusWidget());
    QTest::keyClick(form.get(), Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCOMPARE(focusedName(*form), reached);
}

// Qt hands a radio group's Tab stop to the button that last took the focus. A button chosen from
// code, without the focus, must still be where Tab enters its group.
void TestFormLayout::groupChosenFromCode()
{
    form->option1()[0]->setFocus(Qt::TabFocusReason);
    form->option1()[2]->click();
    QVERIFY(form->option1()[2]->isChecked());
    form->text1()[0]->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusedName(*form));
    }
    QCOMPARE(visited,
        QStringList(
            { u"List1(0)"_s, u"Option1(2)"_s, u"List1(1)"_s, u"Option2(2)"_s, u"Text1(0)"_s }));
}

void TestFormLayout::hiddenAfterUse()
{
    for (OptionButton* option : form->option2())
        clickOption(option);
    for (OptionButton* option : form->option1()) {
        clickOption(option);
        clickRow(form->list1()[1], 1);
        QTest::keyClick(form->list1()[0], Qt::Key_End);
    }
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (const Designed& d : design)
        QCOMPARE(control(*form, QString::fromLatin1(d.name))->isVisible(), d.visible);
}

void TestFormLayout::readableOnADarkDesktop()
{
    form.reset();
    const QPalette original = QApplication::palette();
    QPalette dark;
    for (const auto role : { QPalette::Window, QPalette::Base, QPalette::Button })
        dark.setColor(role, QColor(0x20, 0x20, 0x20));
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    form = showForm();

    for (const Designed& d : design) {
        const QWidget* widget = control(*form, QString::fromLatin1(d.name));
        const QPalette& palette = widget->palette();
        if (d.background) {
            const double ratio
                = contrast(palette.color(widget->foregroundRole()), QColor(d.background));
            QVERIFY2(
                ratio >= 4.5, qPrintable(u"%1: %2"_s.arg(QLatin1StringView(d.name)).arg(ratio)));
        } else {
            QCOMPARE(palette.color(QPalette::Base), QColor(0x20, 0x20, 0x20));
            QCOMPARE(palette.color(QPalette::Text), QColor(0xee, 0xee, 0xee));
        }
    }
    form.reset();
    QApplication::setPalette(original);
}

void TestFormLayout::timeLabels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("band"); // in twips, from the window's top-left corner
    // Between the bottom of the lists and the top of Frame2, beside the heading "Алгоритъм".
    QTest::newRow("stored side, under List1(0)")
        << 0 << QRect(2520, 1755, 3585 - 2520, 2280 - 1755);
    QTest::newRow("computed side, under List1(1)")
        << 1 << QRect(5430, 1755, 6495 - 5430, 2280 - 1755);
}

// The measured times, added to the design: inside their bands and clear of every designed
// control, centred, black on the window's own blue, and their longest form drawn unclipped, at
// either scale.
void TestFormLayout::timeLabels()
{
    QFETCH(int, index);
    QFETCH(QRect, band);

    clickOption(form->option1()[3]);
    QLabel* label = form->label2()[static_cast<std::size_t>(index)];
    QVERIFY(label->isVisible());
    QCOMPARE(label->parentWidget(), form.get());
    const QRect pixels(band.left() / 15, band.top() / 15, band.width() / 15, band.height() / 15);
    QVERIFY2(pixels.contains(label->geometry()),
        qPrintable(u"%1,%2 %3x%4"_s.arg(label->x())
                       .arg(label->y())
                       .arg(label->width())
                       .arg(label->height())));
    for (const Designed& d : design) {
        const QWidget* widget = control(*form, QString::fromLatin1(d.name));
        const QRect area(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
        QVERIFY2(!d.visible || !area.intersects(label->geometry()), d.name);
    }
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->palette().color(label->foregroundRole()), QColor(Qt::black));
    QCOMPARE(label->font(), MainForm::designFont());

    // What the user sees, in device pixels: the ink of the longest text keeps off both edges,
    // with as much blue on its left as on its right.
    label->setText(u"99,9 мкс"_s);
    const QImage shot = form->grab(label->geometry()).toImage();
    QCOMPARE(shot.size(), label->size() * scaleFactor());
    int first = shot.width();
    int last = -1;
    for (int x = 0; x < shot.width(); ++x) {
        for (int y = 0; y < shot.height(); ++y) {
            if (QColor(shot.pixel(x, y)) != QColor(lightBlue)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    QVERIFY(last >= first);
    QVERIFY2(first > 0 && last < shot.width() - 1,
        qPrintable(u"ink from %1 to %2"_s.arg(first).arg(last)));
    QVERIFY(std::abs(first - (shot.width() - 1 - last)) <= 2 * scaleFactor());
}

QTEST_MAIN(TestFormLayout)
#include "tst_form_layout.moc"
