// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The texts of a menu's entries as the user reads them: without the accelerator's '&' and without
// the shortcut after the tab ("Ctrl+C" is written in Latin letters in every language).
QStringList entries(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            texts.append(action->text().section(u'\t', 0, 0).remove(u'&'));
    }
    return texts;
}

// Bulgarian: some Cyrillic letters, no Latin ones.
void verifyBulgarian(const QStringList& texts)
{
    QVERIFY(!texts.isEmpty());
    static const QRegularExpression cyrillic(u"\\p{Cyrillic}"_s);
    static const QRegularExpression latin(u"[A-Za-z]"_s);
    for (const QString& text : texts)
        QVERIFY2(text.contains(cyrillic) && !text.contains(latin), qPrintable(text));
}

} // namespace

// Qt's own menus speak Bulgarian like the rest of the window, whatever the user's language (CTest
// runs this under LANG=C, en_US.UTF-8 and bg_BG.UTF-8 as well).
class TestQtTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { form = showForm(); }
    void cleanupTestCase() { form.reset(); }

    void textBoxMenu();
    void scrollBarMenu_data();
    void scrollBarMenu();

private:
    std::unique_ptr<MainForm> form;
};

void TestQtTexts::textBoxMenu()
{
    TextBox* box = form->text1()[0];
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu(QPoint(5, 5)));
    QVERIFY(menu);
    verifyBulgarian(entries(*menu));
}

void TestQtTexts::scrollBarMenu_data()
{
    QTest::addColumn<QString>("owner");
    QTest::newRow("text box") << u"Text1(0)"_s;
    QTest::newRow("right list, 1000 - 10000") << u"List1(1)"_s;
}

void TestQtTexts::scrollBarMenu()
{
    QFETCH(QString, owner);
    clickOption(form->option1()[3]);
    auto* area = qobject_cast<QAbstractScrollArea*>(control(*form, owner));
    QVERIFY(area);
    QScrollBar* bar = area->verticalScrollBar();
    QVERIFY(bar->isVisible());

    // The scroll bar runs its menu itself, in a nested event loop: read it from there, then close.
    QStringList texts;
    QTimer::singleShot(0, this, [&texts] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            texts = entries(*menu);
            menu->close();
        }
    });
    const QPoint at(bar->width() / 2, bar->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
    verifyBulgarian(texts);
}

QTEST_MAIN(TestQtTexts)
#include "tst_qt_texts.moc"
