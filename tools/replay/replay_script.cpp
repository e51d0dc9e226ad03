#include "tools/replay/replay_script.h"

#include "game/game.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrane {

namespace {

// A line that cannot be run; its text names what is wrong.
struct BadInput {
    std::string what;
};

std::vector<std::string_view> splitWords(std::string_view line) {
    if (const auto hash = line.find('#'); hash != std::string_view::npos) {
        line = line.substr(0, hash);
    }
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    while (pos < line.size()) {
        while (pos < line.size() && isSpace(line[pos])) {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < line.size() && !isSpace(line[pos])) {
            ++pos;
        }
        if (pos > start) {
            words.push_back(line.substr(start, pos - start));
        }
    }
    return words;
}

template <typename T> std::optional<T> parseWhole(std::string_view word) {
    T value{};
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

long long parseIndex(std::string_view command, std::string_view word, long long lo, long long hi) {
    const auto value = parseWhole<long long>(word);
    if (!value || *value < lo || *value > hi) {
        throw BadInput{std::string(command) + " needs a whole number from " + std::to_string(lo) +
                       " to " + std::to_string(hi) + ", not '" + std::string(word) + "'"};
    }
    return *value;
}

std::uint64_t parseSeed(std::string_view word) {
    const auto value = parseWhole<std::uint64_t>(word);
    if (!value) {
        throw BadInput{"seed needs a whole number from 0 to 18446744073709551615, not '" +
                       std::string(word) + "'"};
    }
    return *value;
}

float parseDraw(std::string_view word) {
    // Read straight into single precision, so that a value rounds once, as the shuffle sees it.
    std::optional<float> value = parseWhole<float>(word);
    if (!value) {
        // Values too small for single precision read as zero or a tiny value, not as an error.
        const auto wide = parseWhole<double>(word);
        if (wide && *wide >= 0.0 && *wide < 1.0) {
            value = static_cast<float>(*wide);
        }
    }
    if (!value || !(*value >= 0.0f && *value < 1.0f)) {
        throw BadInput{"draws needs values from 0 up to but not including 1, not '" +
                       std::string(word) + "'"};
    }
    return *value;
}

void writePicture(std::ostream& out, const Place& place) {
    const Picture picture = place.Picture;
    if (picture.isNone()) {
        out << '-';
    } else if (picture.isCard()) {
        out << 'c' << picture.cardNumber();
    } else {
        out << BoardPictureName(picture);
    }
    if (place.BorderStyle == 1) {
        out << '*';
    }
}

template <typename Each>
void writeLine(std::ostream& out, const char* name, int from, int to, Each each) {
    out << name;
    for (int i = from; i <= to; ++i) {
        out << ' ';
        each(i);
    }
    out << '\n';
}

void show(std::ostream& out, const Game& game, long wins) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    std::ostringstream text;
    writeLine(text, "Deck", 1, s.Deck.size(), [&](int i) { text << s.Deck(i); });
    writeLine(text, "DealtList", 1, s.DealtCount, [&](int i) { text << s.DealtList(i); });
    text << "DeckPos " << s.DeckPos << '\n';
    text << "DeckEnd " << s.DeckEnd << '\n';
    text << "DealtCount " << s.DealtCount << '\n';
    text << "WasteRank " << s.WasteRank << '\n';
    text << "WasteSuit " << s.WasteSuit << '\n';
    text << "StockRunOut " << s.StockRunOut << '\n';
    text << "CardPicked " << s.CardPicked << '\n';
    text << "AwaitingDeal " << s.AwaitingDeal << '\n';
    writeLine(text, "FoundationSuit", 1, 4, [&](int k) { text << s.FoundationSuit(k); });
    writeLine(text, "FoundationTop", 1, 4, [&](int k) { text << s.FoundationTop(k); });
    writeLine(text, "SlotRank", 5, 20, [&](int i) { text << s.SlotRank(i); });
    writeLine(text, "SlotSuit", 5, 20, [&](int i) { text << s.SlotSuit(i); });
    writeLine(text, "img_ace", 1, 4, [&](int k) { writePicture(text, b.img_ace(k)); });
    writeLine(text, "img_cards", 5, 20, [&](int i) { writePicture(text, b.img_cards(i)); });
    text << "img_deck ";
    writePicture(text, b.img_deck);
    text << "\nimg_dealt ";
    writePicture(text, b.img_dealt);
    text << "\nwins " << wins << "\n\n";
    out << text.str();
}

} // namespace

class ReplaySession::Replay {
  public:
    Replay()
        : random_(std::make_unique<SequenceRandomSource>(std::vector<float>{0.0f})),
          game_(*random_, [this] { ++wins_; }) {}

    void run(const std::vector<std::string_view>& words, std::ostream& out) {
        const std::string_view command = words.front();
        const std::size_t args = words.size() - 1;
        if (command == "draws") {
            if (args == 0) {
                throw BadInput{"draws needs at least one value"};
            }
            std::vector<float> values;
            for (std::size_t i = 1; i < words.size(); ++i) {
                values.push_back(parseDraw(words[i]));
            }
            useSource(std::make_unique<SequenceRandomSource>(std::move(values)));
            return;
        }
        expectArguments(command, args, argumentsOf(command));
        if (command == "seed") {
            useSource(std::make_unique<SeededRandomSource>(parseSeed(words[1])));
        } else if (command == "new") {
            game_.InitNewGame();
        } else if (command == "deal") {
            game_.InitNewGame();
            game_.DealOuterCards();
        } else if (command == "stock") {
            game_.img_deck_Click();
        } else if (command == "waste") {
            game_.img_dealt_Click();
        } else if (command == "slot") {
            game_.img_cards_Click(static_cast<Int16>(parseIndex(command, words[1], 5, 20)));
        } else if (command == "foundation") {
            game_.img_ace_Click(static_cast<Int16>(parseIndex(command, words[1], 1, 4)));
        } else {
            show(out, game_, wins_);
        }
    }

    const Game& game() const { return game_; }
    long wins() const { return wins_; }

  private:
    // Every command but draws, with the number of arguments it takes.
    static std::size_t argumentsOf(std::string_view command) {
        static constexpr std::array<std::pair<std::string_view, std::size_t>, 8> commands = {{
            {"seed", 1},
            {"new", 0},
            {"deal", 0},
            {"stock", 0},
            {"waste", 0},
            {"slot", 1},
            {"foundation", 1},
            {"show", 0},
        }};
        for (const auto& [name, arguments] : commands) {
            if (name == command) {
                return arguments;
            }
        }
        throw BadInput{"unknown command '" + std::string(command) + "'"};
    }

    static void expectArguments(std::string_view command, std::size_t given, std::size_t wanted) {
        if (given < wanted) {
            throw BadInput{std::string(command) + " is missing its argument"};
        }
        if (given > wanted) {
            throw BadInput{
                std::string(command) + " takes " +
                (wanted == 0 ? std::string("no argument") : std::string("one argument")) +
                ", but " + std::to_string(given) + " were given"};
        }
    }

    void useSource(std::unique_ptr<RandomSource> source) {
        game_.setRandomSource(*source);
        random_ = std::move(source);
    }

    std::unique_ptr<RandomSource> random_;
    long wins_ = 0;
    Game game_;
};

ReplaySession::ReplaySession() : replay_(std::make_unique<Replay>()) {}
ReplaySession::~ReplaySession() = default;

const Game& ReplaySession::game() const {
    return replay_->game();
}

long ReplaySession::wins() const {
    return replay_->wins();
}

int runReplayScript(std::istream& in, std::ostream& out, std::ostream& err) {
    ReplaySession session;
    return session.run(in, out, err);
}

int ReplaySession::run(std::istream& in, std::ostream& out, std::ostream& err) {
    Replay& replay = *replay_;
    std::string line;
    long lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const auto words = splitWords(line);
        if (words.empty()) {
            continue;
        }
        try {
            replay.run(words, out);
        } catch (const BadInput& bad) {
            out.flush();
            err << "line " << lineNumber << ": " << bad.what << '\n';
            return ReplayBadInput;
        } catch (const RuntimeError& error) {
            out.flush();
            err << "Run-time error '" << error.number() << "': " << error.what() << '\n';
            return ReplayRuntimeError;
        }
    }
    out.flush();
    return ReplayOk;
}

} // namespace veltrane
