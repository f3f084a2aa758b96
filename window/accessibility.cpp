// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QAccessibleWidget>
#include <QLabel>

using namespace Qt::StringLiterals;

// Hidden controls get nothing, as no one can reach them; the rest get the name and the
// description the logic gives them (for a button, its caption), and a heading names its control
// as its buddy too.
void describeForScreenReaders(QWidget* control, const form::Spoken& spoken, QLabel* heading)
{
    if (spoken.role == form::Role::None)
        return;
    if (!spoken.name.empty())
        control->setAccessibleName(QString::fromStdString(spoken.name));
    if (!spoken.description.empty())
        control->setAccessibleDescription(QString::fromStdString(spoken.description));
    if (heading)
        heading->setBuddy(control);
}

void describeTime(QLabel* label, const QString& description)
{
    label->setAccessibleName(label->text());
    label->setAccessibleDescription(description);
    label->setToolTip(description);
}

void announceToScreenReaders(QWidget* source, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // No way to ask for speech away from the focus; a fake focus or name change would mislead.
    Q_UNUSED(source);
    Q_UNUSED(text);
#endif
}

namespace {

QAccessibleInterface* groupFrameAccessible(const QString& className, QObject* object)
{
    if (className == "GroupFrame"_L1 && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installGroupRole()
{
    static const bool installed = [] {
        QAccessible::installFactory(groupFrameAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
