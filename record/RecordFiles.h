#pragma once
// The two kinds of record file the panel reads and writes: the game's own
// ".棋譜" files and KIF (".kif" in code page 932, ".kifu" in UTF-8). A file is
// read and checked whole before the game sees it: what comes back is a record
// ready to go into the game, or the message that refuses the file.

#include <string>
#include <variant>

#include "record/KifEncoding.h"
#include "record/KifGame.h"

class Form1;

// A record read from a file.
struct ReadRecord {
    kif::Game game;     // the start, both players, the moves with their clocks, the ending
    std::string title;  // drawn below the board
    // Own files: a record the upper side opened is taken up as a game against the computer.
    bool againstComputer = false;
};
using RecordRead = std::variant<ReadRecord, std::string>;  // the record, or the message refusing it

inline constexpr const char* CANNOT_OPEN = "棋譜ﾌｧｲﾙを開けません";

// The game's own format, which holds only games from the initial position.
RecordRead readOwnRecordFile(const std::string& path);
// Why the own format cannot hold the form's record; nullptr when it can.
const char* ownFormatRefusal(const Form1& form);
// Moves 1..recordIndex with the panel's title and names. False when the file
// cannot be written or a text has no Shift_JIS form.
bool writeOwnRecordFile(const Form1& form, const std::string& path);

RecordRead readKifRecordFile(const std::string& path, kif::Format format);
// Moves 1..recordIndex with the panel's title and names, as KIF or KIFU.
bool writeKifRecordFile(const Form1& form, const std::string& path, kif::Format format);
