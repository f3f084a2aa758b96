// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installQtTranslation(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/qtbase_bg.qm"))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
