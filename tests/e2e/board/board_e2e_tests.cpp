// The real program on a virtual X server with a window manager, driven by real input and
// checked on the screen's own pixels.

#include "expected_layout.h"
#include "game_on_x.h"
#include "picture_compare.h"
#include "qt_test_support.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using veltrane::e2e::XSession;
using veltrane::test::LookTheSame;
namespace expected = veltrane::expected;

namespace {

// The 52 card faces as the white board shows them.
std::vector<QImage> cardFaces() {
    std::vector<QImage> faces;
    for (int n = 1; n <= 52; ++n) {
        faces.push_back(veltrane::test_support::OnWhite(QImage(
            QStringLiteral(VELTRANE_PICTURES_DIR "/card_%1.png").arg(n, 2, 10, QLatin1Char('0')))));
    }
    return faces;
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

bool ringIsBlack(const QImage& place) {
    for (int x = 0; x < place.width(); ++x) {
        if (place.pixel(x, 0) != qRgb(0, 0, 0) ||
            place.pixel(x, place.height() - 1) != qRgb(0, 0, 0)) {
            return false;
        }
    }
    for (int y = 0; y < place.height(); ++y) {
        if (place.pixel(0, y) != qRgb(0, 0, 0) ||
            place.pixel(place.width() - 1, y) != qRgb(0, 0, 0)) {
            return false;
        }
    }
    return true;
}

TEST(BoardOnX, DealsByKeyboardShowsTheCardsAndFramesAClickedCard) {
    XSession x;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto board = veltrane::e2e::ShowBoard(x, game);
    ASSERT_TRUE(board) << "no window titled Veltrane Solitaire appeared";

    const QRect window = x.clientGeometry(*board);
    EXPECT_EQ(window.width(), expected::kBoard.clientWidth);
    const int menuBar = window.height() - expected::kBoard.clientHeight;
    EXPECT_GE(menuBar, 15);
    const QPoint client = window.topLeft() + QPoint(0, menuBar);
    const auto slotOn = [&](const QImage& screen, std::size_t i) {
        const expected::Spot spot = expected::kSlots.at(i);
        return screen.copy(client.x() + spot.left, client.y() + spot.top, expected::kCardWidth,
                           expected::kCardHeight);
    };
    const std::size_t slotCount = expected::kSlots.size();

    const QImage before =
        veltrane::e2e::ScreenWhen(x, [&](const QImage& s) { return allWhite(slotOn(s, 0)); });
    for (std::size_t i = 0; i < slotCount; ++i) {
        EXPECT_TRUE(allWhite(slotOn(before, i))) << "slot " << i + 5 << " before the deal";
    }

    x.keys(*board, {QStringLiteral("alt+f"), QStringLiteral("d")});
    const std::vector<QImage> faces = cardFaces();
    const auto isCard = [&faces](const QImage& place) {
        return std::any_of(faces.begin(), faces.end(),
                           [&place](const QImage& face) { return LookTheSame(face, place); });
    };
    const QImage dealt = veltrane::e2e::ScreenWhen(x, [&](const QImage& s) {
        for (std::size_t i = 0; i < slotCount; ++i) {
            if (!isCard(slotOn(s, i))) {
                return false;
            }
        }
        return true;
    });
    for (std::size_t i = 0; i < slotCount; ++i) {
        EXPECT_TRUE(isCard(slotOn(dealt, i))) << "slot " << i + 5 << " shows no card face";
    }
    EXPECT_FALSE(ringIsBlack(slotOn(dealt, 0)));

    const expected::Spot first = expected::kSlots.front();
    x.click(client.x() + first.left + expected::kCardWidth / 2,
            client.y() + first.top + expected::kCardHeight / 2);
    const QImage framed =
        veltrane::e2e::ScreenWhen(x, [&](const QImage& s) { return ringIsBlack(slotOn(s, 0)); });
    EXPECT_TRUE(ringIsBlack(slotOn(framed, 0))) << "no frame around the clicked card";
    EXPECT_FALSE(ringIsBlack(slotOn(framed, 1)));
}

} // namespace
