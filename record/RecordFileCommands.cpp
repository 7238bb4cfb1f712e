// The file panel's two file commands: RETURN writes the record up to the
// shown position, a click in the file list reads a record to step through.
// The name chooses the format: ".kif" and ".kifu" (in any case) are KIF, any
// other name is the game's own format with ".棋譜" added.

#include <cstddef>
#include <filesystem>

#include "game/Form1.h"
#include "record/KifRecord.h"
#include "record/RecordFiles.h"

namespace {

constexpr int HEADER_FONT_SIZE = 12;
constexpr double HEADER_TOP_Y = 100, HEADER_BOTTOM_Y = 6350, TITLE_SHIFT = 3000;

bool isPlainFileName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != "..";
}

std::size_t characterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

void Form1::KIFU_WRITE_Click() {
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
    const std::optional<kif::Format> format = kif::formatOfFileName(name);
    if (!format)
        if (const char* refusal = ownFormatRefusal(*this)) {
            platform.messageBox("棋譜書込", refusal, BoxButtons::Ok);
            return;
        }
    const std::string path = filePanel.filePath + "/" + name;
    const bool written =
        format ? writeKifRecordFile(*this, path, *format) : writeOwnRecordFile(*this, path + FilePanel::FILE_EXTENSION);
    if (!written) {
        platform.messageBox("棋譜保存", "棋譜ﾌｧｲﾙを書き込めませんでした", BoxButtons::Ok);
        return;
    }
    closeFilePanel();
    platform.panelChanged(filePanel);
    platform.messageBox("  ", "棋譜を書き込みました", BoxButtons::Ok);
}

void Form1::File1_Click(const std::string& fileName) {
    const std::string path = filePanel.filePath + "/" + fileName;
    const std::optional<kif::Format> format = kif::formatOfFileName(fileName);
    const RecordRead read = !isPlainFileName(fileName) ? RecordRead(std::string(CANNOT_OPEN))
                            : format                   ? readKifRecordFile(path, *format)
                                                       : readOwnRecordFile(path);
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        platform.messageBox("棋譜", *refusal, BoxButtons::Ok);
        return;
    }
    // A file without moves is refused like any other: the game under way stays.
    if (std::get<ReadRecord>(read).game.moves.empty()) {
        platform.messageBox("棋譜", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", BoxButtons::Ok);
        return;
    }
    loadRecord(std::get<ReadRecord>(read));
}

void Form1::loadRecord(const ReadRecord& read) {
    const kif::Game& game = read.game;
    const int moveCount = static_cast<int>(game.moves.size());
    描画_可視(NO_LISTS);
    // The file's start takes the place of whatever was set up on the board,
    // and the reset puts it there.
    handicapSet = OFF;
    reversed = OFF;
    recordStart = kif::recordStartOf(game.start);
    recordStartTime = game.startTime;
    recordEnding = {moveCount, game.ending};
    初期設定();
    gameKept = true;  // it is in its file already
    kifuMode = ON;
    platform.drawText(read.title, 取得_棋譜のX座標(read.title) - TITLE_SHIFT, HEADER_BOTTOM_Y, HEADER_FONT_SIZE,
                      fontBold, accentColor);
    platform.drawText(game.upperPlayer, 取得_棋譜のX座標(game.upperPlayer), HEADER_TOP_Y, HEADER_FONT_SIZE, fontBold,
                      textColor);
    platform.drawText(game.lowerPlayer, 取得_棋譜のX座標(game.lowerPlayer), HEADER_BOTTOM_Y, HEADER_FONT_SIZE, fontBold,
                      textColor);
    MoveRecord& r = moveRecord;
    for (int k = 1; k <= moveCount; ++k) {
        const kif::Move& m = game.moves[k - 1];
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
    platform.messageBox("棋譜", " 読み込みました", BoxButtons::Ok);
    platform.messageBox("棋譜", "棋譜を '進 'で進めて下さい", BoxButtons::Ok);
    gameMode = read.againstComputer ? MODE_COM : MODE_HUMAN;
    const bool upperFirst = recordStart.upperMovesFirst;
    SENTE = upperFirst ? upperSide : lowerSide;
    GOTE = upperFirst ? lowerSide : upperSide;
    turn = SENTE;
}

void Form1::openRecordFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path file = fs::absolute(path, error);
    if (error) file = path;
    // The folder as the folder list shows it; the name as given, so that a
    // link keeps its own extension.
    const fs::path folder = fs::weakly_canonical(file.parent_path(), error);
    filePanel.startIn((error ? file.parent_path() : folder).string());
    File1_Click(file.filename().string());
}

double Form1::取得_棋譜のX座標(const std::string& IN_文字列) {
    return boardLeft + (3 + (13.0 - static_cast<double>(characterCount(IN_文字列))) / 5) * squareWidth;
}
