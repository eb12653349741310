#include "RegisterWindows.h"

#include "browser/frmbrowser.h"
#include "browser/frmdelete.h"
#include "journal/frmjournal.h"
#include "parental/frmmisc.h"
#include "parental/frmopt.h"
#include "phonebook/frmpim.h"
#include "player/frmmp3.h"
#include "shell/App.h"
#include "shell/frmAbout.h"

namespace vireo {

void registerWindows(App& app)
{
    app.browserKind = {[](App& a) -> QWidget* { return frmbrowser::create(a); }, true};
    app.phonebookKind = {[](App& a) -> QWidget* { return frmpim::create(a); }, true};
    app.journalKind = {[](App& a) -> QWidget* { return frmjournal::create(a); }, true};
    app.mp3Kind = {[](App& a) -> QWidget* { return frmmp3::create(a); }, false, true};
    app.optionsKind = {[](App& a) -> QWidget* { return frmopt::create(a); }, false, true, true};
    app.configKind = {[](App& a) -> QWidget* { return frmmisc::create(a); }, false, true, true};
    app.aboutKind = {[](App& a) -> QWidget* { return frmAbout::create(a); }, false, true, true};
    app.organizeKind = {[](App& a) -> QWidget* { return frmdelete::create(a); }, false};
}

} // namespace vireo
