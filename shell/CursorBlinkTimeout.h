#pragma once

#include <QObject>
#include <QTimer>

namespace vireo {

// A text cursor blinks for a while after the last key press or click, then stays on until the
// next one, as desktops do to save power. Without it the focused address box of the master
// window repaints twice a second for as long as the program is open, and each repaint recomposes
// the whole window with its page view.
class CursorBlinkTimeout : public QObject {
public:
    // Watches the application's input from now on; `blinkingMs` is how long the cursor blinks
    // after the last input.
    explicit CursorBlinkTimeout(int blinkingMs, QObject* parent = nullptr);
    ~CursorBlinkTimeout() override;
    CursorBlinkTimeout(const CursorBlinkTimeout&) = delete;
    CursorBlinkTimeout& operator=(const CursorBlinkTimeout&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopBlinking();

    QTimer blinking_;
    int flashTime_;        // the desktop's blink period
    bool stopped_ = false; // the cursor is held steady
};

} // namespace vireo
