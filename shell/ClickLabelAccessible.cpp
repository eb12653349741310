#include "shell/ClickLabelAccessible.h"

#include "shell/ClickLabel.h"

namespace vireo {

namespace {

QAccessibleInterface* makeInterface(const QString&, QObject* object)
{
    // Asked for the most derived class first, so every kind of ClickLabel is answered here.
    if (auto* label = qobject_cast<ClickLabel*>(object))
        return new ClickLabelAccessible(label);
    return nullptr;
}

} // namespace

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

void ClickLabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

ClickLabel* ClickLabelAccessible::label() const
{
    return static_cast<ClickLabel*>(widget());
}

QAccessible::Role ClickLabelAccessible::role() const
{
    if (label()->hasCommand())
        return QAccessible::Button;
    return label()->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
}

QString ClickLabelAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const ClickLabel* l = label();
    if (!l->accessibleName().isEmpty())
        return l->accessibleName();
    // A label button's visible text names it; its tooltip, if any, remains its description.
    if (!l->text().isEmpty())
        return l->text();
    return l->toolTip();
}

QStringList ClickLabelAccessible::actionNames() const
{
    if (!label()->hasCommand())
        return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ClickLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && label()->hasCommand() && label()->isEnabled())
        label()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ClickLabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && label()->hasCommand())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace vireo
