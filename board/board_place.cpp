#include "board/board_place.h"

#include "board/picture_store.h"
#include "platform/accessibility.h"

#include <QMouseEvent>
#include <QPainter>

namespace veltrane::board {

BoardPlace::BoardPlace(PictureStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setFocusPolicy(Qt::NoFocus);
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
    platform::NotifySelectedChanged(this);
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

void BoardPlace::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click; its release must not count as a click.
    pressed_ = false;
    event->accept();
}

} // namespace veltrane::board
