// veltrane-artgen FOLDER TRANSLATIONS: draws every picture of the game into FOLDER/pictures and
// a contact sheet of them all into FOLDER/contact_sheet.png; the splash's ENTER HERE band and
// the stock's Click Here card come once per language, in the words of
// TRANSLATIONS/veltrane_<language>.ts. The same program gives the same files.

#include "tools/artgen/artgen.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace artgen;

namespace {

struct Picture {
    QString name;
    QSize size;
    std::function<void(QPainter&)> draw;
    bool opaque = false;
    bool withDouble = true;
};

QImage render(const Picture& pic, int scale) {
    QImage image(pic.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    pic.draw(p);
    p.end();
    return image.convertToFormat(pic.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

// The translation of a source text in a translation source, or empty.
QString translationIn(const QString& tsFile, const QString& text) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && source == text) {
            return xml.readElementText();
        }
    }
    return {};
}

// The pictures whose words the player must read: one ENTER HERE band and one Click Here card
// per language that has their words translated, the bands first.
QList<Picture> picturesInLanguages(const QString& translations) {
    QList<Picture> list;
    QList<Picture> cards;
    const QStringList sources =
        QDir(translations).entryList({QStringLiteral("veltrane_*.ts")}, QDir::Files, QDir::Name);
    for (const QString& name : sources) {
        const QString language = name.mid(9).chopped(3);
        const QString file = QDir(translations).filePath(name);
        const bool cjk =
            language.startsWith(QLatin1String("ja")) || language.startsWith(QLatin1String("zh"));
        const Typeface& face = cjk ? fonts().cjk : fonts().sans;
        const QString enter = translationIn(file, QStringLiteral("ENTER HERE"));
        if (!enter.isEmpty()) {
            list.append({QStringLiteral("enter_") + language, QSize(380, 17),
                         [enter, &face](QPainter& p) { drawEnterBand(p, enter, face); }, true});
        }
        const QString click = translationIn(file, QStringLiteral("Click\nHere"));
        if (!click.isEmpty()) {
            cards.append({QStringLiteral("click_") + language, QSize(72, 100),
                          [click, &face](QPainter& p) { drawClickHere(p, click, face); }});
        }
    }
    return list + cards;
}

QList<Picture> allPictures() {
    QList<Picture> list;
    const QSize card(72, 100);
    for (int n = 0; n <= 52; ++n) {
        const QString name = QStringLiteral("card_%1").arg(n, 2, 10, QLatin1Char('0'));
        if (n == 0) {
            list.append({name, card, [](QPainter& p) { drawCardBack(p); }});
        } else {
            list.append({name, card, [n](QPainter& p) { drawCardFace(p, n); }});
        }
    }
    const std::pair<const char*, Blank> blanks[] = {
        {"blank", Blank::Plain},
        {"blank_spades", Blank::Spades},
        {"blank_diamonds", Blank::Diamonds},
        {"blank_hearts", Blank::Hearts},
        {"blank_clubs", Blank::Clubs},
    };
    for (const auto& [name, kind] : blanks) {
        const Blank k = kind;
        list.append({QString::fromLatin1(name), card, [k](QPainter& p) { drawBlank(p, k); }});
    }
    list.append({QStringLiteral("click"), card, [](QPainter& p) {
                     drawClickHere(p, QStringLiteral("Click\nHere"), fonts().sans);
                 }});
    for (int size : {32, 48, 64, 128, 256}) {
        list.append({QStringLiteral("icon_%1").arg(size), QSize(size, size),
                     [size](QPainter& p) { drawIcon(p, size); }, false, false});
    }
    list.append(
        {QStringLiteral("splash"), QSize(400, 400), [](QPainter& p) { drawSplash(p); }, true});
    list.append({QStringLiteral("win"), QSize(308, 126), [](QPainter& p) { drawWin(p); }, true});
    list.append({QStringLiteral("logo"), QSize(136, 98), [](QPainter& p) { drawLogo(p); }, true});
    list.append(
        {QStringLiteral("title"), QSize(100, 147), [](QPainter& p) { drawTitleArt(p); }, true});
    return list;
}

bool save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "veltrane-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Qt's own remarks about the off-screen session say nothing about the pictures.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "veltrane-artgen: %s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

int main(int argc, char** argv) {
    // The pictures are drawn off screen; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: veltrane-artgen FOLDER TRANSLATIONS\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("pictures"))) {
        std::fprintf(stderr, "veltrane-artgen: cannot create %s/pictures\n", qPrintable(args[1]));
        return 1;
    }
    const QString folder = out.filePath(QStringLiteral("pictures"));

    QList<SheetEntry> oneX;
    QList<SheetEntry> twoX;
    bool ok = true;
    for (const Picture& pic : allPictures() + picturesInLanguages(args[2])) {
        const QImage single = render(pic, 1);
        ok = save(single, folder + QLatin1Char('/') + pic.name + QStringLiteral(".png")) && ok;
        oneX.append({pic.name, single});
        if (pic.withDouble) {
            const QImage twice = render(pic, 2);
            ok =
                save(twice, folder + QLatin1Char('/') + pic.name + QStringLiteral("@2x.png")) && ok;
            twoX.append({pic.name, twice});
        }
    }
    for (int scale : {1, 2}) {
        const QString name =
            scale == 1 ? QStringLiteral("hand_cursor.png") : QStringLiteral("hand_cursor@2x.png");
        const QImage cursor = renderHandCursor(scale);
        ok = save(cursor, folder + QLatin1Char('/') + name) && ok;
        (scale == 1 ? oneX : twoX).append({QStringLiteral("hand_cursor"), cursor});
    }
    ok = save(renderContactSheet(oneX, twoX), out.filePath(QStringLiteral("contact_sheet.png"))) &&
         ok;
    return ok ? 0 : 1;
}
