#include "shell/CursorBlinkTimeout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <utility>

namespace vireo {

CursorBlinkTimeout::CursorBlinkTimeout(int blinkingMs, QObject* parent)
    : QObject(parent), flashTime_(QGuiApplication::styleHints()->cursorFlashTime())
{
    blinking_.setSingleShot(true);
    blinking_.setInterval(blinkingMs);
    connect(&blinking_, &QTimer::timeout, this, &CursorBlinkTimeout::stopBlinking);
    blinking_.start();
    qApp->installEventFilter(this);
}

CursorBlinkTimeout::~CursorBlinkTimeout()
{
    if (stopped_)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

bool CursorBlinkTimeout::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        if (std::exchange(stopped_, false))
            QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
        blinking_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkTimeout::stopBlinking()
{
    // A flash time of 0 holds the cursor on; text boxes follow the change at once.
    stopped_ = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

} // namespace vireo
