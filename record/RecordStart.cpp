// Where the move record starts: the initial position, a handicap, a turned
// board or the start of a file. Stepping back and a reset return to it.

#include "game/Form1.h"
#include "game/InitialPosition.h"

Form1::RecordStart Form1::initialRecordStart() {
    RecordStart start;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) start.board[x][y] = INITIAL_POSITION[y - 1][x - 1];
    return start;
}

void Form1::captureRecordStart(bool upperMovesFirst) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) recordStart.board[x][y] = board[x][y];
    for (int k = HAND_PAWN; k <= HAND_ROOK; ++k) {
        recordStart.lowerHand[k] = lowerHand[k];
        recordStart.upperHand[k] = upperHand[k];
    }
    recordStart.upperMovesFirst = upperMovesFirst;
    recordStartTime = platform.localDateTime();
}

void Form1::forgetRecord() {
    keepGame(recordLength);
    recordLength = 0;
    recordStart = initialRecordStart();
    recordStartTime.reset();
    recordEnding = {};
}

// Which side moves first does not matter: a game from the initial position
// may be opened by either.
bool Form1::recordStartsEven() const {
    RecordStart start = recordStart;
    start.upperMovesFirst = false;
    return start == initialRecordStart();
}
