#include "platform/QtWebBrowser.h"

#include "platform/DesktopCommands.h"
#include "platform/Dialogs.h"
#include "platform/Logging.h"
#include "platform/PageAddress.h"
#include "platform/StartupTrace.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <memory>
#include <utility>

namespace vireo {

namespace {

QWebEngineProfile* sharedProfile = nullptr;

// Every view on the shared profile that still exists.
QList<QPointer<QWebEngineView>>& liveViews()
{
    static QList<QPointer<QWebEngineView>> views;
    return views;
}

// The page layout chosen in Print Setup, used by every later print.
QPageLayout& chosenLayout()
{
    static QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                              QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return layout;
}

QString safeFileName(QString title)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : title) {
        if (forbidden.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    }
    title = title.trimmed();
    return title.isEmpty() ? QStringLiteral("page") : title;
}

} // namespace

QWebEngineProfile* QtWebBrowser::profile()
{
    if (sharedProfile)
        return sharedProfile;
    sharedProfile = new QWebEngineProfile(QStringLiteral("vireo"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    sharedProfile->setPersistentStoragePath(data + QStringLiteral("/webengine"));
    sharedProfile->setCachePath(cache + QStringLiteral("/webengine"));
    sharedProfile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    sharedProfile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    StartupTrace::mark("page profile made");
    return sharedProfile;
}

void QtWebBrowser::quietEngineInformation()
{
    // Rules set here give way to those of the environment.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

void QtWebBrowser::releaseProfile()
{
    // A window nobody closed (a top-level window still open when the program ends) keeps its
    // view: a page left on a deleted profile is unusable and may crash the engine, so the views
    // go first.
    const QList<QPointer<QWebEngineView>> views = std::exchange(liveViews(), {});
    for (const QPointer<QWebEngineView>& view : views)
        delete view.data();
    delete sharedProfile;
    sharedProfile = nullptr;
}

QtWebBrowser::QtWebBrowser(QWidget* parent, Dialogs* dialogs, DesktopCommands* desktop)
    : WebBrowser(parent), view_(new QWebEngineView(parent)), dialogs_(dialogs), desktop_(desktop)
{
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setAccessibleName(QStringLiteral("Page"));
    // A page of our own profile; it goes with the view. createWindow is left alone, so a
    // page's request for a new window opens nothing.
    auto* page = new QWebEnginePage(profile(), view_);
    view_->setPage(page);
    liveViews().removeAll(nullptr);
    liveViews().append(view_);

    connect(view_, &QWebEngineView::loadStarted, this, &QtWebBrowser::onLoadStarted);
    connect(view_, &QWebEngineView::loadProgress, this, &QtWebBrowser::onLoadProgress);
    connect(view_, &QWebEngineView::loadFinished, this, &QtWebBrowser::onLoadFinished);
    connect(view_, &QWebEngineView::titleChanged, this, &QtWebBrowser::onTitleChanged);
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
            setStatus(QStringLiteral("Opening page %1...").arg(info.url().toString()));
    });
    connect(page, &QWebEnginePage::linkHovered, this, &QtWebBrowser::onLinkHovered);
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest&) { Q_EMIT NewWindow2(); });
    StartupTrace::mark("page view made");
}

QtWebBrowser::~QtWebBrowser()
{
    // The view belongs to the window; it must not call back into a component that is gone.
    if (view_)
        view_->disconnect(this);
}

QWidget* QtWebBrowser::view()
{
    return view_;
}

void QtWebBrowser::Navigate(const QString& address)
{
    if (!view_)
        return;
    const PageAddress target = PageAddress::resolve(address);
    switch (target.kind) {
    case PageAddress::Kind::None:
        return;
    case PageAddress::Kind::External:
        // The page stays; the window says so when no program is there to take the address.
        if (!(desktop_ ? desktop_->openAddress(target.url)
                       : QDesktopServices::openUrl(target.url))) {
            qCWarning(lcWeb) << "no program opened" << target.url.scheme() << "address";
            Q_EMIT ExternalAddressNotOpened(target.url.scheme());
        }
        return;
    case PageAddress::Kind::Engine:
        StartupTrace::mark("page asked for");
        view_->load(target.url);
        return;
    }
}

bool QtWebBrowser::GoBack()
{
    if (!view_ || !view_->history()->canGoBack())
        return false;
    view_->back();
    return true;
}

bool QtWebBrowser::GoForward()
{
    if (!view_ || !view_->history()->canGoForward())
        return false;
    view_->forward();
    return true;
}

bool QtWebBrowser::Stop()
{
    if (!view_)
        return false;
    view_->stop();
    return true;
}

bool QtWebBrowser::Refresh()
{
    if (!view_ || view_->url().isEmpty())
        return false;
    view_->reload();
    return true;
}

bool QtWebBrowser::ExecWB(Command command, CommandOption)
{
    if (!view_)
        return false;
    switch (command) {
    case Command::Print:
        return print();
    case Command::PageSetup:
        return pageSetup();
    case Command::SaveAs:
        return saveAs();
    }
    return false;
}

QString QtWebBrowser::LocationName() const
{
    return view_ ? view_->title() : QString();
}

QString QtWebBrowser::LocationURL() const
{
    // The encoded form: the history, the log and the start page keep addresses that work
    // as they stand ("q=R%26B%20rock"), not the form shown to people.
    return view_ ? view_->url().toString(QUrl::FullyEncoded) : QString();
}

void QtWebBrowser::onLoadStarted()
{
    StartupTrace::mark("page load started");
    // A load that replaces one still running does not open a second pair.
    if (loading_)
        return;
    loading_ = true;
    Q_EMIT DownloadBegin();
}

void QtWebBrowser::onLoadProgress(int percent)
{
    if (loading_ && percent > 0 && percent < 100)
        Q_EMIT ProgressChange(percent, 100);
}

void QtWebBrowser::onLoadFinished(bool)
{
    StartupTrace::mark("page load finished");
    // A page that reached its address without changing its title still counts as reached.
    if (view_->url().toString() != titledUrl_ || view_->title() != titledName_)
        raiseTitleChange();
    if (!loading_)
        return;
    loading_ = false;
    Q_EMIT ProgressChange(-1, 100);
    setStatus(QStringLiteral("Done"));
    StartupTrace::mark("page complete");
    Q_EMIT DownloadComplete();
}

void QtWebBrowser::onTitleChanged(const QString&)
{
    raiseTitleChange();
}

void QtWebBrowser::raiseTitleChange()
{
    titledUrl_ = view_->url().toString();
    titledName_ = view_->title();
    Q_EMIT TitleChange(titledName_);
}

void QtWebBrowser::onLinkHovered(const QString& url)
{
    // Leaving a link shows what the status line said before it.
    Q_EMIT StatusTextChange(url.isEmpty() ? status_ : url);
}

void QtWebBrowser::setStatus(const QString& text)
{
    status_ = text;
    Q_EMIT StatusTextChange(text);
}

bool QtWebBrowser::print()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageLayout(chosenLayout());
    printer->setDocName(safeFileName(view_->title()));
    const QPointer<QWebEngineView> view = view_;
    if (info.isNull()) {
        // With no default printer the dialog lets the user pick a printer or a PDF file (the
        // file is named after the page). It runs an event loop of its own, in which the window
        // may close and take the view, and the dialog with it.
        const QPointer<QPrintDialog> dialog = new QPrintDialog(printer.get(), view->window());
        const int answer = dialog->exec();
        if (!dialog || !view)
            return false;
        delete dialog;
        if (answer != QDialog::Accepted)
            return false;
    }
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        // A PDF file is written by the engine itself, which keeps the page's text as text (a
        // printer is handed pictures of the pages).
        view->page()->printToPdf(printer->outputFileName(), printer->pageLayout(),
                                 printer->pageRanges());
        return true;
    }
    // Printing runs after this returns: the printer lives until the engine is done with it.
    QPrinter* job = printer.release();
    connect(
        view, &QWebEngineView::printFinished, view, [job](bool) { delete job; },
        Qt::SingleShotConnection);
    view->print(job);
    return true;
}

bool QtWebBrowser::pageSetup()
{
    QPrinter printer;
    printer.setPageLayout(chosenLayout());
    QPageSetupDialog dialog(&printer, view_->window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosenLayout() = printer.pageLayout();
    return true;
}

bool QtWebBrowser::saveAs()
{
    const QString name = safeFileName(view_->title()) + QStringLiteral(".html");
    // The file dialog runs an event loop of its own, in which the browser window may close
    // (browsing blocked) and take this component with it: afterwards only the local guard
    // may be looked at.
    const QPointer<QWebEngineView> view = view_;
    QString path;
    if (dialogs_) {
        FileDialogRequest request;
        request.title = QStringLiteral("Save As");
        request.filter = QStringLiteral("Web Page, complete (*.html)|*.html|All Files (*.*)|*.*");
        request.initialFolder = QDir::homePath();
        request.initialName = name;
        path = dialogs_->saveFile(request);
    } else {
        path = QFileDialog::getSaveFileName(view->window(), QStringLiteral("Save As"),
                                            QDir::homePath() + QLatin1Char('/') + name);
    }
    if (path.isEmpty() || !view)
        return false;
    view->page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
    return true;
}

} // namespace vireo
