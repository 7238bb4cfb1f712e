// Round trips through the game itself: games of every kind played with the
// mouse (and the computer), saved as KIF and KIFU through the write panel,
// read back through the read panel into a fresh game and stepped through.
// Every step shows the position and both clocks (to the second) that
// stepping through the game that was played shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "tests/support/GameKinds.h"
#include "tests/support/RecordGames.h"

namespace {

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
    for (const recordtest::GameKind& kind : recordtest::gameKinds()) {
        SCOPED_TRACE(kind.name);
        TestForm t;
        Form1& f = t.form;
        recordtest::playKind(t, kind, seed++);
        EXPECT_EQ(t.takeTrace().find("の勝ちです") != std::string::npos, kind.won);
        ASSERT_GE(f.recordLength, kind.leastMoves);
        seen.count(f);
        const std::vector<Shown> played = stepsOf(f);
        for (const char* name : {"game.kif", "game.kifu"}) {
            SCOPED_TRACE(name);
            ASSERT_EQ(recordtest::saveThroughPanel(t, folder, name, {"対局", "先の人", "後の人"}),
                      recordtest::WRITTEN_MESSAGE);
            TestForm back;
            back.form.Form_Load();
            ASSERT_EQ(recordtest::readThroughPanel(back, folder, name), recordtest::LOADED_MESSAGES);
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
