// Writes KIF and KIFU files of games played on the game, from every kind of
// start, into a folder, with "expected.tsv": each file's name and the SFEN
// (without the move number) of the position its last written move leaves.
// Another program's reader (see final_sfen.mjs) must reach the same. Some
// are written by the KIF writer from the record, the others by the game
// itself through its write panel, after games played with the mouse.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "record/KifWriter.h"
#include "tests/support/GameKinds.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace {

struct Sample {
    std::string name;
    kiftest::SetUp setUp;
    bool takeKing;
};

std::vector<Sample> samples() {
    std::vector<Sample> list = {
        {"even", [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, false); }, false},
        {"even_king_taken", [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, false); }, true},
        {"even_upper_first", [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, true); }, false},
        {"turned_board",
         [](Form1& f, std::mt19937_64& random) {
             kiftest::startOnLadder(f, 0, false);
             kiftest::playRandomMoves(f, random, 40, false);
             f.REVERSE_Click();
         },
         false},
    };
    for (int level = -10; level <= 10; ++level)
        if (level != 0)
            list.push_back({"ladder" + std::to_string(level),
                            [level](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, level, level > 0); },
                            level % 3 == 0});
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mirelo-kif-samples FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::ofstream expected(folder / "expected.tsv");
    unsigned seed = 1;
    for (const Sample& sample : samples()) {
        kiftest::PlayedGame played = kiftest::playFrom(sample.setUp, seed++, 150, sample.takeKing);
        played.game.ending = kif::Ending::Interrupted;
        const kif::Position& last = played.positions[kiftest::movesWritten(played.game)];
        for (const auto& [format, extension] : {std::pair{kif::Format::Kif, ".kif"}, {kif::Format::Kifu, ".kifu"}}) {
            const std::string name = sample.name + extension;
            std::ofstream(folder / name, std::ios::binary) << *kif::writeKif(played.game, format);
            expected << name << '\t' << kiftest::sfenOf(last) << '\n';
        }
    }
    for (const recordtest::GameKind& kind : recordtest::gameKinds()) {
        TestForm t;
        recordtest::playKind(t, kind, seed++);
        std::string name = "panel " + kind.name;
        std::replace_if(
            name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c) && c != '-'; }, '_');
        const std::string position = kiftest::sfenOf(kiftest::positionOf(t.form));
        for (const char* extension : {".kif", ".kifu"}) {
            if (recordtest::saveThroughPanel(t, folder.string(), name + extension) != recordtest::WRITTEN_MESSAGE) {
                std::cerr << "the panel did not write " << name << extension << '\n';
                return 1;
            }
            expected << name << extension << '\t' << position << '\n';
        }
    }
    return 0;
}
