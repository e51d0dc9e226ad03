// The pictures the game carries: every one present in the program's resources at its size,
// card shapes with clear corners, distinct faces, a true monochrome cursor, and a committed set
// that the generator reproduces, but for the rounding steps that differ between processors.

#include "picture_compare.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

struct Expected {
    QString name;
    QSize size;
    bool withDouble;
};

std::vector<Expected> expectedPictures() {
    std::vector<Expected> list;
    const QSize card(72, 100);
    for (int n = 0; n <= 52; ++n) {
        list.push_back({QStringLiteral("card_%1").arg(n, 2, 10, QLatin1Char('0')), card, true});
    }
    for (const char* name :
         {"blank", "click", "blank_spades", "blank_diamonds", "blank_hearts", "blank_clubs"}) {
        list.push_back({QString::fromLatin1(name), card, true});
    }
    for (int size : {32, 48, 64, 128, 256}) {
        list.push_back({QStringLiteral("icon_%1").arg(size), QSize(size, size), false});
    }
    list.push_back({QStringLiteral("splash"), QSize(400, 400), true});
    list.push_back({QStringLiteral("win"), QSize(308, 126), true});
    list.push_back({QStringLiteral("logo"), QSize(136, 98), true});
    list.push_back({QStringLiteral("title"), QSize(100, 147), true});
    list.push_back({QStringLiteral("hand_cursor"), QSize(32, 32), true});
    // The splash's ENTER HERE band and the stock's Click Here card in each shipped language.
    const QStringList sources = QDir(QStringLiteral(VELTRANE_TRANSLATIONS_DIR))
                                    .entryList({QStringLiteral("veltrane_*.ts")}, QDir::Files);
    for (const QString& source : sources) {
        list.push_back({QStringLiteral("enter_") + source.mid(9).chopped(3), QSize(380, 17), true});
        list.push_back({QStringLiteral("click_") + source.mid(9).chopped(3), card, true});
    }
    return list;
}

QImage resource(const QString& file) {
    return QImage(QStringLiteral(":/pictures/") + file).convertToFormat(QImage::Format_ARGB32);
}

QImage card(int n, int scale = 1) {
    return resource(QStringLiteral("card_%1%2.png")
                        .arg(n, 2, 10, QLatin1Char('0'))
                        .arg(scale == 2 ? QStringLiteral("@2x") : QString()));
}

bool isRedInk(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

TEST(Pictures, EveryPictureIsCompiledInAtItsSizeAndDoubleSize) {
    for (const Expected& e : expectedPictures()) {
        const QImage single = resource(e.name + QStringLiteral(".png"));
        EXPECT_EQ(single.size(), e.size) << qPrintable(e.name);
        if (e.withDouble) {
            const QImage twice = resource(e.name + QStringLiteral("@2x.png"));
            EXPECT_EQ(twice.size(), e.size * 2) << qPrintable(e.name);
        }
    }
}

TEST(Pictures, CardShapesHaveClearCornersAndSolidMiddles) {
    const char* names[] = {"blank",          "click",        "blank_spades",
                           "blank_diamonds", "blank_hearts", "blank_clubs",
                           "card_00",        "card_01",      "card_52"};
    for (const char* name : names) {
        for (int scale : {1, 2}) {
            const QImage img =
                resource(QString::fromLatin1(name) +
                         (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
            ASSERT_FALSE(img.isNull()) << name;
            const int w = img.width() - 1;
            const int h = img.height() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
                EXPECT_EQ(qAlpha(img.pixel(corner)), 0) << name << " @" << scale;
            }
            EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255) << name;
            // The edges midway along each side belong to the card's outline.
            EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, 0)), 255) << name;
            EXPECT_EQ(qAlpha(img.pixel(0, img.height() / 2)), 255) << name;
        }
    }
}

TEST(Pictures, OutlinesAreCrispAtSingleSize) {
    // A 1-pixel outline on pixel centres is fully dark along the straight edges of the card,
    // and the pixel just inside it is pure white.
    for (int n : {1, 20, 33, 49}) {
        const QImage img = card(n);
        for (int y = 10; y < 90; ++y) {
            EXPECT_EQ(img.pixel(0, y), img.pixel(71, y)) << n;
            EXPECT_LT(qGray(img.pixel(0, y)), 60) << "card " << n << " row " << y;
            EXPECT_EQ(img.pixel(1, y), qRgba(255, 255, 255, 255)) << "card " << n << " row " << y;
        }
    }
}

TEST(Pictures, FacesOfEachSuitDifferAndRedSuitsUseRed) {
    for (int suit = 0; suit < 4; ++suit) {
        std::set<QByteArray> seen;
        const bool red = suit == 1 || suit == 3;
        for (int rank = 1; rank <= 13; ++rank) {
            const QImage face = card(suit * 13 + rank);
            ASSERT_FALSE(face.isNull());
            seen.insert(
                QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
            int redPixels = 0;
            for (int y = 0; y < face.height(); ++y) {
                for (int x = 0; x < face.width(); ++x) {
                    redPixels += isRedInk(face.pixel(x, y)) ? 1 : 0;
                }
            }
            // Court figures wear red in every suit; the plain pips and indexes of black suits do
            // not.
            if (red) {
                EXPECT_GT(redPixels, 30) << "card " << suit * 13 + rank;
            } else if (rank >= 2 && rank <= 10) {
                EXPECT_EQ(redPixels, 0) << "card " << suit * 13 + rank;
            }
        }
        EXPECT_EQ(seen.size(), 13u) << "suit " << suit;
    }
    EXPECT_NE(card(0), card(1));
}

TEST(Pictures, SplashBandCoversTheEnterHereStrip) {
    // The board opens from a click on 139..269 x 372..389; the navy band and its white words
    // must be exactly there, or the player clicks on nothing.
    const QImage splash = resource(QStringLiteral("splash.png"));
    ASSERT_EQ(splash.size(), QSize(400, 400));
    auto navy = [](QRgb c) { return qBlue(c) > qRed(c) + 25 && qGray(c) < 70; };
    int whiteInStrip = 0;
    for (int y = 372; y < 389; ++y) {
        for (int x = 139; x < 269; ++x) {
            const QRgb c = splash.pixel(x, y);
            // Only the band, its white letters and their blend: never the artwork above.
            EXPECT_TRUE(qBlue(c) >= qRed(c) && qBlue(c) >= qGreen(c)) << x << "," << y;
            whiteInStrip += qGray(c) > 230 ? 1 : 0;
        }
        EXPECT_TRUE(navy(splash.pixel(139, y)));
        EXPECT_TRUE(navy(splash.pixel(268, y)));
    }
    EXPECT_GT(whiteInStrip, 100);
    EXPECT_FALSE(navy(splash.pixel(200, 371)));
    EXPECT_FALSE(navy(splash.pixel(200, 389)));
}

TEST(Pictures, HandCursorIsMonochromeWithItsHotSpotOnTheFingertip) {
    for (int scale : {1, 2}) {
        const QString file =
            scale == 1 ? QStringLiteral("hand_cursor.png") : QStringLiteral("hand_cursor@2x.png");
        const QImage raw(QStringLiteral(":/pictures/") + file);
        ASSERT_FALSE(raw.isNull());
        const int hx = raw.text(QStringLiteral("HotSpotX")).toInt();
        const int hy = raw.text(QStringLiteral("HotSpotY")).toInt();
        EXPECT_EQ(hx, 12 * scale);
        EXPECT_EQ(hy, 9 * scale);
        const QImage img = raw.convertToFormat(QImage::Format_ARGB32);
        int black = 0;
        int white = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0) {
                    continue;
                }
                ASSERT_EQ(qAlpha(c), 255) << x << "," << y;
                ASSERT_TRUE(c == qRgba(0, 0, 0, 255) || c == qRgba(255, 255, 255, 255))
                    << x << "," << y;
                (qRed(c) == 0 ? black : white) += 1;
            }
        }
        EXPECT_GT(white, 40 * scale * scale);
        EXPECT_GT(black, 30 * scale);
        // The hot spot is the tip of the raised finger: dark itself, clear above, white below.
        EXPECT_EQ(img.pixel(hx, hy), qRgba(0, 0, 0, 255));
        EXPECT_EQ(qAlpha(img.pixel(hx, hy - 1)), 0);
        EXPECT_EQ(img.pixel(hx, hy + scale), qRgba(255, 255, 255, 255));
    }
}

TEST(Pictures, GeneratorReproducesTheCommittedFiles) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(VELTRANE_ARTGEN),
              {out.path(), QStringLiteral(VELTRANE_TRANSLATIONS_DIR)});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().constData();
    EXPECT_TRUE(gen.readAllStandardError().isEmpty());

    const QDir committed(QStringLiteral(VELTRANE_ASSETS_DIR "/pictures"));
    const QDir fresh(out.filePath(QStringLiteral("pictures")));
    const QStringList filter{QStringLiteral("*.png")};
    const QStringList names = committed.entryList(filter, QDir::Files, QDir::Name);
    EXPECT_EQ(names, fresh.entryList(filter, QDir::Files, QDir::Name));
    std::vector<QString> paths;
    for (const QString& name : names) {
        paths.push_back(QStringLiteral("pictures/") + name);
    }
    paths.push_back(QStringLiteral("contact_sheet.png"));
    for (const QString& path : paths) {
        const QImage a = QImage(QStringLiteral(VELTRANE_ASSETS_DIR "/") + path)
                             .convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(out.filePath(path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(a.isNull()) << qPrintable(path);
        EXPECT_TRUE(veltrane::test::PicturesMatch(a, b))
            << qPrintable(path) << " differs from a fresh drawing";
    }
}

TEST(Pictures, TheToleranceForProcessorsStillSeesOnePixelOfACardsIndex) {
    using veltrane::test::LookTheSame;
    const QImage ace = card(1);
    ASSERT_EQ(ace.size(), QSize(72, 100));
    // The first dark pixel of the index in the top left corner, inside the outline.
    QPoint ink(-1, -1);
    for (int y = 2; y < 30 && ink.x() < 0; ++y) {
        for (int x = 2; x < 16; ++x) {
            if (qGray(ace.pixel(x, y)) < 80) {
                ink = QPoint(x, y);
                break;
            }
        }
    }
    ASSERT_GE(ink.x(), 0) << "no index found on the ace of spades";
    QImage changed = ace;
    changed.setPixel(ink, qRgba(255, 255, 255, 255));
    EXPECT_FALSE(LookTheSame(ace, changed));

    // A rounding step of one level is no change, on one pixel and on 36 of the card's 7200
    // (0.5 %); on 37 it is too many.
    QImage rounded = ace;
    const auto nudge = [&rounded](int n) {
        const QRgb c = rounded.pixel(n % 72, n / 72);
        rounded.setPixel(n % 72, n / 72, qRgba(qRed(c) ^ 1, qGreen(c), qBlue(c), qAlpha(c)));
    };
    nudge(3600);
    EXPECT_TRUE(LookTheSame(ace, rounded));
    for (int n = 0; n < 35; ++n) {
        nudge(n * 101);
    }
    EXPECT_TRUE(LookTheSame(ace, rounded));
    nudge(7199);
    EXPECT_FALSE(LookTheSame(ace, rounded));
    // Three levels on one channel of one pixel is a change.
    QImage tinted = ace;
    const QRgb middle = tinted.pixel(36, 50);
    const int blue = qBlue(middle) < 128 ? qBlue(middle) + 3 : qBlue(middle) - 3;
    tinted.setPixel(36, 50, qRgba(qRed(middle), qGreen(middle), blue, qAlpha(middle)));
    EXPECT_FALSE(LookTheSame(ace, tinted));
}

TEST(Pictures, GeneratorRefusesAMissingFolderArgument) {
    QProcess gen;
    gen.start(QStringLiteral(VELTRANE_ARTGEN), {});
    ASSERT_TRUE(gen.waitForFinished(60000));
    EXPECT_NE(gen.exitCode(), 0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
