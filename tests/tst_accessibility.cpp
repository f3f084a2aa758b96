// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader and a keyboard-only user get from the window: the names, roles, states
// and descriptions Qt's accessibility interface reports, the events it sends while the user
// works, a session driven by real key events alone, and a focus mark that can be seen.

#include "form_fixture.h"
#include "form_texts.h"
#include "screen_reader.h"
#include "time_text.h"

#include <QAccessible>
#include <QAccessibleBridge>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QFrame>
#include <QLabel>
#include <QMetaEnum>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface || !iface->isValid())
        qFatal("no accessible interface");
    return iface;
}

// What a screen reader would read from a text box: its whole text.
QString readText(QAccessibleInterface* iface)
{
    QAccessibleTextInterface* text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// Every object of the accessible tree below `root`, depth first.
void collect(QAccessibleInterface* root, QList<QAccessibleInterface*>& all)
{
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            all.append(child);
            collect(child, all);
        }
    }
}

// One event Qt sent towards assistive technology.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child; // the row of a list, -1 for the object itself
    QString message; // what an announcement asks to be read
    int politeness = -1;
};

// Records the events Qt sends towards a screen reader, for as long as it lives.
class EventRecorder {
public:
    EventRecorder()
    {
        heard_.clear();
        listening_ = true;
    }
    ~EventRecorder()
    {
        for (const QMetaObject::Connection& connection : std::as_const(connections_))
            QObject::disconnect(connection);
        listening_ = false;
        heard_.clear();
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // A list view reports its rows only while a screen reader is connected, never offscreen.
    // Then each move of its current item is a Focus event for that row, which a screen reader
    // presents as the focus arriving there, and each newly selected row a SelectionAdd event.
    // Both come from the view's selection model; offscreen they are taken from there.
    void watch(QAbstractItemView* view)
    {
        if (QAccessible::isActive())
            return; // Qt sends them itself
        QItemSelectionModel* rows = view->selectionModel();
        connections_.append(QObject::connect(
            rows, &QItemSelectionModel::currentChanged, view, [view](const QModelIndex& current) {
                if (current.isValid())
                    heard_.append({ QAccessible::Focus, view, current.row(), {} });
            }));
        connections_.append(QObject::connect(rows, &QItemSelectionModel::selectionChanged, view,
            [view](const QItemSelection& selected) {
                for (const QModelIndex& index : selected.indexes())
                    heard_.append({ QAccessible::SelectionAdd, view, index.row(), {} });
            }));
    }

    QList<Heard> about(const QObject* object) const
    {
        QList<Heard> found;
        for (const Heard& heard : std::as_const(heard_)) {
            if (heard.object == object)
                found.append(heard);
        }
        return found;
    }
    QList<Heard> ofType(QAccessible::Event type) const
    {
        QList<Heard> found;
        for (const Heard& heard : std::as_const(heard_)) {
            if (heard.type == type)
                found.append(heard);
        }
        return found;
    }

    static void record(QAccessibleEvent* event)
    {
        if (!listening_)
            return;
        Heard heard { event->type(), event->object(), event->child(), {} };
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement) {
            const auto* announcement = static_cast<const QAccessibleAnnouncementEvent*>(event);
            heard.message = announcement->message();
            heard.politeness = static_cast<int>(announcement->politeness());
        }
#endif
        heard_.append(heard);
    }

private:
    QList<QMetaObject::Connection> connections_;
    static inline QList<Heard> heard_;
    static inline bool listening_ = false;
};

// Where Qt hands its events to a screen reader's adaptor (on Linux, the AT-SPI bridge). Qt passes
// every event it sends to each such bridge, with or without a screen reader connected.
class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override { }
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        EventRecorder::record(event);
    }
};

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "recording_bridge.json")
public:
    QAccessibleBridge* create(const QString&) override
    {
        // Qt owns the bridge but offscreen never deletes it; kept here, it is not a leak.
        bridge_ = new RecordingBridge;
        return bridge_;
    }

private:
    RecordingBridge* bridge_ = nullptr;
};

// Events that tell a screen reader the focus, or the item it reads as the active one, moved.
bool movesFocus(const Heard& heard)
{
    return heard.type == QAccessible::Focus || heard.type == QAccessible::ActiveDescendantChanged;
}

QString describe(const QList<Heard>& events)
{
    QStringList lines;
    for (const Heard& heard : events) {
        lines.append(
            QString::fromLatin1(QMetaEnum::fromType<QAccessible::Event>().valueToKey(heard.type))
            + u" child "_s + QString::number(heard.child));
    }
    return lines.join(u", "_s);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { form = showForm(); }
    void cleanup() { form.reset(); }

    void namesAndRoles_data();
    void namesAndRoles();
    void everyShowingControlIsNamed();
    void hiddenControlsExposeNothing();
    void keyboardOnlySession();
    void otherListIsNotAnnounced_data();
    void otherListIsNotAnnounced();
    void otherListContinuesFromTheSelection_data();
    void otherListContinuesFromTheSelection();
    void intervalIsAnnounced_data();
    void intervalIsAnnounced();
    void timesSayWhatTheyShow();
    void focusIsVisible_data();
    void focusIsVisible();

private:
    std::unique_ptr<MainForm> form;
};

// What the logic says a screen reader hears of each control (form::spoken, tested on its own in
// tst_form_logic) is what Qt's accessibility reports.
void TestAccessibility::namesAndRoles_data()
{
    QTest::addColumn<int>("row"); // in the design table
    for (std::size_t i = 0; i < std::size(form::design); ++i) {
        const form::ControlRow& row = form::design[i];
        if (form::spoken({ row.name, static_cast<std::int16_t>(row.index) }).role
            != form::Role::None)
            QTest::newRow(form::designName(row).c_str()) << static_cast<int>(i);
    }
}

void TestAccessibility::namesAndRoles()
{
    QFETCH(int, row);
    const form::ControlRow& design = form::design[row];
    const form::Spoken spoken
        = form::spoken({ design.name, static_cast<std::int16_t>(design.index) });
    QAccessibleInterface* iface
        = accessible(control(*form, QString::fromStdString(form::designName(design))));
    QCOMPARE(iface->text(QAccessible::Name), QString::fromStdString(spoken.name));
    QCOMPARE(iface->text(QAccessible::Description), QString::fromStdString(spoken.description));
    QVERIFY(!iface->state().invisible);
    const std::pair<form::Role, QAccessible::Role> roles[] = {
        { form::Role::TextBox, QAccessible::EditableText },
        { form::Role::List, QAccessible::List },
        { form::Role::Group, QAccessible::Grouping },
        { form::Role::OptionButton, QAccessible::RadioButton },
        { form::Role::Label, QAccessible::StaticText },
    };
    for (const auto& [role, qtRole] : roles) {
        if (role == spoken.role)
            QCOMPARE(iface->role(), qtRole);
    }
    if (spoken.heading) {
        // The heading says which control it labels ("label for"), so a reader can tie the text
        // the sighted pupil sees to the control.
        QAccessibleInterface* label = accessible(form->widget(*spoken.heading));
        bool labelled = false;
        for (const auto& [other, relation] : label->relations(QAccessible::Labelled))
            labelled = labelled || other->object() == iface->object();
        QVERIFY(labelled);
    }
}

// Walks the whole accessible tree of the window, as a screen reader's review mode does: every
// object that shows and stands for one of the window's controls has a name, and the only
// controls that do not show are the hidden ones.
void TestAccessibility::everyShowingControlIsNamed()
{
    const auto walk = [this](int expectedNamed, const QList<QObject*>& expectedHidden) {
        QList<QAccessibleInterface*> all;
        collect(accessible(form.get()), all);
        QVERIFY(all.size() > 22);

        QList<QObject*> hiddenSeen;
        int namedControls = 0;
        for (QAccessibleInterface* iface : all) {
            auto* widget = qobject_cast<QWidget*>(iface->object());
            if (!widget || widget->parentWidget() == nullptr)
                continue;
            const bool isControl = qobject_cast<QLabel*>(widget) || qobject_cast<QListView*>(widget)
                || qobject_cast<TextBox*>(widget) || qobject_cast<OptionButton*>(widget)
                || widget == form->frame1() || widget == form->frame2();
            if (!isControl)
                continue;
            if (iface->state().invisible) {
                hiddenSeen.append(widget);
                continue;
            }
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                qPrintable(QString::fromLatin1(widget->metaObject()->className())));
            ++namedControls;
        }
        QCOMPARE(namedControls, expectedNamed);
        QCOMPARE(QSet<QObject*>(hiddenSeen.begin(), hiddenSeen.end()),
            QSet<QObject*>(expectedHidden.begin(), expectedHidden.end()));
    };
    const QList<QObject*> hidden = { form->text1()[1], form->list2()[0], form->list2()[1],
        form->list2()[2], form->list2()[3] };
    // The two measured times show, named by their text, once an interval has been chosen.
    walk(22 - 5, hidden + QList<QObject*> { form->label2()[0], form->label2()[1] });
    clickOption(form->option1()[2]);
    walk(22 - 5 + 2, hidden);
}

// The stored lists and the quotation are in the window but never shown; a reader that walks
// the tree must find them marked invisible (not "showing"), unnamed and undescribed.
void TestAccessibility::hiddenControlsExposeNothing()
{
    QList<QWidget*> hidden { form->text1()[1] };
    hidden.append(QList<QWidget*>(form->list2().begin(), form->list2().end()));
    for (QWidget* widget : hidden) {
        QAccessibleInterface* iface = accessible(widget);
        QVERIFY(iface->state().invisible);
        QCOMPARE(iface->text(QAccessible::Name), QString());
        QCOMPARE(iface->text(QAccessible::Description), QString());
    }
}

// A pupil who cannot use the mouse or see the screen: keys only, each step checked through what
// the accessibility interface reports about the focused control.
void TestAccessibility::keyboardOnlySession()
{
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    const auto focused = []() -> QAccessibleInterface* {
        QAccessibleInterface* iface = accessible(QApplication::focusWidget());
        return iface->state().focused ? iface : nullptr;
    };
    form->text1()[0]->setFocus(Qt::TabFocusReason);
    QVERIFY(focused());
    QCOMPARE(focused()->text(QAccessible::Name), u"Условие и резултат"_s);
    QVERIFY(focused()->state().readOnly);
    QVERIFY(readText(focused()).startsWith(u"Да се реализира проект"_s));

    press(Qt::Key_Tab);
    QCOMPARE(focused()->text(QAccessible::Name), u"Директно"_s);
    press(Qt::Key_Tab);
    QCOMPARE(focused()->text(QAccessible::Name), u"1 - 10"_s);
    QVERIFY(focused()->state().checkable && !focused()->state().checked);
    QCOMPARE(focused()->childCount(), 0); // the focus mark is no nameless child of the button
    QCOMPARE(accessible(focused()->object())->parent()->text(QAccessible::Name), u"Интервал"_s);

    press(Qt::Key_Space);
    QVERIFY(focused()->state().checked);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(focused()->text(QAccessible::Name), u"100 - 1000"_s);
    QVERIFY(focused()->state().checked);

    press(Qt::Key_Tab);
    QAccessibleInterface* computed = focused();
    QVERIFY(computed);
    QCOMPARE(computed->text(QAccessible::Name), u"Последователно"_s);
    QAccessibleTableInterface* table = computed->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 143);
    press(Qt::Key_End);
    press(Qt::Key_PageUp);
    press(Qt::Key_Home);
    press(Qt::Key_Down);
    QCOMPARE(table->selectedCellCount(), 1);
    QCOMPARE(table->selectedCells().first()->text(QAccessible::Name), u"103"_s);

    press(Qt::Key_Tab);
    QCOMPARE(focused()->text(QAccessible::Name), u"2 - sqr(N)"_s);
    QCOMPARE(accessible(focused()->object())->parent()->text(QAccessible::Name), u"Алгоритъм"_s);
    press(Qt::Key_Left);
    QCOMPARE(focused()->text(QAccessible::Name), u"2 - (N/2)"_s);
    QVERIFY(focused()->state().checked);
    QCOMPARE(form->methodIndex(), 1);

    // Back to the text box, which now reads the summary instead of the task statement.
    press(Qt::Key_Tab);
    QCOMPARE(focused()->object(), form->text1()[0]);
    QCOMPARE(readText(focused()), u"В интервала 100 - 1000 броя прости числа е: 143\n"_s);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused()->text(QAccessible::Name), u"Последователно"_s);
}

void TestAccessibility::otherListIsNotAnnounced_data()
{
    QTest::addColumn<int>("list"); // the one the user is in
    QTest::addColumn<QList<int>>("keys"); // empty: a mouse click on the row instead
    QTest::addColumn<int>("row");

    using K = QList<int>;
    for (int list = 0; list < 2; ++list) {
        const char* side = list == 0 ? "left" : "right";
        QTest::addRow("%s list: Down", side) << list << K { Qt::Key_Down } << 0;
        QTest::addRow("%s list: Down, Down, Down", side)
            << list << K { Qt::Key_Down, Qt::Key_Down, Qt::Key_Down } << 2;
        QTest::addRow("%s list: End, Up", side) << list << K { Qt::Key_End, Qt::Key_Up } << 19;
        QTest::addRow("%s list: a click on a row", side) << list << K {} << 5;
    }
}

// Selecting a row in one list selects it in the other, and a screen reader must hear of that
// only as a selection: an event that moves the focus or the active item in the other list is
// read out as the user having jumped there.
void TestAccessibility::otherListIsNotAnnounced()
{
    QFETCH(int, list);
    QFETCH(QList<int>, keys);
    QFETCH(int, row);

    form->option1()[1]->click(); // 10 - 100: 21 rows
    ListBox* used = form->list1()[static_cast<std::size_t>(list)];
    ListBox* other = form->list1()[static_cast<std::size_t>(1 - list)];
    if (!keys.isEmpty())
        used->setFocus(Qt::TabFocusReason);
    EventRecorder recorder;
    recorder.watch(used);
    recorder.watch(other);
    if (keys.isEmpty()) {
        clickRow(used, row);
    } else {
        for (const int key : keys)
            QTest::keyClick(used, static_cast<Qt::Key>(key));
    }
    QVERIFY(used->hasFocus());
    QCOMPARE(other->selectedRow(), row);

    // The list in use reads out its new row, the first Down included (entering the list made the
    // first row current without selecting it).
    const QList<Heard> inUse = recorder.about(used);
    QVERIFY2(std::any_of(inUse.begin(), inUse.end(),
                 [row](const Heard& h) { return movesFocus(h) && h.child == row; }),
        qPrintable(describe(inUse)));

    const QList<Heard> fromOther = recorder.about(other);
    QVERIFY2(std::none_of(fromOther.begin(), fromOther.end(), movesFocus),
        qPrintable(describe(fromOther)));
    QVERIFY2(std::any_of(fromOther.begin(), fromOther.end(),
                 [row](const Heard& h) {
                     return h.type == QAccessible::SelectionAdd && h.child == row;
                 }),
        qPrintable(describe(fromOther)));
}

void TestAccessibility::otherListContinuesFromTheSelection_data()
{
    QTest::addColumn<int>("list"); // the one the user selects in first
    QTest::addColumn<bool>("byMouse"); // how the user then goes to the other list
    QTest::newRow("left, then Tab to the right") << 0 << false;
    QTest::newRow("right, then Shift+Tab to the left") << 1 << false;
    QTest::newRow("left, then a click on the right one's scroll bar") << 0 << true;
    QTest::newRow("right, then a click on the left one's scroll bar") << 1 << true;
}

// The other list kept its current item where it was; on entering it, the screen reader reads the
// selected row and the arrow keys go on from there, as they would had the user selected it there.
void TestAccessibility::otherListContinuesFromTheSelection()
{
    QFETCH(int, list);
    QFETCH(bool, byMouse);

    form->option1()[1]->click();
    ListBox* first = form->list1()[static_cast<std::size_t>(list)];
    ListBox* other = form->list1()[static_cast<std::size_t>(1 - list)];
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(other->selectedRow(), 3);

    if (byMouse) {
        // On its scroll bar: the list takes the focus, but the click picks no row of its own.
        QScrollBar* bar = other->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->rect().center());
    } else {
        const int tabs = 2; // the interval group lies between the two lists
        for (int i = 0; i < tabs; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                list == 0 ? Qt::NoModifier : Qt::ShiftModifier);
        }
        // What a screen reader reads on arrival: the list's focused row.
        QAccessibleInterface* row = accessible(other)->focusChild();
        QVERIFY(row);
        QCOMPARE(row->text(QAccessible::Name), u"19"_s);
    }
    QVERIFY(other->hasFocus());
    QCOMPARE(other->selectedRow(), 3);

    QTest::keyClick(other, Qt::Key_Down);
    QCOMPARE(form->list1()[0]->selectedRow(), 4);
    QCOMPARE(form->list1()[1]->selectedRow(), 4);
}

void TestAccessibility::intervalIsAnnounced_data()
{
    QTest::addColumn<int>("before"); // interval chosen before, -1 for none
    QTest::addColumn<int>("interval");
    QTest::newRow("first choice, 10 - 100") << -1 << 1;
    QTest::newRow("1000 - 10000 after 1 - 10") << 0 << 3;
    QTest::newRow("the same interval again") << 2 << 2;
}

// The summary changes where the user is not: a screen reader is asked to read it once, politely,
// and nothing else in the session asks it to.
void TestAccessibility::intervalIsAnnounced()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QSKIP("Qt before 6.8 has no announcement event: the result is heard in the text box and the "
          "time labels only");
#else
    QFETCH(int, before);
    QFETCH(int, interval);

    if (before >= 0)
        clickOption(form->option1()[static_cast<std::size_t>(before)]);
    EventRecorder recorder;
    clickOption(form->option1()[static_cast<std::size_t>(interval)]);
    clickOption(form->option2()[0]);
    clickRow(form->list1()[1], 1);

    const QList<Heard> announced = recorder.ofType(QAccessible::Announcement);
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().object, static_cast<QObject*>(form.get()));
    // The summary without its CR LF, then both times as the labels show them.
    QCOMPARE(announced.first().message,
        expectedSummary(interval).chopped(2) + u". Директно "_s + form->label2()[0]->text()
            + u", последователно "_s + form->label2()[1]->text() + u"."_s);
    QCOMPARE(announced.first().politeness,
        static_cast<int>(QAccessible::AnnouncementPoliteness::Polite));
#endif
}

// Each time is named by the time it shows, and described by its tooltip: the side it measures,
// for the computed side with the bound chosen.
void TestAccessibility::timesSayWhatTheyShow()
{
    clickOption(form->option2()[1]);
    clickOption(form->option1()[3]);
    clickOption(form->option1()[2]);
    const form::LastClick& measured = form->lastClick();
    QCOMPARE(form->label2()[0]->text(),
        QString::fromStdString(
            form::durationText(measured.stored.nanoseconds, measured.stored.digits)));
    QCOMPARE(form->label2()[1]->text(),
        QString::fromStdString(
            form::durationText(measured.computed.nanoseconds, measured.computed.digits)));
    // A mean of several runs goes on to say so (tst_measurement).
    QVERIFY(form->label2()[0]->toolTip().startsWith(
        QString::fromUtf8(texts::spoken::storedTimeDescription)));
    QVERIFY(form->label2()[1]->toolTip().contains(QString::fromUtf8(texts::methodCaptions[1])));
    for (QLabel* label : form->label2()) {
        QAccessibleInterface* spoken = accessible(label);
        QCOMPARE(spoken->text(QAccessible::Name), label->text());
        QCOMPARE(spoken->text(QAccessible::Description), label->toolTip());
    }
}

void TestAccessibility::focusIsVisible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("key"); // pressed after focusing, Qt::Key_unknown for none
    QTest::newRow("text box") << u"Text1(0)"_s << Qt::Key_unknown;
    QTest::newRow("text box, scrolled") << u"Text1(0)"_s << Qt::Key_PageDown;
    QTest::newRow("left list") << u"List1(0)"_s << Qt::Key_unknown;
    QTest::newRow("left list, scrolled to the end") << u"List1(0)"_s << Qt::Key_End;
    QTest::newRow("right list, a row selected") << u"List1(1)"_s << Qt::Key_Down;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("interval button %d", i) << u"Option1(%1)"_s.arg(i) << Qt::Key_unknown;
    for (int i = 0; i < 3; ++i)
        QTest::addRow("method button %d", i) << u"Option2(%1)"_s.arg(i) << Qt::Key_unknown;
}

// Focusing a control must change, clearly, at least as many of its pixels as its outline has: a
// mark around it, not a pale outline round a row or a caption, nor a blinking caret. Both images
// show the same state (interval chosen, keys pressed), with the focus on the control and away.
void TestAccessibility::focusIsVisible()
{
    QFETCH(QString, name);
    QFETCH(Qt::Key, key);

    form->option1()[2]->click(); // rows in the lists
    QWidget* target = control(*form, name);
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    if (key != Qt::Key_unknown)
        QTest::keyClick(target, key);
    const FocusMark* mark = target->findChild<FocusMark*>();
    QVERIFY(mark);
    QTRY_VERIFY(mark->isVisible());
    const QImage focusedImage = target->grab().toImage();
    QWidget* elsewhere
        = target == form->text1()[0] ? static_cast<QWidget*>(form->list1()[0]) : form->text1()[0];
    elsewhere->setFocus(Qt::TabFocusReason);
    QVERIFY(!target->hasFocus());
    QTRY_VERIFY(!mark->isVisible());
    const QImage unfocusedImage = target->grab().toImage();

    QCOMPARE(focusedImage.size(), unfocusedImage.size());
    constexpr int visibleStep = 48; // grey levels; a pale outline on white stays below it
    int changed = 0;
    for (int y = 0; y < focusedImage.height(); ++y) {
        for (int x = 0; x < focusedImage.width(); ++x)
            changed += std::abs(qGray(focusedImage.pixel(x, y)) - qGray(unfocusedImage.pixel(x, y)))
                >= visibleStep;
    }
    const int outline = 2 * (focusedImage.width() + focusedImage.height());
    QVERIFY2(changed >= outline,
        qPrintable(u"%1 of %2 outline pixels changed"_s.arg(changed).arg(outline)));
}

Q_IMPORT_PLUGIN(RecordingBridgePlugin)
QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
