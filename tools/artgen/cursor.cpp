#include "tools/artgen/artgen.h"

namespace artgen {

namespace {

// The hand's white area in 1x pixel units; gaps of one unit between the curled fingers
// become the black lines that separate them.
QPainterPath handShape() {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(10, 10, 4, 14), 2, 2);    // the raised index finger
    hand.addRoundedRect(QRectF(15, 16, 4, 8), 2, 2);     // middle finger
    hand.addRoundedRect(QRectF(20, 17, 4, 7), 2, 2);     // ring finger
    hand.addRoundedRect(QRectF(25, 19, 3, 6), 1.5, 1.5); // little finger
    hand.addRoundedRect(QRectF(10, 21, 18, 8), 3, 3);    // palm
    QPainterPath thumb;
    thumb.moveTo(12, 23);
    thumb.lineTo(10, 23);
    thumb.lineTo(7, 18.6);
    thumb.cubicTo(6, 17.4, 4, 17.8, 4.3, 19.6);
    thumb.cubicTo(4.8, 22, 7, 26, 11, 29);
    thumb.lineTo(12, 29);
    thumb.closeSubpath();
    // United rather than overlaid, so opposite windings cannot punch holes.
    return hand.simplified().united(thumb);
}

} // namespace

QImage renderHandCursor(int scale) {
    const int size = 32 * scale;
    QImage mask(size, size, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        // No antialiasing: a cursor has only black, white and clear pixels.
        QPainter p(&mask);
        p.scale(scale, scale);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(handShape());
    }
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    auto white = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size && qAlpha(mask.pixel(x, y)) > 0;
    };
    // The outline is as thick as one 1x pixel at every scale.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (white(x, y)) {
                out.setPixel(x, y, qRgba(255, 255, 255, 255));
                continue;
            }
            bool edge = false;
            for (int dy = -scale; dy <= scale && !edge; ++dy) {
                for (int dx = -scale; dx <= scale && !edge; ++dx) {
                    edge = white(x + dx, y + dy);
                }
            }
            if (edge) {
                out.setPixel(x, y, qRgba(0, 0, 0, 255));
            }
        }
    }
    out.setText(QStringLiteral("HotSpotX"), QString::number(12 * scale));
    out.setText(QStringLiteral("HotSpotY"), QString::number(9 * scale));
    return out;
}

} // namespace artgen
