// Shared drawing vocabulary of the picture generator. Every picture is drawn in its own 1x
// pixel coordinates; the @2x version is the same drawing on a painter scaled by two.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <initializer_list>

namespace artgen {

enum class Suit { Spades, Diamonds, Clubs, Hearts };

// Card numbers run 1..13 spades, 14..26 diamonds, 27..39 clubs, 40..52 hearts, ace to king.
inline Suit suitOf(int card) {
    return static_cast<Suit>((card - 1) / 13);
}
inline int rankOf(int card) {
    return (card - 1) % 13 + 1;
}
inline bool isRed(Suit s) {
    return s == Suit::Diamonds || s == Suit::Hearts;
}

namespace colour {
inline const QColor cardRed{196, 18, 40};
inline const QColor cardBlack{22, 22, 26};
inline const QColor gold{236, 186, 38};
inline const QColor courtBlue{38, 70, 160};
inline const QColor flesh{250, 218, 184};
inline const QColor slatePurple{96, 78, 150};
inline const QColor navy{22, 34, 72};
inline const QColor slateBlue{60, 52, 128};
} // namespace colour

// A font read straight from its file, so the pictures do not depend on the font configuration.
// Text becomes outlines, which the rasteriser draws the same way on every run.
class Typeface {
  public:
    explicit Typeface(const QString& file);
    // The outline of a line of text at the given pixel size, baseline at y = 0, starting at x = 0.
    // Extra spacing is added between letters.
    QPainterPath path(const QString& text, qreal pixelSize, qreal letterSpacing = 0) const;

  private:
    QRawFont raw_;
};

struct Fonts {
    Typeface index;   // card indexes and small captions: a narrow bold sans
    Typeface sans;    // plain bold sans for captions
    Typeface title;   // the game's title: a bold old-style serif
    Typeface italic;  // Well Done!: a bold italic serif
    Typeface maker;   // the maker's name
    Typeface tagline; // the maker's tagline
    Typeface cjk;     // the words of the Japanese and Chinese pictures: a bold CJK sans
};
const Fonts& fonts();

// A path's bounding box moved so that its centre lies at the given point.
QPainterPath centredAt(const QPainterPath& path, QPointF centre);
// A path scaled uniformly so that its height (or width, if that binds first) fits the box.
QPainterPath fittedInto(const QPainterPath& path, const QRectF& box);

// The suit mark of unit height centred on the origin.
QPainterPath suitPath(Suit s);
// The suit mark of the given height centred at a point, optionally turned upside down.
QPainterPath suitMark(Suit s, QPointF centre, qreal height, bool turned = false);

// A closed outline through the given corners, in order.
QPainterPath polygonPath(std::initializer_list<QPointF> corners);

// The outline every card shape shares: 72 x 100 with rounded corners, on pixel centres.
QPainterPath cardOutline();

// The pictures, each in its own 1x coordinates.
void drawCardFace(QPainter& p, int card);
void drawCardBack(QPainter& p);
enum class Blank { Plain, Spades, Diamonds, Hearts, Clubs };
void drawBlank(QPainter& p, Blank kind);
// The stock's Click Here card with the given words, one line of the card to a line of words.
void drawClickHere(QPainter& p, const QString& words, const Typeface& face);
void drawIcon(QPainter& p, int size);
void drawSplash(QPainter& p);
void drawSplashArtwork(QPainter& p); // the splash without its ENTER HERE band
// The splash's ENTER HERE band (380 x 17, drawn over the splash at 10, 372) in another language.
void drawEnterBand(QPainter& p, const QString& words, const Typeface& face);
void drawWin(QPainter& p);
void drawLogo(QPainter& p);
void drawTitleArt(QPainter& p);

// The hand cursor at 1x (scale 1) or @2x (scale 2): pure black, white and transparent pixels.
QImage renderHandCursor(int scale);

// A sheet of every picture at both scales, for review at a glance.
struct SheetEntry {
    QString name;
    QImage image;
};
QImage renderContactSheet(const QList<SheetEntry>& oneX, const QList<SheetEntry>& twoX);

} // namespace artgen
