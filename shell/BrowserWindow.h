#pragma once

class QWidget;

namespace vireo {

class WebBrowser;

// What the rest of the program needs of a browser window: its page component.
class BrowserWindow {
public:
    virtual ~BrowserWindow() = default;
    virtual QWidget* widget() = 0;
    virtual WebBrowser& WebBrowser1() = 0;
};

} // namespace vireo
