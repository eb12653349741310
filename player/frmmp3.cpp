#include "player/frmmp3.h"

#include "platform/ControlText.h"
#include "platform/Dialogs.h"
#include "platform/DragWindow.h"
#include "platform/Logging.h"
#include "platform/MediaPlayer.h"
#include "platform/NullMediaPlayer.h"
#include "platform/Twips.h"
#include "platform/VbConvert.h"
#include "platform/WebBrowser.h"
#include "platform/WindowTimer.h"
#include "player/EventLabel.h"
#include "player/PlayerArt.h"
#include "player/PlaylistFile.h"
#include "player/ShapeBox.h"
#include "player/Transport.h"
#include "player/TransportPlaylist.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"
#include "shell/ConfigWindow.h"
#include "shell/DefaultButton.h"
#include "shell/ImageBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

namespace vireo {

namespace {

const QString openTitle = QStringLiteral("Browse for you file.");
const QString audioFilter = QStringLiteral("MP3 Files(*.mp3)|*.mp3|Wav Files(*.wav)|*.wav");
// The open and save filters differ by the blank before the parenthesis; both are kept.
const QString openListFilter = QStringLiteral("Vireo Playlists(*.vr3)|*.vr3");
const QString saveListFilter = QStringLiteral("Vireo Playlists (*.vr3)|*.vr3");

ImageBox* pictureButton(const char* name, const char* tip, PlayerArt::Glyph glyph, QSize size,
                        QWidget* parent)
{
    auto* button = new ImageBox(QLatin1String(name), parent);
    button->setPicture(PlayerArt::button(glyph, size));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAccessibleName(QString::fromUtf8(tip));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

EventLabel* textLabel(const char* name, const char* text, QWidget* parent, const char* tip = "")
{
    auto* label = new EventLabel(QLatin1String(name), QString::fromUtf8(text), parent);
    if (*tip)
        label->setToolTip(QString::fromUtf8(tip));
    return label;
}

void place(QWidget* widget, int x, int y, int w, int h)
{
    widget->setGeometry(x, y, w, h);
}

QFont smallFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The window's colours from their stored 0x00BBGGRR numbers; &H8000000F is the button face.
QColor colourOf(quint32 value)
{
    if (value == display::buttonFace)
        return PlayerArt::buttonFace();
    return skin::fromBgr(value);
}

} // namespace

// The transport's view of the two parallel lists.
class frmmp3::Lists final : public TransportPlaylist {
public:
    explicit Lists(frmmp3& window) : w_(window) {}
    int count() const override { return w_.List2->count(); }
    int selectedIndex() const override
    {
        const QListWidgetItem* item = w_.List2->currentItem();
        return item && item->isSelected() ? w_.List2->currentRow() : -1;
    }
    void select(int i) override
    {
        if (i >= 0 && i < count())
            w_.selectInBoth(i);
    }
    QString path(int i) const override
    {
        const QListWidgetItem* item = w_.List3->item(i);
        return item ? item->text() : QString();
    }

private:
    frmmp3& w_;
};

frmmp3::frmmp3(App& app) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), app_(app)
{
    setObjectName(QStringLiteral("frmmp3"));
    setWindowTitle(QStringLiteral("MP3 Player"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, PlayerArt::background());
    p.setColor(QPalette::WindowText, PlayerArt::cyan());
    p.setColor(QPalette::Base, PlayerArt::panel());
    p.setColor(QPalette::Text, PlayerArt::cyan());
    p.setColor(QPalette::Highlight, PlayerArt::highlight());
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Button, PlayerArt::button());
    p.setColor(QPalette::ToolTipBase, PlayerArt::panel());
    p.setColor(QPalette::ToolTipText, PlayerArt::cyan());
    setPalette(p);
    setFont(smallFont(11));
    buildControls();
    buildEditor();
    buildHelp();
    // Style sheets only on the bars and the list: the labels keep their palette colours,
    // which the player's commands change.
    const QString bars = QStringLiteral(
        "QScrollBar:horizontal { height: 10px; background: #0b2a33; border-radius: 5px; }"
        "QScrollBar::handle:horizontal { min-width: 16px; background: #3fb6c8;"
        " border-radius: 5px; }"
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }"
        "QScrollBar:vertical { width: 10px; background: #0b2a33; border-radius: 5px; }"
        "QScrollBar::handle:vertical { min-height: 16px; background: #3fb6c8;"
        " border-radius: 5px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
    HScroll1->setStyleSheet(bars);
    HScroll2->setStyleSheet(bars);
    Slider1->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 4px; background: #0b2a33; border-radius: 2px; }"
        "QSlider::sub-page:horizontal { background: #3fb6c8; border-radius: 2px; }"
        "QSlider::handle:horizontal { width: 10px; margin: -4px 0; border-radius: 5px;"
        " background: #80ffff; }"));
    const QString panels = QStringLiteral("QListWidget, QPlainTextEdit { background: #060b10;"
                                          " color: #80ffff; border: 1px solid #2b5866; }"
                                          "QListWidget::item:selected { background: #1f6e80;"
                                          " color: white; }") +
                           bars;
    List2->setStyleSheet(panels);
    Text600->setStyleSheet(panels);
    wire();
    wireTransport();
    setFixedSize(twips::toPixels(designWidth), twips::toPixels(fullHeight));
}

frmmp3::~frmmp3() = default;

QWidget* frmmp3::create(App& app)
{
    auto* window = new frmmp3(app);
    window->Form_Load();
    return window;
}

void frmmp3::buildControls()
{
    using G = PlayerArt::Glyph;

    Label24 = textLabel("Label24", "", this);
    Label24->setAccessibleName(QStringLiteral("Move the player"));
    Label24->setAutoFillBackground(true);
    QPalette strip = Label24->palette();
    strip.setColor(QPalette::Window, PlayerArt::strip());
    Label24->setPalette(strip);
    place(Label24, 0, 0, 300, 18);
    Label24->installEventFilter(this);
    Label16 = new QLabel(QStringLiteral("MP3 Player"), this);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->setFont(smallFont(11, true));
    Label16->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(Label16, 8, 1, 160, 16);
    pctMin = pictureButton("pctMin", "Minimize", G::Minimise, {16, 16}, this);
    pctMin->move(262, 1);
    Image2 = pictureButton("Image2", "Close", G::Close, {16, 16}, this);
    Image2->move(280, 1);

    auto* display = new QFrame(this);
    display->setObjectName(QStringLiteral("display"));
    display->setFrameShape(QFrame::StyledPanel);
    display->setAutoFillBackground(true);
    display->setBackgroundRole(QPalette::Base);
    place(display, 6, 21, 288, 44);
    Label666 = new ScrollingTitle(display);
    Label666->setObjectName(QStringLiteral("Label666"));
    Label666->setBackgroundRole(QPalette::Base);
    Label666->setAccessibleName(QStringLiteral("Title"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(13);
    mono.setBold(true);
    Label666->setFont(mono);
    place(Label666, 4, 1, 280, 17);
    // Fixed sizes for the labels the timers rewrite: a label whose size can change asks its
    // parent to lay out again on every new text, one more event for the main thread per tick.
    Label666->setFixedSize(Label666->size());
    Label69 = new QLabel(display);
    Label69->setObjectName(QStringLiteral("Label69"));
    Label69->setAccessibleName(QStringLiteral("Song"));
    Label69->setFont(smallFont(9));
    place(Label69, 4, 18, 200, 25);
    Label25 = new QLabel(QStringLiteral("00:00:00"), display);
    Label25->setObjectName(QStringLiteral("Label25"));
    QFont clock = mono;
    clock.setPixelSize(12);
    Label25->setFont(clock);
    Label25->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(Label25, 206, 24, 76, 16);
    Label25->setFixedSize(Label25->size());

    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setAccessibleName(QStringLiteral("Song position"));
    Slider1->setRange(0, 0);
    place(Slider1, 6, 66, 288, 14);

    pctRRD = pictureButton("pctRRD", "Back", G::Back, {30, 22}, this);
    pctRRD->move(8, 81);
    pctPlayD = pictureButton("pctPlayD", "Play", G::Play, {30, 22}, this);
    pctPlayD->move(42, 81);
    pctPauseD = pictureButton("pctPauseD", "Pause", G::Pause, {30, 22}, this);
    pctPauseD->move(76, 81);
    pctStopD = pictureButton("pctStopD", "Stop", G::Stop, {30, 22}, this);
    pctStopD->move(110, 81);
    pctFFD = pictureButton("pctFFD", "Next", G::Next, {30, 22}, this);
    pctFFD->move(144, 81);
    Picture3 = pictureButton("Picture3", "Next", G::RandomNext, {30, 22}, this);
    Picture3->move(144, 81);
    Picture3->hide();
    pctLoad = pictureButton("pctLoad", "Load", G::Load, {30, 22}, this);
    pctLoad->move(182, 81);
    Label17 = textLabel("Label17", "Randomize", this);
    place(Label17, 222, 80, 72, 12);
    Label21 = textLabel("Label21", "Randomize", this);
    place(Label21, 222, 80, 72, 12);
    Label21->hide();
    Label18 = textLabel("Label18", "Loop", this);
    place(Label18, 222, 92, 72, 12);
    for (EventLabel* l : {Label17, Label21, Label18})
        l->setFont(smallFont(10, true));

    Label1 = textLabel("Label1", "Volume:", this, "Double click me to set volume to 100%.");
    place(Label1, 8, 106, 50, 14);
    label2 = textLabel("label2", "100", this, "Double click me to set volume to 50%.");
    place(label2, 58, 106, 40, 14);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(QStringLiteral("Volume"));
    // Tab reaches the bars, and the arrow keys move them.
    HScroll1->setFocusPolicy(Qt::TabFocus);
    HScroll1->setRange(0, 2500);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(500);
    place(HScroll1, 100, 108, 140, 11);
    lblMute = textLabel("lblMute", "Mute", this, "Mute");
    lblMute->setFont(smallFont(10, true));
    place(lblMute, 250, 106, 44, 14);

    Label3 = new QLabel(QStringLiteral("Balance:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    place(Label3, 8, 122, 50, 14);
    Label4 = textLabel("Label4", "Center", this, "Double click me to return balance to center !");
    place(Label4, 58, 122, 40, 14);
    HScroll2 = new QScrollBar(Qt::Horizontal, this);
    HScroll2->setObjectName(QStringLiteral("HScroll2"));
    HScroll2->setAccessibleName(QStringLiteral("Balance"));
    HScroll2->setFocusPolicy(Qt::TabFocus);
    HScroll2->setRange(-5000, 5000);
    HScroll2->setSingleStep(50);
    HScroll2->setPageStep(1000);
    place(HScroll2, 100, 124, 140, 11);
    Picture5 = pictureButton("Picture5", "Playlist", G::Playlist, {20, 16}, this);
    Picture5->move(272, 121);
}

void frmmp3::buildEditor()
{
    using G = PlayerArt::Glyph;

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #2b5866;"));
    place(rule, 6, 139, 288, 2);

    Label22 = new QLabel(QStringLiteral("Playlist Editor"), this);
    Label22->setObjectName(QStringLiteral("Label22"));
    Label22->setFont(smallFont(12, true));
    place(Label22, 8, 144, 200, 16);
    Image5 = pictureButton("Image5", "Hide the playlist editor", G::Fold, {16, 16}, this);
    Image5->move(278, 144);
    Label20 = new QLabel(QStringLiteral("Playlist"), this);
    Label20->setObjectName(QStringLiteral("Label20"));
    place(Label20, 8, 162, 100, 14);

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(QStringLiteral("Playlist"));
    List2->setSelectionMode(QAbstractItemView::SingleSelection);
    List2->setUniformItemSizes(true);
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(List2, 8, 177, 198, 134);
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setAccessibleName(QStringLiteral("Playlist files"));
    List3->setUniformItemSizes(true);
    List3->hide();
    Text100 = new QLineEdit(this);
    Text100->setObjectName(QStringLiteral("Text100"));
    Text100->setAccessibleName(QStringLiteral("Playlist file"));
    Text100->hide();

    struct Button {
        EventLabel* frmmp3::*label;
        const char* name;
        const char* text;
        const char* tip;
        int shape;
        int y;
    };
    static const Button buttons[] = {
        {&frmmp3::Label13, "Label13", "Add Song", "Add a Song", 3, 177},
        {&frmmp3::Label14, "Label14", "Delete Song", "Delete a Song", 4, 201},
        {&frmmp3::Label15, "Label15", "Clear All", "Clear All", 5, 225},
        {&frmmp3::Label11, "Label11", "Load List", "Load a Playlist", 0, 265},
        {&frmmp3::Label12, "Label12", "Save List", "Save a Playlist", 1, 289},
    };
    for (const Button& b : buttons) {
        ShapeBox* shape = new ShapeBox(QStringLiteral("Shape%1").arg(b.shape), this);
        place(shape, 214, b.y, 80, 21);
        Shape[b.shape] = shape;
        EventLabel* label = textLabel(b.name, b.text, this, b.tip);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        place(label, 214, b.y, 80, 21);
        this->*b.label = label;
    }

    struct Link {
        EventLabel* frmmp3::*label;
        ShapeBox* frmmp3::*shape;
        const char* name;
        const char* shapeName;
        const char* text;
        const char* tip;
        int x;
    };
    static const Link links[] = {
        {&frmmp3::Label6, &frmmp3::getmp3, "Label6", "getmp3", "Find MP3's", "Serch for MP3 files",
         8},
        {&frmmp3::Label9, &frmmp3::getcd, "Label9", "getcd", "Buy CD's", "Buy CD's", 104},
        {&frmmp3::Label10, &frmmp3::gethelpe, "Label10", "gethelpe", "Get Help", "Help", 200},
    };
    for (const Link& l : links) {
        auto* shape = new ShapeBox(QLatin1String(l.shapeName), this);
        place(shape, l.x, 321, 94, 21);
        this->*l.shape = shape;
        EventLabel* label = textLabel(l.name, l.text, this, l.tip);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        place(label, l.x, 321, 94, 21);
        this->*l.label = label;
    }
}

void frmmp3::buildHelp()
{
    Picture100 = new QFrame(this);
    Picture100->setObjectName(QStringLiteral("Picture100"));
    Picture100->setAccessibleName(QStringLiteral("Help"));
    Picture100->setAutoFillBackground(true);
    Picture100->setFrameShape(QFrame::Box);
    place(Picture100, 0, 139, 300, 212);
    Text600 = new QPlainTextEdit(Picture100);
    Text600->setObjectName(QStringLiteral("Text600"));
    Text600->setAccessibleName(QStringLiteral("Help text"));
    Text600->setReadOnly(true);
    Text600->setToolTip(QStringLiteral("Double click to close"));
    Text600->setPlainText(helpText().remove(QLatin1Char('\r')));
    place(Text600, 6, 6, 288, 178);
    Label23 = textLabel("Label23", "(Double Click to Close)", Picture100);
    Label23->setAlignment(Qt::AlignCenter);
    place(Label23, 6, 188, 288, 16);
    Picture100->hide();
    Picture100->installEventFilter(this);
    Text600->viewport()->installEventFilter(this);
}

void frmmp3::wire()
{
    setEscapeAction(this, [this] {
        if (Picture100->isVisible())
            Picture100_DblClick();
    });
    connect(Label13, &EventLabel::Click, this, &frmmp3::Label13_Click);
    connect(pctLoad, &ImageBox::MouseUp, this, &frmmp3::pctLoad_MouseUp);
    connect(Label14, &EventLabel::MouseUp, this, &frmmp3::Label14_MouseUp);
    connect(Label15, &EventLabel::Click, this, &frmmp3::Label15_Click);
    connect(Label11, &EventLabel::Click, this, &frmmp3::Label11_Click);
    connect(Label12, &EventLabel::Click, this, &frmmp3::Label12_Click);
    connect(Label24, &EventLabel::MouseDown, this, &frmmp3::Label24_MouseDown);
    connect(pctMin, &ImageBox::MouseUp, this, &frmmp3::pctMin_MouseUp);
    connect(Image2, &ImageBox::Click, this, &frmmp3::Image2_Click);
    connect(Picture5, &ImageBox::Click, this, &frmmp3::Picture5_Click);
    connect(Image5, &ImageBox::Click, this, &frmmp3::Image5_Click);
    connect(Label10, &EventLabel::Click, this, &frmmp3::Label10_Click);
    connect(Label23, &EventLabel::DblClick, this, &frmmp3::Picture100_DblClick);
    connect(Label6, &EventLabel::Click, this, &frmmp3::Label6_Click);
    connect(Label9, &EventLabel::Click, this, &frmmp3::Label9_Click);
    // Selecting a name selects its file.
    connect(List2, &QListWidget::currentRowChanged, List3,
            [this](int row) { List3->setCurrentRow(row); });

    // The pressed look: the shape behind a label button turns red while the button is held.
    const std::pair<EventLabel*, ShapeBox*> pressable[] = {
        {Label11, Shape[0]}, {Label12, Shape[1]}, {Label13, Shape[3]}, {Label14, Shape[4]},
        {Label15, Shape[5]}, {Label6, getmp3},    {Label9, getcd},     {Label10, gethelpe},
    };
    for (const auto& [label, shape] : pressable) {
        ShapeBox* s = shape;
        connect(label, &EventLabel::MouseDown, s, [s] { s->setColor(PlayerArt::red()); });
        connect(label, &EventLabel::MouseUp, s, [s] { s->setColor(PlayerArt::cyan()); });
    }
}

// ---- Load and unload ---------------------------------------------------------------------

void frmmp3::Form_Load()
{
    bool whole = true;
    showPlaylist(PlaylistFile::load(app_.folder().path(PlaylistFile::carryOverName()), &whole));
    if (!whole)
        partialCarryOver_ = playlist();
    Text100->clear();
    // The component's options 1107, 23 and 24 have no counterpart here. Timer1, Timer3
    // and Timer100 run; Timer7 waits for the first start; random mode is off.
    Timer1->start();
    Timer3->start();
    Timer100->start();
    // The label first reads "100 %"; the slider then moves to 1875, whose volume update
    // shows 75 % and sets Volume -625.
    label2->setText(shownText(label2->text() + QStringLiteral(" %")));
    label2->setTextColor(PlayerArt::cyan());
    HScroll1->setValue(display::volumeAtLoad);
    scroll_.setText(display::TitleScroll::atLoad());
    Label666->setText(shownText(scroll_.text()));
    if (app_.isOn(settings::searchesDisabled, settings::SwitchRule::Text))
        Label9->hide();
    Picture100->hide();
    // The window opens with Play taking Space and Return, not the minimise button that leads
    // the Tab order (Space there would hide the player at once).
    pctPlayD->setFocus(Qt::OtherFocusReason);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmmp3::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    endlist();
}

void frmmp3::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

// ---- Playlist ----------------------------------------------------------------------------

Playlist frmmp3::playlist() const
{
    Playlist list;
    const int n = List2->count();
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(List2->item(i)->text(), List3->item(i)->text());
    return list;
}

void frmmp3::showPlaylist(const Playlist& list)
{
    List2->clear();
    List3->clear();
    for (qsizetype i = 0; i < list.size(); ++i) {
        List2->addItem(shownText(list.names().at(i)));
        List3->addItem(shownText(list.paths().at(i)));
    }
    selectInBoth(-1);
}

void frmmp3::selectInBoth(int row)
{
    List2->setCurrentRow(row);
    List3->setCurrentRow(row);
    if (row < 0) {
        List2->clearSelection();
        List3->clearSelection();
    }
}

void frmmp3::loadplaylist(const QString& path)
{
    showPlaylist(PlaylistFile::load(path));
}

void frmmp3::setPlaylistPath(const QString& path)
{
    Text100->setText(shownText(path));
}

void frmmp3::saveplaylist()
{
    if (Text100->text().isEmpty()) {
        const QString chosen =
            app_.dialogs().saveFile({QStringLiteral("Save as"), saveListFilter, QDir::currentPath(),
                                     QStringLiteral("untitled.vr3")});
        if (chosen.isEmpty())
            return;
        Text100->setText(shownText(chosen));
    }
    // A file that cannot be written keeps its old content; nothing is shown.
    PlaylistFile::save(Text100->text(), playlist());
    selectInBoth(List2->count() - 1);
}

void frmmp3::endlist()
{
    const QString path = app_.folder().path(PlaylistFile::carryOverName());
    const Playlist list = playlist();
    if (partialCarryOver_ && list == *partialCarryOver_) {
        qCInfo(lcFiles) << "not saved over" << path << "which did not read whole";
        return;
    }
    PlaylistFile::save(path, list);
}

void frmmp3::addSong()
{
    const QString file =
        app_.dialogs().openFile({openTitle, audioFilter, QDir::currentPath(), QString()});
    if (file.isEmpty())
        return;
    mp3.setFilename(vb::withoutTrailingSpaces(file));
    List3->addItem(shownText(file));
    List2->addItem(shownText(Playlist::displayName(mp3.Artist(), mp3.Title(), file)));
}

void frmmp3::Label13_Click()
{
    addSong();
}

void frmmp3::pctLoad_MouseUp()
{
    addSong();
}

void frmmp3::Label14_MouseUp()
{
    const QListWidgetItem* current = List2->currentItem();
    if (!current || !current->isSelected())
        return;
    const int i = List2->currentRow();
    delete List3->takeItem(i);
    delete List2->takeItem(i);
    selectInBoth(-1);
}

void frmmp3::Label15_Click()
{
    List2->clear();
    List3->clear();
    Text100->clear();
}

void frmmp3::Label11_Click()
{
    const QString chosen =
        app_.dialogs().openFile({openTitle, openListFilter, QDir::currentPath(), QString()});
    if (chosen.isEmpty())
        return;
    Text100->setText(shownText(chosen));
    loadplaylist(chosen);
}

void frmmp3::Label12_Click()
{
    saveplaylist();
}

// ---- Window ------------------------------------------------------------------------------

void frmmp3::Label24_MouseDown()
{
    if (!dragwindow(this))
        grab_ = QCursor::pos() - frameGeometry().topLeft();
}

void frmmp3::pctMin_MouseUp()
{
    showMinimized();
}

void frmmp3::Image2_Click()
{
    close();
}

int frmmp3::heightTwips() const
{
    return static_cast<int>(twips::fromPixels(height()));
}

void frmmp3::setHeightTwips(int heightTwips)
{
    setFixedHeight(twips::toPixels(heightTwips));
}

void frmmp3::Picture5_Click()
{
    setHeightTwips(heightTwips() == fullHeight ? foldedHeight : fullHeight);
}

void frmmp3::Image5_Click()
{
    setHeightTwips(foldedHeight);
}

void frmmp3::Label10_Click()
{
    showHelp(true);
}

void frmmp3::Picture100_DblClick()
{
    showHelp(false);
}

void frmmp3::showHelp(bool shown)
{
    for (QWidget* control : std::as_const(coveredByHelp_)) {
        if (control)
            control->setEnabled(true);
    }
    coveredByHelp_.clear();
    if (!shown) {
        // The focus goes back to "Get Help" when it was in the panel.
        const bool focusInHelp = Picture100->isAncestorOf(QApplication::focusWidget());
        Picture100->hide();
        if (focusInHelp)
            Label10->setFocus(Qt::OtherFocusReason);
        return;
    }
    Picture100->show();
    Picture100->raise();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != Picture100 && control->isEnabled() &&
            Picture100->geometry().contains(control->geometry())) {
            control->setEnabled(false);
            coveredByHelp_.append(control);
        }
    }
    Text600->setFocus(Qt::OtherFocusReason);
}

bool frmmp3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label24 && grab_) {
        if (event->type() == QEvent::MouseMove)
            move(QCursor::pos() - *grab_);
        else if (event->type() == QEvent::MouseButtonRelease)
            grab_.reset();
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == Picture100 || watched == Text600->viewport())) {
        Picture100_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmmp3::Label6_Click()
{
    if (ConfigWindow* config = app_.config())
        config->showPanel(ConfigWindow::Panel::Mp3Search, QStringLiteral("MP3 Search"));
}

void frmmp3::Label9_Click()
{
    if (BrowserWindow* browser = app_.newBrowser())
        browser->WebBrowser1().Navigate(app_.folder().path(QStringLiteral("\\buycd.html")));
}

QString frmmp3::helpText()
{
    return display::helpText();
}

// ---- Transport and play order --------------------------------------------------------------

void frmmp3::wireTransport()
{
    MediaPlayer1 = app_.newMediaPlayer ? app_.newMediaPlayer(this) : nullptr;
    if (!MediaPlayer1)
        MediaPlayer1 = new NullMediaPlayer(this);
    lists_ = std::make_unique<Lists>(*this);
    transport_ = std::make_unique<Transport>(
        *lists_, *MediaPlayer1, app_.pausestate, [this](const QString& path) {
            mp3.setFilename(path);
            return Transport::SongTag{mp3.Artist(), mp3.Title()};
        });

    Timer1 = makeTimer(this, "Timer1", 1);
    Timer3 = makeTimer(this, "Timer3", 100);
    Timer7 = makeTimer(this, "Timer7", 100);
    Timer100 = makeTimer(this, "Timer100", 1000);
    connect(Timer1, &QTimer::timeout, this, &frmmp3::Timer1_Timer);
    connect(Timer3, &QTimer::timeout, this, &frmmp3::Timer3_Timer);
    connect(Timer7, &QTimer::timeout, this, &frmmp3::Timer7_Timer);
    connect(Timer100, &QTimer::timeout, this, &frmmp3::Timer100_Timer);

    connect(pctPlayD, &ImageBox::Click, this, &frmmp3::pctPlayD_Click);
    connect(pctPauseD, &ImageBox::Click, this, &frmmp3::pctPauseD_Click);
    connect(pctStopD, &ImageBox::Click, this, &frmmp3::pctStopD_Click);
    connect(pctFFD, &ImageBox::MouseUp, this, &frmmp3::pctFFD_MouseUp);
    connect(pctRRD, &ImageBox::MouseUp, this, &frmmp3::pctRRD_MouseUp);
    connect(List2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { List2_DblClick(List2->row(item)); });
    connect(Label17, &EventLabel::MouseUp, this, &frmmp3::Label17_MouseUp);
    connect(Label21, &EventLabel::Click, this, &frmmp3::Label21_Click);
    connect(Picture3, &ImageBox::Click, this, &frmmp3::Picture3_Click);
    connect(Label18, &EventLabel::Click, this, &frmmp3::Label18_Click);
    connect(Slider1, &QSlider::sliderPressed, this, &frmmp3::Slider1_MouseDown);
    connect(Slider1, &QSlider::sliderReleased, this, &frmmp3::Slider1_MouseUp);
    connect(Slider1, &QSlider::actionTriggered, this, &frmmp3::Slider1_Scroll);

    connect(HScroll1, &QScrollBar::valueChanged, this, &frmmp3::HScroll1_Change);
    connect(Label1, &EventLabel::DblClick, this, &frmmp3::Label1_DblClick);
    connect(label2, &EventLabel::DblClick, this, &frmmp3::label2_DblClick);
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] {
        if (HScroll2->isSliderDown())
            HScroll2_Scroll();
        else
            HScroll2_Change();
    });
    connect(Label4, &EventLabel::DblClick, this, &frmmp3::Label4_DblClick);
    connect(lblMute, &EventLabel::MouseUp, this, &frmmp3::lblMute_MouseUp);

    // The offset pressed look of "Loop" and of "Randomize" in random mode: 15 twips = 1 pixel.
    for (EventLabel* label : {Label18, Label21}) {
        connect(label, &EventLabel::MouseDown, label,
                [label] { label->move(label->pos() + QPoint(1, 1)); });
        connect(label, &EventLabel::MouseUp, label,
                [label] { label->move(label->pos() - QPoint(1, 1)); });
    }

    connect(transport_.get(), &Transport::elapsedTimerOn, Timer7, qOverload<>(&QTimer::start));
    connect(transport_.get(), &Transport::elapsedTimerOn, this, &frmmp3::trackSoon);
    connect(transport_.get(), &Transport::entryStarted, this,
            [this](const Transport::StartedEntry& e) {
                showEntry(e.progressMaximum, e.songInfo, e.scrollText, e.caption);
                trackSoon();
            });
    connect(transport_.get(), &Transport::continuationChanged, Timer100,
            [this](bool on) { on ? Timer100->start() : Timer100->stop(); });
    connect(transport_.get(), &Transport::randomModeChanged, this, [this](bool on) {
        Label21->setVisible(on);
        Label17->setVisible(!on);
        Picture3->setVisible(on);
        if (on)
            Picture3->raise();
    });
    connect(transport_.get(), &Transport::loopColourChanged, this,
            [this](quint32 colour) { Label18->setTextColor(colourOf(colour)); });
    Label18->setTextColor(colourOf(transport_->loopColour()));
}

void frmmp3::showEntry(int progressMaximum, const QString& songInfo, const QString& scrollText,
                       const QString& caption)
{
    // The label breaks lines at LF; the song information is written with CR LF.
    Label69->setText(
        shownText(QString(songInfo).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    Slider1->setMaximum(progressMaximum);
    scroll_.setText(scrollText);
    setWindowTitle(shownText(caption));
}

void frmmp3::pctPlayD_Click()
{
    transport_->play();
}

void frmmp3::pctPauseD_Click()
{
    transport_->pauseToggle();
}

void frmmp3::pctStopD_Click()
{
    transport_->stop();
    trackSoon();
}

void frmmp3::pctFFD_MouseUp()
{
    transport_->next();
}

void frmmp3::pctRRD_MouseUp()
{
    transport_->back();
}

void frmmp3::List2_DblClick(int row)
{
    transport_->startEntry(row);
}

void frmmp3::Label17_MouseUp()
{
    transport_->randomModeOn();
}

void frmmp3::Label21_Click()
{
    transport_->randomModeOff();
}

void frmmp3::Picture3_Click()
{
    transport_->ran();
}

void frmmp3::Label18_Click()
{
    transport_->loopToggle();
}

void frmmp3::Slider1_MouseDown()
{
    Timer1->stop();
}

void frmmp3::Slider1_MouseUp()
{
    Timer1->start();
}

void frmmp3::Slider1_Scroll()
{
    // Called as the user moves the slider, before its value follows: the position it moves to.
    transport_->seek(Slider1->sliderPosition());
    trackSoon();
}

void frmmp3::Timer1_Timer()
{
    const double position = MediaPlayer1->CurrentPosition();
    Slider1->setValue(display::wholeSeconds(position));
    Timer1->setInterval(nextTrackingTick(position, timer1Read_));
}

int frmmp3::nextTrackingTick(double position, double& lastRead)
{
    // A position that stands still (paused, stopped, nothing open) is read at the longest
    // interval; what starts it moving again calls trackSoon.
    const bool still = position == lastRead;
    lastRead = position;
    if (still)
        return longestTrackingTick;
    return display::msUntilShownSecondChanges(position, timerInterval(1), longestTrackingTick);
}

void frmmp3::trackSoon()
{
    for (QTimer* timer : {Timer1, Timer7}) {
        if (timer->isActive())
            timer->start(timerInterval(1));
    }
}

void frmmp3::Timer3_Timer()
{
    // The scroll text keeps the tag's NULs, as the label's text did: each tick shows the
    // rotated text up to its first NUL.
    Label666->setText(shownText(scroll_.tick()));
}

void frmmp3::Timer7_Timer()
{
    const double position = MediaPlayer1->CurrentPosition();
    Label25->setText(shownText(display::elapsedText(position)));
    Timer7->setInterval(nextTrackingTick(position, timer7Read_));
    // A length that was not known when the entry started (an MP3 without a Xing header).
    const int maximum = transport_->progressMaximum();
    if (maximum > 0 && maximum != Slider1->maximum())
        Slider1->setMaximum(maximum);
}

void frmmp3::Timer100_Timer()
{
    transport_->continuationTick();
}

// ---- Sound controls --------------------------------------------------------------------------

void frmmp3::HScroll1_Change()
{
    label2->setTextColor(PlayerArt::cyan());
    label2->setText(shownText(display::volumeUpdate(*MediaPlayer1, HScroll1->value())));
}

void frmmp3::Label1_DblClick()
{
    HScroll1->setValue(display::volumeFull);
}

void frmmp3::label2_DblClick()
{
    HScroll1->setValue(display::volumeHalf);
}

void frmmp3::balanceUpdate()
{
    if (const auto text = display::balanceUpdate(*MediaPlayer1, HScroll2->value()))
        Label4->setText(shownText(*text));
}

void frmmp3::HScroll2_Change()
{
    balanceUpdate();
}

void frmmp3::HScroll2_Scroll()
{
    Label4->setTextColor(PlayerArt::cyan());
    balanceUpdate();
    Label4->setTextColor(PlayerArt::cyan());
}

void frmmp3::Label4_DblClick()
{
    HScroll2->setValue(0);
}

void frmmp3::lblMute_MouseUp()
{
    const display::MuteDisplay shown = display::toggleMute(*MediaPlayer1, HScroll1->value());
    lblMute->setTextColor(colourOf(shown.muteColour));
    HScroll1->setEnabled(shown.volumeEnabled);
    label2->setText(shownText(shown.volumeLabel));
}

} // namespace vireo
