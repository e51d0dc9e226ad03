#include "tools/artgen/artgen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace artgen {

namespace {

QColor inkOf(Suit s) {
    return isRed(s) ? colour::cardRed : colour::cardBlack;
}

const char* rankText(int rank) {
    static const std::array<const char*, 13> texts{"A", "2", "3",  "4", "5", "6", "7",
                                                   "8", "9", "10", "J", "Q", "K"};
    return texts[static_cast<std::size_t>(rank - 1)];
}

// White card, black outline, transparent beyond the rounded corners.
void paintCardBase(QPainter& p, const QColor& fill, const QColor& line) {
    p.setPen(QPen(line, 1));
    p.setBrush(fill);
    p.drawPath(cardOutline());
}

// The rank and small suit mark in the top-left corner; the caller turns the card for the other.
void paintIndex(QPainter& p, int card) {
    const Suit suit = suitOf(card);
    const int rank = rankOf(card);
    // Capitals exactly 9 pixels tall on a whole-pixel baseline, strokes thickened a little and
    // the left edge on a pixel boundary, so the index stays sharp at its own size.
    static const qreal capRatio =
        fonts().index.path(QStringLiteral("H"), 100).boundingRect().height() / 100;
    const qreal capHeight = 9;
    const qreal grow = 0.3;
    QPainterPath text = fonts().index.path(QString::fromLatin1(rankText(rank)),
                                           capHeight / capRatio, rank == 10 ? -0.3 : 0);
    // The 10 is drawn narrower so that it keeps the same column as the other ranks.
    const qreal maxWidth = 10.6;
    if (text.boundingRect().width() > maxWidth) {
        text = QTransform::fromScale(maxWidth / text.boundingRect().width(), 1).map(text);
    }
    const QRectF t = text.boundingRect();
    const qreal width = t.width() + grow;
    const qreal left = std::round(7.5 - width / 2);
    text.translate(left - (t.left() - grow / 2), 13);
    p.setPen(QPen(inkOf(suit), grow));
    p.setBrush(inkOf(suit));
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.drawPath(suitMark(suit, QPointF(7.5, 19.5), suit == Suit::Diamonds ? 8.5 : 7.5));
}

void paintPip(QPainter& p, Suit suit, QPointF at, qreal height) {
    p.drawPath(suitMark(suit, at, height, at.y() > 50.5));
}

// The standard pip positions for two to ten.
std::vector<QPointF> pipLayout(int rank) {
    const qreal l = 23, c = 36, r = 49;
    const qreal top = 22, bottom = 78, mid = 50;
    const qreal q1 = top + (bottom - top) / 3, q2 = top + 2 * (bottom - top) / 3;
    switch (rank) {
    case 2:
        return {{c, top}, {c, bottom}};
    case 3:
        return {{c, top}, {c, mid}, {c, bottom}};
    case 4:
        return {{l, top}, {r, top}, {l, bottom}, {r, bottom}};
    case 5:
        return {{l, top}, {r, top}, {c, mid}, {l, bottom}, {r, bottom}};
    case 6:
        return {{l, top}, {r, top}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
    case 7:
        return {{l, top}, {r, top},    {c, (top + mid) / 2}, {l, mid},
                {r, mid}, {l, bottom}, {r, bottom}};
    case 8:
        return {{l, top},    {r, top},   {c, (top + mid) / 2},
                {l, mid},    {r, mid},   {c, (mid + bottom) / 2},
                {l, bottom}, {r, bottom}};
    case 9:
        return {{l, top}, {r, top}, {l, q1},     {r, q1},    {c, mid},
                {l, q2},  {r, q2},  {l, bottom}, {r, bottom}};
    case 10:
        return {{l, top}, {r, top}, {c, (top + q1) / 2},    {l, q1},     {r, q1},
                {l, q2},  {r, q2},  {c, (q2 + bottom) / 2}, {l, bottom}, {r, bottom}};
    default:
        return {};
    }
}

void paintAce(QPainter& p, Suit suit) {
    p.setPen(Qt::NoPen);
    p.setBrush(inkOf(suit));
    if (suit != Suit::Spades) {
        p.drawPath(suitMark(suit, QPointF(36, 50), 24));
        return;
    }
    // The ace of spades carries the large ornamented spade.
    const QPainterPath big = suitMark(suit, QPointF(36, 50), 38);
    p.drawPath(big);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), 0.8));
    p.drawPath(suitMark(suit, QPointF(36, 48.2), 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(suitMark(suit, QPointF(36, 47), 9));
    p.setBrush(colour::cardRed);
    p.drawEllipse(QPointF(36, 47.4), 1.3, 1.3);
}

// ---- Court cards: a crowned half-length figure, mirrored top and bottom, in a frame. ----

enum class Court { Jack = 11, Queen = 12, King = 13 };

struct Robe {
    QColor main;
    QColor second;
    QColor trim;
};

Robe robeFor(Court court, Suit suit) {
    const bool red = isRed(suit);
    const QColor& red_ = colour::cardRed;
    const QColor& blue = colour::courtBlue;
    const QColor& gold = colour::gold;
    switch (court) {
    case Court::King:
        return red ? Robe{red_, blue, gold} : Robe{blue, red_, gold};
    case Court::Queen:
        return red ? Robe{blue, red_, gold} : Robe{red_, blue, gold};
    case Court::Jack:
        return red ? Robe{gold, red_, blue} : Robe{red_, gold, blue};
    }
    return {};
}

const QPen outlinePen() {
    return QPen(colour::cardBlack, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintRobe(QPainter& p, const Robe& robe) {
    QPainterPath body;
    body.moveTo(16, 51);
    body.lineTo(16, 43);
    body.cubicTo(16, 37, 21, 34.5, 29, 33.5);
    body.lineTo(43, 33.5);
    body.cubicTo(51, 34.5, 56, 37, 56, 43);
    body.lineTo(56, 51);
    body.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(robe.main);
    p.drawPath(body);

    // A tunic of the second colour under a lattice of the trim colour, framed by the sleeves.
    p.save();
    p.setClipPath(body);
    QPainterPath tunic;
    tunic.addRoundedRect(QRectF(23.5, 36.5, 25, 16), 2, 2);
    p.setPen(outlinePen());
    p.setBrush(robe.second);
    p.drawPath(tunic);
    p.save();
    p.setClipPath(tunic);
    p.setPen(QPen(robe.trim, 0.6));
    for (int i = -4; i <= 8; ++i) {
        const qreal x = 20 + i * 4;
        p.drawLine(QPointF(x, 36), QPointF(x + 16, 52));
        p.drawLine(QPointF(x + 16, 36), QPointF(x, 52));
    }
    p.restore();
    // Sleeve cuffs and a border of dots where the sleeves meet the tunic.
    p.setPen(Qt::NoPen);
    p.setBrush(robe.trim);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(19.5, 41 + i * 3.5), 0.8, 0.8);
        p.drawEllipse(QPointF(52.5, 41 + i * 3.5), 0.8, 0.8);
    }
    // The front band with its buttons.
    p.setPen(outlinePen());
    p.setBrush(robe.trim);
    p.drawRect(QRectF(32.5, 33, 7, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(robe.second);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(36, 39 + i * 4.5), 1.1, 1.1);
    }
    p.restore();
}

// The collar: ermine for the king, a ruff for the queen, a plain band for the jack.
void paintCollar(QPainter& p, const Robe& robe, Court court) {
    p.setPen(outlinePen());
    if (court == Court::King) {
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(QRectF(26, 31, 20, 4.5), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(colour::cardBlack);
        for (int i = 0; i < 5; ++i) {
            p.drawRect(QRectF(28.2 + i * 3.6, 32.5, 0.9, 1.6));
        }
    } else if (court == Court::Queen) {
        p.setBrush(QColor(255, 255, 255));
        QPainterPath ruff;
        for (int i = 0; i < 7; ++i) {
            ruff.addEllipse(QPointF(26.5 + i * 3.15, 32.6), 2, 1.9);
        }
        ruff.setFillRule(Qt::WindingFill);
        p.drawPath(ruff.simplified());
    } else {
        p.setBrush(robe.second);
        p.drawRoundedRect(QRectF(28, 31.2, 16, 3.6), 1.5, 1.5);
    }
}

void paintHead(QPainter& p, Court court) {
    const QColor hair = colour::gold;
    p.setPen(outlinePen());
    // Hair behind the face: long for the queen, curled for the jack, full for the king.
    p.setBrush(hair);
    if (court == Court::Queen) {
        QPainterPath locks;
        locks.moveTo(29.5, 20);
        locks.cubicTo(27.5, 25, 27.5, 30, 29, 33.5);
        locks.lineTo(43, 33.5);
        locks.cubicTo(44.5, 30, 44.5, 25, 42.5, 20);
        locks.closeSubpath();
        p.drawPath(locks);
    } else if (court == Court::Jack) {
        p.drawEllipse(QPointF(30.8, 26), 2.4, 3.2);
        p.drawEllipse(QPointF(41.2, 26), 2.4, 3.2);
    } else {
        p.drawEllipse(QPointF(30.6, 24.5), 2.3, 3.5);
        p.drawEllipse(QPointF(41.4, 24.5), 2.3, 3.5);
    }

    p.setBrush(colour::flesh);
    p.drawEllipse(QPointF(36, 24.5), 5, 6);

    // Eyes, nose and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::cardBlack);
    p.drawEllipse(QPointF(34, 23.6), 0.7, 0.6);
    p.drawEllipse(QPointF(38, 23.6), 0.7, 0.6);
    p.setPen(QPen(QColor(150, 90, 60), 0.5));
    p.drawLine(QPointF(36, 24), QPointF(35.6, 26));
    p.setPen(QPen(colour::cardRed, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 27.3), QPointF(37, 27.3));
}

void paintBeard(QPainter& p) {
    QPainterPath beard;
    beard.moveTo(31.2, 25.5);
    beard.cubicTo(31.5, 30.5, 33.5, 32.5, 36, 32.8);
    beard.cubicTo(38.5, 32.5, 40.5, 30.5, 40.8, 25.5);
    beard.cubicTo(39.5, 27.5, 38, 28.2, 36, 28.2);
    beard.cubicTo(34, 28.2, 32.5, 27.5, 31.2, 25.5);
    p.setPen(outlinePen());
    p.setBrush(colour::gold);
    p.drawPath(beard);
}

void paintCrown(QPainter& p, Court court, const Robe& robe) {
    p.setPen(outlinePen());
    p.setBrush(colour::gold);
    if (court == Court::King) {
        p.drawPath(polygonPath({{30, 20.5},
                                {29.3, 12.5},
                                {32.3, 16},
                                {34.2, 11},
                                {36, 14.8},
                                {37.8, 11},
                                {39.7, 16},
                                {42.7, 12.5},
                                {42, 20.5}}));
        p.setPen(Qt::NoPen);
        p.setBrush(colour::cardRed);
        p.drawEllipse(QPointF(36, 18.4), 1.2, 1.2);
        p.setBrush(colour::courtBlue);
        p.drawEllipse(QPointF(32.4, 18.6), 0.9, 0.9);
        p.drawEllipse(QPointF(39.6, 18.6), 0.9, 0.9);
        p.setBrush(QColor(255, 255, 255));
        for (const QPointF& tip :
             {QPointF(29.3, 12.3), QPointF(34.2, 10.8), QPointF(37.8, 10.8), QPointF(42.7, 12.3)}) {
            p.drawEllipse(tip, 0.8, 0.8);
        }
    } else if (court == Court::Queen) {
        QPainterPath crown;
        crown.moveTo(30.5, 20.5);
        crown.lineTo(30.5, 16);
        crown.quadTo(33, 17.5, 33.3, 14.2);
        crown.quadTo(35, 16.5, 36, 13);
        crown.quadTo(37, 16.5, 38.7, 14.2);
        crown.quadTo(39, 17.5, 41.5, 16);
        crown.lineTo(41.5, 20.5);
        crown.closeSubpath();
        p.drawPath(crown);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        for (const QPointF& pearl : {QPointF(33.3, 13.9), QPointF(36, 12.6), QPointF(38.7, 13.9)}) {
            p.drawEllipse(pearl, 0.9, 0.9);
        }
        p.setBrush(robe.main);
        p.drawEllipse(QPointF(36, 18.5), 1.1, 1.1);
    } else {
        // The jack's low crowned cap with a feather.
        QPainterPath cap;
        cap.moveTo(29.5, 20.5);
        cap.cubicTo(29.5, 14.5, 42.5, 14.5, 42.5, 20.5);
        cap.closeSubpath();
        p.setBrush(robe.second);
        p.drawPath(cap);
        p.setBrush(colour::gold);
        p.drawRect(QRectF(29.5, 18.6, 13, 2.2));
        QPainterPath feather;
        feather.moveTo(40, 17);
        feather.cubicTo(43, 12, 47, 11.5, 49, 12.5);
        feather.cubicTo(46, 13.5, 43.5, 15.5, 41.5, 18);
        feather.closeSubpath();
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(feather);
    }
}

// What each court holds beside the face: a sword, a flower or a halberd.
void paintEmblem(QPainter& p, Court court, Suit suit) {
    p.setPen(outlinePen());
    if (court == Court::King) {
        p.setBrush(QColor(225, 228, 235));
        p.drawPath(polygonPath({{22.5, 14}, {24, 16}, {24, 42}, {21, 42}, {21, 16}}));
        p.setBrush(colour::gold);
        p.drawRect(QRectF(18.5, 41.5, 8, 2));
        p.setBrush(colour::flesh);
        p.drawEllipse(QPointF(22.5, 46), 2.5, 2.3);
    } else if (court == Court::Queen) {
        p.setPen(QPen(QColor(40, 120, 50), 0.9));
        p.drawLine(QPointF(49, 20), QPointF(47, 44));
        p.setPen(outlinePen());
        p.setBrush(QColor(60, 140, 60));
        p.drawEllipse(QPointF(46.2, 31), 2, 1);
        p.setBrush(colour::cardRed);
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 72.0 * std::numbers::pi / 180.0;
            p.drawEllipse(QPointF(49 + 2.1 * std::sin(a), 18 - 2.1 * std::cos(a)), 1.5, 1.5);
        }
        p.setBrush(colour::gold);
        p.drawEllipse(QPointF(49, 18), 1.2, 1.2);
        p.setBrush(colour::flesh);
        p.drawEllipse(QPointF(47, 45), 2.4, 2.2);
    } else {
        p.setBrush(QColor(150, 95, 45));
        p.drawRect(QRectF(21.5, 16, 2, 30));
        p.setBrush(QColor(225, 228, 235));
        p.drawPath(polygonPath({{22.5, 10.5}, {24.5, 16}, {20.5, 16}}));
        QPainterPath axe;
        axe.moveTo(23.5, 17);
        axe.cubicTo(27, 17.5, 27.5, 21, 27, 23);
        axe.lineTo(23.5, 21.5);
        axe.closeSubpath();
        p.drawPath(axe);
        p.setBrush(colour::flesh);
        p.drawEllipse(QPointF(22.5, 44), 2.5, 2.3);
    }
    // The suit mark on the side away from the emblem.
    p.setPen(Qt::NoPen);
    p.setBrush(inkOf(suit));
    const QPointF at = court == Court::Queen ? QPointF(21.5, 16.5) : QPointF(50.5, 18);
    p.drawPath(suitMark(suit, at, 7.5));
}

void paintCourtHalf(QPainter& p, Court court, Suit suit) {
    const Robe robe = robeFor(court, suit);
    paintRobe(p, robe);
    paintHead(p, court);
    paintCollar(p, robe, court);
    if (court == Court::King) {
        paintBeard(p);
    }
    paintCrown(p, court, robe);
    paintEmblem(p, court, suit);
}

void paintCourt(QPainter& p, Court court, Suit suit) {
    const QRectF frame(14.5, 9.5, 43, 81);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 251, 238));
    p.drawRect(frame);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            // The lower figure is the upper one turned, as on a double-headed court card.
            p.translate(72, 100);
            p.rotate(180);
        }
        p.setClipRect(QRectF(15, 10, 42, 39.5));
        paintCourtHalf(p, court, suit);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    // Two pixel rows straddle the centre line, so the rule stays crisp when the card is turned.
    p.setBrush(isRed(suit) ? QColor(216, 110, 120) : QColor(96, 96, 104));
    p.drawRect(QRectF(15, 49, 42, 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(inkOf(suit), 1));
    p.drawRect(frame);
}

} // namespace

void drawCardFace(QPainter& p, int card) {
    const Suit suit = suitOf(card);
    const int rank = rankOf(card);
    paintCardBase(p, QColor(255, 255, 255), colour::cardBlack);
    if (rank == 1) {
        paintAce(p, suit);
    } else if (rank <= 10) {
        p.setPen(Qt::NoPen);
        p.setBrush(inkOf(suit));
        for (const QPointF& at : pipLayout(rank)) {
            paintPip(p, suit, at, 12);
        }
    } else {
        paintCourt(p, static_cast<Court>(rank), suit);
    }
    paintIndex(p, card);
    p.save();
    p.translate(72, 100);
    p.rotate(180);
    paintIndex(p, card);
    p.restore();
}

namespace {

void paintBlossom(QPainter& p, QPointF centre, qreal radius, qreal turn) {
    const QColor petal(240, 150, 178);
    const QColor edge(214, 96, 138);
    p.setPen(QPen(edge, radius * 0.09));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(turn + i * 72.0);
        p.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.36, radius * 0.5);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 214, 226));
    p.drawEllipse(centre, radius * 0.32, radius * 0.32);
    p.setBrush(QColor(238, 180, 40));
    p.drawEllipse(centre, radius * 0.17, radius * 0.17);
}

void paintLeaf(QPainter& p, QPointF at, qreal length, qreal angle) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(132, 170, 110));
    p.drawPath(leaf);
    p.restore();
}

} // namespace

void drawCardBack(QPainter& p) {
    paintCardBase(p, QColor(252, 246, 228), QColor(70, 40, 48));
    const QRectF inner(4.5, 4.5, 63, 91);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(inner, 2, 2);
    p.setClipPath(clip);
    // Blossoms on a staggered lattice, each with a pair of leaves turned its own way, and buds
    // in the gaps between them.
    const qreal dx = 17;
    const qreal dy = 14;
    auto site = [&](int row, int col) {
        return QPointF(36 + (col - 1.5) * dx + ((row % 2 != 0) ? dx / 2 : 0), 50 + (row - 3) * dy);
    };
    const qreal leafTurns[3][2] = {{30, 160}, {-20, 200}, {100, 250}};
    for (int row = -2; row <= 8; ++row) {
        for (int col = -1; col <= 4; ++col) {
            const QPointF at = site(row, col);
            const auto& turns = leafTurns[(row + 2 * col + 9) % 3];
            paintLeaf(p, at, 8.5, turns[0]);
            paintLeaf(p, at, 7.5, turns[1]);
            p.setPen(QPen(QColor(214, 96, 138), 0.5));
            p.setBrush(QColor(244, 170, 196));
            for (const QPointF& bud : {at + QPointF(dx / 2, dy / 3), at + QPointF(0, dy * 2 / 3)}) {
                p.drawEllipse(bud, 1.4, 1.4);
            }
        }
    }
    for (int row = -2; row <= 8; ++row) {
        for (int col = -1; col <= 4; ++col) {
            paintBlossom(p, site(row, col), 5.4, (row * 3 + col) * 13.0);
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 60, 90), 1));
    p.drawRoundedRect(inner, 2, 2);
    p.setPen(QPen(QColor(70, 40, 48), 1));
    p.drawRoundedRect(QRectF(2.5, 2.5, 67, 95), 3, 3);
}

void drawBlank(QPainter& p, Blank kind) {
    paintCardBase(p, QColor(255, 255, 255), QColor(160, 160, 160));
    const QColor grey(206, 206, 206);
    const QColor pink(246, 196, 206);
    p.setPen(Qt::NoPen);
    // The suit's mark in the middle, each suit at the height that gives it the same weight.
    const auto mark = [&p](const QColor& colour, Suit suit, qreal height) {
        p.setBrush(colour);
        p.drawPath(suitMark(suit, QPointF(36, 50), height));
    };
    switch (kind) {
    case Blank::Plain:
        return;
    case Blank::Spades:
        return mark(grey, Suit::Spades, 34);
    case Blank::Diamonds:
        return mark(pink, Suit::Diamonds, 36);
    case Blank::Hearts:
        return mark(pink, Suit::Hearts, 32);
    case Blank::Clubs:
        return mark(grey, Suit::Clubs, 34);
    }
}

void drawClickHere(QPainter& p, const QString& words, const Typeface& face) {
    paintCardBase(p, QColor(255, 255, 255), QColor(48, 48, 64));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(48, 48, 64), 1));
    p.drawRoundedRect(QRectF(3.5, 3.5, 65, 93), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::slateBlue);
    // One line of words to a line of the card, at the English size where every line fits inside
    // the frame with a margin; a longer line makes all of them smaller alike, so they read as one.
    QList<QPainterPath> lines;
    qreal widest = 0;
    for (const QString& line : words.split(QLatin1Char('\n'))) {
        lines.append(face.path(line, 16));
        widest = std::max(widest, lines.last().boundingRect().width());
    }
    const qreal room = 58;
    const qreal s = widest > room ? room / widest : 1;
    // Baselines 20 pixels apart at the English size, the block kept on the card's middle as it
    // shrinks (its capitals are about 12 pixels high).
    const qreal middle = 50 + 6 * s;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QPainterPath line = lines[i];
        if (s < 1) {
            line = QTransform::fromScale(s, s).map(line);
        }
        const qreal baseline =
            middle + 20 * s * (static_cast<qreal>(i) - static_cast<qreal>(lines.size() - 1) / 2);
        p.drawPath(line.translated(
            36 - line.boundingRect().width() / 2 - line.boundingRect().left(), baseline));
    }
}

} // namespace artgen
