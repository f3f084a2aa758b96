// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded random user on the real window: at least 20,000 mouse and keyboard events (clicks
// anywhere, on every option and list row, with and without Ctrl; Tab, Shift+Tab, arrows, Space,
// Home, End, Page keys; typing into the text box), with the window's invariants checked after
// every one. The seed is fixed, so that every run of the suite makes the same user; a failure
// prints the seed and the events up to it. RANDOM_USE_SEED=<seed> runs another user (or replays
// one), RANDOM_USE_EVENTS=<count> changes its length, RANDOM_USE_VERBOSE=1 prints every event.
#include "form_fixture.h"
#include "random_events.h"
#include "timings_window.h"

#include <cstdio>
#include <random>

using namespace Qt::StringLiterals;

namespace {

QString describeKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(static_cast<int>(key) | static_cast<int>(modifiers))
        .toString(QKeySequence::PortableText);
}

// One user, its random choices drawn from one seeded generator, so that the same seed makes the
// same events on the same window.
class RandomUser {
public:
    RandomUser(MainForm& form, std::uint64_t seed)
        : form_(form)
        , random_(seed)
    {
    }

    // Performs one random event and returns its description.
    QString act()
    {
        switch (random_use::shareFor(random_use::events, pick(100))) {
        case random_use::Event::ClickAnywhere:
            return clickAnywhere();
        case random_use::Event::ClickOption1:
            return clickOption(form_.option1(), u"Option1"_s);
        case random_use::Event::ClickOption2:
            return clickOption(form_.option2(), u"Option2"_s);
        case random_use::Event::ClickRow:
            return clickRow();
        case random_use::Event::PressKey:
            return pressKey();
        case random_use::Event::Type:
            break;
        }
        return typeIntoTextBox();
    }

private:
    int pick(int count) { return static_cast<int>(random_() % static_cast<std::uint64_t>(count)); }
    bool chance(int percent) { return pick(100) < percent; }
    Qt::KeyboardModifiers maybeCtrl()
    {
        return chance(random_use::ctrlPercent) ? Qt::ControlModifier : Qt::NoModifier;
    }

    static QString withModifiers(const QString& what, Qt::KeyboardModifiers modifiers)
    {
        return modifiers & Qt::ControlModifier ? u"Ctrl+"_s + what : what;
    }

    QString click(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers, const QString& what)
    {
        QTest::mouseClick(target, Qt::LeftButton, modifiers, at);
        return withModifiers(u"click "_s, modifiers) + what;
    }

    // Anywhere in the window's client area, on whatever is there (a control, a scroll bar, the
    // bare window).
    QString clickAnywhere()
    {
        const QPoint at(pick(form_.width()), pick(form_.height()));
        QWidget* target = form_.childAt(at);
        const QString what = u"window at (%1, %2) on %3"_s.arg(at.x()).arg(at.y()).arg(
            target ? QString::fromLatin1(target->metaObject()->className()) : u"the window"_s);
        if (!target)
            return click(&form_, at, maybeCtrl(), what);
        return click(target, target->mapFrom(&form_, at), maybeCtrl(), what);
    }

    // Anywhere on one option button's rectangle.
    template <std::size_t N>
    QString clickOption(const std::array<OptionButton*, N>& group, const QString& name)
    {
        const int index = pick(static_cast<int>(N));
        QWidget* button = group[static_cast<std::size_t>(index)];
        const QPoint at(pick(button->width()), pick(button->height()));
        return click(button, at, maybeCtrl(),
            u"%1(%2) at (%3, %4)"_s.arg(name).arg(index).arg(at.x()).arg(at.y()));
    }

    // A row of either list, scrolled into view first as the user would with the scroll bar;
    // in an empty list, its empty area.
    QString clickRow()
    {
        const int index = pick(2);
        ListBox* list = form_.list1()[static_cast<std::size_t>(index)];
        const Qt::KeyboardModifiers modifiers = maybeCtrl();
        if (list->count() == 0) {
            const QPoint at(pick(list->viewport()->width()), pick(list->viewport()->height()));
            return click(list->viewport(), at, modifiers, u"empty List1(%1)"_s.arg(index));
        }
        const int row = pick(list->count());
        list->scrollTo(list->model()->index(row, 0));
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        return click(list->viewport(), rect.center(), modifiers,
            u"List1(%1) row %2 (%3)"_s.arg(index).arg(row).arg(
                QString::fromStdString(list->rowText(row))));
    }

    QString pressKey()
    {
        // As random_use::Key lists them.
        static constexpr Qt::Key keys[]
            = { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                  Qt::Key_Space, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown };
        static_assert(std::size(keys) == random_use::keyCount);
        const Qt::Key key = keys[pick(random_use::keyCount)];
        Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : maybeCtrl();
        QWidget* focused = QApplication::focusWidget();
        QWidget* target = focused ? focused : &form_;
        QTest::keyClick(target, key, modifiers);
        return u"key "_s + describeKey(key, modifiers) + u" on "_s
            + QString::fromLatin1(target->metaObject()->className());
    }

    // Clicks into the text box, then types a few keys: letters, Cyrillic letters, digits,
    // Backspace, Delete, Enter, and the editing shortcuts.
    QString typeIntoTextBox()
    {
        TextBox* box = form_.text1()[0];
        QWidget* area = box->viewport();
        const QPoint at(pick(area->width()), pick(area->height()));
        QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, at);
        QString typed;
        const int count = 1 + pick(random_use::mostTyped);
        for (int i = 0; i < count; ++i) {
            const random_use::Typed what = random_use::shareFor(random_use::typed, pick(10));
            if (what == random_use::Typed::Latin) {
                const QChar letter(u'a' + pick(26));
                QTest::keyClick(area, letter.toLatin1());
                typed += letter;
            } else if (what == random_use::Typed::Cyrillic) {
                const QString letter(QChar(u'а' + pick(32)));
                QTest::sendKeyEvent(QTest::Click, area, Qt::Key_unknown, letter, Qt::NoModifier);
                typed += letter;
            } else if (what == random_use::Typed::Digit) {
                const QChar digit(u'0' + pick(10));
                QTest::keyClick(area, digit.toLatin1());
                typed += digit;
            } else {
                // As random_use::editingKeys lists them.
                static const std::pair<Qt::Key, Qt::KeyboardModifiers> editing[]
                    = { { Qt::Key_Backspace, Qt::NoModifier }, { Qt::Key_Delete, Qt::NoModifier },
                          { Qt::Key_Return, Qt::NoModifier }, { Qt::Key_A, Qt::ControlModifier },
                          { Qt::Key_X, Qt::ControlModifier }, { Qt::Key_V, Qt::ControlModifier },
                          { Qt::Key_Z, Qt::ControlModifier } };
                static_assert(std::size(editing) == std::size(random_use::editingKeys));
                const auto [key, modifiers]
                    = editing[pick(static_cast<int>(std::size(random_use::editingKeys)))];
                QTest::keyClick(area, key, modifiers);
                typed += u'[' + describeKey(key, modifiers) + u']';
            }
        }
        return u"click text box at (%1, %2), type \"%3\""_s.arg(at.x()).arg(at.y()).arg(typed);
    }

    MainForm& form_;
    std::mt19937_64 random_;
};

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void randomUse();

private:
    // Empty when every invariant holds, else what is wrong.
    QString brokenInvariant(const MainForm& form) const;
};

void TestRandomUse::initTestCase() { QApplication::setFont(MainForm::designFont()); }

// The invariants every front end keeps (form/invariants.h), then what only Qt's widgets could
// break.
QString TestRandomUse::brokenInvariant(const MainForm& form) const
{
    const std::string shared
        = form::brokenInvariant(form.controls(), form.readback(), form.logic());
    if (!shared.empty())
        return QString::fromStdString(shared);
    for (const ListBox* list : form.list1()) {
        if (list->selectionModel()->selectedRows().size() > 1)
            return u"%1 has more than one selected row"_s.arg(list->objectName());
    }
    // The text the box keeps for the logic is the one it shows.
    QString shown = form.text1()[0]->text();
    shown.replace(u"\r\n"_s, u"\n"_s);
    if (form.text1()[0]->toPlainText() != shown)
        return u"Text1(0) keeps a text other than the one it shows"_s;
    if (!form.isVisible())
        return u"the window was closed"_s;
    return {};
}

void TestRandomUse::randomUse()
{
    bool ok = false;
    std::uint64_t seed = qEnvironmentVariable("RANDOM_USE_SEED").toULongLong(&ok);
    if (!ok)
        seed = random_use::seed;
    int count = qEnvironmentVariableIntValue("RANDOM_USE_EVENTS", &ok);
    if (!ok || count <= 0)
        count = random_use::qtEvents;
    qInfo("seed %llu, %d events; replay with RANDOM_USE_SEED=%llu",
        static_cast<unsigned long long>(seed), count, static_cast<unsigned long long>(seed));

    MainForm form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(brokenInvariant(form), QString());

    const bool verbose = qEnvironmentVariableIsSet("RANDOM_USE_VERBOSE");
    RandomUser user(form, seed);
    QStringList events;
    events.reserve(count);
    for (int n = 0; n < count; ++n) {
        events.append(user.act());
        if (verbose)
            std::fprintf(stderr, "%6d  %s\n", n + 1, qPrintable(events.last()));
        // Let the window do what follows an event: layout, painting, posted events.
        QCoreApplication::processEvents();
        // A click on a time opens «Измервания»; the user closes it and comes back.
        if (QWidget* timings = form.timingsWindow(); timings && timings->isVisible()) {
            timings->close();
            form.activateWindow();
            QCoreApplication::processEvents();
        }
        const QString broken = brokenInvariant(form);
        if (broken.isEmpty())
            continue;
        std::fprintf(stderr, "Events of seed %llu, up to the failure:\n",
            static_cast<unsigned long long>(seed));
        for (qsizetype e = 0; e < events.size(); ++e)
            std::fprintf(
                stderr, "%6lld  %s\n", static_cast<long long>(e + 1), qPrintable(events[e]));
        QFAIL(qPrintable(
            u"after event %1 (%2): %3. Seed %4: replay with RANDOM_USE_SEED=%4"_s.arg(n + 1)
                .arg(events.last(), broken)
                .arg(seed)));
    }
}

QTEST_MAIN(TestRandomUse)
#include "tst_random_use.moc"
