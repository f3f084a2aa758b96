// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The references for start-up time and peak memory: the smallest Qt Widgets program that shows a
// window of MainForm's size. Built twice: empty, and with one line of text in the window's font,
// since any window that shows text must first load the system's font configuration and find its
// font, as MainForm does.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef WITH_TEXT
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));
    QLabel window(QStringLiteral("Информатика - прости числа"));
#else
    QWidget window;
#endif
    window.setFixedSize(461, 345);
    window.show();
    return app.exec();
}
