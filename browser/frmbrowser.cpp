#include "browser/frmbrowser.h"

#include "browser/Favorites.h"
#include "browser/HomeworkDirectory.h"
#include "browser/HomeworkPanel.h"
#include "browser/ImPanel.h"
#include "browser/LinkList.h"
#include "browser/ListChoice.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/TwipsGeometry.h"
#include "platform/WebBrowser.h"
#include "platform/WindowTimer.h"
#include "shell/App.h"
#include "shell/ClickLabel.h"
#include "shell/DefaultButton.h"
#include "shell/MenuBuilder.h"
#include "shell/ProductSite.h"
#include "shell/SkinColours.h"
#include "shell/formaster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vireo {

namespace {

// Stands in when the program has no page component to offer: every command does nothing.
class InertWebBrowser final : public WebBrowser {
public:
    using WebBrowser::WebBrowser;
    QWidget* view() override { return nullptr; }
    void Navigate(const QString&) override {}
    bool GoBack() override { return false; }
    bool GoForward() override { return false; }
    bool Stop() override { return false; }
    bool Refresh() override { return false; }
    bool ExecWB(Command, CommandOption) override { return false; }
    QString LocationName() const override { return {}; }
    QString LocationURL() const override { return {}; }
};

} // namespace

frmbrowser* frmbrowser::create(App& app)
{
    auto* window = new frmbrowser(app);
    window->Form_Load();
    if (window->isUnloaded()) {
        delete window;
        return nullptr;
    }
    return window;
}

frmbrowser::frmbrowser(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("frmbrowser"));
    setWindowTitle(QStringLiteral("Vireo"));
    WebBrowser1_ = app_.newWebBrowser ? app_.newWebBrowser(this) : nullptr;
    if (!WebBrowser1_)
        WebBrowser1_ = new InertWebBrowser(this);
    WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    buildControls();
    buildMenus();
    wire();
    // The design client area.
    resize(twips::toPixels(7335), twips::toPixels(4050));
}

frmbrowser::~frmbrowser() = default;

void frmbrowser::buildControls()
{
    page = new QWidget(this);
    page->setObjectName(QStringLiteral("page"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    if (QWidget* view = WebBrowser1_->view())
        pageLayout->addWidget(view);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Link panel"));
    Picture1->setAutoFillBackground(true);
    QPalette header = Picture1->palette();
    header.setColor(QPalette::Window, skin::barBackground());
    header.setColor(QPalette::WindowText, skin::barText());
    Picture1->setPalette(header);

    Label1 = new QLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    label2 = new ClickLabel(Picture1);
    label2->setText(QStringLiteral("X"));
    label2->setObjectName(QStringLiteral("label2"));
    label2->setAccessibleName(QStringLiteral("Close the link panel"));
    label2->setToolTip(QStringLiteral("Close"));
    label2->setAlignment(Qt::AlignCenter);
    label2->setCursor(Qt::PointingHandCursor);
    connect(label2, &ClickLabel::Click, this, &frmbrowser::label2_Click);

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(QStringLiteral("Links"));
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->hide();
    // Escape in the link panel closes it, as its "X" does.
    for (QWidget* part : {Picture1, static_cast<QWidget*>(List2)})
        setEscapeAction(part, [this] { label2_Click(); });

    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Splitter"));
    Picture2->setAutoFillBackground(true);
    QPalette splitter = Picture2->palette();
    splitter.setColor(QPalette::Window, skin::barBackground().lighter(140));
    Picture2->setPalette(splitter);
    Picture2->setCursor(Qt::SizeHorCursor);
    Picture2->installEventFilter(this);

    Picture1->hide();
    List2->hide();
    Picture2->hide();
    applyGeometry();

    // At a fixed place over the page, hidden until "Send an IM".
    Picture5 =
        new ImPanel([this](const QString& address) { WebBrowser1_->Navigate(address); }, this);

    homework = new HomeworkPanel(
        app_.folder(), [this](const QString& address) { WebBrowser1_->Navigate(address); }, this);

    Timer1 = makeTimer(this, "Timer1", 500);
    Timer1->start();
}

void frmbrowser::buildMenus()
{
    using C = ProgramCommand;
    const MenuBuilder make(app_, this);
    mnu_start = make.menu("&Start", "mnu_start");
    mnu_webbrowser = make.item(mnu_start, "&Web Browser", "mnu_webbrowser", Qt::CTRL | Qt::Key_W);
    mnu_journal =
        make.command(mnu_start, C::Journal, "&Journal", "mnu_journal", Qt::CTRL | Qt::Key_J);
    mnu_phonebook =
        make.command(mnu_start, C::PhoneBook, "&Phone Book", "mnu_phonebook", Qt::CTRL | Qt::Key_B);
    mnu_homeworkhelp =
        make.item(mnu_start, "&Homework Help", "mnu_homeworkhelp", Qt::CTRL | Qt::Key_E);
    mnu_mp3 = make.command(mnu_start, C::Mp3, "MP3", "mnu_mp3");
    mnu_search = make.command(mnu_start, C::Search, "S&earch", "mnu_search", Qt::CTRL | Qt::Key_S);
    mnu_searchcd = make.item(mnu_start, "Search for CD's", "mnu_searchcd");
    mnu_start->addSeparator();
    mnu_open = make.command(mnu_start, C::Open, "&Open", "mnu_open", Qt::CTRL | Qt::Key_O);
    mnu_saveas = make.item(mnu_start, "&Save As", "mnu_saveas");
    mnu_print = make.item(mnu_start, "P&rint", "mnu_print", Qt::CTRL | Qt::Key_P);
    mnu_start->addSeparator();
    mnu_startpage =
        make.item(mnu_start, "Make current Start Page", "mnu_startpage", Qt::CTRL | Qt::Key_M);
    mnu_options = make.command(mnu_start, C::Options, "Options", "mnu_options");
    mnu_printsetup = make.item(mnu_start, "Print Setup", "mnu_printsetup");
    mnu_start->addSeparator();
    mnu_exit = make.item(mnu_start, "&Exit", "mnu_exit");

    mnu_entertainment = make.menu("&Entertainment", "mnu_entertainment");
    mnu_bands = make.item(mnu_entertainment, "Bands", "mnu_bands");
    mnu_chat = make.item(mnu_entertainment, "Chat", "mnu_chat");
    mnu_magazines = make.item(mnu_entertainment, "Magazines", "mnu_magazines");
    mnu_movies = make.item(mnu_entertainment, "Movies", "mnu_movies");
    mnu_music = make.item(mnu_entertainment, "Music", "mnu_music");
    mnu_sports = make.item(mnu_entertainment, "Sports", "mnu_sports");
    mnu_tv = make.item(mnu_entertainment, "TV", "mnu_tv");
    mnu_videogames = make.item(mnu_entertainment, "Video Games", "mnu_videogames");
    mnu_entertainment->addSeparator();
    mnu_cd = make.item(mnu_entertainment, "Search for CD's", "mnu_cd");
    mnu_movie = make.item(mnu_entertainment, "Search for Movies", "mnu_movie");
    mnu_entertainment->addSeparator();
    mnu_horoscope = make.item(mnu_entertainment, "Get your Horoscope", "mnu_horoscope");
    mnu_im = make.item(mnu_entertainment, "Send an IM", "mnu_im");

    mnu_favorites = make.menu("&Favorites", "mnu_favorites");
    mnu_addfavorite = make.item(mnu_favorites, "Add to Favorites", "mnu_addfavorite", Qt::Key_F2);
    mnu_organize = make.item(mnu_favorites, "Organize Favorites", "mnu_organize");
    mnu_favorites->addSeparator();

    mnu_windows = make.windowsMenu("&Windows", "mnu_windows");

    mnu_helpmenu = make.menu("&Help", "mnu_helpmenu");
    // The help pages open in this window, not in a new one.
    mnu_update = make.item(mnu_helpmenu, "&Update", "mnu_update");
    mnu_feedback = make.item(mnu_helpmenu, "Feedback!", "mnu_feedback");
    mnu_htmlhelp = make.item(mnu_helpmenu, "Help!", "mnu_htmlhelp", Qt::CTRL | Qt::Key_H);
    mnu_helpmenu->addSeparator();
    mnu_about = make.command(mnu_helpmenu, C::About, "About", "mnu_about");
}

void frmbrowser::wire()
{
    connect(WebBrowser1_, &WebBrowser::DownloadBegin, this, &frmbrowser::WebBrowser1_DownloadBegin);
    connect(WebBrowser1_, &WebBrowser::DownloadComplete, this,
            &frmbrowser::WebBrowser1_DownloadComplete);
    connect(WebBrowser1_, &WebBrowser::ProgressChange, this,
            &frmbrowser::WebBrowser1_ProgressChange);
    connect(WebBrowser1_, &WebBrowser::StatusTextChange, this,
            &frmbrowser::WebBrowser1_StatusTextChange);
    connect(WebBrowser1_, &WebBrowser::TitleChange, this, &frmbrowser::WebBrowser1_TitleChange);
    connect(WebBrowser1_, &WebBrowser::ExternalAddressNotOpened, this,
            &frmbrowser::WebBrowser1_ExternalAddressNotOpened);
    connect(Timer1, &QTimer::timeout, this, &frmbrowser::Timer1_Timer);

    connect(mnu_webbrowser, &QAction::triggered, this, &frmbrowser::mnu_webbrowser_Click);
    connect(mnu_saveas, &QAction::triggered, this, &frmbrowser::mnu_saveas_Click);
    connect(mnu_print, &QAction::triggered, this, &frmbrowser::mnu_print_Click);
    connect(mnu_startpage, &QAction::triggered, this, &frmbrowser::mnu_startpage_Click);
    connect(mnu_printsetup, &QAction::triggered, this, &frmbrowser::mnu_printsetup_Click);
    connect(mnu_exit, &QAction::triggered, this, &frmbrowser::mnu_exit_Click);

    struct Category {
        QAction* action;
        const char* title;
        const char* file;
    };
    const Category categories[] = {
        {mnu_bands, "Bands", "\\bands.vro"},
        {mnu_chat, "Chat", "\\chat.vro"},
        {mnu_magazines, "Magazines", "\\magazines.vro"},
        {mnu_movies, "Movies", "\\movies.vro"},
        {mnu_music, "Music", "\\music.vro"},
        {mnu_sports, "Sports", "\\sports.vro"},
        {mnu_tv, "TV", "\\tv.vro"},
        {mnu_videogames, "Video Games", "\\videogames.vro"},
    };
    for (const Category& c : categories) {
        const QString title = QLatin1String(c.title);
        const QString file = QLatin1String(c.file);
        connect(c.action, &QAction::triggered, this, [this, title, file] {
            showLinkPanel(title);
            addlinks(app_.folder().path(file));
            Form_Resize();
            // Ready for the arrow keys and Return.
            List2->setFocus();
        });
    }

    ListChoice::attach(List2, [this](int index) { List2_Click(index); });

    connect(mnu_searchcd, &QAction::triggered, this, &frmbrowser::mnu_searchcd_Click);
    connect(mnu_cd, &QAction::triggered, this, &frmbrowser::mnu_cd_Click);
    connect(mnu_movie, &QAction::triggered, this, &frmbrowser::mnu_movie_Click);
    connect(mnu_horoscope, &QAction::triggered, this, &frmbrowser::mnu_horoscope_Click);
    connect(mnu_im, &QAction::triggered, this, &frmbrowser::mnu_im_Click);

    connect(mnu_addfavorite, &QAction::triggered, this, &frmbrowser::mnu_addfavorite_Click);
    connect(mnu_organize, &QAction::triggered, this, &frmbrowser::mnu_organize_Click);
    connect(&app_.favorites(), &Favorites::changed, this, &frmbrowser::showFavorites);
    connect(mnu_homeworkhelp, &QAction::triggered, this, &frmbrowser::mnu_homeworkhelp_Click);

    connect(mnu_update, &QAction::triggered, this, &frmbrowser::mnu_update_Click);
    connect(mnu_feedback, &QAction::triggered, this, &frmbrowser::mnu_feedback_Click);
    connect(mnu_htmlhelp, &QAction::triggered, this, &frmbrowser::mnu_htmlhelp_Click);
}

QList<QMenu*> frmbrowser::childMenus() const
{
    return {mnu_start, mnu_entertainment, mnu_favorites, mnu_windows, mnu_helpmenu};
}

QSize frmbrowser::sizeHint() const
{
    return {twips::toPixels(7335), twips::toPixels(4050)};
}

formaster* frmbrowser::master() const
{
    return app_.master();
}

double frmbrowser::clientWidth() const
{
    return twips::fromPixels(width());
}
double frmbrowser::clientHeight() const
{
    return twips::fromPixels(height());
}

void frmbrowser::applyGeometry()
{
    twips::place(page, geo_.page);
    twips::place(Picture1, geo_.Picture1);
    twips::place(Label1, geo_.Label1);
    twips::place(label2, geo_.label2);
    twips::place(List2, geo_.List2);
    twips::place(Picture2, geo_.Picture2);
    List2->raise();
    Picture1->raise();
    Picture2->raise();
}

// ---- Load, layout, unload ------------------------------------------------------------------

void frmbrowser::Form_Load()
{
    if (app_.browseblocked == QLatin1String("1")) {
        unloadMe();
        return;
    }
    ptions();
    geo_.page.width = clientWidth();
    applyGeometry();
    const QString start = app_.read(settings::startPage);
    if (!start.isEmpty())
        WebBrowser1_->Navigate(start);
    Favorites& favorites = app_.favorites();
    if (!favorites.isRead())
        favorites.addbooks(favorites.path());
    showFavorites();
}

void frmbrowser::ptions()
{
    // This window compares its switches as numbers: " 1" and "1.0" hide too.
    using settings::SwitchRule;
    if (app_.isOn(settings::mp3Disabled, SwitchRule::Number))
        mnu_mp3->setVisible(false);
    if (app_.isOn(settings::searchesDisabled, SwitchRule::Number)) {
        mnu_searchcd->setVisible(false);
        mnu_cd->setVisible(false);
        mnu_movie->setVisible(false);
    }
}

void frmbrowser::Form_Resize()
{
    browserLayout::formResize(geo_, clientWidth(), clientHeight());
    applyGeometry();
}

void frmbrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmbrowser::gog()
{
    browserLayout::gog(geo_, clientWidth(), clientHeight());
    applyGeometry();
}

void frmbrowser::showLinkPanel(const QString& caption)
{
    List2->show();
    Picture2->show();
    browserLayout::showLinkPanel(geo_);
    Picture1->show();
    Label1->setText(caption);
    applyGeometry();
}

void frmbrowser::addlinks(const QString& path)
{
    List2->clear();
    List3->clear();
    for (const Link& link : LinkList::read(path)) {
        List2->addItem(link.name);
        List3->addItem(link.target);
    }
}

void frmbrowser::List2_Click(int index)
{
    if (index < 0 || index >= List3->count())
        return;
    List3->setCurrentRow(index);
    WebBrowser1_->Navigate(List3->item(index)->text());
}

void frmbrowser::showFavorites()
{
    const QList<Link>& entries = app_.favorites().entries();
    while (mnubook.size() > entries.size())
        delete mnubook.takeLast();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i == mnubook.size()) {
            auto* item = new QAction(mnu_favorites);
            item->setObjectName(QStringLiteral("mnubook"));
            const int index = int(i);
            connect(item, &QAction::triggered, this, [this, index] { mnubook_Click(index); });
            mnu_favorites->addAction(item);
            mnubook.append(item);
        }
        // A title is shown as it stands: an ampersand is no mnemonic here.
        QString caption = entries[i].name;
        mnubook[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        mnubook[i]->setData(entries[i].target);
    }
}

void frmbrowser::helpa(const QString& path)
{
    homework->helpa(path);
}

void frmbrowser::label2_Click()
{
    List2->hide();
    Picture1->hide();
    Picture2->hide();
    gog();
}

void frmbrowser::unloadMe()
{
    if (unloaded_)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
    // A window that was never shown may not have seen its close event.
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
        Form_Terminate();
    }
}

void frmbrowser::closeEvent(QCloseEvent* event)
{
    if (!unloaded_ && !app_.hasEnded()) {
        unloaded_ = true;
        Timer1->stop();
        Form_Unload();
        Form_Terminate();
    }
    event->accept();
}

void frmbrowser::Form_Unload()
{
    if (formaster* m = master())
        m->finishProgress();
}

void frmbrowser::Form_Terminate()
{
    if (formaster* m = master())
        m->stopBusy();
}

void frmbrowser::Timer1_Timer()
{
    if (app_.browseblocked != QLatin1String("1"))
        return;
    // A dialog the page opened (an alert, a file chooser...) runs an event loop inside the
    // page component, which cannot be deleted from under it: the dialog is closed first and
    // the window goes at the next tick.
    if (QWidget* dialog = openDialogOfThisWindow()) {
        dialog->close();
        return;
    }
    unloadMe();
}

QWidget* frmbrowser::openDialogOfThisWindow() const
{
    QWidget* dialog = QApplication::activeModalWidget();
    for (const QWidget* w = dialog; w; w = w->parentWidget()) {
        if (w == this)
            return dialog;
    }
    return nullptr;
}

// ---- Splitter ------------------------------------------------------------------------------

bool frmbrowser::eventFilter(QObject* watched, QEvent* event)
{
    // Only mouse events are QMouseEvents: the type is checked before the event is read as one.
    const QEvent::Type type = event->type();
    const bool isMouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                         type == QEvent::MouseButtonRelease;
    if (!isMouse || watched != Picture2)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const double x = mouse->position().x() * twips::perPixel;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
        Picture2_MouseDown(x);
    else if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton))
        Picture2_MouseMove(x);
    else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        Picture2_MouseUp();
    return true;
}

void frmbrowser::Picture2_MouseDown(double x)
{
    splitterDownX_ = x;
    dragging_ = true;
}

void frmbrowser::Picture2_MouseMove(double x)
{
    if (!dragging_)
        return;
    geo_.Picture2.left = browserLayout::dragSplitter(geo_.Picture2.left, x, splitterDownX_);
    twips::place(Picture2, geo_.Picture2);
}

void frmbrowser::Picture2_MouseUp()
{
    dragging_ = false;
    browserLayout::releaseSplitter(geo_, clientWidth());
    applyGeometry();
}

// ---- Component events ----------------------------------------------------------------------

void frmbrowser::WebBrowser1_DownloadBegin()
{
    if (formaster* m = master()) {
        m->startBusy();
        m->showProgress();
    }
}

void frmbrowser::WebBrowser1_DownloadComplete()
{
    if (formaster* m = master()) {
        m->stopBusy();
        m->finishProgress();
    }
}

void frmbrowser::WebBrowser1_ProgressChange(int progress, int progressMax)
{
    formaster* m = master();
    if (!m)
        return;
    if (const std::optional<int> value = progressBarValue(progress, progressMax))
        m->setProgress(*value);
}

void frmbrowser::WebBrowser1_StatusTextChange(const QString& text)
{
    formaster* m = master();
    if (!m)
        return;
    m->setStatusText(text);
    if (app_.isOn(settings::logBrowsing, settings::SwitchRule::Text))
        m->aadditems();
}

void frmbrowser::WebBrowser1_ExternalAddressNotOpened(const QString& scheme)
{
    app_.dialogs().message(
        QStringLiteral("No program is set up to open %1: addresses.").arg(scheme));
}

void frmbrowser::WebBrowser1_TitleChange(const QString&)
{
    setWindowTitle(WebBrowser1_->LocationName());
    formaster* m = master();
    if (!m)
        return;
    m->pageVisited(WebBrowser1_->LocationURL());
}

// ---- Menus ---------------------------------------------------------------------------------

void frmbrowser::mnu_webbrowser_Click()
{
    app_.newBrowser();
}

void frmbrowser::mnu_saveas_Click()
{
    WebBrowser1_->ExecWB(WebBrowser::Command::SaveAs, WebBrowser::CommandOption::DontPromptUser);
}

void frmbrowser::mnu_print_Click()
{
    WebBrowser1_->ExecWB(WebBrowser::Command::Print, WebBrowser::CommandOption::DontPromptUser);
}

void frmbrowser::mnu_printsetup_Click()
{
    WebBrowser1_->ExecWB(WebBrowser::Command::PageSetup, WebBrowser::CommandOption::DontPromptUser);
}

void frmbrowser::mnu_startpage_Click()
{
    app_.write(settings::startPage, WebBrowser1_->LocationURL());
}

// Closes this browser window only; the program goes on.
void frmbrowser::mnu_exit_Click()
{
    unloadMe();
}

void frmbrowser::mnu_update_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(site::localUpdatePage()));
}
void frmbrowser::mnu_feedback_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(site::localFeedbackPage()));
}

void frmbrowser::mnu_htmlhelp_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\help.html")));
}

void frmbrowser::mnu_searchcd_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\buycd.html")));
}

void frmbrowser::mnu_cd_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\buycd.html")));
}

void frmbrowser::mnu_movie_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\buymovie.html")));
}

void frmbrowser::mnu_horoscope_Click()
{
    WebBrowser1_->Navigate(app_.folder().path(QStringLiteral("\\horo.htm")));
}

// ---- Favourites and homework help ----------------------------------------------------------

QString frmbrowser::favoritesFullMessage()
{
    return QStringLiteral("Your favorites list is full (%1 favorites). Delete some with "
                          "Organize Favorites, then add this page again.")
        .arg(Favorites::capacity);
}

void frmbrowser::mnu_addfavorite_Click()
{
    if (!app_.favorites().add(WebBrowser1_->LocationName(), WebBrowser1_->LocationURL()))
        app_.dialogs().message(favoritesFullMessage());
}

void frmbrowser::mnu_organize_Click()
{
    app_.organize();
}

void frmbrowser::mnubook_Click(int index)
{
    if (index >= 0 && index < mnubook.size())
        WebBrowser1_->Navigate(mnubook[index]->data().toString());
}

void frmbrowser::mnu_homeworkhelp_Click()
{
    helpa(HomeworkDirectory::subjectFile(app_.folder()));
    homework->show();
    // Over the page and the link panel, ready for the arrow keys and Return.
    homework->raise();
    homework->List6->setFocus();
}

void frmbrowser::showHomeworkHelp()
{
    homework->show();
    homework->raise();
    helpa(HomeworkDirectory::subjectFile(app_.folder()));
    homework->List6->setFocus();
}

void frmbrowser::mnu_im_Click()
{
    Picture5->show();
    // Over the page and the link panel, whichever was laid out last.
    Picture5->raise();
}

} // namespace vireo
