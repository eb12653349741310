#include "shell/formaster.h"

#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "platform/TwipsGeometry.h"
#include "platform/WebBrowser.h"
#include "platform/WindowTimer.h"
#include "shell/AddressHistory.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"
#include "shell/ComboBoxAdapter.h"
#include "shell/ConfigWindow.h"
#include "shell/ImageBox.h"
#include "shell/MdiChild.h"
#include "shell/MenuBuilder.h"
#include "shell/Placement.h"
#include "shell/PlayerWindow.h"
#include "shell/ProductSite.h"
#include "shell/ShellResources.h"
#include "shell/SkinColours.h"
#include "shell/VbKeyCode.h"
#include "shell/WindowListMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

namespace vireo {

namespace {

QWidget* makeStrip(const char* name, QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, skin::barBackground());
    strip->setPalette(palette);
    return strip;
}

// One counted second of the daily allowance. The end-to-end tests shorten it through
// VIREO_TEST_SECOND_MS so that a minute of allowance passes in a few seconds; the count is of
// ticks either way.
int allowanceSecondMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VIREO_TEST_SECOND_MS", &ok);
    return ok && ms > 0 ? ms : 1000;
}

bool goBack(BrowserWindow& w)
{
    return w.WebBrowser1().GoBack();
}
bool goForward(BrowserWindow& w)
{
    return w.WebBrowser1().GoForward();
}
bool stopPage(BrowserWindow& w)
{
    return w.WebBrowser1().Stop();
}
bool refreshPage(BrowserWindow& w)
{
    return w.WebBrowser1().Refresh();
}

} // namespace

struct formaster::ButtonDef {
    ImageBox* formaster::*button;
    const char* name;
    const char* caption;
    QPixmap formaster::*normal;
    QPixmap formaster::*pressed;
    void (formaster::*click)();
    bool keepsCaption; // the MP3 and Home buttons leave the hover caption showing
};

const formaster::ButtonDef formaster::buttonDefs[] = {
    {&formaster::Image1, "Image1", "Back!", &formaster::back, &formaster::back_down,
     &formaster::Image1_Click, false},
    {&formaster::Image2, "Image2", "Foward!", &formaster::foward, &formaster::foward_down,
     &formaster::Image2_Click, false},
    {&formaster::Image3, "Image3", "Stop!", &formaster::stop_, &formaster::stop_down,
     &formaster::Image3_Click, false},
    {&formaster::Image4, "Image4", "Refresh!", &formaster::refresh_, &formaster::refresh_down,
     &formaster::Image4_Click, false},
    {&formaster::Image5, "Image5", "Home!", &formaster::home, &formaster::home_down,
     &formaster::Image5_Click, true},
    {&formaster::Image6, "Image6", "Web Browser!", &formaster::webbrowser,
     &formaster::webbrowser_down, &formaster::Image6_Click, false},
    {&formaster::Image9, "Image9", "Journal!", &formaster::journal, &formaster::journal_down,
     &formaster::Image9_Click, false},
    {&formaster::Image12, "Image12", "Phone Book!", &formaster::phonebook,
     &formaster::phonebook_down, &formaster::Image12_Click, false},
    {&formaster::Image13, "Image13", "Homework Help!", &formaster::homeworkhelp,
     &formaster::homeworkhelp_down, &formaster::Image13_Click, false},
    {&formaster::Image7, "Image7", "MP3!", &formaster::mp3, &formaster::mp3_down,
     &formaster::Image7_Click, true},
    {&formaster::Image8, "Image8", "Search!", &formaster::search, &formaster::search_down,
     &formaster::Image8_Click, false},
    {&formaster::Image14, "Image14", "Teen Rights!", &formaster::teenrights,
     &formaster::teenrights_down, &formaster::Image14_Click, false},
};

std::unique_ptr<formaster> formaster::create(App& app)
{
    auto window = std::make_unique<formaster>(app);
    app.setMaster(window.get());
    window->MDIForm_Load();
    return window;
}

formaster::formaster(App& app)
    : app_(app), allowance_(app.settings(), app.secondsused, app.browseblocked, *this),
      log_(app.folder().path(QStringLiteral("\\log.txt")))
{
    setObjectName(QStringLiteral("formaster"));
    setWindowTitle(QStringLiteral("Vireo"));
    initShellResources();
    // Every window of the program, the child windows' frames among them, shows the bird.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vireo/logo.png")));
    buildControls();
    buildMenus();
    wireButtons();
    client_->setMinimumSize(twips::toPixels(minimumClientWidth),
                            twips::toPixels(minimumClientHeight));
    // The design client area is 8370 by 5565 twips, below the menu bar.
    resize(twips::toPixels(8370), twips::toPixels(5565) + menuBar()->sizeHint().height());
}

formaster::~formaster()
{
    // The children go before this window's members: they must not call back into it.
    disconnect(mdiArea, nullptr, this, nullptr);
    // Nor may the buttons: closing the window moves the focus off a launcher, and its LostFocus
    // would call hideHoverCaption on a window that is no longer a formaster.
    for (ImageBox* button : findChildren<ImageBox*>())
        disconnect(button, nullptr, this, nullptr);
    client_->removeEventFilter(this);
    navbar->removeEventFilter(this);
    mdiArea->viewport()->removeEventFilter(this);
    Combo1->removeEventFilter(this);
    Combo1->lineEdit()->removeEventFilter(this);
}

void formaster::buildControls()
{
    client_ = makeStrip("client", this);
    setCentralWidget(client_);

    navbar = makeStrip("navbar", client_);
    Picture1 = makeStrip("Picture1", client_);
    Picture3 = makeStrip("Picture3", client_);
    Picture2 = makeStrip("Picture2", client_);
    navbar->setMouseTracking(true);

    mdiArea = new QMdiArea(client_);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(skin::childArea());
    mdiArea->viewport()->setMouseTracking(true);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &formaster::showChildMenus);

    auto image = [](const char* name, QWidget* parent, double l, double t, double w, double h,
                    bool stretch) {
        auto* box = new ImageBox(QLatin1String(name), parent, stretch);
        twips::place(box, l, t, w, h);
        return box;
    };
    topleft = image("topleft", navbar, 0, 0, 255, 270, false);
    topbar = image("topbar", navbar, 225, 0, 345, 75, true);
    topright = image("topright", navbar, 6810, 0, 255, 270, false);
    sidebar = image("sidebar", navbar, 0, 270, 90, 645, true);
    midrightbar = image("midrightbar", navbar, 6975, 255, 90, 120, true);
    midleft = image("midleft", navbar, 0, 780, 225, 300, false);
    midbar = image("midbar", navbar, 225, 930, 6300, 150, true);
    midright = image("midright", navbar, 6510, 780, 225, 300, false);
    leftbar = image("leftbar", Picture3, 0, -30, 105, 2880, true);
    rightbar = image("rightbar", Picture2, 0, 0, 90, 645, true);
    botleft = image("botleft", Picture1, 15, 0, 120, 90, false);
    botbar = image("botbar", Picture1, 105, 0, 315, 105, true);
    botright = image("botright", Picture1, 855, 0, 120, 90, false);

    const double browserLefts[] = {375, 840, 1365, 1830, 2295};
    ImageBox** browserButtons[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
    for (int i = 0; i < 5; ++i) {
        const ButtonDef& def = buttonDefs[i];
        *browserButtons[i] = image(def.name, navbar, browserLefts[i], 90, 480, 480, false);
    }
    const double launcherLefts[] = {3240, 3705, 4170, 4635, 5100, 5565, 6030};
    for (int i = 0; i < 7; ++i) {
        const ButtonDef& def = buttonDefs[5 + i];
        this->*def.button = image(def.name, navbar, launcherLefts[i], 90, 480, 480, false);
    }
    for (const ButtonDef& def : buttonDefs) {
        ImageBox* button = this->*def.button;
        button->setAccessibleName(QLatin1String(def.caption));
        button->setCursor(Qt::PointingHandCursor);
    }
    Image54 = image("Image54", navbar, 5100, 90, 480, 480, false);
    Image54->setAccessibleName(QStringLiteral("MP3 tools are disabled"));
    Image54->hide();
    bumper = image("bumper", navbar, 7395, 210, 555, 570, false);
    bumper->setAccessibleName(QStringLiteral("Busy"));

    Combo1 = new AddressBox(navbar);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName(QStringLiteral("Address"));
    // Screen readers on Linux name an editable box by its text: the entry says what it is.
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("Address"));
    // Completion is our own; the box's inline completer would fight it.
    Combo1->setCompleter(nullptr);
    // The history grows without limit: nothing may walk all of it to size the box or its list.
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(Combo1->view()))
        list->setUniformItemSizes(true);
    twips::place(Combo1, 450, 570, 5535, 315);
    Combo1->setEditText(site::webSearchBase());
    combo1Box_ = new ComboBoxAdapter(Combo1);
    // Typed keys reach the box, which hands them to its line edit without filters; keys sent
    // to the line edit itself are seen there.
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    connect(Combo1, &QComboBox::editTextChanged, this, &formaster::Combo1_Change);

    Combo9 = new QComboBox(this);
    Combo9->setObjectName(QStringLiteral("Combo9"));
    Combo9->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo9->hide();
    // Appending at the end keeps the file's lines valid; any other change needs a rewrite.
    QAbstractItemModel* logModel = Combo9->model();
    connect(logModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { log_.changedFrom(first); });
    connect(logModel, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int) { log_.changedFrom(first); });
    connect(logModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft) { log_.changedFrom(topLeft.row()); });
    connect(logModel, &QAbstractItemModel::rowsMoved, this, [this] { log_.changedFrom(0); });
    connect(logModel, &QAbstractItemModel::modelReset, this, [this] { log_.changedFrom(0); });
    connect(logModel, &QAbstractItemModel::layoutChanged, this, [this] { log_.changedFrom(0); });

    Picture5 = new QFrame(navbar);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setAutoFillBackground(true);
    {
        QPalette p = Picture5->palette();
        p.setColor(QPalette::Window, skin::captionBackground());
        Picture5->setPalette(p);
    }
    twips::place(Picture5, 6300, 585, 1470, 240);
    Label100 = new QLabel(Picture5);
    Label100->setObjectName(QStringLiteral("Label100"));
    {
        QPalette p = Label100->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        Label100->setPalette(p);
    }
    Label100->move(1, 1);
    Picture5->hide();

    Label22 = new QLabel(Picture1);
    Label22->setObjectName(QStringLiteral("Label22"));
    Label22->setAccessibleName(QStringLiteral("Status"));
    {
        QPalette p = Label22->palette();
        p.setColor(QPalette::WindowText, skin::barText());
        Label22->setPalette(p);
        QFont f = Label22->font();
        f.setPixelSize(11);
        Label22->setFont(f);
    }
    twips::place(Label22, 1920, 15, 6300, 195);

    ProgressBar1 = new QProgressBar(Picture1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Download progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    twips::place(ProgressBar1, 180, 45, 1680, 150);
    ProgressBar1->hide();

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();

    Timer1 = makeTimer(this, "Timer1", 3000);
    Timer1->start();
    Timer4 = makeTimer(this, "Timer4", allowanceSecondMs());
    Timer10 = makeTimer(this, "Timer10", 700);
    Timer20 = makeTimer(this, "Timer20", 700);
    Timer30 = makeTimer(this, "Timer30", 700);
    Timer40 = makeTimer(this, "Timer40", 700);
    connect(Timer1, &QTimer::timeout, this, &formaster::Timer1_Timer);
    connect(Timer4, &QTimer::timeout, this, &formaster::Timer4_Timer);
    connect(Timer10, &QTimer::timeout, this, &formaster::Timer10_Timer);
    connect(Timer20, &QTimer::timeout, this, &formaster::Timer20_Timer);
    connect(Timer30, &QTimer::timeout, this, &formaster::Timer30_Timer);
    connect(Timer40, &QTimer::timeout, this, &formaster::Timer40_Timer);

    // The caption and the address box lie over the buttons' row.
    Combo1->raise();
    Picture5->raise();
    // Every control exists now: resizes may lay them out.
    client_->installEventFilter(this);
    navbar->installEventFilter(this);
    mdiArea->viewport()->installEventFilter(this);
}

// One item of the master's menus: where it is kept, its caption and name, its handler. An
// entry without an item is a separator.
struct formaster::MenuItemDef {
    QAction* formasterControls::*action;
    const char* caption;
    const char* name;
    void (formaster::*click)();
};

void formaster::buildMenus()
{
    using F = formaster;
    using C = formasterControls;
    static const MenuItemDef fileItems[] = {
        {&C::mnu_open, "&Open", "mnu_open", &F::mnu_open_Click},
        {&C::mnu_options, "O&ptions", "mnu_options", &F::mnu_options_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {&C::mnu_exit, "&Exit", "mnu_exit", &F::mnu_exit_Click},
    };
    // Each does what the launcher button of the same name does.
    static const MenuItemDef startItems[] = {
        {&C::mnu_webbrowser, "&Web Browser", "mnu_webbrowser", &F::Image6_Click},
        {&C::mnu_journal, "&Journal", "mnu_journal", &F::Image9_Click},
        {&C::mnu_phonebook, "&Phone Book", "mnu_phonebook", &F::Image12_Click},
        {&C::mnu_homeworkhelp, "&Homework Help", "mnu_homeworkhelp", &F::Image13_Click},
        {&C::mnu_mp3, "&MP3", "mnu_mp3", &F::Image7_Click},
        {&C::mnu_search, "&Search", "mnu_search", &F::Image8_Click},
        {&C::mnu_rights, "&Teen Rights", "mnu_rights", &F::Image14_Click},
    };
    static const MenuItemDef helpItems[] = {
        {&C::mnu_update, "&Update", "mnu_update", &F::mnu_update_Click},
        {&C::mnu_feedback, "&Feedback", "mnu_feedback", &F::mnu_feedback_Click},
        {&C::mnu_htmlhelp, "&Help", "mnu_htmlhelp", &F::mnu_htmlhelp_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {&C::mnu_about, "&About", "mnu_about", &F::mnu_about_Click},
    };

    const MenuBuilder make(app_, this);
    auto fill = [this, &make](QMenu* menu, const auto& items) {
        for (const MenuItemDef& def : items) {
            if (!def.action) {
                menu->addSeparator();
                continue;
            }
            QAction* action = make.item(menu, def.caption, def.name);
            this->*def.action = action;
            connect(action, &QAction::triggered, this, def.click);
        }
        menuBar()->addMenu(menu);
    };
    mnu_file = make.menu("&File", "mnu_file");
    fill(mnu_file, fileItems);
    menu = make.menu("&Start", "menu");
    fill(menu, startItems);
    // The master's own list: the App may not know this window as its master yet.
    mnu_windows = make.menu("Windows", "mnu_windows");
    listChildWindows(mnu_windows);
    menuBar()->addMenu(mnu_windows);
    mnu_help = make.menu("&Help", "mnu_help");
    fill(mnu_help, helpItems);

    masterMenus_ = {mnu_file, menu, mnu_windows, mnu_help};
}

void formaster::wireButtons()
{
    for (const ButtonDef& def : buttonDefs) {
        ImageBox* button = this->*def.button;
        const QString caption = QLatin1String(def.caption);
        const ButtonDef* s = &def;
        connect(button, &ImageBox::MouseMove, this,
                [this, button, caption] { showHoverCaption(button, caption); });
        // The keyboard's pointer: the focused button shows its caption as a hovered one does.
        connect(button, &ImageBox::GotFocus, this,
                [this, button, caption] { showHoverCaption(button, caption); });
        connect(button, &ImageBox::LostFocus, this, &formaster::hideHoverCaption);
        connect(button, &ImageBox::MouseDown, this,
                [this, button, s] { button->setPicture(this->*s->pressed); });
        connect(button, &ImageBox::MouseUp, this,
                [this, button, s] { button->setPicture(this->*s->normal); });
        connect(button, &ImageBox::Click, this, [this, s] {
            if (!s->keepsCaption)
                hideHoverCaption();
            (this->*s->click)();
        });
    }
}

// ---- Skin ----------------------------------------------------------------------------------

void formaster::loadSkin()
{
    const ProgramFolder& folder = app_.folder();
    auto load = [&folder](const char* name) {
        const QString path = folder.path(QLatin1String(name));
        QPixmap picture(path);
        if (picture.isNull())
            qCWarning(lcFiles) << "skin bitmap" << path << "is missing or unreadable";
        return picture;
    };
    // A missing or unreadable bitmap leaves its control as it was.
    auto into = [&load](ImageBox* box, const char* name) {
        const QPixmap p = load(name);
        if (!p.isNull())
            box->setPicture(p);
    };
    auto keep = [&load](QPixmap& target, const char* name) {
        const QPixmap p = load(name);
        if (!p.isNull())
            target = p;
    };

    into(topleft, "\\topleft.bmp");
    into(topbar, "\\topbar.bmp");
    into(sidebar, "\\sidebar.bmp");
    into(topright, "\\topright.bmp");
    into(midrightbar, "\\rightbar.bmp");
    into(midleft, "\\midleft.bmp");
    into(midright, "\\midright.bmp");
    into(midbar, "\\midbar.bmp");
    into(leftbar, "\\leftbar.bmp");
    into(rightbar, "\\rightbar.bmp");
    into(botleft, "\\leftbot.bmp");
    into(botright, "\\rightbot.bmp");
    into(botbar, "\\botbar.bmp");

    keep(back, "\\back.bmp");
    keep(stop_, "\\stop.bmp");
    keep(foward, "\\foward.bmp");
    keep(refresh_, "\\refresh.bmp");
    keep(home, "\\home.bmp");
    keep(webbrowser, "\\webbrowser.bmp");
    keep(journal, "\\journal.bmp");
    keep(phonebook, "\\phonebook.bmp");
    keep(homeworkhelp, "\\homeworkhelp.bmp");
    keep(mp3, "\\mp3.bmp");
    keep(search, "\\search.bmp");
    keep(teenrights, "\\teenrights.bmp");

    for (const ButtonDef& def : buttonDefs) {
        const QPixmap& face = this->*def.normal;
        if (!face.isNull())
            (this->*def.button)->setPicture(face);
    }

    keep(back_down, "\\back_down.bmp");
    keep(stop_down, "\\stop_down.bmp");
    keep(foward_down, "\\foward_down.bmp");
    keep(refresh_down, "\\refresh_down.bmp");
    keep(home_down, "\\home_down.bmp");
    keep(webbrowser_down, "\\webbrowser_down.bmp");
    keep(journal_down, "\\journal_down.bmp");
    keep(phonebook_down, "\\phonebook_down.bmp");
    keep(homeworkhelp_down, "\\homeworkhelp_down.bmp");
    keep(search_down, "\\search_down.bmp");
    keep(mp3_down, "\\mp3_down.bmp");
    keep(teenrights_down, "\\teenrights_down.bmp");

    into(bumper, "\\bumper3.bmp");
    keep(aa, "\\bumper0.bmp");
    keep(ba, "\\bumper1.bmp");
    keep(ca, "\\bumper2.bmp");
    keep(za, "\\bumper3.bmp");
}

MasterGeometry formaster::skinGeometry() const
{
    MasterGeometry g;
    g.midright = twips::rectOf(midright);
    g.midrightbar = twips::rectOf(midrightbar);
    g.topright = twips::rectOf(topright);
    g.botright = twips::rectOf(botright);
    g.botbar = twips::rectOf(botbar);
    g.midbar = twips::rectOf(midbar);
    g.leftbar = twips::rectOf(leftbar);
    g.topbar = twips::rectOf(topbar);
    g.rightbar = twips::rectOf(rightbar);
    g.navbar = twips::rectOf(navbar);
    g.Picture1 = twips::rectOf(Picture1);
    g.Picture2 = twips::rectOf(Picture2);
    g.bumper = twips::rectOf(bumper);
    g.Combo1 = twips::rectOf(Combo1);
    return g;
}

void formaster::applySkinGeometry(const MasterGeometry& g)
{
    twips::place(midright, g.midright);
    twips::place(midrightbar, g.midrightbar);
    twips::place(topright, g.topright);
    twips::place(botright, g.botright);
    twips::place(botbar, g.botbar);
    twips::place(midbar, g.midbar);
    twips::place(leftbar, g.leftbar);
    twips::place(topbar, g.topbar);
    twips::place(rightbar, g.rightbar);
    // Picture1 is aligned to the bottom edge: an aligned strip always spans the client area,
    // so the width the resize gives it does not take (narrowed, it would cut off `botright`).
    twips::place(bumper, g.bumper);
    twips::place(Combo1, g.Combo1);
}

// The strips are aligned to the edges of the client area, as aligned picture boxes are.
void formaster::layoutClient()
{
    const int w = client_->width();
    const int h = client_->height();
    const int barH = twips::toPixels(1080);
    const int statusH = twips::toPixels(225);
    const int leftW = twips::toPixels(105);
    const int rightW = twips::toPixels(90);
    const int middleH = std::max(0, h - barH - statusH);
    navbar->setGeometry(0, 0, w, barH);
    Picture1->setGeometry(0, h - statusH, w, statusH);
    Picture3->setGeometry(0, barH, leftW, middleH);
    Picture2->setGeometry(w - rightW, barH, rightW, middleH);
    mdiArea->setGeometry(leftW, barH, std::max(0, w - leftW - rightW), middleH);
}

void formaster::MDIForm_Resize()
{
    MasterGeometry g = skinGeometry();
    // The skin's formulas count the window's outer size with the 4-pixel borders of the
    // desktop it was drawn for; every desktop gets the same nominal frame so the pieces meet.
    const double frame = twips::fromPixels(8);
    const double W = twips::fromPixels(client_->width()) + frame;
    const double H = twips::fromPixels(height()) + frame;
    const double SW = twips::fromPixels(client_->width());
    resizeMaster(g, W, H, SW);
    applySkinGeometry(g);
}

bool formaster::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Combo1 || watched == Combo1->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int keyCode = vbKeyCode(static_cast<QKeyEvent*>(event)->key());
        Combo1_KeyDown(keyCode);
        // Enter is wholly ours: the box must not act on it as well.
        if (keyCode == AutoComplete::keyEnter)
            return true;
    }
    if (watched == client_ && event->type() == QEvent::Resize) {
        layoutClient();
        MDIForm_Resize();
    }
    if ((watched == navbar || watched == mdiArea->viewport()) && event->type() == QEvent::MouseMove)
        hideHoverCaption();
    // An owned window whose native window was made anew, or which Qt made transient for another
    // window as it was shown (a dialog without a parent follows the active window), is ours
    // again.
    if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) {
        if (auto* window = qobject_cast<QWidget*>(watched); window && owned_.contains(window))
            keepAbove(window);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Load and unload -----------------------------------------------------------------------

void formaster::applyPlacement()
{
    const Placement p = Placement::read(app_.settings());
    // The saved sizes are outer sizes, as far as the frame is known before the window is shown.
    QWidget::create();
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    placedFrame_ = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const int frameWidth = placedFrame_.left() + placedFrame_.right();
    const int frameHeight = placedFrame_.top() + placedFrame_.bottom();
    if (p.top)
        move(x(), twips::toPixels(*p.top));
    if (p.left)
        move(twips::toPixels(*p.left), y());
    if (p.height)
        resize(width(), std::max(1, twips::toPixels(*p.height) - frameHeight));
    if (p.width)
        resize(std::max(1, twips::toPixels(*p.width) - frameWidth), height());
}

void formaster::applyWindowState()
{
    const Placement p = Placement::read(app_.settings());
    if (!p.windowState)
        return;
    static const Qt::WindowState states[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                             Qt::WindowMaximized};
    setWindowState(states[*p.windowState]);
}

void formaster::MDIForm_Load()
{
    loadSkin();
    using settings::SwitchRule;
    const bool mp3Disabled = app_.isOn(settings::mp3Disabled, SwitchRule::Text);
    if (app_.isOn(settings::limitEnabled, SwitchRule::Text))
        startAllowanceTimer();
    if (mp3Disabled) {
        Image7->hide();
        Image54->show();
        const QPixmap disabled(app_.folder().path(QStringLiteral("\\mp3_no.bmp")));
        if (!disabled.isNull())
            Image54->setPicture(disabled);
        mnu_mp3->setVisible(false);
    }
    const QString& command = app_.commandLine;
    const bool namesPlaylist = command.contains(QLatin1Char('\\')) ||
                               (command.endsWith(QLatin1String(".vr3"), Qt::CaseInsensitive) &&
                                QFileInfo(command).isFile());
    if (namesPlaylist && !mp3Disabled) {
        if (PlayerWindow* player = app_.mp3()) {
            player->loadplaylist(command);
            player->setPlaylistPath(command);
        }
    }
    getitems();
    ggetitems();
    newme();
    // Placing measures the frame, which makes the native window. Made before the first page
    // view, it would have to be made anew for the view (a tenth of a second before the first
    // page, and a window state given before is lost); made after, it is made once.
    applyPlacement();
    applyWindowState();
    if (app_.isOn(settings::mp3Disabled, SwitchRule::Text))
        mnu_mp3->setVisible(false);
    checktime();
}

// ---- Daily allowance -----------------------------------------------------------------------

void formaster::checktime()
{
    allowance_.checktime(app_.today);
}

void formaster::Timer4_Timer()
{
    allowance_.tick();
}

bool formaster::saveSecondsUsed()
{
    return allowance_.save();
}

void formaster::showCount(const QString& count)
{
    Text1->setText(count);
}

bool formaster::ask(const QString& question)
{
    return app_.dialogs().askYesNo(question);
}

void formaster::disableMaster()
{
    disableForAllowance();
}

void formaster::enableMaster()
{
    enableAfterOverride();
}

void formaster::stopCounting()
{
    stopAllowanceTimer();
}

void formaster::openOverride()
{
    if (ConfigWindow* window = app_.config())
        window->showPanel(ConfigWindow::Panel::Override, QStringLiteral("Parental override"));
}

void formaster::endProgram()
{
    app_.endProgram();
}

// ---- Address box, URL history and browsing log ---------------------------------------------

void formaster::getitems()
{
    const QStringList entries = ListFile::read(app_.folder().path(QStringLiteral("\\items.txt")));
    if (entries.isEmpty())
        return;
    // Filling the list changes neither the text nor which entry is selected.
    const QString text = Combo1->currentText();
    const int selected = Combo1->currentIndex();
    {
        const QSignalBlocker blocker(Combo1);
        Combo1->addItems(entries);
        Combo1->setCurrentIndex(selected);
        Combo1->setEditText(text);
    }
    combo1Box_->refreshIndex();
}

bool formaster::additems()
{
    return ListFile::write(app_.folder().path(QStringLiteral("\\items.txt")), Combo1->count(),
                           [this](qsizetype i) { return Combo1->itemText(int(i)); });
}

void formaster::ggetitems()
{
    const QStringList entries = log_.read();
    Combo9->addItems(entries);
    log_.loaded(Combo9->count());
}

bool formaster::aadditems()
{
    return log_.write(Combo9->count(), [this](qsizetype i) { return Combo9->itemText(int(i)); });
}

bool formaster::autocomplete(QComboBox* box)
{
    if (box == Combo1)
        return completion.autocomplete(*combo1Box_);
    ComboBoxAdapter other(box);
    return completion.autocomplete(other);
}

void formaster::Combo1_KeyDown(int keyCode)
{
    completion.lastkey = keyCode;
    if (keyCode != AutoComplete::keyEnter)
        return;
    // The text goes to the page component as typed: it completes partial addresses itself.
    const QString typed = Combo1->currentText();
    openPage(typed);
    hideHoverCaption();
    if (AddressHistory::add(*combo1Box_, typed))
        additems();
}

void formaster::Combo1_Change()
{
    // An entry chosen from the list, with the mouse or the arrow keys, stays the one chosen:
    // completing it would jump to an earlier entry that begins with it. It counts as typed, so
    // Backspace takes one character. Typed texts and texts set by a browser window are completed.
    if (Combo1->isChoosingFromList()) {
        completion.lastlength = int(Combo1->currentText().size());
        return;
    }
    autocomplete(Combo1);
}

void formaster::newme()
{
    BrowserWindow* browser = app_.newBrowser();
    if (browser)
        sizeChild(browser->widget(), 5000, 7905);
}

int formaster::windowStateNumber() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void formaster::MDIForm_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    {
        // One rewrite of the settings file for all of them, however large it has grown.
        const SettingsBatch batch(app_.settings());
        const QRect frame = geometry().marginsAdded(placedFrame_);
        Placement::write(app_.settings(), static_cast<float>(twips::fromPixels(frame.y())),
                         static_cast<float>(twips::fromPixels(frame.x())),
                         static_cast<float>(twips::fromPixels(frame.height())),
                         static_cast<float>(twips::fromPixels(frame.width())), windowStateNumber());
        saveSecondsUsed();
        additems();
        aadditems();
        MDIForm_Terminate();
    }
    app_.endProgram();
}

void formaster::MDIForm_Terminate()
{
    saveSecondsUsed();
}

void formaster::endOnRequest()
{
    // Stored first: a child window may still refuse to close.
    saveSecondsUsed();
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (auto* child = dynamic_cast<MdiChild*>(sub->widget()))
            child->saveBeforeTermination();
    }
    close();
}

void formaster::closeEvent(QCloseEvent* event)
{
    if (unloaded_ || app_.hasEnded()) {
        event->accept();
        return;
    }
    // The children close first, each with its own closing handling; one that refuses keeps
    // the whole program open.
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    // The MP3 player is a window of its own, not a child, but it closes with the program and
    // keeps its playlist for next time as it does.
    if (QWidget* player = app_.openWindow(app_.mp3Kind); player && !player->close()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

// ---- Child windows -------------------------------------------------------------------------

QMdiSubWindow* formaster::addChildWindow(QWidget* child)
{
    QMdiSubWindow* sub = mdiArea->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(child->windowTitle());
    connect(child, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    // The frame's Close takes Ctrl+W on some desktops, which the children's "Web Browser"
    // command needs: two owners of one key make it do nothing. Ctrl+F4 still closes.
    if (QMenu* system = sub->systemMenu()) {
        for (QAction* action : system->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
    // The new window opens in front and active, even when the master window is not the active
    // window (a command of another window opened it); it opens maximised when the active
    // child is, as every child of an area with a maximised child is.
    // The current child is the active one, or the one that will be when the master is.
    const QMdiSubWindow* current = mdiArea->currentSubWindow();
    const bool maximised = current && current->isMaximized();
    if (maximised)
        sub->showMaximized();
    else
        sub->show();
    child->show();
    mdiArea->setActiveSubWindow(sub);
    sub->raise();
    return sub;
}

void formaster::sizeChild(QWidget* child, double heightTwips, double widthTwips)
{
    if (!child)
        return;
    QWidget* frame = child;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
        frame = sub;
    // A maximised window keeps filling the area; a size cannot be given to it.
    if (frame->isMaximized())
        return;
    frame->resize(std::max(1, twips::toPixels(widthTwips)),
                  std::max(1, twips::toPixels(heightTwips)));
}

BrowserWindow* formaster::activeBrowser() const
{
    QMdiSubWindow* sub = mdiArea->activeSubWindow();
    if (!sub)
        return nullptr;
    return dynamic_cast<BrowserWindow*>(sub->widget());
}

BrowserWindow* formaster::openPage(const QString& address)
{
    BrowserWindow* browser = app_.newBrowser();
    if (browser)
        browser->WebBrowser1().Navigate(address);
    return browser;
}

void formaster::showChildMenus(QMdiSubWindow* active)
{
    if (active) {
        if (auto* child = dynamic_cast<MdiChild*>(active->widget())) {
            setMenus(child->childMenus());
            return;
        }
    }
    setMenus(masterMenus_);
}

void formaster::setMenus(const QList<QMenu*>& menus)
{
    QMenuBar* bar = menuBar();
    const QList<QAction*> current = bar->actions();
    QList<QAction*> wanted;
    for (QMenu* m : menus)
        wanted.append(m->menuAction());
    if (current == wanted)
        return;
    for (QAction* a : current)
        bar->removeAction(a);
    for (QAction* a : wanted)
        bar->addAction(a);
}

// ---- Hover caption and busy animation ------------------------------------------------------

void formaster::showHoverCaption(ImageBox* button, const QString& caption)
{
    Label100->setText(caption);
    Label100->adjustSize();
    const TwipRect r = hoverCaptionRect(twips::rectOf(button), twips::fromPixels(Label100->width()),
                                        twips::fromPixels(Label100->height()));
    twips::place(Picture5, r);
    Picture5->show();
    Picture5->raise();
}

void formaster::hideHoverCaption()
{
    Picture5->hide();
}

void formaster::Timer1_Timer()
{
    hideHoverCaption();
}

void formaster::Timer10_Timer()
{
    bumper->setPicture(aa);
    Timer10->stop();
    Timer20->start();
}

void formaster::Timer20_Timer()
{
    bumper->setPicture(ba);
    Timer20->stop();
    Timer30->start();
}

void formaster::Timer30_Timer()
{
    bumper->setPicture(ca);
    Timer30->stop();
    Timer40->start();
}

void formaster::Timer40_Timer()
{
    bumper->setPicture(za);
    Timer40->stop();
    Timer10->start();
}

void formaster::startBusy()
{
    Timer10->start();
}

// ---- What the other windows drive ----------------------------------------------------------

void formaster::setStatusText(const QString& text)
{
    Label22->setText(text);
}

void formaster::showProgress()
{
    ProgressBar1->show();
}

void formaster::setProgress(int value)
{
    ProgressBar1->setValue(value);
}

void formaster::finishProgress()
{
    ProgressBar1->setValue(100);
    ProgressBar1->hide();
}

void formaster::pageVisited(const QString& address)
{
    Combo1->setEditText(address);
    Combo9->addItem(address);
}

void formaster::disableForAllowance()
{
    setEnabled(false);
}

void formaster::enableAfterOverride()
{
    setEnabled(true);
}

void formaster::startAllowanceTimer()
{
    Timer4->start();
}

void formaster::stopAllowanceTimer()
{
    Timer4->stop();
}

void formaster::listChildWindows(QMenu* menu)
{
    attachWindowList(menu, mdiArea, [this] { return ownedWindows(); });
}

void formaster::ownWindow(QWidget* window, Owned kind)
{
    owned_.removeAll(nullptr);
    if (!owned_.contains(window)) {
        owned_.append(window);
        window->installEventFilter(this);
    }
    // Window managers keep a tool window above the window it belongs to, and minimise it with
    // it; an ordinary window is left on its own whatever its owner.
    if (kind == Owned::Window)
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    window->winId();
    keepAbove(window);
}

void formaster::keepAbove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (handle && handle->transientParent() != windowHandle())
        handle->setTransientParent(windowHandle());
}

QList<QWidget*> formaster::ownedWindows() const
{
    // Owned dialogs keep their type: the tool windows are the ones listed.
    QList<QWidget*> open;
    for (const QPointer<QWidget>& window : owned_) {
        if (window && window->isVisible() && window->windowType() == Qt::Tool)
            open.append(window);
    }
    return open;
}

bool formaster::event(QEvent* event)
{
    // Owned windows made before this window's native window (a player opened by the command
    // line), or before it was made anew, follow it.
    if (event->type() == QEvent::WinIdChange) {
        for (const QPointer<QWidget>& window : owned_) {
            if (window)
                keepAbove(window);
        }
    }
    return QMainWindow::event(event);
}

void formaster::openHomeworkHelp()
{
    BrowserWindow* browser = app_.newBrowser();
    if (!browser)
        return;
    browser->showHomeworkHelp();
    sizeChild(browser->widget(), 5210, 7435);
}

void formaster::stopBusy()
{
    Timer10->stop();
    Timer20->stop();
    Timer30->stop();
    Timer40->stop();
    bumper->setPicture(za);
}

// ---- Buttons -------------------------------------------------------------------------------

void formaster::browserCommand(bool (*command)(BrowserWindow&))
{
    // With no browser window active the command does nothing; a failing one is skipped.
    if (BrowserWindow* browser = activeBrowser())
        command(*browser);
}

void formaster::Image1_Click()
{
    browserCommand(&goBack);
}
void formaster::Image2_Click()
{
    browserCommand(&goForward);
}

void formaster::Image3_Click()
{
    browserCommand(&stopPage);
    stopBusy();
    finishProgress();
}

void formaster::Image4_Click()
{
    browserCommand(&refreshPage);
}

void formaster::Image5_Click()
{
    if (BrowserWindow* browser = activeBrowser())
        browser->WebBrowser1().Navigate(app_.read(settings::startPage));
}

void formaster::runCommand(ProgramCommand command)
{
    MenuBuilder(app_, this).run(command);
}

void formaster::Image6_Click()
{
    runCommand(ProgramCommand::WebBrowser);
}
void formaster::Image9_Click()
{
    runCommand(ProgramCommand::Journal);
}
void formaster::Image12_Click()
{
    runCommand(ProgramCommand::PhoneBook);
}
void formaster::Image13_Click()
{
    openHomeworkHelp();
}
void formaster::Image7_Click()
{
    runCommand(ProgramCommand::Mp3);
}
void formaster::Image8_Click()
{
    runCommand(ProgramCommand::Search);
}
void formaster::Image14_Click()
{
    runCommand(ProgramCommand::TeenRights);
}

// ---- Menus ---------------------------------------------------------------------------------

void formaster::mnu_open_Click()
{
    runCommand(ProgramCommand::Open);
}

void formaster::mnu_options_Click()
{
    runCommand(ProgramCommand::Options);
}

void formaster::mnu_exit_Click()
{
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (auto* child = dynamic_cast<MdiChild*>(sub->widget()); child && !child->mayEndProgram())
            return;
    }
    // Ending here must not let the teen escape the log or the seconds counted; placement and
    // the URL history are left as they were.
    aadditems();
    saveSecondsUsed();
    app_.endProgram();
}

void formaster::mnu_update_Click()
{
    runCommand(ProgramCommand::Update);
}
void formaster::mnu_feedback_Click()
{
    runCommand(ProgramCommand::Feedback);
}
void formaster::mnu_htmlhelp_Click()
{
    runCommand(ProgramCommand::HtmlHelp);
}
void formaster::mnu_about_Click()
{
    runCommand(ProgramCommand::About);
}

} // namespace vireo
