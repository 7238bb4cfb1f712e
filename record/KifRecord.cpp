#include "record/KifRecord.h"

#include <algorithm>
#include <cassert>

#include "game/PieceCode.h"

namespace kif {
namespace {

constexpr std::string_view COMPUTER_NAME = "COM レベル";

long wholeSeconds(double seconds) { return static_cast<long>(seconds); }

}  // namespace

Position positionOf(const Form1::RecordStart& start) {
    Position p;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) p.board[x][y] = start.board[x][y];
    for (int k = 1; k <= HAND_KINDS; ++k) {
        p.lowerHand[k] = start.lowerHand[k];
        p.upperHand[k] = start.upperHand[k];
    }
    p.toMove = start.upperMovesFirst ? Side::Upper : Side::Lower;
    return p;
}

Form1::RecordStart recordStartOf(const Position& position) {
    Form1::RecordStart start;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) start.board[x][y] = position.board[x][y];
    for (int k = 1; k <= HAND_KINDS; ++k) {
        start.lowerHand[k] = position.lowerHand[k];
        start.upperHand[k] = position.upperHand[k];
    }
    start.upperMovesFirst = position.toMove == Side::Upper;
    return start;
}

Game gameOfRecord(const Form1& form, int last, const RecordNames& names) {
    assert(last >= 0 && last <= std::max(form.recordIndex, form.recordLength));
    Game game;
    game.start = positionOf(form.recordStart);
    game.startTime = form.recordStartTime;
    if (!names.title.empty()) game.otherFields.push_back({std::string(TITLE_KEY), names.title});
    const bool upperFirst = form.recordStart.upperMovesFirst;
    game.lowerPlayer = upperFirst ? names.secondPlayer : names.firstPlayer;
    game.upperPlayer = upperFirst ? names.firstPlayer : names.secondPlayer;
    if (game.upperPlayer.empty() && form.gameMode == Form1::MODE_COM)
        game.upperPlayer = std::string(COMPUTER_NAME) + std::to_string(form.comLevel);

    const Form1::MoveRecord& r = form.moveRecord;
    for (int n = 1; n <= last; ++n) {
        // A person's drop from the upper stand keeps the row clicked; a record
        // names the hand kind.
        const int fromY = r.fromX[n] == Vocabulary::UPPER_STAND_X ? piece::handIndex(r.movedPiece[n]) : r.fromY[n];
        game.moves.push_back({r.fromX[n], fromY, r.toX[n], r.toY[n], r.movedPiece[n], r.placedPiece[n],
                              r.capturedPiece[n], wholeSeconds(r.lowerTimeBefore[n]), wholeSeconds(r.lowerTimeAfter[n]),
                              wholeSeconds(r.upperTimeBefore[n]), wholeSeconds(r.upperTimeAfter[n]), ""});
    }
    const bool endedHere = form.recordEnding.entry == last && form.recordEnding.how != Ending::None;
    game.ending = endedHere ? form.recordEnding.how : Ending::Interrupted;
    return game;
}

}  // namespace kif
