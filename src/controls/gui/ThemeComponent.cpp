#include "controls/gui/ThemeComponent.h"

#include "core/Error.h"

#include <QDialog>
#include <QMainWindow>

namespace torvex {

namespace {

bool isForm(const QObject *owner)
{
    return qobject_cast<const QMainWindow *>(owner) || qobject_cast<const QDialog *>(owner);
}

} // namespace

ThemeComponent::ThemeComponent(QObject *owner)
    : QObject(owner)
{
    if (!isForm(owner))
        throw TorvexError(winXPParentMessage);
    // This one is already among the owner's children, so one more means a second instance.
    if (owner->findChildren<ThemeComponent *>(Qt::FindDirectChildrenOnly).size() > 1)
        throw TorvexError(winXPInstanceMessage);
}

} // namespace torvex
