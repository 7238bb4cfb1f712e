#pragma once
// The hand-over between the game's move record and a KIF record.

#include <string>
#include <string_view>

#include "game/Form1.h"
#include "record/KifGame.h"

namespace kif {

// The header key of the game's title, the text of the panel's title box.
constexpr std::string_view TITLE_KEY = "表題";

// What the write panel's boxes give a record.
struct RecordNames {
    std::string title;
    std::string firstPlayer;   // of the side that moved first
    std::string secondPlayer;  // of the other side
};

// The form's record from its start up to entry `last`, clocks in whole
// seconds, with its start date-time and its ending: how it ended when it
// ended at `last`, else 中断. The computer's side, when its name is empty, is
// named with its level.
Game gameOfRecord(const Form1& form, int last, const RecordNames& names);

Position positionOf(const Form1::RecordStart& start);
Form1::RecordStart recordStartOf(const Position& position);

}  // namespace kif
