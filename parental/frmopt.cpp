#include "parental/frmopt.h"

#include "parental/OptionsValues.h"
#include "parental/PasswordChangePanel.h"
#include "parental/PasswordGate.h"
#include "parental/Passwords.h"
#include "platform/DesktopCommands.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/TwipsGeometry.h"
#include "shell/App.h"
#include "shell/DefaultButton.h"
#include "shell/formaster.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>

namespace vireo {

namespace {

// The dialog and its pages, in twips.
constexpr double dialogWidth = 8400, dialogHeight = 6120;
constexpr double pageLeft = 105, pageTop = 360, pageWidth = 8190, pageHeight = 5070;
constexpr double hiddenLeft = -20000;

// The focus follows what is shown: the first control of `area` the Tab key would reach. Pages
// are moved aside rather than hidden, so a focus left on one would take typing out of sight.
void focusFirstControl(QWidget* area)
{
    for (QWidget* w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain()) {
        if (area->isAncestorOf(w) && w->isVisibleTo(area) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QCheckBox* makeCheck(const char* name, const char* caption, QWidget* parent)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* makeLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

QLabel* makeHeading(const char* text, QWidget* parent)
{
    QLabel* label = makeLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void nameGate(PasswordGate* gate, const char* name, const char* ok, const char* cancel)
{
    gate->setObjectName(QLatin1String(name));
    gate->confirmButton->setObjectName(QLatin1String(ok));
    gate->cancelButton->setObjectName(QLatin1String(cancel));
}

void nameChangePanel(PasswordChangePanel* panel, const char* change, const char* clear)
{
    panel->changeButton->setObjectName(QLatin1String(change));
    panel->clearButton->setObjectName(QLatin1String(clear));
}

} // namespace

frmopt* frmopt::create(App& app)
{
    auto* window = new frmopt(app);
    window->Form_Load();
    return window;
}

frmopt::frmopt(App& app) : QWidget(nullptr, Qt::Dialog), app_(app)
{
    setObjectName(QStringLiteral("frmopt"));
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixels(dialogWidth), twips::toPixels(dialogHeight));

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->addTab(QStringLiteral("Basic Configuration"));
    tbsOptions->addTab(QStringLiteral("Teen Options"));
    tbsOptions->addTab(QStringLiteral("Parental Options"));
    tbsOptions->setFocusPolicy(Qt::NoFocus);
    twips::place(tbsOptions, pageLeft, 45, pageWidth, 315);

    picOptions[0] = buildBasic();
    picOptions[1] = buildTeen();
    picOptions[2] = buildParental();

    cmdOK = makeButton("cmdOK", "OK", this);
    cmdCancel = makeButton("cmdCancel", "Cancel", this);
    twips::place(cmdOK, 5880, 5565, 1125, 375);
    twips::place(cmdCancel, 7140, 5565, 1125, 375);

    connect(tbsOptions, &QTabBar::currentChanged, this, &frmopt::tbsOptions_Click);
    connect(hsbSpeed, &QScrollBar::valueChanged, this, &frmopt::hsbSpeed_Change);
    // As in a dialog: Enter is OK, Escape is Cancel (a password prompt showing takes both
    // keys first, for its own Ok and Cancel).
    setDefaultButton(this, cmdOK);
    setEscapeAction(this, [this] { cmdCancel_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmopt::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmopt::cmdCancel_Click);
    connect(parentalPrompt, &PasswordGate::passed, this, &frmopt::Command8_Click);
    connect(parentalPrompt, &PasswordGate::cancelled, this, &frmopt::cmdCancel_Click);
    connect(teenPrompt, &PasswordGate::passed, this, &frmopt::Command10_Click);
    connect(teenPrompt, &PasswordGate::cancelled, this, &frmopt::cmdCancel_Click);
    connect(Command4, &QPushButton::clicked, this, &frmopt::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &frmopt::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmopt::Command7_Click);

    // Kept above the master window without being its child: a child is disabled with it.
    if (formaster* master = app.master()) {
        winId();
        if (QWindow* handle = windowHandle())
            handle->setTransientParent(master->windowHandle());
    }
}

frmopt::~frmopt() = default;

QWidget* frmopt::makePage(int index)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("picOptions%1").arg(index));
    twips::place(page, pageLeft, pageTop, pageWidth, pageHeight);
    return page;
}

QWidget* frmopt::buildBasic()
{
    QWidget* page = makePage(0);
    fraBasic = new QGroupBox(QStringLiteral("Basic Configuration"), page);
    fraBasic->setObjectName(QStringLiteral("fraBasic"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraBasic);

    auto* inner = new QVBoxLayout(fraBasic);
    inner->addWidget(makeHeading("Misc. Options", fraBasic));
    Command7 = makeButton("Command7", "Volume Options", fraBasic);
    Command6 = makeButton("Command6", "Internet Options", fraBasic);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command7);
    buttons->addWidget(Command6);
    buttons->addStretch();
    inner->addLayout(buttons);
    chkPopups = makeCheck("chkPopups", "Disable Pop-ups", fraBasic);
    inner->addWidget(chkPopups);
    QLabel* startLabel = makeLabel("Start Page", fraBasic);
    inner->addWidget(startLabel);
    txtStartPage = new QLineEdit(fraBasic);
    txtStartPage->setObjectName(QStringLiteral("txtStartPage"));
    txtStartPage->setAccessibleName(QStringLiteral("Start Page"));
    startLabel->setBuddy(txtStartPage);
    inner->addWidget(txtStartPage);
    inner->addStretch();
    return page;
}

QWidget* frmopt::buildTeen()
{
    QWidget* page = makePage(1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    teenPrompt = new PasswordGate(Passwords::Kind::Teen, PasswordGate::Style::Prompt,
                                  {QString(), QStringLiteral("Please enter your teen password."),
                                   QStringLiteral("Ok"), QStringLiteral("Cancel")},
                                  app_.settings(), app_.dialogs(), page);
    nameGate(teenPrompt, "teenPrompt", "Command10", "Command11");
    layout->addWidget(teenPrompt);

    fraUser = new QGroupBox(QStringLiteral("User Password"), page);
    fraUser->setObjectName(QStringLiteral("fraUser"));
    layout->addWidget(fraUser);
    auto* inner = new QVBoxLayout(fraUser);
    inner->addWidget(makeHeading("Password Options", fraUser));
    pimpassword = makeCheck("pimpassword", "Password Protect Address Book", fraUser);
    journal_password = makeCheck("journal_password", "Password Protect Journal", fraUser);
    inner->addWidget(pimpassword);
    inner->addWidget(journal_password);
    teenChange =
        new PasswordChangePanel(Passwords::Kind::Teen, app_.settings(), app_.dialogs(), fraUser);
    nameChangePanel(teenChange, "Command3", "Command5");
    inner->addWidget(teenChange);
    inner->addStretch();
    fraUser->hide();
    return page;
}

QWidget* frmopt::buildParental()
{
    QWidget* page = makePage(2);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    parentalPrompt =
        new PasswordGate(Passwords::Kind::Parental, PasswordGate::Style::Prompt,
                         {QString(), QStringLiteral("Please enter your Parental password."),
                          QStringLiteral("Ok"), QStringLiteral("Cancel")},
                         app_.settings(), app_.dialogs(), page);
    nameGate(parentalPrompt, "parentalPrompt", "Command8", "Command9");
    layout->addWidget(parentalPrompt);

    fraParental = new QGroupBox(QStringLiteral("Parental Controls"), page);
    fraParental->setObjectName(QStringLiteral("fraParental"));
    layout->addWidget(fraParental);
    auto* columns = new QHBoxLayout(fraParental);

    // The limit on the left.
    auto* limit = new QVBoxLayout;
    limit->addWidget(makeHeading("Browsing Limit", fraParental));
    limit->addWidget(makeLabel(
        "As part of Vireo, you can limit your teens access time to the internet on a daily "
        "basis. You can override the time limit with your parental password if you determine "
        "that addition time is needed/deserved. You may allow your teen to use the other "
        "features of Vireo if you wish.",
        fraParental));
    chkLimit = makeCheck("chkLimit", "Enable Browsing Limit", fraParental);
    chkOthers = makeCheck("chkOthers", "Allow use of other Vireo features", fraParental);
    limit->addWidget(chkLimit);
    limit->addWidget(chkOthers);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("Limit teen to "), fraParental));
    txtSpeed = new QLineEdit(QStringLiteral("120 Minutes"), fraParental);
    txtSpeed->setObjectName(QStringLiteral("txtSpeed"));
    txtSpeed->setReadOnly(true);
    txtSpeed->setAccessibleName(QStringLiteral("Daily limit"));
    txtSpeed->setMaximumWidth(twips::toPixels(1275));
    line->addWidget(txtSpeed);
    line->addWidget(new QLabel(QStringLiteral("of use."), fraParental));
    line->addStretch();
    limit->addLayout(line);
    hsbSpeed = new QScrollBar(Qt::Horizontal, fraParental);
    hsbSpeed->setObjectName(QStringLiteral("hsbSpeed"));
    hsbSpeed->setAccessibleName(QStringLiteral("Daily limit in minutes"));
    // Tab reaches the bar, and the arrow keys and Page Up/Down move it.
    hsbSpeed->setFocusPolicy(Qt::TabFocus);
    hsbSpeed->setRange(OptionsValues::minutesMinimum, OptionsValues::minutesMaximum);
    hsbSpeed->setSingleStep(OptionsValues::minutesSmallStep);
    hsbSpeed->setPageStep(OptionsValues::minutesLargeStep);
    hsbSpeed->setValue(OptionsValues::minutesDesign);
    limit->addWidget(hsbSpeed);
    Text6 = new QLineEdit(QString::number(OptionsValues::minutesDesign), fraParental);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->hide();
    limit->addStretch();
    columns->addLayout(limit, 1);

    // The switches, the log and the password on the right.
    auto* right = new QVBoxLayout;
    chkMp3 = makeCheck("chkMp3", "Disable MP3 tools ", fraParental);
    chkLog = makeCheck("chkLog", "Keep a log file of all web sites visited", fraParental);
    chkSearch = makeCheck("chkSearch", "Disable CD and Movie Search", fraParental);
    right->addWidget(chkMp3);
    right->addWidget(chkLog);
    right->addWidget(chkSearch);
    Command4 = makeButton("Command4", "View log", fraParental);
    auto* log = new QHBoxLayout;
    log->addWidget(Command4);
    log->addStretch();
    right->addLayout(log);
    fraChangeParental = new QGroupBox(QStringLiteral("Change Parental Password"), fraParental);
    fraChangeParental->setObjectName(QStringLiteral("fraChangeParental"));
    auto* change = new QVBoxLayout(fraChangeParental);
    change->setContentsMargins(4, 4, 4, 4);
    parentalChange = new PasswordChangePanel(Passwords::Kind::Parental, app_.settings(),
                                             app_.dialogs(), fraChangeParental);
    nameChangePanel(parentalChange, "Command1", "Command2");
    change->addWidget(parentalChange);
    right->addWidget(fraChangeParental);
    right->addStretch();
    columns->addLayout(right, 1);
    fraParental->hide();
    return page;
}

void frmopt::Form_Load()
{
    const Passwords passwords(app_.settings());
    const bool noParental = passwords.isEmpty(Passwords::Kind::Parental);
    const bool noTeen = passwords.isEmpty(Passwords::Kind::Teen);

    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }

    const OptionsValues v = OptionsValues::read(app_.settings());
    chkMp3->setChecked(v.mp3Disabled);
    chkLog->setChecked(v.logBrowsing);
    chkSearch->setChecked(v.searchesDisabled);
    chkLimit->setChecked(v.limitEnabled);
    chkOthers->setChecked(v.otherFeaturesAllowed);
    // Text6 keeps the stored minutes even where the slider cannot show them.
    {
        const QSignalBlocker blocker(hsbSpeed);
        hsbSpeed->setValue(OptionsValues::sliderPosition(v.minutes));
    }
    Text6->setText(v.minutes);
    journal_password->setChecked(v.journalLocked);
    pimpassword->setChecked(v.phonebookLocked);
    chkPopups->setChecked(v.popupsDisabled);
    txtStartPage->setText(v.startPage);
    txtSpeed->setText(Text6->text() + QStringLiteral(" Minutes"));

    if (noParental) {
        fraParental->show();
        parentalPrompt->hide();
    }
    if (noTeen) {
        fraUser->show();
        teenPrompt->hide();
    }
    tbsOptions->setCurrentIndex(0);
    tbsOptions_Click();
}

void frmopt::tbsOptions_Click()
{
    const int shown = tbsOptions->currentIndex();
    for (int i = 0; i < 3; ++i) {
        QWidget* page = picOptions[i];
        const bool current = i == shown;
        twips::place(page, current ? pageLeft : hiddenLeft, pageTop, pageWidth, pageHeight);
        page->setEnabled(current);
    }
    focusFirstControl(picOptions[shown]);
}

void frmopt::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void frmopt::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Tab || modifiers != Qt::ControlModifier)
        return;
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count());
}

void frmopt::hsbSpeed_Change()
{
    const QString minutes = QString::number(hsbSpeed->value());
    txtSpeed->setText(minutes + QStringLiteral(" Minutes"));
    Text6->setText(minutes);
}

void frmopt::cmdOK_Click()
{
    OptionsValues v;
    v.mp3Disabled = chkMp3->isChecked();
    v.logBrowsing = chkLog->isChecked();
    v.searchesDisabled = chkSearch->isChecked();
    v.limitEnabled = chkLimit->isChecked();
    v.otherFeaturesAllowed = chkOthers->isChecked();
    v.minutes = Text6->text();
    v.popupsDisabled = chkPopups->isChecked();
    v.journalLocked = journal_password->isChecked();
    v.phonebookLocked = pimpassword->isChecked();
    v.startPage = txtStartPage->text();
    v.write(app_.settings());
    close();
}

void frmopt::cmdCancel_Click()
{
    close();
}

void frmopt::Command8_Click()
{
    parentalPrompt->hide();
    fraParental->show();
    focusFirstControl(fraParental);
}

void frmopt::Command10_Click()
{
    teenPrompt->hide();
    fraUser->show();
    focusFirstControl(fraUser);
}

void frmopt::Command4_Click()
{
    if (!app_.desktop)
        return;
    const QString log = app_.folder().path(QStringLiteral("\\log.txt"));
    if (!QFileInfo(log).isFile() || !app_.desktop->openDocument(log))
        app_.dialogs().message(QStringLiteral("The log file could not be opened."));
}

QList<QStringList> frmopt::networkSettingsCommands()
{
    return {
        {QStringLiteral("gnome-control-center"), QStringLiteral("network")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_networkmanagement")},
        {QStringLiteral("nm-connection-editor")},
    };
}

QList<QStringList> frmopt::volumeControlCommands()
{
    return {
        {QStringLiteral("pavucontrol")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("sound")},
        {QStringLiteral("pavucontrol-qt")},
    };
}

void frmopt::Command6_Click()
{
    if (app_.desktop && !app_.desktop->startFirst(networkSettingsCommands()))
        app_.dialogs().message(QStringLiteral("No network settings program was found."));
}

void frmopt::Command7_Click()
{
    if (app_.desktop && !app_.desktop->startFirst(volumeControlCommands()))
        app_.dialogs().message(QStringLiteral("No volume control program was found."));
}

} // namespace vireo
