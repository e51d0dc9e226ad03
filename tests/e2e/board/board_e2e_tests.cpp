// The real program on a virtual X server with a window manager, driven by real input and
// checked on the screen's own pixels.

#include "picture_compare.h"
#include "x_session.h"

#include <QDeadlineTimer>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using veltrane::e2e::WindowId;
using veltrane::e2e::XSession;

namespace {

const QString kBoardTitle = QStringLiteral("^Veltrane Solitaire$");

const std::array<QPoint, 16> kSlots = {{{4, 2},
                                        {155, 2},
                                        {4, 107},
                                        {155, 107},
                                        {394, 2},
                                        {544, 2},
                                        {394, 107},
                                        {544, 107},
                                        {4, 255},
                                        {155, 255},
                                        {4, 358},
                                        {155, 358},
                                        {394, 255},
                                        {544, 255},
                                        {394, 358},
                                        {544, 358}}};
const QSize kCard(72, 100);

// The board, once the program shows it. A window of the program that comes first (the
// splash) is passed with a click at the middle of its ENTER HERE strip.
std::optional<WindowId> showBoard(XSession& x, const QProcess& game) {
    const auto first = x.waitForWindowOf(game);
    if (!first) {
        return std::nullopt;
    }
    if (x.windowTitle(*first) != QStringLiteral("Veltrane Solitaire")) {
        const QRect splash = x.clientGeometry(*first);
        x.click(splash.x() + 204, splash.y() + 380);
    }
    return x.waitForWindow(kBoardTitle);
}

// The 52 card faces as the white board shows them.
std::vector<QImage> cardFaces() {
    std::vector<QImage> faces;
    for (int n = 1; n <= 52; ++n) {
        const QImage face(
            QStringLiteral(VELTRANE_PICTURES_DIR "/card_%1.png").arg(n, 2, 10, QLatin1Char('0')));
        QImage onWhite(face.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, face);
        faces.push_back(onWhite);
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

// The one-pixel frame around the place's edge, dark give or take a rounding step.
bool ringIsBlack(const QImage& place) {
    const auto dark = [&place](int x, int y) { return qGray(place.pixel(x, y)) < 40; };
    for (int x = 0; x < place.width(); ++x) {
        if (!dark(x, 0) || !dark(x, place.height() - 1)) {
            return false;
        }
    }
    for (int y = 0; y < place.height(); ++y) {
        if (!dark(0, y) || !dark(place.width() - 1, y)) {
            return false;
        }
    }
    return true;
}

// Takes screenshots until the condition holds or five seconds have passed.
template <typename Condition> QImage screenWhen(XSession& x, Condition condition) {
    const QDeadlineTimer deadline(5000);
    QImage screen = x.screenshot();
    while (!condition(screen) && !deadline.hasExpired()) {
        QThread::msleep(100);
        screen = x.screenshot();
    }
    return screen;
}

TEST(BoardOnX, FramesAnUndealtSlotDealsByKeyboardShowsTheCardsAndFramesAClickedCard) {
    XSession x;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto board = showBoard(x, game);
    ASSERT_TRUE(board) << "no window titled Veltrane Solitaire appeared";

    const QRect window = x.clientGeometry(*board);
    EXPECT_EQ(window.width(), 621);
    const int menuBar = window.height() - 461;
    EXPECT_GE(menuBar, 15);
    const QPoint client = window.topLeft() + QPoint(0, menuBar);
    const auto slotOn = [&](const QImage& screen, std::size_t i) {
        return screen.copy(QRect(client + kSlots.at(i), kCard));
    };

    const QImage before = screenWhen(x, [&](const QImage& s) { return allWhite(slotOn(s, 0)); });
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        EXPECT_TRUE(allWhite(slotOn(before, i))) << "slot " << i + 5 << " before the deal";
    }

    // Before the first deal a slot shows no picture, but a click picks it like a card: the
    // frame is drawn around its load size of 70 x 100, and a second click takes it away.
    const auto undealtSlot = [&](const QImage& screen) {
        return screen.copy(QRect(client + kSlots.at(0), QSize(70, 100)));
    };
    const QPoint slot5 = client + kSlots.at(0) + QPoint(35, 50);
    x.click(slot5.x(), slot5.y());
    const QImage picked =
        screenWhen(x, [&](const QImage& s) { return ringIsBlack(undealtSlot(s)); });
    EXPECT_TRUE(ringIsBlack(undealtSlot(picked))) << "no frame around the clicked empty slot";
    EXPECT_TRUE(allWhite(undealtSlot(picked).copy(1, 1, 68, 98)));
    // Elsewhere in the slot: a move to where the pointer already is never completes.
    x.click(slot5.x() + 10, slot5.y() + 10);
    const QImage unpicked = screenWhen(x, [&](const QImage& s) { return allWhite(slotOn(s, 0)); });
    EXPECT_TRUE(allWhite(slotOn(unpicked, 0))) << "the second click leaves the frame on";

    x.keys(*board, {QStringLiteral("alt+f"), QStringLiteral("d")});
    const std::vector<QImage> faces = cardFaces();
    const auto isCard = [&faces](const QImage& place) {
        return std::any_of(faces.begin(), faces.end(), [&place](const QImage& face) {
            return veltrane::test::LookTheSame(face, place);
        });
    };
    const QImage dealt = screenWhen(x, [&](const QImage& s) {
        for (std::size_t i = 0; i < kSlots.size(); ++i) {
            if (!isCard(slotOn(s, i))) {
                return false;
            }
        }
        return true;
    });
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        EXPECT_TRUE(isCard(slotOn(dealt, i))) << "slot " << i + 5 << " shows no card face";
    }
    EXPECT_FALSE(ringIsBlack(slotOn(dealt, 0)));

    const QPoint middle = client + kSlots.at(0) + QPoint(36, 50);
    x.click(middle.x(), middle.y());
    const QImage framed = screenWhen(x, [&](const QImage& s) { return ringIsBlack(slotOn(s, 0)); });
    EXPECT_TRUE(ringIsBlack(slotOn(framed, 0))) << "no frame around the clicked card";
    EXPECT_FALSE(ringIsBlack(slotOn(framed, 1)));
}

} // namespace
