#include "journal/frmjournal.h"

#include "journal/JournalArt.h"
#include "journal/RtfReader.h"
#include "journal/RtfWriter.h"
#include "journal/UnbrokenRuns.h"
#include "parental/PasswordGate.h"
#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/Printing.h"
#include "platform/Twips.h"
#include "shell/App.h"
#include "shell/DefaultButton.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace vireo {

namespace {

constexpr int pictureSize = 26;

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip,
                           JournalArt::Picture picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAccessibleName(QString::fromUtf8(tip));
    button->setIcon(QIcon(JournalArt::picture(picture, pictureSize * 2)));
    button->setIconSize(QSize(pictureSize, pictureSize));
    button->setAutoRaise(true);
    // A click leaves the focus, and the selection it acts on, in the editor; Tab reaches the
    // button for those who use the keyboard.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The selected text as the clipboard takes it: paragraphs end in a newline.
QString selectedPlainText(const QTextCursor& cursor)
{
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

QString frmjournal::helpText()
{
    static const char* const lines[] = {
        "How do I create a journal entry?",
        "How do I change a journal entry?",
        "How do I delete a journal entry?",
        "How do I print a journal entry?",
        "",
        "To create a journal entry:",
        "",
        "1) Type your thoughts",
        "2) Click the \"Save\" button.",
        "",
        "",
        "To modify a journal entry:",
        "",
        "1) Click the load button",
        "2) Select the entry from the list, by ",
        "clicking on it.",
        "3) Change the entry, and click \"Save\"",
        "",
        "",
        "To delete a journal entry:",
        "",
        "1) Click the load button",
        "2) Select the entry from the list, by ",
        "clicking on it.",
        "3) Click on the trash button",
        "",
        "",
        "To print a journal entry:",
        "",
        "1) Select the journal you wish to print",
        "2) Press the print button",
    };
    QString text;
    for (const char* line : lines)
        text += QLatin1String(line) + QLatin1String("\r\n");
    return text;
}

frmjournal* frmjournal::create(App& app)
{
    auto* window = new frmjournal(app);
    window->Form_Load();
    return window;
}

frmjournal::frmjournal(App& app, QWidget* parent)
    : QWidget(parent), app_(app), session_(JournalEntries(app.folder()), app.today)
{
    setObjectName(QStringLiteral("frmjournal"));
    setWindowTitle(QStringLiteral("Journal"));
    buildControls();
    buildLogon();
    buildHelp();
    menus = MenuBuilder(app_, this).programMenus();
    wire();
    resize(sizeHint());
}

frmjournal::~frmjournal() = default;

QSize frmjournal::sizeHint() const
{
    return {twips::toPixels(8400), twips::toPixels(6300)};
}

void frmjournal::buildControls()
{
    setAutoFillBackground(true);
    QPalette desk = palette();
    desk.setColor(QPalette::Window, JournalArt::desk());
    desk.setColor(QPalette::WindowText, JournalArt::ink());
    setPalette(desk);

    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("body"));

    date = new QLabel(body_);
    date->setObjectName(QStringLiteral("date"));
    QFont titleFont = date->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    date->setFont(titleFont);

    textdate = new QLineEdit(body_);
    textdate->setObjectName(QStringLiteral("textdate"));
    textdate->hide();

    using P = JournalArt::Picture;
    gosave = pictureButton(body_, "gosave", "Save changes", P::Save);
    gotras = pictureButton(body_, "gotras", "Clear", P::Clear);
    ope = pictureButton(body_, "ope", "View a previous entry", P::Open);
    gocopy = pictureButton(body_, "gocopy", "Copy", P::Copy);
    gocut = pictureButton(body_, "gocut", "Cut", P::Cut);
    gopaste = pictureButton(body_, "gopaste", "Paste", P::Paste);
    goprint = pictureButton(body_, "goprint", "Print", P::Print);
    gotime = pictureButton(body_, "gotime", "TimeStamp", P::TimeStamp);
    gocrypt = pictureButton(body_, "gocrypt", "Encryption", P::Encryption);
    gohelp = pictureButton(body_, "gohelp", "Help", P::Help);

    journaltext = new QTextEdit(body_);
    journaltext->setObjectName(QStringLiteral("journaltext"));
    journaltext->setAccessibleName(QStringLiteral("Journal entry"));
    journaltext->setAcceptRichText(true);
    QFont paper = journaltext->font();
    paper.setPointSize(12);
    journaltext->document()->setDefaultFont(paper);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* b : {gosave, gotras, ope, gocopy, gocut, gopaste, goprint, gotime, gocrypt})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(gohelp);

    auto* layout = new QVBoxLayout(body_);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(date);
    layout->addLayout(buttons);
    layout->addWidget(journaltext, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(body_);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("Previous entries"));
    File1->hide();
}

void frmjournal::buildLogon()
{
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette cover = Picture1->palette();
    cover.setColor(QPalette::Window, JournalArt::ink());
    Picture1->setPalette(cover);
    Picture1->hide();

    journal_logon = new PasswordGate(Passwords::Kind::Teen, PasswordGate::Style::Logon,
                                     {QStringLiteral("Journal Logon"), QStringLiteral("Password:")},
                                     app_.settings(), app_.dialogs(), Picture1);
    journal_logon->setObjectName(QStringLiteral("journal_logon"));
    journal_logon->setAutoFillBackground(true);
    journal_logon->setFrameShape(QFrame::StyledPanel);
    QPalette panel = journal_logon->palette();
    panel.setColor(QPalette::Window, JournalArt::desk());
    panel.setColor(QPalette::WindowText, JournalArt::ink());
    journal_logon->setPalette(panel);

    changePassword = journal_logon->addLink(QStringLiteral("(Change your password)"));
    changePassword->setObjectName(QStringLiteral("changePassword"));
    journal_logon->adjustSize();
}

void frmjournal::buildHelp()
{
    Picture100 = new QFrame(this);
    Picture100->setObjectName(QStringLiteral("Picture100"));
    Picture100->setFrameShape(QFrame::Box);
    Picture100->setAutoFillBackground(true);

    Text600 = new QPlainTextEdit(Picture100);
    Text600->setObjectName(QStringLiteral("Text600"));
    Text600->setReadOnly(true);
    Text600->setToolTip(QStringLiteral("Double click to close"));
    Text600->setAccessibleName(QStringLiteral("Help"));
    // The text box shows lines; the CR LF pairs are the text's own line ends.
    QString shown = helpText();
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Text600->setPlainText(shown);

    closeHint = new QLabel(QStringLiteral("(Double Click to Close)"), Picture100);
    closeHint->setObjectName(QStringLiteral("closeHint"));
    closeHint->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(Picture100);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Text600, 1);
    layout->addWidget(closeHint);
    Picture100->hide();
}

void frmjournal::wire()
{
    setEscapeAction(this, [this] {
        if (Picture100->isVisible())
            Picture100_DblClick();
    });
    connect(gosave, &QToolButton::clicked, this, &frmjournal::gosave_Click);
    connect(gotras, &QToolButton::clicked, this, &frmjournal::gotras_Click);
    connect(ope, &QToolButton::clicked, this, &frmjournal::ope_Click);
    connect(gocopy, &QToolButton::clicked, this, &frmjournal::gocopy_Click);
    connect(gocut, &QToolButton::clicked, this, &frmjournal::gocut_Click);
    connect(gopaste, &QToolButton::clicked, this, &frmjournal::gopaste_Click);
    connect(goprint, &QToolButton::clicked, this, &frmjournal::goprint_Click);
    connect(gotime, &QToolButton::clicked, this, &frmjournal::gotime_Click);
    connect(gocrypt, &QToolButton::clicked, this, &frmjournal::gocrypt_Click);
    connect(gohelp, &QToolButton::clicked, this, &frmjournal::gohelp_Click);
    connect(File1, &QListWidget::itemClicked, this, &frmjournal::File1_Click);
    connect(File1, &QListWidget::itemActivated, this, &frmjournal::File1_Click);
    connect(journal_logon, &PasswordGate::passed, this, &frmjournal::journal_logon_passed);
    connect(journal_logon, &PasswordGate::cancelled, this, &frmjournal::journal_logon_cancelled);
    connect(changePassword, &QPushButton::clicked, this, &frmjournal::changePassword_Click);
    journaltext->installEventFilter(this);
    for (QObject* o :
         {static_cast<QObject*>(Picture100), static_cast<QObject*>(Text600),
          static_cast<QObject*>(Text600->viewport()), static_cast<QObject*>(closeHint)})
        o->installEventFilter(this);
}

bool frmjournal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == journaltext && event->type() == QEvent::FocusIn)
        journaltext_GotFocus();
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == Picture100 || watched == Text600 || watched == Text600->viewport() ||
         watched == closeHint)) {
        Picture100_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmjournal::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeOverlays();
}

void frmjournal::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (Picture1->isHidden())
        journaltext->setFocus();
    else
        journal_logon->entry->setFocus();
}

void frmjournal::placeOverlays()
{
    const QRect editor(journaltext->mapTo(this, QPoint(0, 0)), journaltext->size());
    File1->setGeometry(editor.left(), editor.top(), qMin(editor.width(), 200), editor.height());
    const QSize help(qMin(editor.width(), 360), qMin(editor.height(), 420));
    Picture100->setGeometry(
        QRect(QPoint(editor.center().x() - help.width() / 2, editor.top()), help));
    Picture1->setGeometry(rect());
    const QSize logon = journal_logon->sizeHint().expandedTo(QSize(260, 0));
    journal_logon->setGeometry(
        QRect(QPoint((width() - logon.width()) / 2, (height() - logon.height()) / 2), logon));
}

// ---- Loading -------------------------------------------------------------------------------

void frmjournal::Form_Load()
{
    // A locked journal holds nothing of the entry until the password is given: behind the
    // cover the text could still be read out by a screen reader.
    if (app_.isOn(settings::journalLocked, settings::SwitchRule::Text)) {
        showLogon(true);
        return;
    }
    loadEntry(session_.openToday());
}

void frmjournal::showLogon(bool shown)
{
    body_->setEnabled(!shown);
    File1->setEnabled(!shown);
    Picture100->setEnabled(!shown);
    Picture1->setVisible(shown);
    if (!shown)
        return;
    placeOverlays();
    Picture1->raise();
    journal_logon->entry->setFocus();
}

void frmjournal::journal_logon_passed()
{
    showLogon(false);
    loadEntry(session_.openToday());
    journaltext->setFocus();
}

void frmjournal::journal_logon_cancelled()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void frmjournal::changePassword_Click()
{
    app_.options();
}

void frmjournal::loadEntry(const JournalEntries::ReadResult& read)
{
    QTextDocument* document = journaltext->document();
    // Whatever the editor lays out while the entry comes in is laid out breaking anywhere, which
    // takes no longer than the text is long; word wrapping comes back once the entry is known to
    // have no run too long for it.
    journaltext->setWordWrapMode(QTextOption::WrapAnywhere);
    if (read.status == JournalEntries::ReadStatus::Read) {
        const RtfReadResult result = readRtf(read.bytes, *document);
        if (!result.isWhole())
            qCWarning(lcFiles) << "entry read in part:" << session_.currentName() << "stopped at"
                               << result.offset;
    } else {
        document->clear();
    }
    if (!UnbrokenRuns::needBreakingAnywhere(document->toPlainText()))
        journaltext->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setModified(false);
    textdate->setText(session_.currentName());
    date->setText(session_.title());
}

// ---- Entries -------------------------------------------------------------------------------

bool frmjournal::isModified() const
{
    return journaltext->document()->isModified();
}

bool frmjournal::saveEntry()
{
    if (!session_.save(writeRtf(*journaltext->document()))) {
        app_.dialogs().message(saveFailedMessage());
        return false;
    }
    journaltext->document()->setModified(false);
    return true;
}

void frmjournal::saveBeforeTermination()
{
    if (isModified())
        saveEntry();
}

bool frmjournal::mayLeaveEntry()
{
    if (!isModified())
        return true;
    switch (app_.dialogs().askYesNoCancel(unsavedQuestion())) {
    case Answer::Yes:
        return saveEntry();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void frmjournal::gosave_Click()
{
    saveEntry();
}

void frmjournal::gotras_Click()
{
    // Through the cursor rather than clear(): the emptied text can still be undone.
    QTextCursor cursor(journaltext->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    saveEntry();
}

void frmjournal::ope_Click()
{
    File1->clear();
    File1->addItems(session_.entries().list());
    placeOverlays();
    File1->show();
    File1->raise();
}

void frmjournal::File1_Click(QListWidgetItem* item)
{
    if (!item || !mayLeaveEntry())
        return;
    loadEntry(session_.openEntry(item->text()));
    journaltext->setFocus();
}

void frmjournal::journaltext_GotFocus()
{
    File1->hide();
}

void frmjournal::closeEvent(QCloseEvent* event)
{
    if (app_.hasEnded() || mayLeaveEntry())
        event->accept();
    else
        event->ignore();
}

// ---- Clipboard, time stamp, print, help ----------------------------------------------------

void frmjournal::gocopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString text = selectedPlainText(journaltext->textCursor());
    if (!text.isEmpty())
        clipboard->setText(text);
}

void frmjournal::gocut_Click()
{
    gocopy_Click();
    QTextCursor cursor = journaltext->textCursor();
    cursor.removeSelectedText();
    journaltext->setTextCursor(cursor);
}

void frmjournal::gopaste_Click()
{
    QTextCursor cursor = journaltext->textCursor();
    cursor.insertText(QGuiApplication::clipboard()->text());
    journaltext->setTextCursor(cursor);
}

void frmjournal::gotime_Click()
{
    QTextCursor cursor = journaltext->textCursor();
    cursor.insertText(QLocale().toString(now(), QLocale::ShortFormat));
    journaltext->setTextCursor(cursor);
}

void frmjournal::gocrypt_Click() {}

void frmjournal::goprint_Click()
{
    if (!app_.printing) {
        qCWarning(lcFiles) << "no printing service: the entry was not printed";
        return;
    }
    const QTextCursor cursor = journaltext->textCursor();
    PrintResult result;
    if (cursor.hasSelection()) {
        QTextDocument selection;
        selection.setDefaultFont(journaltext->document()->defaultFont());
        QTextCursor(&selection).insertFragment(cursor.selection());
        result = app_.printing->print(selection, this);
    } else {
        result = app_.printing->print(*journaltext->document(), this);
    }
    if (result == PrintResult::NoPrinter)
        app_.dialogs().message(QStringLiteral("Can't print this."),
                               QStringLiteral("Scrivo: Printing"));
}

void frmjournal::gohelp_Click()
{
    placeOverlays();
    Picture100->show();
    Picture100->raise();
}

void frmjournal::Picture100_DblClick()
{
    Picture100->hide();
}

} // namespace vireo
