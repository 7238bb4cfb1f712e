// Writes KIF and KIFU files of games played on the game, from every kind of
// start, into a folder, with "expected.tsv": each file's name and the SFEN
// (without the move number) of the position its last written move leaves.
// Another program's reader (see final_sfen.mjs) must reach the same.

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "record/KifWriter.h"
#include "tests/support/KifGames.h"

namespace {

struct Sample {
    std::string name;
    std::function<void(Form1&, std::mt19937&)> setUp;
    bool takeKing;
};

void ladder(Form1& f, int level, bool upperFirst) {
    for (int i = 0; i < (level < 0 ? -level : level); ++i) level > 0 ? f.LBEL_UP_Click() : f.LEBEL_DOWN_Click();
    f.START_Click();
    if (upperFirst) f.turn = f.upperSide;
}

std::vector<Sample> samples() {
    std::vector<Sample> list = {
        {"even", [](Form1& f, std::mt19937&) { ladder(f, 0, false); }, false},
        {"even_king_taken", [](Form1& f, std::mt19937&) { ladder(f, 0, false); }, true},
        {"even_upper_first", [](Form1& f, std::mt19937&) { ladder(f, 0, true); }, false},
        {"turned_board",
         [](Form1& f, std::mt19937& random) {
             ladder(f, 0, false);
             kiftest::playRandomMoves(f, random, 40, false);
             f.REVERSE_Click();
         },
         false},
    };
    for (int level = -10; level <= 10; ++level)
        if (level != 0)
            list.push_back({"ladder" + std::to_string(level),
                            [level](Form1& f, std::mt19937&) { ladder(f, level, level > 0); }, level % 3 == 0});
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
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        std::mt19937 random(seed++);
        sample.setUp(f, random);
        const kif::Position start = kiftest::positionOf(f);
        std::vector<kif::Position> positions{start};
        for (const kif::Position& p : kiftest::playRandomMoves(f, random, 150, sample.takeKing)) positions.push_back(p);
        kif::Game game = kiftest::gameOf(f, start);
        game.ending = kif::Ending::Interrupted;
        // A king's capture and the move that allowed it are not written.
        const size_t written = f.winner != 0 ? game.moves.size() - 2 : game.moves.size();
        for (const auto& [format, extension] : {std::pair{kif::Format::Kif, ".kif"}, {kif::Format::Kifu, ".kifu"}}) {
            const std::string name = sample.name + extension;
            std::ofstream(folder / name, std::ios::binary) << *kif::writeKif(game, format);
            expected << name << '\t' << kiftest::sfenOf(positions[written]) << '\n';
        }
    }
    return 0;
}
