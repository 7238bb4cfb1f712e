// Saving the move record to a ".棋譜" file and reading one back for stepping
// through it. A file read is checked whole before anything changes, so a
// damaged or hostile file never puts an impossible position on the board.

#include <cstddef>
#include <vector>

#include "files/ShiftJis.h"
#include "files/TextFile.h"
#include "game/Form1.h"
#include "record/KifuFormat.h"

namespace {

constexpr int HEADER_FONT_SIZE = 12;
constexpr double HEADER_TOP_Y = 100, HEADER_BOTTOM_Y = 6350, TITLE_SHIFT = 3000;

bool isPlainFileName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != "..";
}

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

size_t characterCount(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

void Form1::KIFU_WRITE_Click() {
    if (reversed == ON) {
        platform.messageBox("棋譜書込", "反転後は書き込みできません", BoxButtons::Ok);
        return;
    }
    if (handicapSet == ON) {
        platform.messageBox("棋譜書込", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", BoxButtons::Ok);
        return;
    }
    描画_可視(WRITING_LISTS);
    描画_棋譜_IO(PanelTexts::Shown);
}

void Form1::Command1_Click() {
    const std::string& name = filePanel.text[FILE_NAME_BOX];
    if (name.empty()) {
        platform.messageBox("  ", "ﾌｧｲﾙ名が入力されていません", BoxButtons::Ok);
        return;
    }
    if (recordIndex < 1) {
        platform.messageBox("棋譜保存", "保存するデータがありません", BoxButtons::Ok);
        return;
    }
    if (!isPlainFileName(name)) {
        platform.messageBox("棋譜保存", "ﾌｧｲﾙ名に '/' や '\\' は使えません", BoxButtons::Ok);
        return;
    }
    // The first player's name goes to the line of the side that moved first.
    // The record's first move tells it: the turn values say so too until 先手
    // is chosen in the middle of a game the computer opened, which hands the
    // lower side the first player's value.
    const bool lowerFirst = moveRecord.movedPiece[1] < 0;
    const std::string& firstPlayer = filePanel.text[FIRST_PLAYER_BOX];
    const std::string& secondPlayer = filePanel.text[SECOND_PLAYER_BOX];
    std::vector<std::string> lines = {headerLine(filePanel.text[TITLE_BOX]),
                                      headerLine(lowerFirst ? secondPlayer : firstPlayer),
                                      headerLine(lowerFirst ? firstPlayer : secondPlayer)};
    const MoveRecord& r = moveRecord;
    for (int n = 1; n <= recordIndex; ++n)
        lines.push_back(kifu::format({r.fromX[n], r.fromY[n], r.toX[n], r.toY[n], r.placedPiece[n], r.movedPiece[n],
                                      r.capturedPiece[n], kifu::fileSeconds(r.lowerTimeBefore[n]),
                                      kifu::fileSeconds(r.lowerTimeAfter[n]), kifu::fileSeconds(r.upperTimeBefore[n]),
                                      kifu::fileSeconds(r.upperTimeAfter[n])}));
    const std::string path = filePanel.filePath + "/" + name + FilePanel::FILE_EXTENSION;
    if (!textfile::writeLines(path, lines)) {
        platform.messageBox("棋譜保存", "棋譜ﾌｧｲﾙを書き込めませんでした", BoxButtons::Ok);
        return;
    }
    closeFilePanel();
    platform.panelChanged(filePanel);
    platform.messageBox("  ", "棋譜を書き込みました", BoxButtons::Ok);
}

void Form1::File1_Click(const std::string& fileName) {
    // Everything is read and checked first: a file that is refused changes nothing.
    std::vector<std::string> lines;
    const files::ReadResult read = isPlainFileName(fileName)
                                       ? textfile::readLines(filePanel.filePath + "/" + fileName, lines, MAX_FILE_BYTES)
                                       : files::ReadResult::Unopenable;
    if (read == files::ReadResult::TooLarge) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙが大きすぎます", BoxButtons::Ok);
        return;
    }
    if (read != files::ReadResult::Read) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙを開けません", BoxButtons::Ok);
        return;
    }
    while (lines.size() > 3 && lines.back().empty()) lines.pop_back();
    // A missing header line shows the line before it again.
    std::string header[3];
    for (int i = 0; i < 3; ++i) {
        if (i < static_cast<int>(lines.size())) {
            const auto text = sjis::toUtf8(lines[i]);
            if (!text) {
                platform.messageBox("棋譜", "棋譜ﾌｧｲﾙの " + std::to_string(i + 1) + " 行目が読めません",
                                    BoxButtons::Ok);
                return;
            }
            header[i] = *text;
        } else if (i > 0) {
            header[i] = header[i - 1];
        }
    }
    const int moveCount = lines.size() > 3 ? static_cast<int>(lines.size()) - 3 : 0;
    if (moveCount > RECORD_CAPACITY) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙの手数が500手を超えています", BoxButtons::Ok);
        return;
    }
    std::vector<kifu::MoveLine> moves(moveCount);
    for (int k = 0; k < moveCount; ++k)
        if (!kifu::parse(lines[k + 3], moves[k])) {
            platform.messageBox("棋譜", "棋譜ﾌｧｲﾙの " + std::to_string(k + 4) + " 行目が正しくありません",
                                BoxButtons::Ok);
            return;
        }
    if (const int bad = kifu::firstInconsistentMove(moves); bad != 0) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙの " + std::to_string(bad) + " 手目が局面と合いません", BoxButtons::Ok);
        return;
    }

    描画_可視(NO_LISTS);
    初期設定();
    kifuMode = ON;
    platform.drawText(header[0], 取得_棋譜のX座標(header[0]) - TITLE_SHIFT, HEADER_BOTTOM_Y, HEADER_FONT_SIZE, fontBold,
                      accentColor);
    platform.drawText(header[1], 取得_棋譜のX座標(header[1]), HEADER_TOP_Y, HEADER_FONT_SIZE, fontBold, textColor);
    platform.drawText(header[2], 取得_棋譜のX座標(header[2]), HEADER_BOTTOM_Y, HEADER_FONT_SIZE, fontBold, textColor);
    MoveRecord& r = moveRecord;
    for (int k = 1; k <= moveCount; ++k) {
        const kifu::MoveLine& m = moves[k - 1];
        r.fromX[k] = m.fromX;
        r.fromY[k] = m.fromY;
        r.toX[k] = m.toX;
        r.toY[k] = m.toY;
        r.placedPiece[k] = m.placedPiece;
        r.movedPiece[k] = m.movedPiece;
        r.capturedPiece[k] = m.capturedPiece;
        r.lowerTimeBefore[k] = static_cast<double>(m.lowerTimeBefore);
        r.lowerTimeAfter[k] = static_cast<double>(m.lowerTimeAfter);
        r.upperTimeBefore[k] = static_cast<double>(m.upperTimeBefore);
        r.upperTimeAfter[k] = static_cast<double>(m.upperTimeAfter);
    }
    recordIndex = 0;
    moveNumber = 0;
    recordLength = moveCount;
    if (moveCount == 0) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", BoxButtons::Ok);
        return;
    }
    platform.messageBox("棋譜", " 読み込みました", BoxButtons::Ok);
    platform.messageBox("棋譜", "棋譜を '進 'で進めて下さい", BoxButtons::Ok);
    if (r.movedPiece[1] >= UPPER_PAWN) {
        gameMode = MODE_COM;
        SENTE = upperSide;
        GOTE = lowerSide;
    } else {
        gameMode = MODE_HUMAN;
        SENTE = lowerSide;
        GOTE = upperSide;
    }
    turn = SENTE;
}

double Form1::取得_棋譜のX座標(const std::string& IN_文字列) {
    return boardLeft + (3 + (13.0 - static_cast<double>(characterCount(IN_文字列))) / 5) * squareWidth;
}
