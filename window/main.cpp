// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_info.h"
#include "display_check.h"
#include "main_form.h"
#include "qt_translation.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

// The window's icon, read by Qt's own PNG reader. Told the format and no more, Qt would still load
// every image plug-in installed and ask each whether it reads PNG, before the window is drawn.
QIcon windowIcon()
{
    QImageReader reader(QStringLiteral(":/icons/32/prime-intervals.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace

int main(int argc, char* argv[])
{
    if (reportMissingDisplay(argc, argv))
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(appinfo::name));
    QApplication::setDesktopFileName(QString::fromUtf8(appinfo::id)); // matches the menu entry
    installQtTranslation(app);
    QApplication::setFont(MainForm::designFont());
    QApplication::setWindowIcon(windowIcon());
    MainForm window;
    window.show();
    return app.exec();
}
