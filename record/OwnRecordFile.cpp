// The game's own record files (".棋譜"): the title, both players and one line
// per move. A file read is checked whole and replayed from the initial
// position before the game sees it, so a damaged or hostile file never puts
// an impossible position on the board.

#include <cstddef>
#include <vector>

#include "files/ShiftJis.h"
#include "files/TextFile.h"
#include "game/Form1.h"
#include "record/Handicaps.h"
#include "record/KifuFormat.h"
#include "record/OwnRecordRules.h"
#include "record/RecordFiles.h"

namespace {

constexpr int HEADER_LINES = 3;  // title, upper side's player, lower side's player

// A header line of the file: a line break typed into a box would split it and
// shift every later line, so it is written as a blank.
std::string headerLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// The largest file a record can fill is some 20 000 bytes; anything far
// larger is not read into memory at all.
constexpr std::size_t MAX_FILE_BYTES = 1 << 20;

std::string lineMessage(int number, const char* problem) {
    return "棋譜ﾌｧｲﾙの " + std::to_string(number) + " 行目" + problem;
}

}  // namespace

const char* ownFormatRefusal(const Form1& form) {
    if (form.reversed == Form1::ON) return "反転後は書き込みできません";
    if (form.handicapSet == Form1::ON) return "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません";
    if (!form.recordStartsEven()) return "この棋譜は .kif か .kifu で書き込んで下さい";
    return nullptr;
}

bool writeOwnRecordFile(const Form1& form, const std::string& path) {
    // The first player's name goes to the line of the side that moved first.
    // The record's first move tells it: the turn values say so too until 先手
    // is chosen in the middle of a game the computer opened, which hands the
    // lower side the first player's value.
    const Form1::MoveRecord& r = form.moveRecord;
    const bool lowerFirst = r.movedPiece[1] < 0;
    const std::string& firstPlayer = form.filePanel.text[FIRST_PLAYER_BOX];
    const std::string& secondPlayer = form.filePanel.text[SECOND_PLAYER_BOX];
    std::vector<std::string> lines = {headerLine(form.filePanel.text[TITLE_BOX]),
                                      headerLine(lowerFirst ? secondPlayer : firstPlayer),
                                      headerLine(lowerFirst ? firstPlayer : secondPlayer)};
    for (int n = 1; n <= form.recordIndex; ++n)
        lines.push_back(kifu::format({r.fromX[n], r.fromY[n], r.toX[n], r.toY[n], r.placedPiece[n], r.movedPiece[n],
                                      r.capturedPiece[n], kifu::fileSeconds(r.lowerTimeBefore[n]),
                                      kifu::fileSeconds(r.lowerTimeAfter[n]), kifu::fileSeconds(r.upperTimeBefore[n]),
                                      kifu::fileSeconds(r.upperTimeAfter[n])}));
    return textfile::writeLines(path, lines);
}

RecordRead readOwnRecordFile(const std::string& path) {
    std::vector<std::string> lines;
    switch (textfile::readLines(path, lines, MAX_FILE_BYTES)) {
    case files::ReadResult::TooLarge: return std::string("棋譜ﾌｧｲﾙが大きすぎます");
    case files::ReadResult::Unopenable: return std::string(CANNOT_OPEN);
    case files::ReadResult::Read: break;
    }
    while (lines.size() > HEADER_LINES && lines.back().empty()) lines.pop_back();
    // (A file of fewer lines holds no move, and is refused for that.)
    std::string header[HEADER_LINES];
    for (int i = 0; i < HEADER_LINES && i < static_cast<int>(lines.size()); ++i) {
        const auto text = sjis::toUtf8(lines[i]);
        if (!text) return lineMessage(i + 1, "が読めません");
        header[i] = *text;
    }
    const int moveCount = lines.size() > HEADER_LINES ? static_cast<int>(lines.size()) - HEADER_LINES : 0;
    if (moveCount > Form1::RECORD_CAPACITY) return std::string("棋譜ﾌｧｲﾙの手数が500手を超えています");
    std::vector<kifu::MoveLine> moves(moveCount);
    for (int k = 0; k < moveCount; ++k)
        if (!kifu::parse(lines[k + HEADER_LINES], moves[k]))
            return lineMessage(k + HEADER_LINES + 1, "が正しくありません");
    const int inconsistent = kifu::firstInconsistentMove(moves);
    if (const int bad = inconsistent != 0 ? inconsistent : kifu::firstMoveAgainstTheRules(moves); bad != 0)
        return "棋譜ﾌｧｲﾙの " + std::to_string(bad) + " 手目が局面と合いません";

    ReadRecord read;
    read.title = header[0];
    read.game.upperPlayer = header[1];
    read.game.lowerPlayer = header[2];
    read.game.start = kif::evenStart();
    const bool upperFirst = moveCount > 0 && moves[0].movedPiece >= Vocabulary::UPPER_PAWN;
    read.game.start.toMove = upperFirst ? kif::Side::Upper : kif::Side::Lower;
    read.againstComputer = upperFirst;
    for (const kifu::MoveLine& m : moves)
        read.game.moves.push_back({m.fromX, m.fromY, m.toX, m.toY, m.movedPiece, m.placedPiece, m.capturedPiece,
                                   m.lowerTimeBefore, m.lowerTimeAfter, m.upperTimeBefore, m.upperTimeAfter, ""});
    return read;
}
