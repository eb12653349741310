#pragma once

class QWidget;

namespace vireo {

class WebBrowser;

// What the rest of the program needs of a browser window: its page component, and its
// homework panel for the master window's Homework Help.
class BrowserWindow {
public:
    virtual ~BrowserWindow() = default;
    virtual QWidget* widget() = 0;
    virtual WebBrowser& WebBrowser1() = 0;
    // Shows the homework panel on the subjects of the program folder's "\help.vhe".
    virtual void showHomeworkHelp() = 0;
};

} // namespace vireo
