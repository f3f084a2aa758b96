// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "main_form.h"
#include "qt_translation.h"
#include "sieve.h"
#include "widgets.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

// A shown, active MainForm with the application font and Qt's Bulgarian texts, as the program
// makes it.
inline std::unique_ptr<MainForm> showForm()
{
    static const bool translated = installQtTranslation(*QCoreApplication::instance());
    if (!translated)
        qWarning("Qt's Bulgarian translation did not load");
    QApplication::setFont(MainForm::designFont());
    auto form = std::make_unique<MainForm>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the window did not become active");
    return form;
}

// The four intervals as the window offers them, and what choosing one must show.
inline constexpr int intervalEnds[4][2]
    = { { 1, 10 }, { 10, 100 }, { 100, 1000 }, { 1000, 10000 } };
inline const QString captions[4] = { QStringLiteral("1 - 10"), QStringLiteral("10 - 100"),
    QStringLiteral("100 - 1000"), QStringLiteral("1000 - 10000") };

inline QStringList expectedRows(int interval)
{
    QStringList rows;
    for (const int p : primesBetween(intervalEnds[interval][0], intervalEnds[interval][1]))
        rows.append(QString::number(p));
    return rows;
}

inline QString expectedSummary(int interval, qsizetype count)
{
    return QStringLiteral("В интервала ") + captions[interval]
        + QStringLiteral(" броя прости числа е: ") + QString::number(count)
        + QStringLiteral("\r\n");
}

inline QString expectedSummary(int interval)
{
    return expectedSummary(interval, expectedRows(interval).size());
}

inline QStringList rowsOf(const QAbstractItemView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows.append(list->model()->index(i, 0).data().toString());
    return rows;
}

// A control by the name the design gives it, its objectName: "List1(0)", "Frame2", ...
inline QWidget* control(const MainForm& form, const QString& name)
{
    return form.findChild<QWidget*>(name);
}

// A click where a person clicks: on the row's middle, scrolled into view first.
inline void clickRow(ListBox* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    list->scrollTo(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
        list->visualRect(list->model()->index(row, 0)).center());
}

// Far right of the button, away from its circle and caption.
inline void clickOption(QAbstractButton* button)
{
    QTest::mouseClick(
        button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() - 3, button->height() / 2));
}
