// The reader against damaged files: thousands of files made from real ones by
// flipping bytes, cutting, duplicating and deleting lines, changing digits,
// breaking the Shift_JIS text and overfilling the record. Every file must
// either load into a record that steps through sound positions, or be refused
// with everything as it was. Built with the sanitizers, it also shows that no
// file makes the reader touch memory it should not.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "tests/support/GameSnapshot.h"
#include "tests/support/PositionInvariants.h"
#include "tests/support/RecordGames.h"
#include "tests/support/TestForm.h"

namespace {

namespace fs = std::filesystem;
using recordtest::readBytes;

constexpr const char* START_POSITION = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL ";

// The damage done to a file, one or a few of these at a time.
class Mutator {
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    std::string mutate(std::string bytes) {
        const int rounds = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < rounds; ++i) bytes = once(bytes);
        return bytes;
    }

    unsigned pick(unsigned n) { return n == 0 ? 0 : static_cast<unsigned>(random() % n); }

private:
    std::mt19937 random;

    static std::vector<std::string> split(const std::string& bytes) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        if (start < bytes.size()) lines.push_back(bytes.substr(start));
        return lines;
    }
    static std::string join(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        return bytes;
    }
    // A line index among the moves (4th line on) when there are any.
    size_t moveLine(const std::vector<std::string>& lines) {
        return lines.size() > 3 ? 3 + pick(static_cast<unsigned>(lines.size() - 3))
                                : pick(static_cast<unsigned>(lines.size()));
    }

    std::string once(std::string bytes) {
        std::vector<std::string> lines = split(bytes);
        switch (pick(14)) {
        case 0:  // flip bits anywhere
            for (int n = 1 + static_cast<int>(pick(4)); n > 0 && !bytes.empty(); --n)
                bytes[pick(static_cast<unsigned>(bytes.size()))] ^= static_cast<char>(1u << pick(8));
            return bytes;
        case 1:  // any byte anywhere
            if (!bytes.empty()) bytes[pick(static_cast<unsigned>(bytes.size()))] = static_cast<char>(pick(256));
            return bytes;
        case 2:  // cut short
            return bytes.substr(0, pick(static_cast<unsigned>(bytes.size() + 1)));
        case 3:  // a line twice
            if (!lines.empty()) {
                const size_t i = moveLine(lines);
                lines.insert(lines.begin() + static_cast<long>(i), lines[i]);
            }
            return join(lines);
        case 4:  // a line gone
            if (!lines.empty()) lines.erase(lines.begin() + static_cast<long>(moveLine(lines)));
            return join(lines);
        case 5:  // two lines exchanged
            if (lines.size() > 1) std::swap(lines[moveLine(lines)], lines[moveLine(lines)]);
            return join(lines);
        case 6:
        case 7:  // a digit of a move changed: the line still reads, the game may not
            if (!lines.empty()) {
                std::string& line = lines[moveLine(lines)];
                if (!line.empty()) {
                    const size_t at = pick(static_cast<unsigned>(std::min<size_t>(line.size(), 17)));
                    line[at] = static_cast<char>("0123456789 -"[pick(12)]);
                }
            }
            return join(lines);
        case 8:  // more moves than the record holds
            while (lines.size() > 3 && lines.size() < 504 + pick(100)) lines.push_back(lines[moveLine(lines)]);
            return join(lines);
        case 9:  // nothing, or the headers only
            return pick(2) == 0 ? std::string()
                                : join(std::vector<std::string>(lines.begin(),
                                                                lines.begin() + std::min<size_t>(3, lines.size())));
        case 10: {  // bytes that are no Shift_JIS text in a header line
            static const char* const BAD[] = {"\x81", "\x82\xFF", "\xFF\xFE", "\x80\xA0\xFD", "\xEF\x40", "\x85\x40"};
            if (!lines.empty()) lines[pick(static_cast<unsigned>(std::min<size_t>(3, lines.size())))] += BAD[pick(6)];
            return join(lines);
        }
        case 11: {  // other line ends
            const char* const ENDS[] = {"\n", "\r", "\r\r\n", "\n\r"};
            const char* end = ENDS[pick(4)];
            std::string out;
            for (const std::string& line : lines) out += line + (pick(3) == 0 ? "\r\n" : end);
            return out;
        }
        case 12:  // a very long line, or blanks at an end
            if (!lines.empty()) {
                std::string& line = lines[moveLine(lines)];
                if (pick(2) == 0)
                    line += std::string(1 + pick(4000), static_cast<char>("0 -9"[pick(4)]));
                else
                    line = pick(2) == 0 ? " " + line : line + " ";
            }
            return join(lines);
        default:  // the game cut after some move
            if (lines.size() > 3) lines.resize(3 + pick(static_cast<unsigned>(lines.size() - 2)));
            return join(lines);
        }
    }
};

TEST(RecordFileFuzz, EveryFileLoadsSoundlyOrChangesNothing) {
    const std::string folder = recordtest::freshFolder("fuzz");
    // Files the game itself wrote: games of two people, which (unlike games
    // against the computer) do not change when the computer's play is tuned.
    std::vector<std::string> seeds;
    {
        struct Game {
            unsigned seed;
            int plies;
        } const games[] = {{11, 70}, {12, 40}, {13, 30}, {14, 90}};
        for (const Game& g : games) {
            TestForm t;
            recordtest::playGame(t, g.seed, g.plies, false);
            t.form.Dir1_Change(folder);
            t.form.KIFU_WRITE_Click();
            t.form.setPanelText(FILE_NAME_BOX, "seed");
            t.form.setPanelText(TITLE_BOX, "対局 " + std::to_string(g.seed));
            t.form.setPanelText(FIRST_PLAYER_BOX, "ｾﾝﾃ");
            t.form.setPanelText(SECOND_PLAYER_BOX, "後手");
            t.form.Command1_Click();
            seeds.push_back(readBytes(folder + "/seed.棋譜"));
            ASSERT_GT(seeds.back().size(), 3u * 39) << g.seed;
        }
    }

    TestForm t;
    Form1& f = t.form;
    recordtest::playGame(t, 15, 20, false);  // the first file is read in the middle of a game
    f.Dir1_Change(folder);
    Mutator mutator(20261208);
    int loaded = 0, refused = 0, stepped = 0;
    constexpr int FILES = 2000;
    for (int i = 0; i < FILES; ++i) {
        const std::string& seed = seeds[mutator.pick(static_cast<unsigned>(seeds.size()))];
        const std::string bytes = i % 10 == 0 ? seed : mutator.mutate(seed);
        const std::string name = "fuzz" + std::to_string(i) + ".棋譜";  // a new file is quicker than a truncated one
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
        const GameSnapshot before(f);
        t.takeTrace();
        f.File1_Click(name);
        const std::string trace = t.takeTrace();
        const bool read = trace.find("読み込みました") != std::string::npos;
        if (!read) {
            ASSERT_NE(i % 10, 0) << "a file the game wrote was refused: " << trace;
            ++refused;
            ASSERT_EQ(trace.rfind("msgbox \"棋譜\" \"棋譜ﾌｧｲﾙ", 0), 0u) << "file " << i << ": " << trace;
            ASSERT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1) << "file " << i << ": " << trace;
            ASSERT_TRUE(GameSnapshot(f) == before) << "file " << i << " was refused but changed the game: " << trace;
            continue;
        }
        ++loaded;
        ASSERT_EQ(f.kifuMode, Form1::ON);
        ASSERT_EQ(f.recordIndex, 0);
        ASSERT_EQ(sfen::of(f).find(START_POSITION), 0u);
        ASSERT_LE(f.recordLength, Form1::RECORD_CAPACITY);
        const std::string start = sfen::of(f);
        // Through the whole record, sound at every step, and now and then back to the start.
        // Every move of an accepted file is one a click could have made.
        for (int n = 1; n <= f.recordLength; ++n) {
            const Form1::MoveRecord& r = f.moveRecord;
            f.調査_2歩フラグ設定();
            ASSERT_EQ(f.移動チェック(r.fromX[n], r.fromY[n], r.toX[n], r.toY[n], r.movedPiece[n]), Form1::ON)
                << "file " << i << " move " << n << ": " << sfen::of(f);
            f.AFTER_Click();
            ASSERT_EQ(f.recordIndex, n);
            const std::string problem = brokenInvariant(f, {.reachedByTheRules = true});
            ASSERT_EQ(problem, "") << "file " << i << " move " << n << ": " << sfen::of(f);
            ++stepped;
        }
        if (f.recordLength > 0) {
            t.takeTrace();
            f.AFTER_Click();
            ASSERT_EQ(t.takeTrace(), "msgbox \"進む\" \"終わり\" OK -> OK\n");
        }
        if (loaded % 3 != 0) {
            f.CANCEL_Click();  // the next file is read with no game going
            continue;
        }
        while (f.recordIndex > 0) f.REPLAY_Click();
        ASSERT_EQ(sfen::of(f), start) << "file " << i;
        ASSERT_EQ(brokenInvariant(f, {}), "");
        // The next file is read at some move of this one.
        for (int n = static_cast<int>(mutator.pick(static_cast<unsigned>(f.recordLength + 1))); n > 0; --n)
            f.AFTER_Click();
    }
    // Both outcomes were exercised, and loaded records were long enough to matter.
    EXPECT_GT(loaded, FILES / 8);
    EXPECT_GT(refused, FILES / 5);
    EXPECT_GT(stepped, loaded * 10);
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
    fs::remove_all(folder);
}

}  // namespace
