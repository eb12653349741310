#include "phonebook/frmpim.h"

#include "parental/PasswordGate.h"
#include "phonebook/ContactLists.h"
#include "phonebook/ContactPicture.h"
#include "phonebook/ContactSheet.h"
#include "phonebook/PhoneBookHelp.h"
#include "phonebook/PimArt.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "shell/App.h"
#include "shell/ClickLabel.h"
#include "shell/DefaultButton.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

namespace vireo {

namespace {

// Silent unless asked for, as the program's other categories.
Q_LOGGING_CATEGORY(lcPhoneBook, "vireo.phonebook", QtCriticalMsg)

// The window's design client area, in pixels.
constexpr QSize designSize(540, 262);

QLineEdit* makeEntry(const char* name, const QString& label, QWidget* parent)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(QLatin1String(name));
    entry->setAccessibleName(label);
    return entry;
}

QPlainTextEdit* makeTextBox(const char* name, const QString& label, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(label);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(36);
    return box;
}

QComboBox* makeList(const char* name, const QString& label, const QStringList& items,
                    QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(label);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

QString label(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

QString frmpim::pictureNotice()
{
    return QStringLiteral("Your image must be 100 x 150 pixils.  If your picture is larger, some "
                          "of it may be lost.");
}

QString frmpim::pictureDialogFilter()
{
    return QStringLiteral("Image files(*.jpg;*.jpeg;*.gif;*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp");
}

QString frmpim::saveFailure()
{
    return QStringLiteral("Your buddy's information could not be saved.");
}

frmpim* frmpim::create(App& app)
{
    auto* window = new frmpim(app);
    window->Form_Load();
    return window;
}

frmpim::frmpim(App& app, QWidget* parent) : QWidget(parent), app_(app), book_(app.folder())
{
    setObjectName(QStringLiteral("frmpim"));
    setWindowTitle(QStringLiteral("Phone Book"));
    // The system's light colours, not the master window's dark skin behind the children.
    setPalette(style()->standardPalette());
    setAutoFillBackground(true);
    buildControls();
    buildHelpPanel();
    buildLogon();
    menus_ = MenuBuilder(app_, this).programMenus();
    wire();
    resize(designSize);
}

frmpim::~frmpim() = default;

QSize frmpim::sizeHint() const
{
    return designSize;
}

QToolButton* frmpim::makeButton(const char* name, const char* tip, int glyph)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(PimArt::icon(static_cast<PimArt::Glyph>(glyph)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(label(tip));
    button->setAccessibleName(label(tip));
    return button;
}

void frmpim::buildControls()
{
    using G = PimArt::Glyph;
    gocrypt = makeButton("gocrypt", "", int(G::New));
    // It has no tooltip; screen readers still need its name.
    gocrypt->setAccessibleName(QStringLiteral("New"));
    gosave = makeButton("gosave", "Save changes", int(G::Save));
    gotrash = makeButton("gotrash", "Clear", int(G::Trash));
    gocopy = makeButton("gocopy", "Previous", int(G::Previous));
    gopaste = makeButton("gopaste", "Next", int(G::Next));
    goprint = makeButton("goprint", "Print", int(G::Print));
    gohelp = makeButton("gohelp", "Help", int(G::Help));
    gotras = makeButton("gotras", "Clear", int(G::Trash));

    Label15 = new QLabel(QStringLiteral("To view your buddies information, click on their name. "
                                        "To change any information, change the item and click "
                                        "save."),
                         this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setWordWrap(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setToolTip(QStringLiteral("Select a buddy to view"));
    List1->setAccessibleName(QStringLiteral("Buddies"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->hide();

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(List1, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addStretch();
    listButtons->addWidget(gotras);
    listColumn->addLayout(listButtons);

    namet = makeEntry("namet", label("Name:"), this);
    phone = makeEntry("phone", label("Phone Number:"), this);
    emailk = makeEntry("emailk", label("E-mail:"), this);
    address = makeTextBox("address", label("Address:"), this);
    commentsk = makeTextBox("commentsk", label("Comments:"), this);
    Combo3 = makeList("Combo3", label("Birthday: month"), ContactLists::months(), this);
    Combo2 = makeList("Combo2", label("Birthday: day"), ContactLists::days(), this);
    Combo4 = makeList("Combo4", label("Birthday: year"), ContactLists::years(), this);
    Combo5 = makeList("Combo5", label("Relationship:"), ContactLists::relationships(), this);
    Combo5->setPlaceholderText(ContactLists::noRelationship());
    age = makeEntry("age", label("Age:"), this);
    age->setMaximumWidth(44);
    picturepath = makeEntry("picturepath", QString(), this);
    picturepath->hide();
    Text8 = makeEntry("Text8", QString(), this);
    Text8->hide();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Picture"));
    Image1->setFixedSize(PimArt::pictureSize());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setFrameShape(QFrame::NoFrame);
    // The empty box still shows where the picture goes.
    Image1->setStyleSheet(QStringLiteral("QLabel { background: #dde6ee; }"));
    Command6 = new QPushButton(QStringLiteral("Change Picture"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setAutoDefault(false);

    // Laid out to fit the master window's child area at its design size: the commands and the
    // instruction share the top row, the picture stands beside the short boxes, and the two long
    // boxes sit side by side under them.
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    for (QToolButton* b : {gocrypt, gosave, gotrash, gocopy, gopaste, goprint, gohelp})
        top->addWidget(b);
    top->addSpacing(8);
    top->addWidget(Label15, 1);

    auto* birthday = new QHBoxLayout;
    birthday->addWidget(Combo3, 3);
    birthday->addWidget(Combo2, 2);
    birthday->addWidget(Combo4, 2);
    auto* relationship = new QHBoxLayout;
    relationship->addWidget(Combo5, 1);
    relationship->addWidget(new QLabel(label("Age:"), this));
    relationship->addWidget(age);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    auto row = [&](int at, const char* text, QWidget* box, QLayout* boxes = nullptr) {
        auto* caption = new QLabel(label(text), this);
        caption->setBuddy(box);
        grid->addWidget(caption, at, 0);
        if (boxes)
            grid->addLayout(boxes, at, 1);
        else
            grid->addWidget(box, at, 1);
    };
    row(0, "Name:", namet);
    row(1, "Phone Number:", phone);
    row(2, "E-mail:", emailk);
    row(3, "Birthday:", Combo3, birthday);
    row(4, "Relationship:", Combo5, relationship);
    grid->addWidget(Image1, 0, 2, 5, 1, Qt::AlignHCenter | Qt::AlignTop);

    auto* longBoxes = new QGridLayout;
    longBoxes->setVerticalSpacing(1);
    longBoxes->addWidget(new QLabel(label("Address:"), this), 0, 0);
    longBoxes->addWidget(new QLabel(label("Comments:"), this), 0, 1);
    longBoxes->addWidget(address, 1, 0);
    longBoxes->addWidget(commentsk, 1, 1);
    grid->addLayout(longBoxes, 5, 0, 1, 2);
    grid->addWidget(Command6, 5, 2, Qt::AlignTop);
    grid->setRowStretch(5, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 2);
    body->addLayout(grid, 7);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    // Tab follows the layout: the commands, the list and the Clear under it, then the boxes
    // row by row, the long boxes and Change Picture last.
    QWidget* const tabOrder[] = {gocrypt, gosave, gotrash, gocopy,  gopaste,   goprint, gohelp,
                                 List1,   gotras, namet,   phone,   emailk,    Combo3,  Combo2,
                                 Combo4,  Combo5, age,     address, commentsk, Command6};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void frmpim::buildHelpPanel()
{
    helpPanel = new QFrame(this);
    helpPanel->setObjectName(QStringLiteral("helpPanel"));
    helpPanel->setFrameShape(QFrame::Box);
    helpPanel->setAutoFillBackground(true);
    helpPanel->setToolTip(phonebookhelp::closeHint());
    helpText = new QPlainTextEdit(helpPanel);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setAccessibleName(QStringLiteral("Help"));
    helpText->setReadOnly(true);
    helpText->setPlainText(phonebookhelp::text());
    helpText->setToolTip(phonebookhelp::closeHint());
    helpClose = new ClickLabel(helpPanel);
    helpClose->setText(phonebookhelp::closeLabel());
    helpClose->setObjectName(QStringLiteral("helpClose"));
    helpClose->setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(helpPanel);
    layout->addWidget(helpText, 1);
    layout->addWidget(helpClose, 0, Qt::AlignHCenter);
    helpPanel->installEventFilter(this);
    helpText->viewport()->installEventFilter(this);
    helpPanel->hide();
}

void frmpim::buildLogon()
{
    cover = new QWidget(this);
    cover->setObjectName(QStringLiteral("cover"));
    cover->setAutoFillBackground(true);
    logon = new PasswordGate(Passwords::Kind::Teen, PasswordGate::Style::Logon,
                             {QStringLiteral("Phone Book Logon"), QStringLiteral("Password:")},
                             app_.settings(), app_.dialogs(), cover);
    logon->setObjectName(QStringLiteral("logon"));
    logon->setFrameShape(QFrame::StyledPanel);
    logon->setFixedWidth(300);
    changePassword = logon->addLink(QStringLiteral("(Change your password)"));
    changePassword->setObjectName(QStringLiteral("changePassword"));
    auto* centre = new QVBoxLayout(cover);
    centre->addWidget(logon, 0, Qt::AlignCenter);
    cover->hide();
}

void frmpim::wire()
{
    // Return in a one-line box saves the contact, as Save does; Escape closes the help box.
    setDefaultButton(this, gosave);
    setEscapeAction(this, [this] {
        if (helpPanel->isVisible())
            helpClose_Click();
    });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !listing_)
            List1_Click();
    });
    connect(gocrypt, &QToolButton::clicked, this, &frmpim::gocrypt_Click);
    connect(gosave, &QToolButton::clicked, this, &frmpim::gosave_Click);
    connect(gotrash, &QToolButton::clicked, this, &frmpim::gotrash_Click);
    connect(gotras, &QToolButton::clicked, this, &frmpim::gotras_Click);
    connect(gocopy, &QToolButton::clicked, this, &frmpim::gocopy_Click);
    connect(gopaste, &QToolButton::clicked, this, &frmpim::gopaste_Click);
    connect(goprint, &QToolButton::clicked, this, &frmpim::goprint_Click);
    connect(gohelp, &QToolButton::clicked, this, &frmpim::gohelp_Click);
    connect(Command6, &QPushButton::clicked, this, &frmpim::Command6_Click);
    connect(logon, &PasswordGate::passed, this, &frmpim::logon_passed);
    connect(logon, &PasswordGate::cancelled, this, &frmpim::logon_cancelled);
    connect(changePassword, &QPushButton::clicked, this, &frmpim::changePassword_Click);
    connect(helpClose, &ClickLabel::Click, this, &frmpim::helpClose_Click);
}

void frmpim::Form_Load()
{
    book_.load();
    if (!app_.isOn(settings::phonebookLocked, settings::SwitchRule::Text)) {
        showLists();
        // Ready for typing a buddy in.
        namet->setFocus();
        return;
    }
    showCover(true);
}

void frmpim::showCover(bool shown)
{
    // Behind the logon panel nothing is listed and nothing can be reached: Tab or a screen
    // reader would otherwise get to the buddies without the password.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != cover)
            w->setEnabled(!shown);
    }
    cover->setVisible(shown);
    if (!shown)
        return;
    cover->raise();
    layOverlays();
    logon->entry->setFocus();
}

void frmpim::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOverlays();
}

void frmpim::layOverlays()
{
    cover->setGeometry(rect());
    helpPanel->setGeometry(rect().adjusted(40, 36, -40, -16));
}

bool frmpim::eventFilter(QObject* watched, QEvent* event)
{
    const bool onPanel = watched == helpPanel || watched == helpText->viewport();
    if (onPanel && event->type() == QEvent::MouseButtonDblClick) {
        helpPanel_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmpim::showLists()
{
    listing_ = true;
    List1->clear();
    List2->clear();
    List1->addItems(book_.index().names());
    List2->addItems(book_.index().keys());
    List1->setCurrentRow(-1);
    listing_ = false;
}

int frmpim::selectedPosition() const
{
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

ContactRecord frmpim::record() const
{
    ContactRecord r;
    r.name = namet->text();
    r.phone = phone->text();
    r.email = emailk->text();
    r.address = ContactFile::toFileLines(address->toPlainText());
    r.picturePath = picturepath->text();
    r.comments = ContactFile::toFileLines(commentsk->toPlainText());
    r.month = Combo3->currentIndex();
    r.day = Combo2->currentIndex();
    r.year = Combo4->currentIndex();
    r.relationship = Combo5->currentIndex();
    r.age = age->text();
    return r;
}

void frmpim::showContact(const ContactFile::Contents& c)
{
    using F = ContactFile::Field;
    const ContactRecord& r = c.record;
    // A file cut short fills the boxes it has fields for and leaves the others as they are.
    if (c.has(F::Name))
        namet->setText(r.name);
    if (c.has(F::Phone))
        phone->setText(r.phone);
    if (c.has(F::Email))
        emailk->setText(r.email);
    if (c.has(F::Address))
        address->setPlainText(ContactFile::toBoxLines(r.address));
    if (c.has(F::Picture)) {
        showPicture(r.picturePath);
        picturepath->setText(r.picturePath);
    }
    if (c.has(F::Comments))
        commentsk->setPlainText(ContactFile::toBoxLines(r.comments));
    if (c.has(F::Month))
        Combo3->setCurrentIndex(r.month);
    if (c.has(F::Day))
        Combo2->setCurrentIndex(r.day);
    if (c.has(F::Year))
        Combo4->setCurrentIndex(r.year);
    if (c.has(F::Relationship))
        Combo5->setCurrentIndex(r.relationship);
    if (c.has(F::Age))
        age->setText(r.age);
}

void frmpim::showPicture(const QString& path)
{
    Image1->setPixmap(ContactPicture::load(path));
}

void frmpim::List1_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (!item)
        return;
    if (const std::optional<ContactFile::Contents> contents = book_.open(item->text()))
        showContact(*contents);
    Text8->setText(QStringLiteral("1"));
}

void frmpim::gocrypt_Click()
{
    Text8->clear();
    namet->clear();
    phone->clear();
    emailk->clear();
    address->clear();
    commentsk->clear();
    age->clear();
    picturepath->clear();
    for (QComboBox* list : {Combo3, Combo2, Combo4, Combo5})
        list->setCurrentIndex(0);
    Image1->setPixmap(PimArt::defaultPicture());
}

void frmpim::gosave_Click()
{
    const PhoneBook::Saved saved = book_.save(record(), !Text8->text().isEmpty());
    if (saved.added) {
        showLists();
        Text8->setText(QStringLiteral("1"));
    }
    // The boxes keep what was typed, so the user can try again.
    if (saved.failed)
        app_.dialogs().message(saveFailure());
}

void frmpim::gotrash_Click()
{
    switch (book_.remove(selectedPosition())) {
    case PhoneBook::Removal::Refused:
        app_.dialogs().message(PhoneBook::refusal());
        return;
    case PhoneBook::Removal::Removed:
        showLists();
        return;
    case PhoneBook::Removal::NothingSelected:
        return;
    }
}

void frmpim::gotras_Click()
{
    gotrash_Click();
}

void frmpim::selectAndOpen(int position)
{
    if (position < 0 || position >= List1->count())
        return;
    // Moving the current row opens the contact; a row that is current already is opened here.
    const bool current = List1->currentRow() == position;
    List1->setCurrentRow(position);
    if (current)
        List1_Click();
}

void frmpim::gocopy_Click()
{
    // At the first contact, or with none selected, there is nothing before: stay.
    const int position = selectedPosition();
    if (position > 0)
        selectAndOpen(position - 1);
}

void frmpim::gopaste_Click()
{
    // At the last contact there is nothing after: stay. With none selected, the first.
    selectAndOpen(selectedPosition() + 1);
}

void frmpim::goprint_Click()
{
    const ContactSheet sheet{
        namet->text(),          emailk->text(),        phone->text(),
        address->toPlainText(), Combo5->currentText(), Combo3->currentText(),
        Combo2->currentText(),  Combo4->currentText(), commentsk->toPlainText()};
    if (!app_.printing) {
        qCWarning(lcPhoneBook) << "nothing printed: the program has no printing";
        return;
    }
    QTextDocument document;
    document.setPlainText(sheet.text());
    if (app_.printing->print(document, this) == PrintResult::NoPrinter)
        app_.dialogs().message(printFailure(), printCaption());
}

void frmpim::gohelp_Click()
{
    layOverlays();
    helpPanel->show();
    helpPanel->raise();
    if (cover->isVisible())
        cover->raise();
}

void frmpim::helpPanel_DblClick()
{
    helpPanel->hide();
}

void frmpim::helpClose_Click()
{
    helpPanel->hide();
}

void frmpim::Command6_Click()
{
    app_.dialogs().message(pictureNotice());
    FileDialogRequest request;
    request.title = pictureDialogTitle();
    request.filter = pictureDialogFilter();
    request.initialFolder = QDir::currentPath();
    request.initialName = picturepath->text();
    QString chosen = app_.dialogs().openFile(request);
    // A cancelled dialog gives back the name it proposed.
    if (chosen.isEmpty())
        chosen = request.initialName;
    showPicture(chosen);
    picturepath->setText(chosen);
}

void frmpim::logon_passed()
{
    showCover(false);
    showLists();
    namet->setFocus();
}

void frmpim::logon_cancelled()
{
    closeWindow();
}

void frmpim::changePassword_Click()
{
    if (!app_.options())
        qCInfo(lcPhoneBook) << "the options dialog is not available";
}

void frmpim::closeWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace vireo
