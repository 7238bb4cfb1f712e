// Round trips through the game itself: games of every kind played with the
// mouse (and the computer), saved as KIF and KIFU through the write panel,
// read back through the read panel into a fresh game and stepped through.
// Every step shows the position and both clocks (to the second) that
// stepping through the game that was played shows.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace {

constexpr const char* LOADED =
    "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n";
constexpr const char* WRITTEN = "msgbox \"  \" \"棋譜を書き込みました\" OK -> OK\n";

// What a step shows: the position (without the move number) and both clocks.
struct Shown {
    std::string position;
    long lowerTime, upperTime;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << s.position << " (" << s.lowerTime << ", " << s.upperTime << ")";
}

std::string withoutMoveNumber(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

Shown shownOf(const Form1& f) {
    return {withoutMoveNumber(sfen::of(f)), static_cast<long>(f.lowerTime), static_cast<long>(f.upperTime)};
}

// Every step of the record from its start to its end. Stepping back to the
// start first shows the clocks as the first move found them.
std::vector<Shown> stepsOf(Form1& f) {
    while (f.recordIndex < f.recordLength) f.AFTER_Click();
    while (f.recordIndex > 0) f.REPLAY_Click();
    std::vector<Shown> shown{shownOf(f)};
    while (f.recordIndex < f.recordLength) {
        f.AFTER_Click();
        shown.push_back(shownOf(f));
    }
    return shown;
}

// A move of the lower side after which the computer's king is found mated.
std::optional<randomplay::Move> matingMove(Form1& f) {
    for (const randomplay::Move& m : randomplay::allowedMoves(f, false)) {
        if (piece::abs(f.board[m.toX][m.toY]) == Vocabulary::KING) continue;
        TestForm trial;
        std::string error;
        sfen::apply(*sfen::parse(sfen::of(f), error), trial.form);
        trial.form.lowerSide = trial.form.SENTE;
        trial.form.upperSide = trial.form.GOTE;
        randomplay::makeOnBoard(trial.form, m);
        trial.form.勢力調査();
        if (trial.form.詰めかCOM() == Form1::ON) return m;
    }
    return std::nullopt;
}

constexpr int MOST_PLIES_TO_AN_END = 600;
constexpr int LEAST_MOVES = 15;  // random play may corner a side early, but not that early
constexpr const char* KINGS_CAPTURE = "a king's capture";
constexpr const char* LONGEST = "500 moves";

// Two people play at random until the side to move can take a king, and take it.
void playToAKingsCapture(TestForm& t, std::mt19937_64& random) {
    Form1& f = t.form;
    f.START_Click();
    for (int ply = 0; ply < MOST_PLIES_TO_AN_END; ++ply) {
        if (const auto capture = kiftest::kingCapture(f, f.turn == f.upperSide)) {
            recordtest::clickMove(f, *capture);
            return;
        }
        recordtest::playMoves(t, random, 1, false);
    }
    FAIL() << "no king could be taken";
}

// Two people play at random until the lower side can mate the upper king;
// then the computer takes over the upper side and is mated.
void playToTheComputersMate(TestForm& t, std::mt19937_64& random) {
    Form1& f = t.form;
    f.START_Click();
    for (int ply = 0; ply < MOST_PLIES_TO_AN_END; ++ply) {
        if (f.turn == f.lowerSide)
            if (const auto mate = matingMove(f)) {
                f.SENTE_Click();
                recordtest::clickMove(f, *mate);
                return;
            }
        recordtest::playMoves(t, random, 1, false);
    }
    FAIL() << "no mate came up";
}

struct Kind {
    std::string name;
    std::function<void(TestForm&, std::mt19937_64&)> play;
    kif::Ending ending = kif::Ending::Interrupted;
};

std::vector<Kind> kinds() {
    std::vector<Kind> list = {
        {"even start, two people",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             recordtest::playMoves(t, random, 60, false);
         }},
        {"upper side first: the computer opens",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.GOTE_Click();
             recordtest::playMoves(t, random, 40, true);
         }},
        {"turned board",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             recordtest::playMoves(t, random, 20, false);
             t.form.REVERSE_Click();
             recordtest::playMoves(t, random, 30, false);
         }},
        {KINGS_CAPTURE,
         [](TestForm& t, std::mt19937_64& random) {
             playToAKingsCapture(t, random);
             t.form.START_Click();  // after Yes to 続けますか？, to step to the end
         }},
        {"the computer mated",
         [](TestForm& t, std::mt19937_64& random) {
             playToTheComputersMate(t, random);
             t.form.START_Click();
         },
         kif::Ending::Mated},
        {LONGEST,
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             recordtest::playMoves(t, random, Form1::RECORD_CAPACITY, false);
         }},
    };
    // The lower side gives its pieces to two people; the upper side gives
    // them as the computer, moving first as the giver does.
    for (int level = -10; level <= 10; ++level) {
        if (level == 0) continue;
        list.push_back({"ladder " + std::to_string(level), [level](TestForm& t, std::mt19937_64& random) {
                            for (int step = 0; step < std::abs(level); ++step)
                                level > 0 ? t.form.LBEL_UP_Click() : t.form.LEBEL_DOWN_Click();
                            if (level > 0)
                                t.form.GOTE_Click();
                            else
                                t.form.START_Click();
                            recordtest::playMoves(t, random, 30, level > 0);
                        }});
    }
    return list;
}

// What the records held, over all games, so that the test can tell that every
// kind of move went through.
struct Seen {
    int drops = 0, promotions = 0, captures = 0, recaptures = 0;
    void count(const Form1& f) {
        const Form1::MoveRecord& r = f.moveRecord;
        for (int n = 1; n <= f.recordLength; ++n) {
            drops += piece::isDropSource(r.fromX[n]);
            promotions += r.placedPiece[n] != r.movedPiece[n];
            captures += r.capturedPiece[n] != 0;
            recaptures += n > 1 && r.toX[n - 1] == r.toX[n] && r.toY[n - 1] == r.toY[n];
        }
    }
};

TEST(KifPanelRoundTrip, GamesOfEveryKindReadBackToTheSameStepsAndClocks) {
    const std::string folder = recordtest::freshFolder("kif-panel-round-trip");
    Seen seen;
    unsigned seed = 1;
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.setChecked(Menu::KEIKA, true);
        t.platform.clock = 36000;
        std::mt19937_64 random(seed++);
        kind.play(t, random);
        const bool won = t.takeTrace().find("の勝ちです") != std::string::npos;
        EXPECT_EQ(won, kind.ending == kif::Ending::Mated || kind.name == KINGS_CAPTURE);
        ASSERT_GE(f.recordLength, kind.name == LONGEST ? Form1::RECORD_CAPACITY : LEAST_MOVES);
        ASSERT_GT(f.recordLength, 0);
        seen.count(f);
        const std::vector<Shown> played = stepsOf(f);
        for (const char* name : {"game.kif", "game.kifu"}) {
            SCOPED_TRACE(name);
            ASSERT_EQ(recordtest::saveThroughPanel(t, folder, name, {"対局", "先の人", "後の人"}), WRITTEN);
            TestForm back;
            back.form.Form_Load();
            ASSERT_EQ(recordtest::readThroughPanel(back, folder, name), LOADED);
            EXPECT_EQ(back.form.recordEnding.how, kind.ending);
            const std::vector<Shown> read = stepsOf(back.form);
            ASSERT_EQ(read.size(), played.size());
            for (size_t n = 0; n < read.size(); ++n) ASSERT_EQ(read[n], played[n]) << "step " << n;
        }
    }
    EXPECT_GT(seen.drops, 20);
    EXPECT_GT(seen.promotions, 20);
    EXPECT_GT(seen.captures, 100);
    EXPECT_GT(seen.recaptures, 20);
}

}  // namespace
