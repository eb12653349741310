#pragma once

#include <QColor>
#include <QWidget>

namespace vireo {

// The rounded outline drawn behind a label button; its colour shows whether it is pressed.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(const QString& name, QWidget* parent);

    // Border and fill colour (the fill is drawn faintly so the label stays readable).
    void setColor(const QColor& color);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace vireo
