#include "tests/support/GameKinds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "game/PieceCode.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace recordtest {
namespace {

constexpr int MOST_PLIES_TO_AN_END = 600;

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

// Two people play at random until the side to move can take a king, and take
// it; Yes to "続けますか？" resets the game, which is started again to step
// to the record's end.
void playToAKingsCapture(TestForm& t, std::mt19937_64& random) {
    Form1& f = t.form;
    f.START_Click();
    for (int ply = 0; ply < MOST_PLIES_TO_AN_END; ++ply) {
        if (const auto capture = kiftest::kingCapture(f, f.turn == f.upperSide)) {
            clickMove(f, *capture);
            f.START_Click();
            return;
        }
        playMoves(t, random, 1, false);
    }
    ADD_FAILURE() << "no king could be taken";
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
                clickMove(f, *mate);
                f.START_Click();
                return;
            }
        playMoves(t, random, 1, false);
    }
    ADD_FAILURE() << "no mate came up";
}

}  // namespace

std::vector<GameKind> gameKinds() {
    std::vector<GameKind> list = {
        {"even start, two people",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             playMoves(t, random, 60, false);
         }},
        {"the computer opens",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.GOTE_Click();
             playMoves(t, random, 40, true);
         }},
        {"turned board",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             playMoves(t, random, 20, false);
             t.form.REVERSE_Click();
             playMoves(t, random, 30, false);
         }},
        {"a king's capture", playToAKingsCapture, kif::Ending::Interrupted, true},
        {"the computer mated", playToTheComputersMate, kif::Ending::Mated, true},
        {"500 moves",
         [](TestForm& t, std::mt19937_64& random) {
             t.form.START_Click();
             playMoves(t, random, Form1::RECORD_CAPACITY, false);
         },
         kif::Ending::Interrupted, false, Form1::RECORD_CAPACITY},
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
                            playMoves(t, random, 30, level > 0);
                        }});
    }
    return list;
}

void playKind(TestForm& t, const GameKind& kind, unsigned seed) {
    Form1& f = t.form;
    loadFreshGame(t);
    std::mt19937_64 random(seed);
    kind.play(t, random);
    while (f.recordIndex < f.recordLength) f.AFTER_Click();
}

}  // namespace recordtest
