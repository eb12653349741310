#include "parental/frmmisc.h"

#include "parental/PasswordGate.h"
#include "parental/PasswordProcedures.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"
#include "shell/DefaultButton.h"
#include "shell/ServiceAddresses.h"
#include "shell/StartProcedure.h"
#include "shell/formaster.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace vireo {

namespace {

// The design size of the window, used when the opener gives none (height, width in twips).
constexpr double designHeight = 2160;
constexpr double designWidth = 5520;

QWidget* makePanel(const char* name, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->hide();
    return panel;
}

QPushButton* makeButton(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeEntry(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(QLatin1String(name));
    entry->setAccessibleName(accessibleName);
    return entry;
}

QLabel* makeHeading(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #1d3b45;"));
    return label;
}

QLabel* makeText(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

QVBoxLayout* panelLayout(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    return layout;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace

QString frmmisc::openDialogFilter()
{
    return QStringLiteral("Web Pages (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt|"
                          "Gif pictures (*.gif)|*.gif|JPG pictures(*.jpg)|*.jpg|"
                          "BMP Pictures(.bmp)|*.bmp");
}

frmmisc* frmmisc::create(App& app)
{
    return new frmmisc(app);
}

// A dialog the master window owns (registered so), so that a click on the master window does not
// bury the Open or Search box behind it. It keeps its minimise and maximise buttons.
frmmisc::frmmisc(App& app)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      app_(app)
{
    setObjectName(QStringLiteral("frmmisc"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The design caption is empty: the opener sets it.
    setWindowTitle(QString());
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        fitToNewFrame();
        if (++frameChecks_ >= 40)
            frameWatch_.stop();
    });
    // A small window of short texts: a size smaller than the usual text, as dialogs of its
    // kind have, keeps the first-run panel within the size its opener gives it.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.92);
    setFont(small);

    Picture1 = buildConfiguration();
    Picture2 = buildWhatsNew();
    over = new PasswordGate(
        Passwords::Kind::Parental, PasswordGate::Style::Prompt,
        {QString(),
         QStringLiteral("To override today's browsing limit for this instance, please enter "
                        "your parental password."),
         QStringLiteral("Override"), QStringLiteral("Cancel")},
        app.settings(), app.dialogs(), this);
    over->setObjectName(QStringLiteral("over"));
    over->layout()->setContentsMargins(10, 8, 10, 8);
    over->layout()->setSpacing(6);
    over->entry->setObjectName(QStringLiteral("Text6"));
    over->confirmButton->setObjectName(QStringLiteral("Command6"));
    over->cancelButton->setObjectName(QStringLiteral("Command7"));
    over->hide();
    connect(over, &PasswordGate::passed, this, &frmmisc::over_passed);
    connect(over, &PasswordGate::cancelled, this, &frmmisc::over_cancelled);
    Picture4 = buildOpen();
    Picture6 = buildWebSearch();
    mp3search = buildMp3Search();

    resize(twips::toPixels(designWidth), twips::toPixels(designHeight));

    // Kept above the master window without being its child: a child would be disabled with
    // the master window, and the override must stay usable while the master is disabled.
    if (formaster* master = app.master()) {
        winId();
        if (QWindow* handle = windowHandle())
            handle->setTransientParent(master->windowHandle());
    }
}

frmmisc::~frmmisc() = default;

QWidget* frmmisc::buildConfiguration()
{
    QWidget* panel = makePanel("Picture1", this);
    QVBoxLayout* layout = panelLayout(panel);
    layout->addWidget(makeHeading("First run Configuration", panel));
    layout->addWidget(
        makeText("At this point in Vireo's configuration, you can choose to implement password "
                 "protection for both the parent and the teen.  If you don't want to have any "
                 "passwords, leave the fields blank, and then click ok.",
                 panel));

    // The two pairs side by side, one column each, sharing their row labels.
    const QString setLabel = QStringLiteral("Set Password:");
    const QString confirmLabel = QStringLiteral("Confirm Password:");
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(setLabel, panel), 1, 0);
    grid->addWidget(new QLabel(confirmLabel, panel), 2, 0);
    auto column = [&](int at, const char* title, const char* setName, const char* confirmName,
                      QLineEdit*& set, QLineEdit*& confirm) {
        auto* heading = new QLabel(QString::fromUtf8(title), panel);
        heading->setStyleSheet(QStringLiteral("color: #1d3b45; font-weight: 600;"));
        // The two columns share the width equally, whatever their headings.
        heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        const QString group = QString::fromUtf8(title) + QLatin1Char(' ');
        set = makeEntry(setName, group + setLabel, panel);
        confirm = makeEntry(confirmName, group + confirmLabel, panel);
        maskEntry(set);
        maskEntry(confirm);
        grid->addWidget(heading, 0, at);
        grid->addWidget(set, 1, at);
        grid->addWidget(confirm, 2, at);
        grid->setColumnStretch(at, 1);
        set->setMinimumWidth(60);
        confirm->setMinimumWidth(60);
    };
    column(1, "Parental Password", "parentalSet", "parentalConfirm", parentalSet, parentalConfirm);
    column(2, "Teen Password", "teenSet", "teenConfirm", teenSet, teenConfirm);
    layout->addLayout(grid);
    layout->addStretch();

    Command1 = makeButton("OK", "Command1", panel);
    layout->addLayout(buttonRow({Command1}));
    setDefaultButton(panel, Command1);
    connect(Command1, &QPushButton::clicked, this, &frmmisc::Command1_Click);
    return panel;
}

QWidget* frmmisc::buildWhatsNew()
{
    QWidget* panel = makePanel("Picture2", this);
    QVBoxLayout* layout = panelLayout(panel);
    layout->setContentsMargins(0, 0, 0, 8);
    // The page view goes in front of the button row when it is made.
    Command2 = makeButton("Done", "Command2", panel);
    auto* row = buttonRow({Command2});
    row->setContentsMargins(0, 0, 10, 0);
    layout->addStretch();
    layout->addLayout(row);
    setDefaultButton(panel, Command2);
    setEscapeAction(panel, [this] { Command2->click(); });
    connect(Command2, &QPushButton::clicked, this, &frmmisc::Command2_Click);
    return panel;
}

QWidget* frmmisc::buildBoxPanel(const BoxPanel& design, QLineEdit*& box, QPushButton*& go,
                                QPushButton*& cancel, QPushButton** beside)
{
    QWidget* panel = makePanel(design.name, this);
    QVBoxLayout* layout = panelLayout(panel);
    layout->addWidget(makeHeading(design.title, panel));
    layout->addWidget(makeText(design.text, panel));
    box = makeEntry(design.box, QString::fromUtf8(design.boxLabel), panel);
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    if (beside) {
        *beside = makeButton(design.besideText, design.beside, panel);
        row->addWidget(*beside);
    }
    layout->addLayout(row);
    layout->addStretch();
    go = makeButton(design.goText, design.go, panel);
    cancel = makeButton("Cancel", design.cancel, panel);
    layout->addLayout(buttonRow({go, cancel}));
    setDefaultButton(panel, go);
    setEscapeAction(panel, [cancel] { cancel->click(); });
    connect(go, &QPushButton::clicked, this, design.onGo);
    connect(cancel, &QPushButton::clicked, this, design.onCancel);
    return panel;
}

QWidget* frmmisc::buildOpen()
{
    QWidget* panel = buildBoxPanel(
        {"Picture4", "Open", "Select a file, or type a web address for Vireo to open.", "Text1",
         "File or web address", "Command4", "Open", "Command5", "Command3", "Select File",
         &frmmisc::Command4_Click, &frmmisc::Command5_Click},
        Text1, Command4, Command5, &Command3);
    connect(Command3, &QPushButton::clicked, this, &frmmisc::Command3_Click);
    return panel;
}

QWidget* frmmisc::buildWebSearch()
{
    return buildBoxPanel({"Picture6", "Search the Internet",
                          "Type your search criteria in the box below, and click go.", "Text2",
                          "Search criteria", "Command9", "Go!", "Command8", nullptr, nullptr,
                          &frmmisc::Command9_Click, &frmmisc::Command8_Click},
                         Text2, Command9, Command8);
}

QWidget* frmmisc::buildMp3Search()
{
    return buildBoxPanel({"mp3search", "MP3 Search",
                          "Type either the artist, song, or both in the box and click go.", "Text7",
                          "Artist or song", "Command11", "Go!", "Command10", nullptr, nullptr,
                          &frmmisc::Command11_Click, &frmmisc::Command10_Click},
                         Text7, Command11, Command10);
}

QList<QWidget*> frmmisc::panels() const
{
    return {Picture1, Picture2, over, Picture4, Picture6, mp3search};
}

QWidget* frmmisc::panelWidget(Panel panel) const
{
    switch (panel) {
    case Panel::Configuration:
        return Picture1;
    case Panel::WhatsNew:
        return Picture2;
    case Panel::Override:
        return over;
    case Panel::Open:
        return Picture4;
    case Panel::WebSearch:
        return Picture6;
    case Panel::Mp3Search:
        return mp3search;
    }
    return nullptr;
}

void frmmisc::showPanel(Panel panel, const QString& caption, std::optional<QSizeF> heightWidthTwips)
{
    setWindowTitle(caption);
    if (heightWidthTwips)
        sizeToTwips(*heightWidthTwips);
    if (!placed_) {
        placeOverMaster();
        placed_ = true;
    }
    panel_ = panel;
    QWidget* shown = panelWidget(panel);
    for (QWidget* w : panels())
        w->setVisible(w == shown);
    if (panel == Panel::WhatsNew)
        showWhatsNewPage();

    // The first box of the panel takes the typing.
    QWidget* first = nullptr;
    switch (panel) {
    case Panel::Configuration:
        first = parentalSet;
        break;
    case Panel::WhatsNew:
        first = Command2;
        break;
    case Panel::Override:
        first = over->entry;
        break;
    case Panel::Open:
        first = Text1;
        break;
    case Panel::WebSearch:
        first = Text2;
        break;
    case Panel::Mp3Search:
        first = Text7;
        break;
    }
    first->setFocus();
}

void frmmisc::sizeToTwips(const QSizeF& heightWidth)
{
    // The pair holds the height first, then the width; both are the whole window's, frame
    // included.
    outerSize_ = QSize(twips::toPixels(heightWidth.height()), twips::toPixels(heightWidth.width()));
    fitToFrame();
}

void frmmisc::fitToFrame()
{
    sizedFrame_ = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    resize(outerSize_ - sizedFrame_);
}

// A window is sized before it is shown, when its frame is not known yet; the window manager adds
// the frame later. Once the frame is known (or changes) the inside is sized again so that the
// whole window keeps the size asked for, and a window framed for the first time is centred again.
// Not every frame arrives with an event to the window, so for a while after the window is shown
// the frame is also looked at on a timer.
bool frmmisc::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
        frameChecks_ = 0;
        frameWatch_.start();
        fitToNewFrame();
        break;
    case QEvent::Hide:
        frameWatch_.stop();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        fitToNewFrame();
        break;
    default:
        break;
    }
    return handled;
}

void frmmisc::fitToNewFrame()
{
    if (outerSize_.isEmpty() || !isVisible() || frameGeometry().size() - size() == sizedFrame_)
        return;
    const bool firstFrame = sizedFrame_.isNull();
    fitToFrame();
    if (firstFrame)
        placeOverMaster();
}

// The first time it is shown, the window is centred over the master window (or the screen),
// as a dialog is over its owner; later sizes keep the place, and the user may move it.
void frmmisc::placeOverMaster()
{
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    formaster* master = app_.master();
    const QRect owner = master && master->isVisible() ? master->frameGeometry() : available;
    if (owner.isEmpty())
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(owner.center());
    if (!available.isEmpty()) {
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    move(frame.topLeft());
}

void frmmisc::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* w : panels())
        w->setGeometry(rect());
}

void frmmisc::showWhatsNewPage()
{
    // The page engine is costly to start, and only this panel shows a page, so the view is
    // made when the panel is first shown rather than with the window.
    if (WebBrowser1_ || !app_.newWebBrowser)
        return;
    WebBrowser1_ = app_.newWebBrowser(Picture2);
    if (!WebBrowser1_)
        return;
    WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    if (QWidget* view = WebBrowser1_->view()) {
        view->setObjectName(QStringLiteral("WebBrowser1"));
        view->setAccessibleName(QStringLiteral("What's new"));
        auto* layout = static_cast<QVBoxLayout*>(Picture2->layout());
        // Replaces the stretch that stands in for the page.
        delete layout->takeAt(0);
        layout->insertWidget(0, view, 1);
    }
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\what.html")));
}

void frmmisc::navigateNewBrowser(const QString& address)
{
    if (BrowserWindow* browser = app_.newBrowser())
        browser->WebBrowser1().Navigate(address);
}

// Configuration "OK": both passwords, then the what's-new page.
void frmmisc::Command1_Click()
{
    Passwords passwords(app_.settings());
    const FirstRunOutcome outcome =
        setBothPasswords(passwords, {parentalSet->text(), parentalConfirm->text(), teenSet->text(),
                                     teenConfirm->text()});
    app_.dialogs().message(firstRunMessage(outcome));
    if (outcome != FirstRunOutcome::BothSet)
        return;
    StartProcedure::configurationDone(app_.settings());
    // The typed passwords are not kept once stored.
    for (QLineEdit* entry : {parentalSet, parentalConfirm, teenSet, teenConfirm})
        entry->clear();
    showPanel(Panel::WhatsNew, QStringLiteral("What's New?"), QSizeF(4815, 6870));
}

// What's new "Done".
void frmmisc::Command2_Click()
{
    close();
}

// "Select File": the chosen path replaces the box's text; a cancelled dialog empties it.
void frmmisc::Command3_Click()
{
    FileDialogRequest request;
    request.title = openDialogTitle();
    request.filter = openDialogFilter();
    request.initialFolder = QDir::currentPath();
    Text1->setText(app_.dialogs().openFile(request));
}

// "Open": the text exactly as typed, a web address or a file path.
void frmmisc::Command4_Click()
{
    const QString address = Text1->text();
    navigateNewBrowser(address);
    close();
}

void frmmisc::Command5_Click()
{
    close();
}

void frmmisc::over_passed()
{
    if (formaster* master = app_.master()) {
        master->enableAfterOverride();
        master->stopAllowanceTimer();
    }
    app_.browseblocked = QStringLiteral("0");
    close();
}

// Closing without the password leaves the master window disabled.
void frmmisc::over_cancelled()
{
    close();
}

void frmmisc::Command9_Click()
{
    const QString address = address::webSearch(Text2->text());
    navigateNewBrowser(address);
    close();
}

void frmmisc::Command8_Click()
{
    close();
}

void frmmisc::Command11_Click()
{
    const QString address = address::mp3Search(Text7->text());
    navigateNewBrowser(address);
    close();
}

void frmmisc::Command10_Click()
{
    close();
}

} // namespace vireo
