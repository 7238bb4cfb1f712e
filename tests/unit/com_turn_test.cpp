// The computer's turn as a whole: which candidate it plays, when it stops
// searching, what it shows and records, and how a game ends on its move.

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "tests/support/TestForm.h"

namespace {

struct Candidate {
    int fromX, fromY, toX, toY, code;
    Score score;
    bool operator==(const Candidate&) const = default;
};

// A game against the computer with the computer to move, every candidate it
// scores written down.
struct ComGame : TestForm {
    std::vector<Candidate> candidates;

    explicit ComGame(const char* sfen, int level = 3) {
        computerToMove(sfen);
        Form1& f = form;
        f.comLevel = level;
        platform.candidateListener = [this](const ScoredCandidate& c) {
            candidates.push_back({c.fromX, c.fromY, c.toX, c.toY, c.code, c.score});
        };
    }

    // The move the record holds for entry n: source, destination and the code placed.
    Candidate recorded(int n = 1) const {
        const auto& r = form.moveRecord;
        return {r.fromX[n], r.fromY[n], r.toX[n], r.toY[n], r.placedPiece[n], 0};
    }

    const Candidate& firstBest() const {
        const Candidate* best = &candidates.front();
        for (const Candidate& c : candidates)
            if (c.score > best->score) best = &c;
        return *best;
    }

    bool traced(const std::string& line) {
        std::istringstream in(trace.str());
        for (std::string l; std::getline(in, l);)
            if (l == line) return true;
        return false;
    }
};

Candidate move(int fromX, int fromY, int toX, int toY, int code) {
    return {fromX, fromY, toX, toY, code, 0};
}

// Board moves come first, source by source and destination by destination,
// then the drops, pawn first; the first of the best scores is played.
TEST(ComTurn, PlaysTheFirstOfTheBestInSearchOrder) {
    const char* positions[] = {
        "4k4/9/9/9/9/9/9/9/4K4 w - 1",  // three king moves, all equal
        "8k/9/9/9/9/6g2/9/4b2Kr/9 w g 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
        "ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w Bp 1",
    };
    for (const char* sfen : positions)
        for (int level = 1; level <= 3; ++level) {
            ComGame g(sfen, level);
            g.form.com_ban();
            ASSERT_FALSE(g.candidates.empty());
            const auto key = [](const Candidate& c) {
                return c.fromX == -1 ? 1000 + c.fromY * 100 + c.toX * 10 + c.toY
                                     : c.fromX * 1000 + c.fromY * 100 + c.toX * 10 + c.toY - 100000;
            };
            for (size_t i = 1; i < g.candidates.size(); ++i)
                EXPECT_LT(key(g.candidates[i - 1]), key(g.candidates[i])) << sfen << " level " << level;
            Candidate played = g.firstBest();
            played.score = 0;
            EXPECT_EQ(g.recorded(), played) << sfen << " level " << level;
        }
}

TEST(ComTurn, AmongEqualScoresTheSmallestSourceAndDestinationWin) {
    ComGame g("4k4/9/9/9/9/9/9/9/4K4 w - 1", 1);
    g.form.com_ban();
    ASSERT_EQ(g.candidates.size(), 3u);
    EXPECT_EQ(g.candidates[0].score, g.candidates[2].score);
    EXPECT_EQ(g.recorded(), move(5, 1, 4, 2, 950));
}

// The lower king is mated already, so nearly every move scores 9998: board
// moves win the tie, and the search stops at the first drop, although that
// drop does not become the best.
TEST(ComTurn, StopsAfterTheFirstDropOnceAMateIsInHand) {
    ComGame g("8k/9/9/9/9/6g2/9/4b2Kr/9 w g 1");
    g.form.com_ban();
    ASSERT_EQ(g.candidates.back().fromX, -1);
    EXPECT_EQ(g.candidates.back().score, 9998_pt);
    EXPECT_EQ(g.candidates[g.candidates.size() - 2].fromX, 9);  // the last board move
    EXPECT_EQ(g.recorded(), move(5, 8, 4, 9, 801));             // the first mate, promoted
    EXPECT_TRUE(g.traced("msgbox \"詰め ?\" \"よし！!\" OK -> OK"));
}

TEST(ComTurn, StopsAtAMatingDrop) {
    ComGame g("k8/9/9/9/9/9/4s4/9/4K4 w g 1");
    g.form.com_ban();
    EXPECT_EQ(g.candidates.back(), (Candidate{-1, 5, 4, 8, 110, 9998_pt}));
    EXPECT_EQ(g.recorded(), move(-1, 5, 4, 8, 110));
    EXPECT_EQ(g.form.moveRecord.movedPiece[1], 110);
    EXPECT_EQ(g.form.upperHand[5], 0);
}

TEST(ComTurn, TakesTheKingWithTheFirstPieceThatCan) {
    ComGame g("k8/9/9/9/9/9/9/3g1g3/4K4 w - 1");
    g.form.com_ban();
    EXPECT_EQ(g.candidates.back(), (Candidate{4, 8, 5, 9, 110, 9999_pt}));
    EXPECT_TRUE(g.traced("msgbox \"終了\" \"ｺﾝﾋﾟｭｰﾀの勝ちです\" OK -> OK"));
}

// Once the king is taken its old square still looks mated to 詰めかMAN; the
// capture must end the game rather than announce a mate.
TEST(ComTurn, ACapturedKingEndsTheGameEvenWhereTheMateTestWouldAnswerYes) {
    TestForm after;
    after.position("k8/9/9/9/4r4/9/9/3P1P3/4g4 b - 1");
    after.form.lowerKingX = 5, after.form.lowerKingY = 9;
    after.form.勢力調査();
    ASSERT_EQ(after.form.詰めかMAN(), 1);

    ComGame g("k8/9/9/9/4r4/9/9/3PgP3/4K4 w - 1");
    g.form.com_ban();
    EXPECT_TRUE(g.traced("msgbox \"終了\" \"ｺﾝﾋﾟｭｰﾀの勝ちです\" OK -> OK"));
    EXPECT_FALSE(g.traced("msgbox \"詰め ?\" \"よし！!\" OK -> OK"));
}

TEST(ComTurn, AnnouncesCheckButNotAfterMate) {
    ComGame check("k8/9/9/9/9/9/9/9/4K4 w r 1", 1);
    check.form.com_ban();
    EXPECT_EQ(check.recorded(), move(-1, 7, 5, 3, 900));
    EXPECT_TRUE(check.traced("msgbox \"\" \"   ** 王手 **\" OK -> OK"));

    ComGame mate("k8/9/9/9/9/9/4s4/9/4K4 w g 1");
    mate.form.com_ban();
    EXPECT_TRUE(mate.traced("msgbox \"詰め ?\" \"よし！!\" OK -> OK"));
    EXPECT_FALSE(mate.traced("msgbox \"\" \"   ** 王手 **\" OK -> OK"));

    ComGame quiet("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    quiet.form.com_ban();
    EXPECT_EQ(quiet.trace.str().find("msgbox"), std::string::npos);
}

TEST(ComTurn, WithNothingToPlayTheHumanWins) {
    // The upper king is boxed in by its own dead pawns, and the hand is empty.
    ComGame g("9/9/9/9/4K4/9/9/7pp/7pk w - 1");
    g.form.com_ban();
    EXPECT_TRUE(g.candidates.empty());
    EXPECT_TRUE(g.traced("msgbox \"終了\" \"あなたの勝ちです\" OK -> OK"));
    EXPECT_EQ(g.form.moveRecord.fromX[1], 0);  // nothing was recorded
}

TEST(ComTurn, AFullRecordTakesNoMove) {
    ComGame g("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    g.form.recordIndex = g.form.recordLength = Form1::RECORD_CAPACITY;
    g.form.com_ban();
    EXPECT_TRUE(g.candidates.empty());
    EXPECT_EQ(g.form.board[5][1], Form1::UPPER_KING);
    EXPECT_EQ(g.form.turn, g.form.upperSide);
    EXPECT_NE(g.trace.str().find("msgbox \"棋譜\""), std::string::npos);
}

TEST(ComTurn, RecordsPlaysAndHandsOver) {
    ComGame g("k8/9/9/4g4/4R4/9/9/9/8K w s 1", 2);
    g.form.lowerTime = 7;
    g.form.upperTime = 30;
    g.form.moveElapsed = 4;
    g.platform.clock = 1234;
    g.form.com_ban();
    const auto& r = g.form.moveRecord;
    EXPECT_EQ(g.recorded(), move(5, 4, 5, 5, 110));  // the safe capture of the rook
    EXPECT_EQ(r.movedPiece[1], 110);
    EXPECT_EQ(r.capturedPiece[1], Form1::LOWER_ROOK);
    EXPECT_EQ(r.lowerTimeBefore[1], 7);
    EXPECT_EQ(r.lowerTimeAfter[1], 7);
    EXPECT_EQ(r.upperTimeBefore[1], 30);
    EXPECT_EQ(r.upperTimeAfter[1], 34);
    EXPECT_EQ(g.form.moveNumber, 1);
    EXPECT_TRUE(g.traced("sound play 駒打音.wav"));
    EXPECT_EQ(g.form.upperHand[7], 1);
    EXPECT_EQ(g.form.upperHand[4], 1);  // trials never touch the hand
    EXPECT_EQ(g.form.upperTime, 34);
    EXPECT_EQ(g.form.moveStartTime, 1234);
    EXPECT_EQ(g.form.turn, g.form.lowerSide);
    EXPECT_FALSE(g.form.timer1Enabled);
}

TEST(ComTurn, KeepsTheClockRunningWhenElapsedTimeIsShown) {
    ComGame g("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    g.form.menuChecked[Menu::KEIKA] = true;
    g.form.com_ban();
    EXPECT_TRUE(g.form.timer1Enabled);
}

TEST(ComTurn, ShowsThinkingAndTheMove) {
    ComGame g("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    g.platform.traceDraw = true;
    g.form.com_ban();
    const std::string trace = g.trace.str();
    const size_t shadow = trace.find("draw text \"思考中\" 308 5328 12 0");
    const size_t text = trace.find("draw text \"思考中\" 258 5266 12 15");
    ASSERT_NE(shadow, std::string::npos);
    ASSERT_NE(text, std::string::npos);
    EXPECT_LT(shadow, text);
    EXPECT_NE(trace.find("draw text \"王\"", text), std::string::npos);  // the notation replaces it
}

TEST(ComTurn, LeavesTheBoardAsItFoundItApartFromItsMove) {
    ComGame g("ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w Bp 1");
    int before[10][10];
    std::memcpy(before, g.form.board, sizeof before);
    g.form.com_ban();
    const Candidate m = g.recorded();
    int changed = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.form.board[x][y] != before[x][y]) {
                ++changed;
                EXPECT_TRUE((x == m.fromX && y == m.fromY) || (x == m.toX && y == m.toY)) << x << "," << y;
            }
    EXPECT_EQ(changed, m.fromX == -1 ? 1 : 2);
}

}  // namespace
