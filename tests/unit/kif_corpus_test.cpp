// KIF files written by hand after the published format and after what other
// programs write, each read to its last position and compared with that
// position written down independently; and damaged files, each refused with
// the line that does not fit.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "files/ShiftJis.h"
#include "record/KifReader.h"
#include "tests/support/KifGames.h"

namespace {

using kif::Ending;
using kif::Format;
using kif::Problem;

std::string corpusFile(const std::string& name) {
    std::ifstream file(std::string(KIF_CORPUS_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(KifCorpus, EveryFileReadsToItsLastPosition) {
    struct Case {
        const char* file;
        const char* lastPosition;  // SFEN, the move number after the last move
        Ending ending;
        const char* lowerPlayer;
    } const cases[] = {
        {"kakinoki_even.kif", "lns1kg1nl/1r2g4/ppppppspp/9/9/2P1B4/PP1PPPPPP/7R1/LNSGKGSNL w Pb 10", Ending::Resigned,
         "先手の人"},
        {"shogigui_even.kifu", "lnsgkg1nl/7s1/p1ppppp1p/9/9/1r7/PpPPPPP1P/1B7/LNSGKGSNL b B2Prp 15",
         Ending::Interrupted, "人間"},
        {"81dojo_style.kif", "lnsgkgsnl/1r7/pppppp1pp/6p2/5b3/2P4P1/PP1PPPP1P/1S5R1/LN1GKGSNL b B 7", Ending::Resigned,
         "player_one"},
        {"handicap_lance.kif", "lnsgkgsn1/1r7/ppppp1bpp/5pp2/7P1/2P6/PP1PPPP1P/1B5R1/LNSGKGSNL w - 7",
         Ending::Interrupted, "生徒"},
        {"handicap_three_pieces.kifu", "ln1gkgsn1/3s5/pppp1pppp/4p4/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 4",
         Ending::Resigned, "下手の人"},
        {"board_diagram.kif", "ln5nl/4S2k1/p1pp1gspp/5p3/1p2P4/2P3P2/PP1P1P1PP/2G1+p4/LNK4NL w RBSPrb2gs 7",
         Ending::Interrupted, ""},
        {"bod_full_hands.kifu", "9/9/4k4/4P4/9/9/9/9/4K4 w 2R2B3G4S4N4L16Pgp 6", Ending::Interrupted, ""},
        {"branches_and_comments.kif", "lnsgkgsnl/1r5b1/p1pppp1pp/1p4p2/9/2P4P1/PP1PPPP1P/1B5R1/LNSGKGSNL b - 5",
         Ending::Interrupted, "甲"},
        {"colons_and_alternates.kif", "ln1gkg2+R/2s2rs2/ppppppn1p/6p2/9/2P2b3/PP1PPPP1P/3K5/LNSG1GSNL w BLPp 18",
         Ending::Resigned, "ASCII のコロン"},
        {"declared_utf8.kif", "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 3",
         Ending::Interrupted, "先手の対局者名"},
        {"shogidokoro_style.kif", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 13",
         Ending::Repetition, "エンジンA"},
        {"king_taken.kifu", "+R8/9/9/9/9/9/9/9/4K4 w P 2", Ending::None, ""},
        {"bom_utf8_right_lance.kif", "1nsg1gsnl/1r3k1b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 4",
         Ending::None, ""},
    };
    for (const Case& c : cases) {
        const std::string name = c.file;
        const Format format = *kif::formatOfFileName(name);
        const kif::ReadResult result = kif::readKif(corpusFile(name), format);
        if (const auto* error = std::get_if<kif::ReadError>(&result)) {
            ADD_FAILURE() << name << ": " << kif::messageOf(*error);
            continue;
        }
        const kif::Game& game = std::get<kif::Game>(result);
        const std::string expected = c.lastPosition;
        const size_t numberAt = expected.rfind(' ');
        EXPECT_EQ(kiftest::sfenOf(kiftest::replay(game).back()), expected.substr(0, numberAt)) << name;
        EXPECT_EQ(std::to_string(game.moves.size() + 1), expected.substr(numberAt + 1)) << name;
        EXPECT_EQ(game.ending, c.ending) << name;
        EXPECT_EQ(game.lowerPlayer, c.lowerPlayer) << name;
    }
}

// What else the files carry: dates, other header fields, comments and clocks.
TEST(KifCorpus, HeadersCommentsAndClocks) {
    const kif::Game kakinoki = std::get<kif::Game>(kif::readKif(corpusFile("kakinoki_even.kif"), Format::Kif));
    EXPECT_EQ(kakinoki.startTime, (kif::DateTime{2023, 4, 1, 13, 0, 0}));
    EXPECT_EQ(kakinoki.upperPlayer, "後手の人");
    EXPECT_EQ(kakinoki.otherFields,
              (std::vector<kif::HeaderField>{{"終了日時", "2023/04/01(土) 13:05:12"}, {"棋戦", "練習対局"}}));
    const kif::Move& eighth = kakinoki.moves[7];  // ３三銀, the upper side's fourth move: 1:02 of 1:39
    EXPECT_EQ(eighth.upperTimeBefore, 37);
    EXPECT_EQ(eighth.upperTimeAfter, 99);
    EXPECT_EQ(eighth.lowerTimeBefore, 43);
    EXPECT_EQ(eighth.lowerTimeAfter, 43);

    const kif::Game branches = std::get<kif::Game>(kif::readKif(corpusFile("branches_and_comments.kif"), Format::Kif));
    EXPECT_EQ(branches.startComment, "対局前の\nコメント");
    EXPECT_EQ(branches.moves[0].comment, "初手のコメント");
    EXPECT_EQ(branches.startTime, (kif::DateTime{2021, 1, 2, 0, 0, 0}));

    // Lines without a time, or with one that cannot be read, add nothing to the clock.
    const kif::Game odd = std::get<kif::Game>(kif::readKif(corpusFile("colons_and_alternates.kif"), Format::Kif));
    EXPECT_EQ(odd.moves[1].upperTimeAfter, 1);
    EXPECT_EQ(odd.moves[2].lowerTimeAfter, 1);
    EXPECT_EQ(odd.moves[3].upperTimeAfter, 1);
    EXPECT_EQ(odd.upperPlayer, "王と竜");
}

std::string withLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

std::string manyMoves(int count) {
    // Both sides' rooks walk up and down their files.
    std::string text = "手合割：平手\r\n";
    const char* const cycle[] = {"１八飛(28)", "９二飛(82)", "２八飛(18)", "８二飛(92)"};
    for (int n = 1; n <= count; ++n) text += std::to_string(n) + " " + cycle[(n - 1) % 4] + "\r\n";
    return text;
}

TEST(KifCorpus, DamagedFilesAreRefusedWithTheLine) {
    struct Case {
        const char* what;
        std::string bytes;
        kif::ReadError error;
    } const cases[] = {
        {"a pawn two steps", withLines({"手合割：平手", "1 ７五歩(77)"}), {Problem::IllegalMove, 2}},
        {"a piece that is not there", withLines({"1 ７六銀(77)"}), {Problem::IllegalMove, 1}},
        {"同 with no move before", withLines({"1 同　歩(77)"}), {Problem::IllegalMove, 1}},
        {"a second pawn in a column",
         withLines({"1 ７六歩(77)", "2 ３四歩(33)", "3 ２六歩(27)", "4 ８四歩(83)", "5 ２五歩(26)", "6 ８五歩(84)",
                    "7 ２四歩(25)", "8 同　歩(23)", "9 同　飛(28)", "10 ８六歩(85)", "11 ７五歩打"}),
         {Problem::IllegalMove, 11}},
        {"a move numbered wrongly", withLines({"1 ７六歩(77)", "3 ３四歩(33)"}), {Problem::Malformed, 2}},
        {"a move after the end", withLines({"1 ７六歩(77)", "2 投了", "3 ３四歩(33)"}), {Problem::Malformed, 3}},
        {"a line that is no KIF", withLines({"先手：甲", "よろしくお願いします"}), {Problem::Malformed, 2}},
        {"a header among the moves", withLines({"1 ７六歩(77)", "後手：乙"}), {Problem::Malformed, 2}},
        {"an unknown handicap", withLines({"手合割：九枚落ち"}), {Problem::UnknownHandicap, 1}},
        {"その他 without a diagram",
         withLines({"先手：甲", "手合割：その他", "1 ７六歩(77)"}),
         {Problem::BadPosition, 2}},
        {"a diagram of eight rows",
         withLines({"後手の持駒：なし", "|v香v桂v銀v金v玉v金v銀v桂v香|一", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七", "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|八", "1 ５七玉(58)"}),
         {Problem::BadPosition, 1}},
        {"a third rook in hand",
         withLines({"手合割：平手", "先手の持駒：飛", "1 ７六歩(77)"}),
         {Problem::BadPosition, 1}},
        {"a square that is no piece", withLines({"|v香v桂v銀v金v玉v金v銀v桂v象|一"}), {Problem::Malformed, 1}},
        {"a hand with a king", withLines({"先手の持駒：玉"}), {Problem::Malformed, 1}},
        {"a move after a king's capture",
         withLines({"後手の持駒：なし", "|v玉 ・ ・ ・ ・ ・ ・ ・ ・|一", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六",
                    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七", "| 飛 ・ ・ ・ ・ ・ ・ ・ ・|八",
                    "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九", "先手の持駒：なし", "1 ９一飛成(98)", "2 ５八玉(59)"}),
         {Problem::IllegalMove, 13}},
        {"bytes that are no Shift_JIS", "#\r\n\x81\x20\r\n", {Problem::Unreadable, 2}},
        {"501 moves", manyMoves(501), {Problem::TooManyMoves, 502}},
        {"more than a mebibyte", "#" + std::string(kif::MAX_FILE_BYTES, ' '), {Problem::TooLarge, 0}},
    };
    for (const Case& c : cases) {
        const std::string bytes = sjis::fromUtf8(c.bytes).value_or(c.bytes);  // KIF files are code page 932
        const kif::ReadResult result = kif::readKif(bytes, Format::Kif);
        const auto* error = std::get_if<kif::ReadError>(&result);
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(*error, c.error) << c.what << ": " << kif::messageOf(*error);
    }
    // The longest record the game holds is read.
    EXPECT_TRUE(std::holds_alternative<kif::Game>(kif::readKif(*sjis::fromUtf8(manyMoves(500)), Format::Kif)));
}

}  // namespace
