#include "board/frm_board.h"

#include "board/place_accessible.h"
#include "board/place_description.h"
#include "help/frm_help.h"
#include "platform/accessibility.h"
#include "platform/error_guard.h"
#include "platform/keyboard.h"
#include "platform/window_setup.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

using veltrane::ClickOutcome;
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

// Where each place stands for the arrow keys, in reading order (foundations 1 to 4, slots 5 to
// 20, stock, waste): a grid of the four slot rows and the board's eight columns from left to
// right. A foundation stands between its group's slot columns in the group's row nearer the
// middle, and the stock and the waste between the groups in the row above the middle, so the
// middle rows join every group, the foundations and the stock. An arrow goes to the next place
// along its row or column, and so the opposite arrow always comes back; at the end of a row or
// column the focus stays.
struct Cell {
    int row;
    int column;
    friend constexpr bool operator==(Cell a, Cell b) = default;
};
constexpr int kArrowRows = 4;
constexpr int kArrowColumns = 8;
constexpr std::array<Cell, 22> kArrowCells = {
    {{1, 1}, {1, 6}, {2, 1}, {2, 6},                                 // foundations
     {0, 0}, {0, 2}, {1, 0}, {1, 2}, {0, 5}, {0, 7}, {1, 5}, {1, 7}, // spades, diamonds slots
     {2, 0}, {2, 2}, {3, 0}, {3, 2}, {2, 5}, {2, 7}, {3, 5}, {3, 7}, // hearts, clubs slots
     {1, 3}, {1, 4}}};                                               // stock, waste
constexpr std::size_t kStockIndex = 20;
constexpr std::size_t kWasteIndex = 21;

// The slot group or foundation 1..4 of the place at a reading-order index; 0 for stock and waste.
int GroupAt(std::size_t index) {
    if (index < 4) {
        return static_cast<int>(index) + 1;
    }
    return index < kStockIndex ? static_cast<int>(index - 4) / 4 + 1 : 0;
}

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
    img_deck_ = make(QStringLiteral("img_deck"), QCoreApplication::translate("Speech", "Stock"),
                     false, [this] { img_deck_Click(); });
    img_dealt_ = make(QStringLiteral("img_dealt"), QCoreApplication::translate("Speech", "Waste"),
                      true, [this] { img_dealt_Click(); });

    order_.assign(img_ace_.begin(), img_ace_.end());
    order_.insert(order_.end(), img_cards_.begin(), img_cards_.end());
    order_.push_back(img_deck_);
    order_.push_back(img_dealt_);
    // Tab follows the reading order, so a screen reader's order and the keyboard's agree; Qt's
    // focus chain wraps round from the waste to the first foundation, as nothing else on the
    // board takes the focus.
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
    const int down = key == Qt::Key_Down ? 1 : (key == Qt::Key_Up ? -1 : 0);
    const int right = key == Qt::Key_Right ? 1 : (key == Qt::Key_Left ? -1 : 0);
    const auto at = std::find(order_.begin(), order_.end(), from) - order_.begin();
    Cell cell = kArrowCells.at(static_cast<std::size_t>(at));
    while (true) {
        cell = {cell.row + down, cell.column + right};
        if (cell.row < 0 || cell.row >= kArrowRows || cell.column < 0 ||
            cell.column >= kArrowColumns) {
            return from;
        }
        const auto next = std::find(kArrowCells.begin(), kArrowCells.end(), cell);
        if (next != kArrowCells.end()) {
            return order_.at(static_cast<std::size_t>(next - kArrowCells.begin()));
        }
    }
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
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            break;
        }
        showFocusFrame(true);
        // At the edge the focus stays where it is and nothing new is said.
        nextInDirection(place, key->key())->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Qt's focus chain goes on in reading order and round the board (see createPlaces).
        showFocusFrame(true);
        break;
    default:
        // The place itself clicks; the frame shows first, so the player sees where.
        if (veltrane::platform::IsKeyClick(*key)) {
            showFocusFrame(true);
        }
        break;
    }
    return QMainWindow::eventFilter(watched, event);
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
// focus has just come to (its arrival is announced with what it shows now) nor for the clicked
// place, which tells its news whole once the click is over.
void frm_board::describePlaces() {
    for (std::size_t i = 0; i < order_.size(); ++i) {
        BoardPlace* place = order_.at(i);
        veltrane::platform::SetDescription(place, description(i),
                                           place != focusJustArrived_ && place != clicked_);
    }
}

QString frm_board::description(std::size_t index) const {
    using namespace veltrane::board;
    const veltrane::BoardModel& model = game_.board();
    const veltrane::GameState& state = game_.state();
    QString said;
    if (index < 4) {
        said = DescribePicture(model.img_ace(static_cast<int>(index) + 1));
    } else if (index < kStockIndex) {
        said = DescribePicture(model.img_cards(static_cast<int>(index) + 1), GroupAt(index));
    } else if (index == kStockIndex) {
        const long left = long{state.DeckEnd} - long{state.DeckPos};
        said = DescribeStock(model.img_deck, static_cast<Int16>(left > 0 ? left : 0),
                             state.StockRunOut == 1);
    } else {
        said = DescribePicture(model.img_dealt);
    }
    // Before the first deal, and after a win, only the menu starts a game.
    return state.AwaitingDeal == veltrane::VbTrue ? Joined(said, DealHint()) : said;
}

QString frm_board::pickedCard() const {
    const veltrane::BoardModel& model = game_.board();
    auto name = [](veltrane::Place place, int group) {
        place.BorderStyle = 0;
        return veltrane::board::DescribePicture(place, group);
    };
    if (model.img_dealt.BorderStyle == 1) {
        return name(model.img_dealt, 0);
    }
    for (int i = 5; i <= 20; ++i) {
        if (model.img_cards(i).BorderStyle == 1) {
            return name(model.img_cards(i), (i - 5) / 4 + 1);
        }
    }
    return {};
}

QString frm_board::news(std::size_t index, ClickOutcome outcome, const QString& pickedBefore,
                        veltrane::Picture wasteBefore) const {
    using namespace veltrane::board;
    const veltrane::BoardModel& model = game_.board();
    const veltrane::GameState& state = game_.state();
    const int group = GroupAt(index);
    if (outcome != ClickOutcome::Done) {
        QString needed;
        if (outcome == ClickOutcome::WrongRank && index < 4) {
            // Card numbers run ace to king in each suit, suits in the order of their numbers.
            const int rank = state.FoundationTop(group) + 1;
            needed = CardName((state.FoundationSuit(group) - 1) * 13 + std::min(rank, 13));
        }
        return Refusal(outcome, group, pickedCard(), needed);
    }
    const veltrane::Picture waste = model.img_dealt.Picture;
    if (index == kStockIndex) {
        const long left = long{state.DeckEnd} - long{state.DeckPos};
        const auto cardsLeft = static_cast<Int16>(left > 0 ? left : 0);
        const bool secondPass = state.StockRunOut == 1;
        // A turned card is said with what is left; a waste turned back over with the new pass.
        const QString said =
            waste.isCard() ? Joined(CardName(waste.cardNumber()),
                                    DescribeStock(model.img_deck, cardsLeft, secondPass, true))
                           : DescribeStock(model.img_deck, cardsLeft, secondPass);
        return pickedBefore.isEmpty() ? said : Joined(Deselected(pickedBefore), said);
    }
    if (index < 4 && state.AwaitingDeal == veltrane::VbTrue) {
        return {}; // the win dialog has said it
    }
    QString said = description(index);
    if (index != kWasteIndex && waste != wasteBefore) {
        return Joined(said, WasteNow(DescribePicture(model.img_dealt)));
    }
    return said;
}

void frm_board::play(BoardPlace* place, const std::function<ClickOutcome()>& click) {
    veltrane::platform::Guarded([&] {
        // The words are made only for a listener: a game played without a screen reader does
        // not build them at every click.
        const bool heard = QAccessible::isActive();
        const QString pickedBefore = heard ? pickedCard() : QString();
        const veltrane::Picture wasteBefore = game_.board().img_dealt.Picture;
        clicked_ = place;
        const ClickOutcome outcome = click();
        Refresh();
        clicked_ = nullptr;
        if (heard) {
            const auto index = static_cast<std::size_t>(
                std::find(order_.begin(), order_.end(), place) - order_.begin());
            veltrane::platform::Announce(place, news(index, outcome, pickedBefore, wasteBefore));
        }
    });
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
    play(img_cards(Index), [this, Index] { return game_.img_cards_Click(Index); });
}

void frm_board::img_ace_Click(Int16 Index) {
    play(img_ace(Index), [this, Index] { return game_.img_ace_Click(Index); });
}

void frm_board::img_deck_Click() {
    play(img_deck_, [this] { return game_.img_deck_Click(); });
}

void frm_board::img_dealt_Click() {
    play(img_dealt_, [this] { return game_.img_dealt_Click(); });
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
