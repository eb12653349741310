#include "browser/ImPanel.h"

#include "platform/Twips.h"
#include "shell/ClickLabel.h"
#include "shell/DefaultButton.h"
#include "shell/ProductSite.h"
#include "shell/ServiceAddresses.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vireo {

namespace {

void placeTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                        twips::toPixels(height));
}

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

ImPanel::ImPanel(Navigate navigate, QWidget* parent)
    : QFrame(parent), navigate_(std::move(navigate))
{
    setObjectName(QStringLiteral("Picture5"));
    // The panel's background picture: a soft blue card with a yellow edge, drawn rather than
    // loaded so that no bitmap is needed.
    setStyleSheet(QStringLiteral(
        "#Picture5, #Picture5 * { font-size: 7.5pt; }"
        "#Picture5 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdf3,"
        " stop:1 #dbe8f5); border: 2px solid #f2b134; border-radius: 6px; }"
        "#Label5 { color: #0b3d91; font-weight: bold; }"
        "#Label8 { color: #4a5a6a; }"
        "#Label5:hover, #Label8:hover { text-decoration: underline; }"));
    placeTwips(this, 2730, 735, 4005, 1800);

    // A link is a click on its label: a press and a release on it (a release that ends outside
    // it, the user having moved away to think again, does nothing).
    Label5 = named(new ClickLabel(this), "Label5");
    Label5->setText(QStringLiteral("IM With AOL Instant Messanger"));
    placeTwips(Label5, 645, 15, 3915, 315);
    Label8 = named(new ClickLabel(this), "Label8");
    Label8->setText(QStringLiteral("(Requires AOL InstantMessanger)"));
    placeTwips(Label8, 885, 255, 2175, 270);
    Label6 = named(new QLabel(QStringLiteral("Screen name:"), this), "Label6");
    placeTwips(Label6, 285, 525, 1275, 225);
    screenname = named(new QLineEdit(this), "screenname");
    screenname->setMaxLength(16);
    screenname->setAccessibleName(QStringLiteral("Screen name:"));
    placeTwips(screenname, 1365, 510, 2070, 285);
    Label7 = named(new QLabel(QStringLiteral("Message:"), this), "Label7");
    placeTwips(Label7, 300, 870, 1260, 285);
    message = named(new QLineEdit(QStringLiteral("Hello!"), this), "message");
    message->setAccessibleName(QStringLiteral("Message:"));
    placeTwips(message, 1080, 840, 2370, 300);
    Command6 = named(new QPushButton(QStringLiteral("Send"), this), "Command6");
    placeTwips(Command6, 765, 1260, 1275, 330);
    Command7 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command7");
    placeTwips(Command7, 2100, 1260, 1275, 330);

    // The panel's places were chosen for a small dialog font, which the style sheet asks for;
    // a label that still does not fit grows to its text rather than cut it off.
    for (QLabel* label : std::initializer_list<QLabel*>{Label5, Label8, Label6, Label7}) {
        label->ensurePolished();
        if (label->sizeHint().width() > label->width())
            label->resize(label->sizeHint().width(), label->height());
    }

    for (QLabel* link : {Label5, Label8})
        link->setCursor(Qt::PointingHandCursor);
    connect(Label5, &ClickLabel::Click, this, &ImPanel::Label5_Click);
    connect(Label8, &ClickLabel::Click, this, &ImPanel::Label8_Click);
    setDefaultButton(this, Command6);
    setEscapeAction(this, [this] { Command7_Click(); });
    connect(Command6, &QPushButton::clicked, this, &ImPanel::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &ImPanel::Command7_Click);
    hide();
}

// "Send": no check that a screen name is given; the boxes keep their texts.
void ImPanel::Command6_Click()
{
    navigate_(address::instantMessage(screenname->text(), message->text()));
    hide();
}

void ImPanel::Command7_Click()
{
    hide();
}

void ImPanel::Label5_Click()
{
    navigate_(site::imHomePage());
}

void ImPanel::Label8_Click()
{
    navigate_(site::imHomePage());
    hide();
}

} // namespace vireo
