#include "browser/frmdelete.h"

#include "browser/Favorites.h"
#include "platform/Dialogs.h"
#include "platform/TwipsGeometry.h"
#include "shell/App.h"
#include "shell/DefaultButton.h"
#include "shell/formaster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace vireo {

namespace {

const char* const helpText = "To delete a favorite:\r\n"
                             "\r\n"
                             "1) Select \"Organize Favorites\" from the \"Favorites\" menu\r\n"
                             "2) Select the Item you want to delete\r\n"
                             "3) Press the \"Delete\" key, or the \"Delete\" button\r\n";

QLabel* label(const char* name, const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

frmdelete* frmdelete::create(App& app)
{
    // Owned by the master window: it stays above it and goes with it.
    auto* window = new frmdelete(app, app.master());
    window->Form_Load();
    return window;
}

frmdelete::frmdelete(App& app, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), favorites_(app.favorites())
{
    setObjectName(QStringLiteral("frmdelete"));
    setWindowTitle(QStringLiteral("Organize Favorites"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixels(4395), twips::toPixels(4680));

    // The window was laid out for a small font: at a larger one its texts run into each other.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    Label1 =
        label("Label1", "Select then item you want to delete, and press the delete key.", this);
    label2 = label("label2", "Warning: Deleted items cannot be recovered!", this);
    label2->setWordWrap(false);
    QFont bold = label2->font();
    bold.setBold(true);
    label2->setFont(bold);

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Favorites"));
    ListView1->setToolTip(QStringLiteral("Press the delete key to remove"));
    // A slow second click or F2 starts the edit, as in the list views users know.
    ListView1->setEditTriggers(QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed);
    ListView1->installEventFilter(this);

    Command4 = button("Command4", "&Delete", this);
    Command3 = button("Command3", "&Help", this);
    Command2 = button("Command2", "&Okay", this);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Text6 = new QPlainTextEdit(Picture1);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->setAccessibleName(QStringLiteral("Help"));
    Text6->setReadOnly(true);
    Text6->setPlainText(
        QString::fromUtf8(helpText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Label3 = label("Label3", "(Double Click to Close)", Picture1);
    Label3->setAlignment(Qt::AlignCenter);
    Picture1->hide();
    for (QObject* o : {static_cast<QObject*>(Picture1), static_cast<QObject*>(Text6->viewport()),
                       static_cast<QObject*>(Label3)})
        o->installEventFilter(this);

    twips::place(Label1, 615, 75, 3495, 435);
    twips::place(label2, 780, 465, 3465, 210);
    // One line: the warning may run on to the window's edge, in a smaller size if it must.
    const int room = twips::toPixels(4395 - 780);
    while (label2->fontMetrics().horizontalAdvance(label2->text()) > room &&
           bold.pointSizeF() > 6) {
        bold.setPointSizeF(bold.pointSizeF() - 0.5);
        label2->setFont(bold);
    }
    const int needed = label2->fontMetrics().horizontalAdvance(label2->text()) + 2;
    label2->resize(std::max(label2->width(), std::min(room, needed)), label2->height());
    twips::place(ListView1, 60, 705, 4230, 3510);
    twips::place(Command4, 1365, 4305, 855, 330);
    twips::place(Command3, 2310, 4305, 855, 330);
    twips::place(Command2, 3255, 4305, 1065, 330);
    twips::place(Picture1, 300, 930, 3780, 1665);
    twips::place(Text6, 0, 15, 3780, 1395);
    twips::place(Label3, 1080, 1410, 1935, 270);

    // Enter is Okay, as in a dialog; Escape closes the help box, or else the window (which
    // saves, as every way of closing it does).
    setDefaultButton(this, Command2);
    setEscapeAction(this, [this] {
        if (Picture1->isVisible())
            Picture1_DblClick();
        else
            close();
    });
    connect(Command4, &QPushButton::clicked, this, &frmdelete::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frmdelete::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmdelete::Command2_Click);
    connect(ListView1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        ListView1_AfterLabelEdit(ListView1->row(item), item->text());
    });
    // An addition made in a browser window meanwhile: the rows follow the list.
    connect(&favorites_, &Favorites::changed, this, [this] {
        if (!changing_)
            fillRows();
    });
}

frmdelete::~frmdelete()
{
    if (!saved_ && !app_.hasEnded()) {
        changing_ = true;
        favorites_.savebook();
    }
}

void frmdelete::Form_Load()
{
    fillRows();
}

void frmdelete::fillRows()
{
    const QSignalBlocker quiet(ListView1);
    ListView1->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileLinkIcon);
    for (const Link& entry : favorites_.entries()) {
        auto* item = new QListWidgetItem(icon, entry.name, ListView1);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void frmdelete::Command4_Click()
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    const int row = selected.isEmpty() ? -1 : ListView1->row(selected.first());
    // The first favourite stays: it can be renamed, never deleted.
    if (row <= 0) {
        app_.dialogs().message(refusal());
        return;
    }
    changing_ = true;
    delete ListView1->takeItem(row);
    favorites_.remove(row);
    changing_ = false;
}

void frmdelete::ListView1_AfterLabelEdit(int row, const QString& text)
{
    changing_ = true;
    favorites_.rename(row, text);
    changing_ = false;
}

void frmdelete::Command3_Click()
{
    Picture1->show();
    Picture1->raise();
}

void frmdelete::Picture1_DblClick()
{
    Picture1->hide();
}

void frmdelete::Command2_Click()
{
    close();
}

void frmdelete::closeEvent(QCloseEvent* event)
{
    if (!saved_ && !app_.hasEnded()) {
        saved_ = true;
        changing_ = true;
        favorites_.savebook();
    }
    event->accept();
}

bool frmdelete::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Command4_Click();
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == Picture1 || watched == Text6->viewport() || watched == Label3)) {
        Picture1_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vireo
