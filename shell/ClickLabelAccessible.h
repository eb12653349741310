#pragma once

#include <QAccessibleWidget>

namespace vireo {

class ClickLabel;

// What assistive technologies see of a ClickLabel. One with a command is a push button with a
// Press action; one without (a piece of the skin, a caption) stays a text or a picture. Its
// name is its accessible name, else its text, else its tooltip, so an image button is named
// by the caption or tooltip it already has.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label);

    // Makes every ClickLabel use this interface; later calls do nothing.
    static void install();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ClickLabel* label() const;
};

} // namespace vireo
