#include "tools/artgen/artgen.h"

#include <cmath>

namespace artgen {

namespace {

constexpr int sheetWidth = 1240;
constexpr int gap = 10;
constexpr int captionHeight = 13;

// Lays pictures out in rows under a heading and returns the height used.
int paintSection(QPainter* p, const QString& heading, const QList<SheetEntry>& entries, int top) {
    QPainterPath title = fonts().sans.path(heading, 16);
    if (p != nullptr) {
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(50, 50, 60));
        p->drawPath(title.translated(gap, top + 20));
    }
    int x = gap;
    int y = top + 32;
    int rowHeight = 0;
    for (const SheetEntry& e : entries) {
        if (x + e.image.width() > sheetWidth - gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (p != nullptr) {
            p->drawImage(QPoint(x, y), e.image);
            QPainterPath caption = fonts().tagline.path(e.name, 9);
            caption.translate(x, y + e.image.height() + 10);
            p->setBrush(QColor(70, 80, 70));
            p->drawPath(caption);
        }
        const int captionWidth =
            static_cast<int>(std::ceil(fonts().tagline.path(e.name, 9).boundingRect().right()));
        x += std::max(e.image.width(), captionWidth) + gap;
        rowHeight = std::max(rowHeight, e.image.height() + captionHeight);
    }
    return y + rowHeight + gap - top;
}

} // namespace

QImage renderContactSheet(const QList<SheetEntry>& oneX, const QList<SheetEntry>& twoX) {
    const int h1 = paintSection(nullptr, {}, oneX, 0);
    const int h2 = paintSection(nullptr, {}, twoX, 0);
    QImage sheet(sheetWidth, h1 + h2 + gap, QImage::Format_RGB32);
    // A light green baize shows the transparent corners of the card shapes.
    sheet.fill(QColor(214, 226, 214));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    paintSection(&p, QStringLiteral("1x"), oneX, 0);
    paintSection(&p, QStringLiteral("@2x"), twoX, h1);
    return sheet;
}

} // namespace artgen
