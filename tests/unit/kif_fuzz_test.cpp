// The KIF reader against damaged files: thousands of files made from good
// KIF and KIFU files by flipping bytes, cutting, duplicating, exchanging and
// deleting lines, putting KIF words where they do not belong, renumbering
// moves, reading one encoding as the other and overfilling the record. Every
// file must either be refused with a line inside the file, or read into a
// record that replays soundly and reads back the same after writing it
// again. Read through the file panel, a refused file changes nothing of the
// game and a file read steps through the positions of its replay. Built with
// the sanitizers, it also shows that no file makes the reader touch memory it
// should not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "files/ShiftJis.h"
#include "game/PieceCode.h"
#include "record/KifReader.h"
#include "record/KifWriter.h"
#include "record/StandardReplay.h"
#include "tests/support/GameSnapshot.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace {

using kif::Format;

struct Seed {
    std::string bytes;
    Format format;
};

// Words of the notation, dropped into lines where they may or may not fit.
const char* const WORDS[] = {"１",
                             "９",
                             "一",
                             "九",
                             "同",
                             "同　",
                             "成",
                             "不成",
                             "打",
                             "歩",
                             "と",
                             "銀",
                             "成銀",
                             "龍",
                             "竜",
                             "王",
                             "(",
                             ")",
                             "(77)",
                             "(00)",
                             ":",
                             "：",
                             " ",
                             "　",
                             "0",
                             "9",
                             "v",
                             "・",
                             "|",
                             "+",
                             "*",
                             "&",
                             "#",
                             "投了",
                             "まで",
                             "変化：",
                             "手合割：",
                             "後手番",
                             "先手の持駒：歩十八",
                             "( 0:01/00:00:01)",
                             "(99:99/99:99:99)"};
const char* const LINES[] = {"変化：3手",      "手合割：角落ち",
                             "手合割：その他", "後手番",
                             "先手番",         "*コメント",
                             "&しおり",        "まで9手で先手の勝ち",
                             "   9 投了",      "   1 ７六歩(77)",
                             "|v香 ・|一",     "先手の持駒：なし",
                             "後手：誰か",     "#KIF version=2.0 encoding=UTF-8",
                             "\xEF\xBB\xBF"};

class Mutator {
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    unsigned pick(size_t n) { return n == 0 ? 0 : static_cast<unsigned>(random() % n); }

    Seed mutate(Seed seed) {
        for (int rounds = 1 + static_cast<int>(pick(3)); rounds > 0; --rounds) seed = once(seed);
        return seed;
    }

private:
    std::mt19937 random;

    static std::vector<std::string> split(const std::string& bytes) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(bytes.substr(start, end - start));
        if (start < bytes.size()) lines.push_back(bytes.substr(start));
        return lines;
    }
    static std::string join(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\n";  // each line keeps its CR
        return bytes;
    }
    // A text in the seed's encoding.
    static std::string encoded(const std::string& utf8, Format format) {
        return format == Format::Kifu ? utf8 : sjis::fromUtf8(utf8).value_or(utf8);
    }

    // One digit, rank or piece name of the line exchanged for another.
    std::string otherMove(const std::string& line, Format format) {
        static const char* const KINDS[][9] = {
            {"１", "２", "３", "４", "５", "６", "７", "８", "９"},
            {"一", "二", "三", "四", "五", "六", "七", "八", "九"},
            {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
            {"歩", "香", "桂", "銀", "金", "角", "飛", "玉", "と"},
        };
        std::string text = format == Format::Kifu ? line : sjis::toUtf8(line).value_or(line);
        const auto& kind = KINDS[pick(std::size(KINDS))];
        for (int tries = 0; tries < 9; ++tries) {
            const std::string from = kind[pick(9)];
            const size_t at = text.rfind(from);
            if (at == std::string::npos || at < 4) continue;
            text.replace(at, from.size(), kind[pick(9)]);
            break;
        }
        return encoded(text, format);
    }

    Seed once(Seed seed) {
        std::string& bytes = seed.bytes;
        std::vector<std::string> lines = split(bytes);
        const size_t line = pick(lines.size());
        switch (pick(14)) {
        case 0:  // bits flipped anywhere
            for (int n = 1 + static_cast<int>(pick(4)); n > 0 && !bytes.empty(); --n)
                bytes[pick(bytes.size())] ^= static_cast<char>(1u << pick(8));
            return seed;
        case 1:  // cut short
            bytes.resize(pick(bytes.size() + 1));
            return seed;
        case 2:  // a line twice, or gone
            if (lines.empty()) return seed;
            if (pick(2) == 0)
                lines.insert(lines.begin() + line, lines[line]);
            else
                lines.erase(lines.begin() + line);
            break;
        case 3:  // two lines exchanged
            if (!lines.empty()) std::swap(lines[line], lines[pick(lines.size())]);
            break;
        case 4:
        case 5: {  // a word put into a line, or over part of it
            if (lines.empty()) return seed;
            std::string& text = lines[line];
            const size_t at = pick(text.size() + 1);
            const std::string word = encoded(WORDS[pick(std::size(WORDS))], seed.format);
            if (pick(2) == 0)
                text.insert(at, word);
            else
                text.replace(at, std::min(word.size(), text.size() - at), word);
            break;
        }
        case 6:  // a line of its own where it may not belong
            lines.insert(lines.begin() + line, encoded(LINES[pick(std::size(LINES))], seed.format) + "\r");
            break;
        case 7: {  // a move renumbered
            if (lines.empty()) return seed;
            std::string& text = lines[line];
            const size_t digit = text.find_first_of("0123456789");
            if (digit != std::string::npos) text[digit] = static_cast<char>('0' + pick(10));
            break;
        }
        case 8:  // read in the other encoding
            seed.format = seed.format == Format::Kif ? Format::Kifu : Format::Kif;
            return seed;
        case 9: {  // one more move after the last, numbered on
            const auto last = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& text) {
                return text.size() > 5 && text[3] >= '0' && text[3] <= '9';
            });
            if (last == lines.rend()) return seed;
            const int number = std::atoi(last->c_str());
            const std::string& move = lines[pick(lines.size())];
            lines.insert(last.base(), std::to_string(number + 1) + move.substr(std::min<size_t>(4, move.size())));
            break;
        }
        case 10:  // line ends of another system
            for (std::string& text : lines)
                if (!text.empty() && text.back() == '\r') text.pop_back();
            break;
        case 11:  // nothing but the header, nothing at all, or far too much
            if (pick(4) == 0)
                lines.push_back("*" + std::string(kif::MAX_FILE_BYTES, 'x'));
            else
                lines.resize(pick(std::min<size_t>(lines.size(), 20) + 1));
            break;
        default:  // a move that still reads, but names another square or piece
            if (lines.empty()) return seed;
            lines[line] = otherMove(lines[line], seed.format);
            break;
        }
        bytes = join(lines);
        return seed;
    }
};

size_t lineCount(const std::string& bytes) {
    size_t count = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++count;
    return count + (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r');
}

// Pieces of each kind, board and hands together: moves only ever move them.
constexpr int KINGS = Vocabulary::HAND_KINDS + 1;  // the kings' count after the hand kinds
std::vector<int> material(const kif::Position& p) {
    std::vector<int> count(KINGS + 1);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.board[x][y] != 0)
                ++count[piece::abs(p.board[x][y]) == Vocabulary::KING ? KINGS : piece::handIndex(p.board[x][y])];
    for (int k = 1; k <= 7; ++k) count[k] += p.lowerHand[k] + p.upperHand[k];
    return count;
}

// What a record read from any file must hold; empty when it does.
std::string unsound(const kif::Game& game) {
    if (game.moves.size() > static_cast<size_t>(kif::MAX_MOVES)) return "more moves than the record holds";
    if (!kif::isSoundStart(game.start)) return "a start the game cannot hold";
    kif::StandardReplay replay(game.start);
    const std::vector<int> start = material(game.start);
    for (size_t n = 0; n < game.moves.size(); ++n) {
        kif::Move m = game.moves[n];
        if (!replay.play(m) || m.capturedPiece != game.moves[n].capturedPiece)
            return "move " + std::to_string(n + 1) + " does not replay";
        std::vector<int> now = material(replay.position());
        if (replay.kingTaken()) now[KINGS] += 1;
        if (now != start) return "pieces made or lost at move " + std::to_string(n + 1);
        for (const long t : {m.lowerTimeBefore, m.lowerTimeAfter, m.upperTimeBefore, m.upperTimeAfter})
            if (t < 0) return "a negative clock";
    }
    return "";
}

bool sameMoves(const kif::Move& a, const kif::Move& b) {
    return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
           a.movedPiece == b.movedPiece && a.placedPiece == b.placedPiece && a.capturedPiece == b.capturedPiece &&
           a.lowerTimeBefore == b.lowerTimeBefore && a.lowerTimeAfter == b.lowerTimeAfter &&
           a.upperTimeBefore == b.upperTimeBefore && a.upperTimeAfter == b.upperTimeAfter && a.comment == b.comment;
}

// Written again and read back, the record is the same (less a king's capture
// and the move that allowed it, which are never written).
std::string rewritten(const kif::Game& game) {
    const kif::ReadResult again = kif::readKif(*kif::writeKif(game, Format::Kifu), Format::Kifu);
    if (std::holds_alternative<kif::ReadError>(again)) return kif::messageOf(std::get<kif::ReadError>(again));
    const kif::Game& back = std::get<kif::Game>(again);
    const bool kingTaken = !game.moves.empty() && kif::takesKing(game.moves.back());
    const size_t written = kiftest::movesWritten(game);
    if (!(back.start == game.start) || back.moves.size() != written) return "the start or the length changed";
    for (size_t n = 0; n < written; ++n)
        if (!sameMoves(back.moves[n], game.moves[n])) return "move " + std::to_string(n + 1) + " changed";
    if (!kingTaken && back.ending != game.ending) return "the ending changed";
    if (back.lowerPlayer != game.lowerPlayer || back.upperPlayer != game.upperPlayer ||
        back.startTime != game.startTime || back.otherFields != game.otherFields ||
        back.startComment != game.startComment)
        return "a header or the start comment changed";
    return "";
}

std::vector<Seed> seeds() {
    std::vector<Seed> list;
    for (const char* name :
         {"kakinoki_even.kif", "shogigui_even.kifu", "81dojo_style.kif", "board_diagram.kif", "bod_full_hands.kifu",
          "branches_and_comments.kif", "colons_and_alternates.kif", "king_taken.kifu"}) {
        std::ifstream file(std::string(KIF_CORPUS_DIR) + "/" + name, std::ios::binary);
        list.push_back(
            {{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}, *kif::formatOfFileName(name)});
    }
    // Games the writer wrote: even, a named handicap, a drawn start, a king taken.
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const int level = static_cast<int>(seed) - 1;
        kif::Game game =
            kiftest::playFrom([level](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, level, level > 0); },
                              seed, 80, seed == 4)
                .game;
        game.moves[seed].comment = "評価値 +" + std::to_string(seed * 100);
        game.otherFields = {{"棋戦", "試験"}};
        game.ending = kif::Ending::Resigned;
        for (const Format format : {Format::Kif, Format::Kifu}) list.push_back({*kif::writeKif(game, format), format});
    }
    // The longest record, so that one more move is one too many.
    const kif::Game longest = kiftest::playFrom([](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, false); },
                                                500, kif::MAX_MOVES, false)
                                  .game;
    list.push_back({*kif::writeKif(longest, Format::Kifu), Format::Kifu});
    return list;
}

TEST(KifFuzz, EveryFileReadsSoundlyOrIsRefusedWithALineOfTheFile) {
    const std::vector<Seed> originals = seeds();
    Mutator mutator(20251208);
    int read = 0, refused = 0;
    constexpr int FILES = 3000;
    for (int i = 0; i < FILES; ++i) {
        const Seed& original = originals[mutator.pick(originals.size())];
        const Seed file = i % 20 == 0 ? original : mutator.mutate(original);
        const kif::ReadResult result = kif::readKif(file.bytes, file.format);
        if (const auto* error = std::get_if<kif::ReadError>(&result)) {
            ASSERT_NE(i % 20, 0) << "a good file was refused: " << kif::messageOf(*error);
            ++refused;
            const bool wholeFile = error->problem == kif::Problem::TooLarge;
            ASSERT_EQ(error->line == 0, wholeFile) << "file " << i << ": " << kif::messageOf(*error);
            ASSERT_LE(static_cast<size_t>(error->line), lineCount(file.bytes)) << "file " << i;
            continue;
        }
        ++read;
        const kif::Game& game = std::get<kif::Game>(result);
        ASSERT_EQ(unsound(game), "") << "file " << i;
        ASSERT_EQ(rewritten(game), "") << "file " << i;
    }
    EXPECT_GT(read, FILES / 5);
    EXPECT_GT(refused, FILES / 5);
    RecordProperty("read", read);
    RecordProperty("refused", refused);
}

// The same files clicked in the read panel of a game, which is sometimes in
// the middle of a game of its own and sometimes stepping through the last
// file read. The panel refuses what the reader refuses, with its message and
// nothing changed; what it loads steps through the positions of the file's
// replay, and back.
TEST(KifFuzz, ThroughThePanelAFileLoadsAsItReadsOrChangesNothing) {
    const std::vector<Seed> originals = seeds();
    const std::string folder = recordtest::freshFolder("kif-fuzz");
    Mutator mutator(20251209);
    TestForm t;
    Form1& f = t.form;
    std::mt19937_64 random(9);
    f.Form_Load();
    f.START_Click();
    recordtest::playMoves(t, random, 20, false);
    f.Dir1_Change(folder);
    int loaded = 0, refused = 0;
    constexpr int FILES = 1500;
    for (int i = 0; i < FILES; ++i) {
        const Seed& original = originals[mutator.pick(originals.size())];
        const Seed file = i % 20 == 0 ? original : mutator.mutate(original);
        const std::string name = "fuzz" + std::to_string(i) + (file.format == Format::Kif ? ".kif" : ".kifu");
        std::ofstream(folder + "/" + name, std::ios::binary) << file.bytes;
        const kif::ReadResult result = kif::readKif(file.bytes, file.format);
        const GameSnapshot before(f);
        t.takeTrace();
        f.File1_Click(name);
        const std::string trace = t.takeTrace();
        std::filesystem::remove(folder + "/" + name);
        const auto* error = std::get_if<kif::ReadError>(&result);
        if (error || std::get<kif::Game>(result).moves.empty()) {
            ++refused;
            const std::string message = error ? kif::messageOf(*error) : "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
            ASSERT_EQ(trace, "msgbox \"棋譜\" \"" + message + "\" OK -> OK\n") << "file " << i;
            ASSERT_TRUE(GameSnapshot(f) == before) << "file " << i << " was refused but changed the game";
            continue;
        }
        ++loaded;
        const std::vector<kif::Position> positions = kiftest::replay(std::get<kif::Game>(result));
        ASSERT_EQ(f.recordLength + 1, static_cast<int>(positions.size())) << "file " << i << ": " << trace;
        ASSERT_EQ(f.kifuMode, Form1::ON);
        for (int n = 0; n <= f.recordLength; ++n) {
            if (n > 0) f.AFTER_Click();
            kif::Position shown = kiftest::positionOf(f);
            if (f.recordLength == 0) shown.toMove = positions[0].toMove;  // no game, no side to move
            ASSERT_EQ(kiftest::sfenOf(shown), kiftest::sfenOf(positions[n])) << "file " << i << " step " << n;
        }
        // The next file is clicked at some step of this one, or after 最初.
        const int back = static_cast<int>(mutator.pick(static_cast<size_t>(f.recordLength) + 2));
        if (back > f.recordLength) f.CANCEL_Click();
        for (int n = 0; n < back && f.recordIndex > 0; ++n) f.REPLAY_Click();
    }
    EXPECT_GT(loaded, FILES / 5);
    EXPECT_GT(refused, FILES / 5);
}

}  // namespace
