#include "board/frm_board.h"

#include "board/place_accessible.h"
#include "board/place_description.h"
#include "help/frm_help.h"
#include "platform/accessibility.h"
#include "platform/error_guard.h"
#include "platform/window_setup.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdlib>

using veltrane::Int16;
using veltrane::board::BoardPlace;

namespace {

const veltrane::platform::WindowSpec kBoardSpec{620, 460, true,
                                                veltrane::platform::FrameKind::FixedSingle};

struct Position {
    int left;
    int top;
};

// Each corner holds a slot group of four around its foundation; stock and waste sit between.
// The slots stand in four columns and four rows; a group takes two of each.
constexpr std::array<int, 4> kSlotColumns = {4, 155, 394, 544};
constexpr std::array<int, 4> kSlotRows = {2, 107, 255, 358};

// Slot 5 + i: groups top left, top right, bottom left, bottom right, each filled left to
// right, then top to bottom.
constexpr Position slotPosition(std::size_t i) {
    const std::size_t group = i / 4;
    const std::size_t column = (group % 2) * 2 + i % 2;
    const std::size_t row = (group / 2) * 2 + (i % 4) / 2;
    return {kSlotColumns.at(column), kSlotRows.at(row)};
}
constexpr std::array<Position, 4> kFoundationPositions = {
    {{80, 57}, {469, 57}, {80, 312}, {469, 312}}};
constexpr Position kStockPosition{236, 180};
constexpr Position kWastePosition{312, 180};

// Gives a menu or menu item the name the board's code and its tests know it by.
template <typename Object> Object* named(Object* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}

constexpr int kLoadWidth = 70;
constexpr int kLoadHeight = 100;

} // namespace

frm_board::frm_board(veltrane::Game& game, QWidget* parent) : QMainWindow(parent), game_(game) {
    setObjectName(QStringLiteral("frm_board"));
    setWindowTitle(tr("Veltrane Solitaire"));
    createMenus();
    createPlaces();
}

void frm_board::createMenus() {
    // The bar lies inside the window on every desktop, so the client arithmetic holds. Said
    // before the bar is made, it also spares the bar asking the desktop session for a global
    // menu, which on a desktop without one starts a session bus of its own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    menuBar()->setNativeMenuBar(false);

    mnu_file = named(menuBar()->addMenu(tr("&File")), "mnu_file");
    mnu_deal = named(mnu_file->addAction(tr("&Deal")), "mnu_deal");
    mnu_sep_1 = named(mnu_file->addSeparator(), "mnu_sep_1");
    mnu_exit = named(mnu_file->addAction(tr("&Exit")), "mnu_exit");

    mnu_help = named(menuBar()->addMenu(tr("&Help")), "mnu_help");
    mnu_rules = named(mnu_help->addAction(tr("&Rules")), "mnu_rules");
    mnu_sep2 = named(mnu_help->addSeparator(), "mnu_sep2");
    mnu_about = named(mnu_help->addAction(tr("&About...")), "mnu_about");

    connect(mnu_deal, &QAction::triggered, this, [this] { mnu_deal_Click(); });
    connect(mnu_exit, &QAction::triggered, this, [this] { mnu_exit_Click(); });
    connect(mnu_rules, &QAction::triggered, this, [this] { mnu_rules_Click(); });
    connect(mnu_about, &QAction::triggered, this, [this] { mnu_about_Click(); });
    // Rules and About open a modal window and wait for it; an assistive technology must not.
    for (QAction* item : {mnu_deal, mnu_exit, mnu_rules, mnu_about}) {
        veltrane::platform::MakePressLater(item);
    }
}

void frm_board::createPlaces() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // A place with the name the code knows it by, the name a screen reader says, whether it
    // can carry the selection frame, and the handler of its clicks.
    auto make = [&](const QString& name, const QString& spoken, bool selectable, auto onClick) {
        auto* place = new BoardPlace(store_, client);
        place->setObjectName(name);
        veltrane::board::MakePlaceAccessible(place, selectable);
        place->setAccessibleName(spoken);
        connect(place, &BoardPlace::clicked, this, onClick);
        return place;
    };
    for (Int16 i = 1; i <= 4; ++i) {
        img_ace_.at(static_cast<std::size_t>(i - 1)) =
            make(QStringLiteral("img_ace_%1").arg(i), veltrane::board::FoundationName(i), false,
                 [this, i] { img_ace_Click(i); });
    }
    for (Int16 i = 5; i <= 20; ++i) {
        img_cards_.at(static_cast<std::size_t>(i - 5)) =
            make(QStringLiteral("img_cards_%1").arg(i), veltrane::board::SlotName(i), true,
                 [this, i] { img_cards_Click(i); });
    }
    img_deck_ = make(QStringLiteral("img_deck"), QStringLiteral("Stock"), false,
                     [this] { img_deck_Click(); });
    img_dealt_ = make(QStringLiteral("img_dealt"), QStringLiteral("Waste"), true,
                      [this] { img_dealt_Click(); });

    order_.assign(img_ace_.begin(), img_ace_.end());
    order_.insert(order_.end(), img_cards_.begin(), img_cards_.end());
    order_.push_back(img_deck_);
    order_.push_back(img_dealt_);
    // Tab follows the reading order, so a screen reader's order and the keyboard's agree.
    for (std::size_t i = 1; i < order_.size(); ++i) {
        setTabOrder(order_.at(i - 1), order_.at(i));
    }
    for (BoardPlace* place : order_) {
        place->installEventFilter(this);
    }
    client->installEventFilter(this);
}

void frm_board::focusFirstCard() {
    // Spades slot 1, top left: the first card of a deal in reading order and on the board, so a
    // player on the keyboard or with a screen reader starts from the first card dealt. Before
    // the first deal it is an empty slot, next to nothing the player could click by mistake.
    img_cards_.front()->setFocus(Qt::OtherFocusReason);
}

void frm_board::showFocusFrame(bool shown) {
    if (shown == focusFrameShown_) {
        return;
    }
    focusFrameShown_ = shown;
    for (BoardPlace* place : order_) {
        place->setFocusFrameShown(shown);
    }
}

BoardPlace* frm_board::nextInDirection(BoardPlace* from, int key) const {
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    default:
        step = {0, 1};
        break;
    }
    // The nearest place whose centre lies ahead, a sideways offset counting double, so that a
    // place straight ahead wins over one as near but off to the side. At the board's edge
    // nothing lies ahead and the focus stays.
    BoardPlace* best = from;
    long bestScore = 0;
    const QPoint here = from->geometry().center();
    for (BoardPlace* place : order_) {
        const QPoint offset = place->geometry().center() - here;
        const long ahead = long{offset.x()} * step.x() + long{offset.y()} * step.y();
        if (place == from || ahead <= 0) {
            continue;
        }
        const long sideways = std::abs(long{offset.x()} * step.y() - long{offset.y()} * step.x());
        const long score = ahead + 2 * sideways;
        if (best == from || score < bestScore) {
            best = place;
            bestScore = score;
        }
    }
    return best;
}

bool frm_board::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* place = qobject_cast<BoardPlace*>(watched)) {
            if (focusJustArrived_ == nullptr) {
                QMetaObject::invokeMethod(
                    this, [this] { focusJustArrived_ = nullptr; }, Qt::QueuedConnection);
            }
            focusJustArrived_ = place;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        showFocusFrame(false);
        return QMainWindow::eventFilter(watched, event);
    }
    auto* place = qobject_cast<BoardPlace*>(watched);
    if (place == nullptr || event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const auto at = std::find(order_.begin(), order_.end(), place);
    const std::ptrdiff_t index = at - order_.begin();
    const auto count = static_cast<std::ptrdiff_t>(order_.size());
    BoardPlace* next = nullptr;
    switch (key->key()) {
    case Qt::Key_Tab:
        if (plain) {
            next = order_.at(static_cast<std::size_t>((index + 1) % count));
        }
        break;
    case Qt::Key_Backtab:
        if (plain || modifiers == Qt::ShiftModifier) {
            next = order_.at(static_cast<std::size_t>((index + count - 1) % count));
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            next = nextInDirection(place, key->key());
        }
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The place itself clicks; the frame shows first, so the player sees where.
        if (plain) {
            showFocusFrame(true);
        }
        return QMainWindow::eventFilter(watched, event);
    default:
        return QMainWindow::eventFilter(watched, event);
    }
    if (next == nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    showFocusFrame(true);
    // Tab goes round the board: the places are the only things on it that take the focus.
    next->setFocus(key->key() == Qt::Key_Backtab ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

void frm_board::Form_Load() {
    veltrane::platform::Guarded([this] {
        veltrane::platform::PrepareWindow(this, kBoardSpec, veltrane::platform::Background::White);

        for (BoardPlace* slot : img_cards_) {
            slot->resize(kLoadWidth, kLoadHeight);
        }
        img_deck_->resize(kLoadWidth, kLoadHeight);
        img_dealt_->resize(kLoadWidth, kLoadHeight);
        for (BoardPlace* foundation : img_ace_) {
            foundation->resize(kLoadWidth, kLoadHeight);
        }

        for (std::size_t i = 0; i < img_ace_.size(); ++i) {
            img_ace_.at(i)->move(kFoundationPositions.at(i).left, kFoundationPositions.at(i).top);
        }
        for (std::size_t i = 0; i < img_cards_.size(); ++i) {
            const Position at = slotPosition(i);
            img_cards_.at(i)->move(at.left, at.top);
        }
        img_deck_->move(kStockPosition.left, kStockPosition.top);
        img_dealt_->move(kWastePosition.left, kWastePosition.top);

        game_.InitNewGame();
        Refresh();
        focusFirstCard();
    });
}

void frm_board::Refresh() {
    const veltrane::BoardModel& model = game_.board();
    auto show = [](BoardPlace* place, const veltrane::Place& from) {
        place->setPicture(from.Picture);
        place->setFramed(from.BorderStyle == 1);
    };
    for (int i = 1; i <= 4; ++i) {
        show(img_ace(static_cast<Int16>(i)), model.img_ace(i));
    }
    for (int i = 5; i <= 20; ++i) {
        show(img_cards(static_cast<Int16>(i)), model.img_cards(i));
    }
    show(img_deck_, model.img_deck);
    show(img_dealt_, model.img_dealt);
    describePlaces();
}

// Only a description that changed is told to the assistive technology, and not for a place the
// focus has just come to: its arrival is announced with what it shows now.
void frm_board::describePlaces() {
    using veltrane::board::DescribePicture;
    const auto SetDescription = [this](BoardPlace* place, const QString& description) {
        veltrane::platform::SetDescription(place, description, place != focusJustArrived_);
    };
    const veltrane::BoardModel& model = game_.board();
    const veltrane::GameState& state = game_.state();
    for (int i = 1; i <= 4; ++i) {
        SetDescription(img_ace(static_cast<Int16>(i)), DescribePicture(model.img_ace(i)));
    }
    for (int i = 5; i <= 20; ++i) {
        SetDescription(img_cards(static_cast<Int16>(i)), DescribePicture(model.img_cards(i)));
    }
    const long left = long{state.DeckEnd} - long{state.DeckPos};
    SetDescription(img_deck_, veltrane::board::DescribeStock(
                                  model.img_deck, static_cast<Int16>(left > 0 ? left : 0)));
    SetDescription(img_dealt_, DescribePicture(model.img_dealt));
}

BoardPlace* frm_board::img_cards(Int16 Index) const {
    if (Index < 5 || Index > 20) {
        veltrane::raiseSubscript();
    }
    return img_cards_.at(static_cast<std::size_t>(Index - 5));
}

BoardPlace* frm_board::img_ace(Int16 Index) const {
    if (Index < 1 || Index > 4) {
        veltrane::raiseSubscript();
    }
    return img_ace_.at(static_cast<std::size_t>(Index - 1));
}

void frm_board::img_cards_Click(Int16 Index) {
    veltrane::platform::Guarded([this, Index] {
        game_.img_cards_Click(Index);
        Refresh();
    });
}

void frm_board::img_ace_Click(Int16 Index) {
    veltrane::platform::Guarded([this, Index] {
        game_.img_ace_Click(Index);
        Refresh();
    });
}

void frm_board::img_deck_Click() {
    veltrane::platform::Guarded([this] {
        game_.img_deck_Click();
        Refresh();
    });
}

void frm_board::img_dealt_Click() {
    veltrane::platform::Guarded([this] {
        game_.img_dealt_Click();
        Refresh();
    });
}

void frm_board::mnu_deal_Click() {
    veltrane::platform::Guarded([this] {
        game_.InitNewGame();
        game_.DealOuterCards();
        focusFirstCard();
        Refresh();
    });
}

void frm_board::mnu_exit_Click() {
    veltrane::platform::Guarded([this] { close(); });
}

// Help > Rules: the Help window on the rules; the board waits until it closes.
void frm_board::mnu_rules_Click() {
    veltrane::platform::Guarded([this] {
        game_.state().HelpTopic = 0;
        frm_help::ShowModal(game_.state(), this);
    });
}

// Help > About: the Help window on the About text; the board waits until it closes.
void frm_board::mnu_about_Click() {
    veltrane::platform::Guarded([this] {
        game_.state().HelpTopic = 1;
        frm_help::ShowModal(game_.state(), this);
    });
}
