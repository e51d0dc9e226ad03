#include "board/board_place.h"

#include "board/picture_store.h"
#include "platform/keyboard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The focus frame: a blue band inside the place's edge, so that it stands apart from the thin
// black selection frame along the edge and both show when the focused card is the picked one.
const QColor kFocusColour(0, 84, 204);
constexpr int kFocusInset = 3;
constexpr int kFocusWidth = 2;

} // namespace

namespace veltrane::board {

BoardPlace::BoardPlace(PictureStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    // A click moves the focus too, so that a player who goes from mouse to keyboard goes on
    // from the place last clicked.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void BoardPlace::setPicture(Picture picture) {
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    if (!picture.isNone()) {
        resize(store_.size(picture, devicePixelRatioF()));
    }
    update();
}

void BoardPlace::setFramed(bool framed) {
    if (framed == framed_) {
        return;
    }
    framed_ = framed;
    update();
}

void BoardPlace::setFocusFrameShown(bool shown) {
    if (shown == focusFrameShown_) {
        return;
    }
    focusFrameShown_ = shown;
    if (hasFocus()) {
        update();
    }
}

bool BoardPlace::focusFrameDrawn() const {
    return focusFrameShown_ && hasFocus();
}

void BoardPlace::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A slot not yet dealt shows no picture but is picked like a card, so it gets the frame too.
    if (!picture_.isNone()) {
        painter.drawPixmap(0, 0, store_.pixmap(picture_, devicePixelRatioF()));
    }
    if (framed_) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (focusFrameDrawn()) {
        QPen pen(kFocusColour, kFocusWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const int edge = kFocusInset + kFocusWidth / 2;
        painter.drawRect(QRectF(rect()).adjusted(edge, edge, -edge, -edge));
    }
}

void BoardPlace::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void BoardPlace::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void BoardPlace::keyPressEvent(QKeyEvent* event) {
    if (platform::IsKeyClick(*event)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardPlace::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click; its release must not count as a click.
    pressed_ = false;
    event->accept();
}

} // namespace veltrane::board
