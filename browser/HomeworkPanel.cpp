#include "browser/HomeworkPanel.h"

#include "browser/HomeworkDirectory.h"
#include "browser/LinkList.h"
#include "browser/ListChoice.h"
#include "platform/TwipsGeometry.h"
#include "shell/DefaultButton.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vireo {

namespace {

const char* const instructions = "How do I get homework help?\r\n"
                                 "\r\n"
                                 "To get homework help:\r\n"
                                 "\r\n"
                                 "1) Select a subject.\r\n"
                                 "2) Select a specific topic.\r\n"
                                 "3) Select a site.\r\n";

QLabel* label(const char* name, const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QListWidget* list(const char* name, const char* accessible, QWidget* parent)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(QLatin1String(name));
    if (accessible)
        l->setAccessibleName(QLatin1String(accessible));
    else
        l->hide();
    return l;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

void fill(QListWidget* names, QListWidget* targets, const QString& path)
{
    names->clear();
    targets->clear();
    if (path.isEmpty())
        return;
    for (const Link& entry : LinkList::read(path)) {
        // The lists are narrow: a long name is read whole in its tooltip.
        auto* item = new QListWidgetItem(entry.name, names);
        item->setToolTip(entry.name);
        targets->addItem(entry.target);
    }
}

} // namespace

HomeworkPanel::HomeworkPanel(ProgramFolder folder, Navigate navigate, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), navigate_(std::move(navigate))
{
    setObjectName(QStringLiteral("homework"));
    setAccessibleName(QStringLiteral("Homework Help"));
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void HomeworkPanel::buildControls()
{
    Label20 = label("Label20", "Homework Help", this);
    QFont title = Label20->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    Label20->setFont(title);
    Label10 = label("Label10", "1.  Select a subject.", this);
    Label11 = label("Label11", "2.  Select a specific topic.", this);
    Label12 = label("Label12", "3.  Select a site.", this);
    Label13 = label("Label13", "1.", this);
    Label14 = label("Label14", "2.", this);
    Label15 = label("Label15", "3.", this);

    List6 = list("List6", "Subjects", this);
    List7 = list("List7", "Topics", this);
    List8 = list("List8", "Sites", this);
    List1 = list("List1", nullptr, this);
    List4 = list("List4", nullptr, this);
    List5 = list("List5", nullptr, this);

    Command10 = button("Command10", "&Cancel", this);
    Command1 = button("Command1", "&Help", this);

    Picture100 = new QWidget(this);
    Picture100->setObjectName(QStringLiteral("Picture100"));
    Picture100->setAutoFillBackground(true);
    Text600 = new QPlainTextEdit(Picture100);
    Text600->setObjectName(QStringLiteral("Text600"));
    Text600->setAccessibleName(QStringLiteral("Instructions"));
    Text600->setReadOnly(true);
    Text600->setToolTip(QStringLiteral("Double click to close"));
    Text600->setPlainText(
        QString::fromUtf8(instructions).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Label3 = label("Label3", "(Double Click to Close)", Picture100);
    Label3->setAlignment(Qt::AlignCenter);
    Picture100->hide();
    for (QObject* o : {static_cast<QObject*>(Picture100),
                       static_cast<QObject*>(Text600->viewport()), static_cast<QObject*>(Label3)})
        o->installEventFilter(this);

    twips::place(this, 0, 0, 7335, 4815);
    twips::place(Label20, 690, 60, 3600, 420);
    // The steps' boxes overlap their neighbours' (Label10 runs under Label11, Label11 under
    // Label12): at the design's small font each text ended before the next began. With today's
    // fonts each step wraps within its own column, down to the lists.
    twips::place(Label10, 630, 630, 2115 - 630, 1035 - 630);
    twips::place(Label11, 2115, 630, 4095 - 2115, 1035 - 630);
    twips::place(Label12, 4095, 630, 2535, 1035 - 630);
    for (QLabel* step : {Label10, Label11, Label12}) {
        step->setWordWrap(true);
        step->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    twips::place(Label13, 105, 810, 330, 225);
    twips::place(Label14, 1680, 810, 330, 225);
    twips::place(Label15, 3825, 825, 225, 225);
    twips::place(List6, 105, 1050, 1485, 1470);
    twips::place(List7, 1680, 1035, 2010, 1950);
    twips::place(List8, 3780, 1050, 3300, 2505);
    twips::place(Command10, 4200, 3615, 1380, 330);
    twips::place(Command1, 5655, 3615, 1380, 330);
    twips::place(Picture100, 1620, 450, 4110, 2040);
    twips::place(Text600, 0, 0, 4110, 1800);
    twips::place(Label3, 1230, 1815, 1695, 210);

    ListChoice::attach(List6, [this](int index) { List6_Click(index); });
    ListChoice::attach(List7, [this](int index) { List7_Click(index); });
    ListChoice::attach(List8, [this](int index) { List8_Click(index); });
    // Return in a list chooses its entry (ListChoice); elsewhere it is Cancel, the panel's one
    // way out. Escape closes the instructions box, or else the panel.
    setDefaultButton(this, Command10);
    setEscapeAction(this, [this] {
        if (Picture100->isVisible())
            Picture100_DblClick();
        else
            Command10_Click();
    });
    connect(Command10, &QPushButton::clicked, this, &HomeworkPanel::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &HomeworkPanel::Command1_Click);
}

void HomeworkPanel::helpa(const QString& path)
{
    fill(List6, List1, path);
}

void HomeworkPanel::helpb(const QString& path)
{
    fill(List7, List4, path);
}

void HomeworkPanel::helpc(const QString& path)
{
    fill(List8, List5, path);
}

QString HomeworkPanel::namedFile(const QListWidget* files, int index) const
{
    if (index < 0 || index >= files->count())
        return {};
    return HomeworkDirectory::fileFor(folder_, files->item(index)->text()).value_or(QString());
}

void HomeworkPanel::List6_Click(int index)
{
    if (index < 0 || index >= List1->count())
        return;
    List1->setCurrentRow(index);
    helpb(namedFile(List1, index));
    List8->clear();
    List5->clear();
}

void HomeworkPanel::List7_Click(int index)
{
    if (index < 0 || index >= List4->count())
        return;
    List4->setCurrentRow(index);
    helpc(namedFile(List4, index));
}

void HomeworkPanel::List8_Click(int index)
{
    if (index < 0 || index >= List5->count())
        return;
    List5->setCurrentRow(index);
    navigate_(List5->item(index)->text());
    hide();
}

void HomeworkPanel::Command10_Click()
{
    hide();
    for (QListWidget* l : {List6, List7, List8, List1, List4, List5})
        l->clear();
}

void HomeworkPanel::Command1_Click()
{
    Picture100->show();
    Picture100->raise();
}

void HomeworkPanel::Picture100_DblClick()
{
    Picture100->hide();
}

bool HomeworkPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == Picture100 || watched == Text600->viewport() || watched == Label3)) {
        Picture100_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vireo
