#include "tools/artgen/artgen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace artgen {

namespace {

const QColor bronzeDark(92, 58, 26);
const QColor bronze(176, 120, 58);
const QColor bronzeLight(232, 190, 120);
const QColor copper(184, 98, 52);
const QColor copperLight(236, 160, 110);
const QColor copperDark(112, 52, 24);
const QColor parchment(244, 230, 196);
const QColor parchmentEdge(222, 194, 140);
const QColor splashBlue(30, 44, 110);

// A moulded picture frame: bevelled bands with a row of beads and a rosette in each corner.
void paintOrnateFrame(QPainter& p, const QRectF& outer, qreal width, const QColor& dark,
                      const QColor& mid, const QColor& light) {
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    const qreal w = width;

    // Each side is a moulding shaded across its width: a rounded outer lip, a dark channel
    // that holds the beads, and a bright inner fillet. Light falls from the top left, so the
    // bottom and right sides are a shade darker.
    struct Side {
        QPolygonF shape;
        QPointF from;
        QPointF to;
        bool lit;
    };
    const Side sides[] = {
        {QPolygonF({outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()}),
         QPointF(0, outer.top()), QPointF(0, inner.top()), true},
        {QPolygonF({outer.topLeft(), outer.bottomLeft(), inner.bottomLeft(), inner.topLeft()}),
         QPointF(outer.left(), 0), QPointF(inner.left(), 0), true},
        {QPolygonF(
             {outer.bottomLeft(), outer.bottomRight(), inner.bottomRight(), inner.bottomLeft()}),
         QPointF(0, outer.bottom()), QPointF(0, inner.bottom()), false},
        {QPolygonF({outer.topRight(), outer.bottomRight(), inner.bottomRight(), inner.topRight()}),
         QPointF(outer.right(), 0), QPointF(inner.right(), 0), false},
    };
    p.setPen(Qt::NoPen);
    for (const Side& side : sides) {
        auto tone = [&](const QColor& c) { return side.lit ? c : c.darker(118); };
        QLinearGradient g(side.from, side.to);
        g.setColorAt(0, tone(dark));
        g.setColorAt(0.12, tone(light));
        g.setColorAt(0.38, tone(mid));
        g.setColorAt(0.5, tone(dark));
        g.setColorAt(0.75, tone(dark.lighter(125)));
        g.setColorAt(0.84, tone(light));
        g.setColorAt(1, tone(mid));
        p.setBrush(g);
        p.drawPolygon(side.shape);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark.darker(130), 1));
    p.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    p.drawRect(inner.adjusted(-0.5, -0.5, 0.5, 0.5));

    // Beads along the middle of the band.
    const QRectF track = outer.adjusted(w * 0.62, w * 0.62, -w * 0.62, -w * 0.62);
    const qreal bead = std::max(1.2, w * 0.13);
    auto beadsAlong = [&](QPointF a, QPointF b) {
        const qreal len = std::hypot(b.x() - a.x(), b.y() - a.y());
        const int n = std::max(2, static_cast<int>(len / (bead * 3.2)));
        for (int i = 0; i <= n; ++i) {
            const QPointF c = a + (b - a) * (static_cast<qreal>(i) / n);
            QRadialGradient g(c - QPointF(bead * 0.35, bead * 0.35), bead * 1.2);
            g.setColorAt(0, light.lighter(115));
            g.setColorAt(1, dark);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, bead, bead);
        }
    };
    beadsAlong(track.topLeft(), track.topRight());
    beadsAlong(track.bottomLeft(), track.bottomRight());
    beadsAlong(track.topLeft(), track.bottomLeft());
    beadsAlong(track.topRight(), track.bottomRight());

    // Corner rosettes.
    for (const QPointF& c :
         {outer.topLeft() + QPointF(w / 2, w / 2), outer.topRight() + QPointF(-w / 2, w / 2),
          outer.bottomLeft() + QPointF(w / 2, -w / 2),
          outer.bottomRight() + QPointF(-w / 2, -w / 2)}) {
        const qreal r = w * 0.62;
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
        g.setColorAt(0, light.lighter(112));
        g.setColorAt(0.5, light);
        g.setColorAt(1, mid);
        p.setPen(QPen(dark, std::max(0.6, w * 0.04)));
        p.setBrush(g);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45.0);
            p.drawEllipse(QPointF(0, -r * 0.55), r * 0.26, r * 0.45);
            p.restore();
        }
        p.setBrush(dark);
        p.drawEllipse(c, r * 0.3, r * 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(light.lighter(115));
        p.drawEllipse(c - QPointF(r * 0.08, r * 0.08), r * 0.15, r * 0.15);
    }
}

void paintParchment(QPainter& p, const QRectF& panel, unsigned seed) {
    QRadialGradient g(panel.center(), std::max(panel.width(), panel.height()) * 0.7);
    g.setColorAt(0, parchment.lighter(103));
    g.setColorAt(0.7, parchment);
    g.setColorAt(1, parchmentEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(panel);
    // Faint fibres; a fixed seed keeps every run identical.
    std::mt19937 rng(seed);
    std::uniform_real_distribution<qreal> ux(panel.left(), panel.right());
    std::uniform_real_distribution<qreal> uy(panel.top(), panel.bottom());
    std::uniform_real_distribution<qreal> len(4, 14);
    p.save();
    p.setClipRect(panel);
    for (int i = 0; i < static_cast<int>(panel.width() * panel.height() / 260); ++i) {
        const QPointF a(ux(rng), uy(rng));
        const qreal l = len(rng);
        p.setPen(QPen(QColor(170, 130, 70, 26), 0.7));
        p.drawLine(a, a + QPointF(l, l * 0.12));
    }
    p.restore();
}

// The frame's shadow falling a few pixels onto the panel it holds.
void paintInnerShadow(QPainter& p, const QRectF& panel, int depth) {
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < depth; ++i) {
        p.setPen(QPen(QColor(70, 40, 10, 60 * (depth - i) / depth), 1));
        p.drawRect(panel.adjusted(i + 0.5, i + 0.5, -i - 0.5, -i - 0.5));
    }
}

QPainterPath textPath(const Typeface& face, const QString& text, qreal size, qreal spacing = 0) {
    return face.path(text, size, spacing);
}

void paintTitleText(QPainter& p, const QPainterPath& path, const QColor& colour, qreal shadow) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 90, 70));
    p.drawPath(path.translated(shadow, shadow));
    QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(150), shadow * 0.35));
    p.drawPath(path);
}

// A card at any size and angle, drawn with the same code as the card pictures.
void paintCardAt(QPainter& p, int card, QPointF pivot, qreal angle, qreal scale) {
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.scale(scale, scale);
    p.translate(-36, -100);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20, 40));
    p.drawRoundedRect(QRectF(2, 2, 72, 100), 5, 5);
    drawCardFace(p, card);
    p.restore();
}

} // namespace

void drawIcon(QPainter& p, int size) {
    const qreal s = size;
    QPainterPath diamond;
    diamond.moveTo(s * 0.5, s * 0.03);
    diamond.quadTo(s * 0.62, s * 0.3, s * 0.86, s * 0.5);
    diamond.quadTo(s * 0.62, s * 0.7, s * 0.5, s * 0.97);
    diamond.quadTo(s * 0.38, s * 0.7, s * 0.14, s * 0.5);
    diamond.quadTo(s * 0.38, s * 0.3, s * 0.5, s * 0.03);
    QLinearGradient g(QPointF(s * 0.2, s * 0.1), QPointF(s * 0.8, s * 0.9));
    g.setColorAt(0, QColor(240, 70, 70));
    g.setColorAt(0.5, QColor(208, 20, 36));
    g.setColorAt(1, QColor(150, 8, 24));
    p.setPen(QPen(QColor(110, 0, 16), std::max(1.0, s / 48)));
    p.setBrush(g);
    p.drawPath(diamond);
    // A soft highlight on the upper left facet.
    QPainterPath glint;
    glint.moveTo(s * 0.5, s * 0.13);
    glint.quadTo(s * 0.42, s * 0.32, s * 0.26, s * 0.5);
    glint.quadTo(s * 0.42, s * 0.4, s * 0.5, s * 0.13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(glint);
}

void drawSplashArtwork(QPainter& p) {
    p.fillRect(QRectF(0, 0, 400, 372), QColor(255, 255, 255));
    const QRectF outer(10, 70, 322, 296);
    const qreal frameWidth = 22;
    const QRectF panel = outer.adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(outer.translated(3, 3));
    paintParchment(p, panel, 1729);
    paintInnerShadow(p, panel, 6);
    paintOrnateFrame(p, outer, frameWidth, bronzeDark, bronze, bronzeLight);

    // A suit mark in each corner of the panel.
    const qreal m = 22;
    const qreal inset = 18;
    p.setPen(QPen(QColor(60, 40, 20, 90), 0.8));
    p.setBrush(colour::cardRed);
    p.drawPath(suitMark(Suit::Hearts, panel.topLeft() + QPointF(inset, inset), m));
    p.setBrush(splashBlue);
    p.drawPath(suitMark(Suit::Clubs, panel.topRight() + QPointF(-inset, inset), m));
    p.drawPath(suitMark(Suit::Spades, panel.bottomLeft() + QPointF(inset, -inset), m));
    p.setBrush(colour::cardRed);
    p.drawPath(suitMark(Suit::Diamonds, panel.bottomRight() + QPointF(-inset, -inset), m));

    // A fan of cards in the middle of the panel.
    // The top card lies to the right, so the fan turns about a point left of the centre.
    const QPointF pivot(panel.center().x() - 5, panel.bottom() - 50);
    const int fan[] = {1, 52, 38, 24, 13};
    for (int i = 0; i < 5; ++i) {
        paintCardAt(p, fan[i], pivot, -36 + i * 18, 1.45);
    }

    // The title: the first word across the top, the second down the right-hand side.
    const Typeface& face = fonts().title;
    QPainterPath first = textPath(face, QStringLiteral("Veltrane"), 64);
    first.translate(392 - first.boundingRect().right(), 58 - 0);
    paintTitleText(p, first, colour::slatePurple, 2.5);
    // A flourish leads the eye from the left edge into the title.
    const qreal ruleY = 56.5;
    const qreal ruleEnd = first.boundingRect().left() - 10;
    QLinearGradient fade(QPointF(14, 0), QPointF(ruleEnd, 0));
    fade.setColorAt(0, QColor(96, 78, 150, 0));
    fade.setColorAt(1, colour::slatePurple);
    p.setPen(QPen(QBrush(fade), 1));
    p.drawLine(QPointF(14, ruleY), QPointF(ruleEnd, ruleY));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::slatePurple);
    p.drawPath(suitMark(Suit::Diamonds, QPointF(ruleEnd + 2, ruleY), 7));
    QPainterPath second = textPath(face, QStringLiteral("Solitaire"), 60);
    QTransform down;
    down.translate(346, 74);
    down.rotate(90);
    second = down.map(second.translated(-second.boundingRect().left(), 0));
    paintTitleText(p, second, colour::slatePurple, 2.5);
}

void drawSplash(QPainter& p) {
    drawSplashArtwork(p);
    p.fillRect(QRectF(0, 372, 400, 28), QColor(255, 255, 255));
    p.fillRect(QRectF(10, 372, 380, 17), colour::navy);
    QPainterPath enter = fonts().sans.path(QStringLiteral("ENTER HERE"), 10.5, 3.2);
    const QRectF r = enter.boundingRect();
    // Centred on the clickable strip, which spans 139..269.
    enter.translate(204 - r.center().x(), 380.5 - r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(enter);
}

void drawEnterBand(QPainter& p, const QString& words, const Typeface& face) {
    p.fillRect(QRectF(0, 0, 380, 17), colour::navy);
    QPainterPath enter = face.path(words, 10.5, 3.2);
    // Longer words shrink to the clickable strip, 130 pixels from x = 129 of the band, less a
    // margin; shorter ones keep the English size.
    const qreal room = 124;
    if (enter.boundingRect().width() > room) {
        const qreal s = room / enter.boundingRect().width();
        enter = QTransform::fromScale(s, s).map(enter);
    }
    const QRectF r = enter.boundingRect();
    enter.translate(194 - r.center().x(), 8.5 - r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(enter);
}

void drawWin(QPainter& p) {
    p.fillRect(QRectF(0, 0, 308, 126), QColor(255, 255, 255));
    p.save();
    p.translate(6, 8);
    p.scale(0.3, 0.3);
    p.setClipRect(QRectF(0, 0, 400, 370));
    drawSplashArtwork(p);
    p.restore();

    const QPainterPath words =
        fittedInto(fonts().italic.path(QStringLiteral("Well Done!"), 38), QRectF(132, 24, 164, 52));
    const QRectF r = words.boundingRect();
    // Raised letters: light above left, shadow below right, grey face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(words.translated(1.5, 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(words.translated(-1, -1));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(178, 178, 178));
    g.setColorAt(1, QColor(136, 136, 136));
    p.setBrush(g);
    p.drawPath(words);

    p.setBrush(Qt::NoBrush);
    // The dialog shows 307 pixels of the picture's width, so the right-hand border line sits
    // in the last visible column rather than the one that is cut off.
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawRect(QRectF(0.5, 0.5, 306, 125));
    p.fillRect(QRectF(307, 0, 1, 126), QColor(255, 255, 255));
}

void drawLogo(QPainter& p) {
    p.fillRect(QRectF(0, 0, 136, 98), QColor(0, 0, 0));
    QPainterPath name = fonts().maker.path(QStringLiteral("ORVIK"), 44, 1);
    name = fittedInto(name, QRectF(10, 18, 116, 40));
    QLinearGradient g(name.boundingRect().topLeft(), name.boundingRect().bottomLeft());
    g.setColorAt(0, QColor(255, 232, 90));
    g.setColorAt(1, QColor(240, 184, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(name);
    p.fillRect(QRectF(18, 66, 100, 1), QColor(240, 184, 0));
    QPainterPath tag = fonts().tagline.path(QStringLiteral("games for quiet hours"), 9.5);
    const QRectF t = tag.boundingRect();
    tag.translate(68 - t.center().x(), 81 - 0 - 0);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(tag);
}

void drawTitleArt(QPainter& p) {
    p.fillRect(QRectF(0, 0, 100, 147), QColor(255, 255, 255));
    // The card frame whose top-right corner the lettering wraps around.
    const QRectF card(5, 34, 70, 106);
    paintOrnateFrame(p, card, 8, copperDark, copper, copperLight);
    const QRectF panel = card.adjusted(8, 8, -8, -8);
    p.fillRect(panel, QColor(255, 250, 238));
    paintInnerShadow(p, panel, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::cardBlack);
    p.drawPath(suitMark(Suit::Clubs, panel.center(), 30));

    const Typeface& face = fonts().title;
    QPainterPath first = face.path(QStringLiteral("Veltrane"), 26);
    first = fittedInto(first, QRectF(4, 4, 92, 26));
    paintTitleText(p, first, QColor(110, 50, 150), 1);
    QPainterPath second = face.path(QStringLiteral("Solitaire"), 24);
    QTransform down;
    down.rotate(90);
    second = down.map(second);
    second = fittedInto(second, QRectF(79, 36, 19, 104));
    paintTitleText(p, second, QColor(110, 50, 150), 1);
}

} // namespace artgen
