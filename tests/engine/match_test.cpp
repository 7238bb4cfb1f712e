// The match runner's parts: the Elo arithmetic, the openings it deals, and
// the referee's verdicts, played out with scripted players.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "engine/Legality.h"
#include "engine/Notation.h"
#include "match/Elo.h"
#include "match/Openings.h"
#include "match/Referee.h"

namespace {

struct EloCase {
    int wins, losses, draws;
    double difference, low, high;
};

TEST(Elo, DifferenceAndIntervalOfKnownScores) {
    constexpr double TOLERANCE = 1.0;
    constexpr double INF = std::numeric_limits<double>::infinity();
    const EloCase CASES[] = {
        {50, 50, 0, 0, -69.0, 69.0},       // even score
        {75, 25, 0, 190.8, 119.2, 281.5},  // 75 %
        {30, 10, 0, 190.8, 82.0, 353.1},   // 75 % of fewer games: wider
        {40, 20, 40, 70.4, 18.5, 125.7},   // draws narrow it
        {200, 0, 0, INF, 692.0, INF},      // a sweep: only a lower bound
        {0, 10, 0, -INF, -INF, -140.2},
    };
    for (const auto& c : CASES) {
        const auto e = match::eloOf(c.wins, c.losses, c.draws);
        const std::string score =
            std::to_string(c.wins) + "-" + std::to_string(c.losses) + "-" + std::to_string(c.draws);
        for (const auto& [actual, expected] :
             {std::pair{e.difference, c.difference}, std::pair{e.low, c.low}, std::pair{e.high, c.high}}) {
            if (std::isinf(expected))
                EXPECT_EQ(actual, expected) << score;
            else
                EXPECT_NEAR(actual, expected, TOLERANCE) << score;
        }
    }
}

TEST(Openings, AreLegalVariedRepeatableAndUndecided) {
    constexpr int COUNT = 20, PLIES = 8;
    for (const engine::Rules rules : {engine::Rules::Forward, engine::Rules::Standard}) {
        const auto openings = match::randomOpenings(COUNT, PLIES, rules, 3);
        EXPECT_EQ(openings, match::randomOpenings(COUNT, PLIES, rules, 3));
        EXPECT_NE(openings, match::randomOpenings(COUNT, PLIES, rules, 4));
        ASSERT_EQ(openings.size(), static_cast<std::size_t>(COUNT));
        std::set<std::vector<std::string>> distinct(openings.begin(), openings.end());
        EXPECT_EQ(distinct.size(), openings.size());
        for (const auto& opening : openings) {
            std::string error;
            engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, rules, error);
            ASSERT_EQ(opening.size(), static_cast<std::size_t>(PLIES));
            for (const auto& text : opening) {
                const engine::Move m = engine::moveFromUsi(pos, text);
                ASSERT_TRUE(engine::isLegalMove(pos, m)) << text;
                pos.makeMove(m);
            }
            EXPECT_FALSE(engine::hasNoLegalMove(pos));
        }
    }
}

// Plays the moves of a script, one per turn; "pass" answers nothing.
class ScriptedPlayer : public match::Player {
public:
    ScriptedPlayer(std::string name, std::vector<std::string> script)
        : name_(std::move(name)), script_(std::move(script)) {}
    const std::string& name() const override { return name_; }
    void newGame() override { next_ = 0; }
    std::string move(const std::vector<std::string>&) override {
        if (next_ >= script_.size()) return "resign";
        const std::string m = script_[next_++];
        return m == "pass" ? std::string() : m;
    }
    void gameOver(match::Outcome outcome) override { outcome_ = outcome; }
    match::Outcome outcome_ = match::Outcome::Draw;

private:
    std::string name_;
    std::vector<std::string> script_;
    std::size_t next_ = 0;
};

struct RefereeCase {
    const char* what;
    engine::Rules rules;
    std::vector<std::string> black, white;
    match::Outcome forBlack;
    const char* reason;
};

TEST(Referee, DecidesHowAGameEnds) {
    using engine::Rules;
    using match::Outcome;
    const std::vector<std::string> shuffleBlack = {"5i5h", "5h5i", "5i5h", "5h5i", "5i5h", "5h5i"};
    const std::vector<std::string> shuffleWhite = {"5a5b", "5b5a", "5a5b", "5b5a", "5a5b", "5b5a"};
    const RefereeCase CASES[] = {
        {"an illegal move loses", Rules::Forward, {"5i5g"}, {}, Outcome::Loss, "first played an illegal move '5i5g'"},
        {"silence loses", Rules::Forward, {"7g7f"}, {"pass"}, Outcome::Win, "second gave no move in time"},
        {"resigning loses", Rules::Standard, {}, {}, Outcome::Loss, "first resigned"},
        {"a fourth repetition draws", Rules::Standard, shuffleBlack, shuffleWhite, Outcome::Draw, "repetition"},
        // The king steps up next to a square the promoted bishop reaches.
        {"taking the king wins",
         Rules::Forward,
         {"7g7f", "8h3c+", "3c4b"},
         {"5a4b", "9c9d"},
         Outcome::Win,
         "king taken"},
        // Black walls its own king in; White's horse and a gold mate it.
        {"mate wins",
         Rules::Standard,
         {"4i3h", "6i5h", "5h6h", "5i4i"},
         {"3c3d", "2b7g+", "7g6h", "G*5h"},
         Outcome::Loss,
         "mate"},
    };
    for (const auto& c : CASES) {
        ScriptedPlayer black("first", c.black), white("second", c.white);
        const auto result = match::playGame(black, white, {}, {c.rules, 0});
        EXPECT_EQ(result.forBlack, c.forBlack) << c.what;
        EXPECT_EQ(result.reason.rfind(c.reason, 0), 0u) << c.what << ": " << result.reason;
        EXPECT_EQ(black.outcome_, result.forBlack) << c.what;
    }
}

TEST(Referee, CapsLongGamesAsDraws) {
    ScriptedPlayer black("first", {"5i5h", "5h5i"}), white("second", {"5a5b", "5b5a"});
    const auto result = match::playGame(black, white, {"7g7f", "3c3d"}, {engine::Rules::Standard, 5});
    EXPECT_EQ(result.forBlack, match::Outcome::Draw);
    EXPECT_EQ(result.reason, "move cap");
    EXPECT_EQ(result.plies, 5);
}

}  // namespace
