#include "tools/artgen/artgen.h"

#include <QTransform>
#include <cstdio>
#include <cstdlib>

namespace artgen {

namespace {
// Outlines are taken at a large size and scaled down, so small text keeps its true shapes.
constexpr qreal designSize = 256;
} // namespace

Typeface::Typeface(const QString& file) : raw_(file, designSize, QFont::PreferNoHinting) {
    if (!raw_.isValid()) {
        std::fprintf(stderr, "veltrane-artgen: cannot read the font %s\n", qPrintable(file));
        std::exit(1);
    }
}

QPainterPath Typeface::path(const QString& text, qreal pixelSize, qreal letterSpacing) const {
    const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    const qreal scale = pixelSize / designSize;
    QPainterPath out;
    qreal x = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QPainterPath glyph = raw_.pathForGlyph(glyphs[i]);
        out.addPath(QTransform::fromTranslate(x, 0).scale(scale, scale).map(glyph));
        x += advances[i].x() * scale + letterSpacing;
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

const Fonts& fonts() {
    static const Fonts loaded{
        Typeface("/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf"),
        Typeface("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
        Typeface("/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf"),
        Typeface("/usr/share/fonts/opentype/urw-base35/C059-BdIta.otf"),
        Typeface("/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf"),
        Typeface("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
        Typeface("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"),
    };
    return loaded;
}

QPainterPath centredAt(const QPainterPath& path, QPointF centre) {
    return path.translated(centre - path.boundingRect().center());
}

QPainterPath fittedInto(const QPainterPath& path, const QRectF& box) {
    const QRectF r = path.boundingRect();
    const qreal s = std::min(box.width() / r.width(), box.height() / r.height());
    const QPainterPath scaled = QTransform::fromScale(s, s).map(path);
    return centredAt(scaled, box.center());
}

QPainterPath suitPath(Suit s) {
    QPainterPath p;
    switch (s) {
    case Suit::Hearts:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.12, 0.32, -0.5, 0.12, -0.5, -0.18);
        p.cubicTo(-0.5, -0.38, -0.38, -0.5, -0.25, -0.5);
        p.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
        p.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
        p.cubicTo(0.38, -0.5, 0.5, -0.38, 0.5, -0.18);
        p.cubicTo(0.5, 0.12, 0.12, 0.32, 0, 0.5);
        break;
    case Suit::Diamonds:
        p.moveTo(0, -0.5);
        p.quadTo(0.14, -0.2, 0.38, 0);
        p.quadTo(0.14, 0.2, 0, 0.5);
        p.quadTo(-0.14, 0.2, -0.38, 0);
        p.quadTo(-0.14, -0.2, 0, -0.5);
        break;
    case Suit::Spades:
        p.moveTo(0, -0.5);
        p.cubicTo(0.1, -0.3, 0.5, -0.12, 0.5, 0.12);
        p.cubicTo(0.5, 0.3, 0.36, 0.38, 0.25, 0.38);
        p.cubicTo(0.14, 0.38, 0.07, 0.33, 0.04, 0.26);
        p.cubicTo(0.06, 0.38, 0.12, 0.46, 0.22, 0.5);
        p.lineTo(-0.22, 0.5);
        p.cubicTo(-0.12, 0.46, -0.06, 0.38, -0.04, 0.26);
        p.cubicTo(-0.07, 0.33, -0.14, 0.38, -0.25, 0.38);
        p.cubicTo(-0.36, 0.38, -0.5, 0.3, -0.5, 0.12);
        p.cubicTo(-0.5, -0.12, -0.1, -0.3, 0, -0.5);
        break;
    case Suit::Clubs: {
        const qreal r = 0.215;
        p.addEllipse(QPointF(0, -0.5 + r), r, r);
        p.addEllipse(QPointF(-0.5 + r, 0.07), r, r);
        p.addEllipse(QPointF(0.5 - r, 0.07), r, r);
        QPainterPath stem;
        stem.moveTo(-0.07, -0.1);
        stem.lineTo(0.07, -0.1);
        stem.lineTo(0.07, 0.2);
        stem.cubicTo(0.08, 0.36, 0.13, 0.45, 0.22, 0.5);
        stem.lineTo(-0.22, 0.5);
        stem.cubicTo(-0.13, 0.45, -0.08, 0.36, -0.07, 0.2);
        stem.closeSubpath();
        QPainterPath core;
        core.addEllipse(QPointF(0, 0.02), 0.16, 0.16);
        p = p.united(stem).united(core);
        break;
    }
    }
    p.closeSubpath();
    p.setFillRule(Qt::WindingFill);
    return p;
}

QPainterPath suitMark(Suit s, QPointF centre, qreal height, bool turned) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (turned) {
        t.rotate(180);
    }
    t.scale(height, height);
    return t.map(suitPath(s));
}

QPainterPath polygonPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.moveTo(*corners.begin());
    for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner) {
        path.lineTo(*corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath cardOutline() {
    QPainterPath p;
    p.addRoundedRect(QRectF(0.5, 0.5, 71, 99), 4.5, 4.5);
    return p;
}

} // namespace artgen
