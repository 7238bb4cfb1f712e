#pragma once
// Form1 is the game's one window object: it owns every piece of game state for
// the program's lifetime and every operation is one of its member functions,
// under its Japanese name. Each subsystem folder defines its
// own members (game/, display/, rules/, com/, influence/, record/, settings/).
// Nothing here allocates while a game runs: all arrays have fixed sizes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/DateTime.h"
#include "game/MenuBar.h"
#include "game/Score.h"
#include "game/Vocabulary.h"
#include "platform/Platform.h"
#include "record/FilePanel.h"
#include "record/KifGame.h"
#include "settings/Module1.h"

struct ReadRecord;

namespace engine {
class Searcher;
}
struct EngineSearch;

class Form1 : public Vocabulary {
public:
    explicit Form1(Platform& platform);
    // Releases the sound device and buffers, however the game ended. A copy
    // of the game (a test's snapshot) shares the original's position, never
    // its sound device.
    ~Form1();
    Form1(const Form1&) = default;

    // ---------------------------------------------------------------- constants
    static constexpr int ON = 1;
    static constexpr int OFF = 0;
    static constexpr int NO_GAME = 0;
    static constexpr int MODE_HUMAN = 0;
    static constexpr int MODE_COM = 1;
    static constexpr int LEFT_BUTTON = 1;
    static constexpr int RIGHT_BUTTON = 2;

    static constexpr int RECORD_CAPACITY = 500;  // moves 1..500 of the move record
    static constexpr int TIMER_INTERVAL_MS = 50;

    // -------------------------------------------------------------- game state
    int board[10][10]{};              // [x][y]; only 1..9 are squares, row and column 0 stay EMPTY
    int lowerHand[HAND_KINDS + 1]{};  // index HAND_PAWN .. HAND_ROOK
    int upperHand[HAND_KINDS + 1]{};
    int lowerHandCount = 0;
    int upperHandCount = 0;
    int lowerKingX = 0, lowerKingY = 0;
    int upperKingX = 0, upperKingY = 0;

    int SENTE = 1;  // turn values: not constants, a loaded record may swap them
    int GOTE = -1;
    int turn = NO_GAME;
    int lowerSide = 0;
    int upperSide = 0;
    int gameMode = MODE_HUMAN;
    int comLevel = 3;
    int moveNumber = 0;
    int winner = 0;
    int clickState = 0;
    struct PendingMove {
        int fromX = 0, fromY = 0, toX = 0, toY = 0, piece = 0;
    } pendingMove;
    int kifuMode = OFF;
    int resumePending = OFF;
    int reversed = OFF;
    int handicapLevel = 0;
    int handicapSet = OFF;
    int recordIndex = 0;
    int recordLength = 0;
    int promotedPiece = 0;

    // Clock values in seconds.
    double upperTime = 0, lowerTime = 0;
    double moveElapsed = 0;
    double moveStartTime = 0;
    int shownSecond = 0;
    bool timer1Enabled = false;  // whether the clock timer ticks

    // Display settings.
    int backgroundKind = BG_MIDORI;
    int guideOn = OFF;
    int guideColor = 2;
    int lineColor = 2;
    int gridColor = 2;
    int accentColor = 12;
    int resultColor = 15;
    int textColor = 15;
    int shadowColor = 0;
    int labelColor = 14;
    int boardLeft = BOARD_LEFT, boardTop = BOARD_TOP;
    int squareWidth = SQUARE_WIDTH, squareHeight = SQUARE_HEIGHT;
    bool fontBold = false;  // the window font turns bold once the labels are drawn

    // Two-pawn flags per column 1..9.
    int lowerPawnFiles[10]{};
    int upperPawnFiles[10]{};

    // Influence maps, [x][y] like the board.
    int lowerInfluence[10][10]{};
    int upperInfluence[10][10]{};
    int lowerDefender[10][10]{};
    int upperDefender[10][10]{};
    int upperDefenderX[10][10]{};
    int upperDefenderY[10][10]{};
    int lowerAttacker[10][10]{};
    int lowerAttackerX[10][10]{};
    int lowerAttackerY[10][10]{};
    int upperAttacker[10][10]{};
    int upperAttackerX[10][10]{};
    int upperAttackerY[10][10]{};
    int lowerCheckMap[10][10]{};
    int upperCheckMap[10][10]{};

    // The computer's search: values it sets for the evaluation, and copies of
    // the position before its move.
    int movingPiece = 0;
    int sourceKingDistance = 0;
    int escapeCountBefore = 0;
    int upperHandCountBefore = 0;
    int lowerInfluenceBefore[10][10]{};
    int upperInfluenceBefore[10][10]{};
    int upperAttackerXBefore[10][10]{};
    int upperAttackerYBefore[10][10]{};
    int savedBoard[10][10]{};

    // Probe flag maps, rebuilt before each computer search.
    int lowerPinned[10][10]{};
    int upperPinned[10][10]{};
    int upperPinnedAny = 0;
    int bishopCheckMap[10][10]{};

    // The move record: eleven parallel arrays, entries 1..500.
    struct MoveRecord {
        int fromX[RECORD_CAPACITY + 1]{};
        int fromY[RECORD_CAPACITY + 1]{};
        int toX[RECORD_CAPACITY + 1]{};
        int toY[RECORD_CAPACITY + 1]{};
        int movedPiece[RECORD_CAPACITY + 1]{};
        int placedPiece[RECORD_CAPACITY + 1]{};
        int capturedPiece[RECORD_CAPACITY + 1]{};
        double lowerTimeBefore[RECORD_CAPACITY + 1]{};
        double lowerTimeAfter[RECORD_CAPACITY + 1]{};
        double upperTimeBefore[RECORD_CAPACITY + 1]{};
        double upperTimeAfter[RECORD_CAPACITY + 1]{};
    } moveRecord;

    // The position entry 0 of the record stands for, in the game's terms: the
    // position before the record's first move. It is taken when that move is
    // recorded and read with a record from a file; a reset returns to it.
    struct RecordStart {
        int board[10][10]{};
        int lowerHand[HAND_KINDS + 1]{};
        int upperHand[HAND_KINDS + 1]{};
        bool upperMovesFirst = false;
        bool operator==(const RecordStart&) const = default;
    };
    static RecordStart initialRecordStart();
    RecordStart recordStart = initialRecordStart();
    std::optional<DateTime> recordStartTime;  // when the record's game began, when known
    // How the record's game ended after entry `entry`, when it ended other
    // than by a king's capture (which the record shows itself). Any move
    // recorded later clears it.
    struct RecordEnding {
        int entry = 0;
        kif::Ending how = kif::Ending::None;
    } recordEnding;

    // Writes the record up to entry `last` into the platform's folder for kept
    // games, unless it was kept already or came from a file and was not played
    // on, or keeping is turned off (ｵﾌﾟｼｮﾝ ▸ 対局を保存).
    void keepGame(int last);
    bool gameKept = false;
    void HOZON_Click();

    // Sounds: the library wrapper and the four buffers.
    Module1 module1;
    SoundBuffer sndOther{"その他.wav"};
    SoundBuffer sndRefuse{"禁止.wav"};
    SoundBuffer sndPiece{"駒打音.wav"};
    SoundBuffer sndMusic{"BGM.wav"};

    // The menu bar's check marks and enabled states.
    bool menuChecked[Menu::ITEM_COUNT]{};
    bool menuEnabled[Menu::ITEM_COUNT]{};

    FilePanel filePanel;

    Platform& platform;

    // ------------------------------------------------ start-up and reset (game/)
    void Form_Load();
    void 初期設定();
    void 画面_再描画();

    // ------------------------------------------------------- move input (game/)
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void selectOnBoard(int x, int y);
    void selectFromStand(int column, int row);
    void moveToDestination(int Button, int x, int y);

    // -------------------------------------------------- game commands (game/)
    void TAIKYOKU_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void cutRecordAtShownPosition();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    void LEVEL5_Click();
    void レベル_設定(int IN_LEVEL);
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    enum class HandicapRefusal { RecordMode = 1, GameUnderWay = 2, BoardTurned = 3 };
    void 描画_メッセージ(HandicapRefusal IN_メッセージ番号);
    void 終了(const std::string& 勝手);
    void 終了処理();
    void OWARI_Click();
    void Form_Unload();
    void Form_KeyPress(int KeyAscii);
    void STOP_Click();
    // Runs the command of a menu item (what clicking it does).
    void menuClick(int item);
    bool isChecked(int item) const { return menuChecked[item]; }
    void setChecked(int item, bool checked);

    // ------------------------------------------------------------ display (display/)
    void 描画_絵(int 駒種類, double 座標X, double 座標Y);
    void 描画_桝輪郭(int 描画色, double 座標X, double 座標Y);
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_桝_数値();
    void 描画_背景(int IN_背景種類);
    void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);
    void 描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
    void 描画_数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int モード, int フォントサイズ);
    void 描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ);
    void 描画_手数(int 数値, int 色);
    void 描画_レベル(int IN_LEVEL);
    void 描画_ハンデレベル(int IN_ハンデレベル);
    // Grid cell to twips.
    double twipsX(double 座標X) const;
    double twipsY(double 座標Y) const;
    // Paints the background over the three cells left of the board in that row.
    void clearLeftOfBoard(int row);

    // ---------------------------------------------------------------- rules (rules/)
    int 移動チェック(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
    int 移動チェック飛車(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
    int 移動チェック角(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
    int 調査_進める場所があるか(int I_移動駒, int I_移動元X, int I_移動元Y);
    void 調査_2歩フラグ設定();
    void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
    void 駒取得(int 取得駒);
    int 調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
    int 移動後チェック(int 移動先Y, int 移動駒種類) const;

    // ------------------------------------------------------------- computer (com/)
    void com_ban();
    // The computer's reply to the player's move, after the platform's pause.
    // Until it comes, clicks on the board are refused; a command that changes
    // the game, a reset or the end of the program call it off.
    void replyAfterPause();
    void cancelComReply();
    bool comReplyPending = false;
    int comReplyTicket = 0;
    // A move the computer chose, as it plays it: the piece before and after promotion.
    struct ComMove {
        int fromX, fromY, toX, toY, piece, finalCode;
    };
    void playComMove(const ComMove& move);
    // The computer has no move: it has lost.
    void comHasNoMove();

    // Levels 4 and 5: the searching engine, on the platform's background.
    static constexpr int FIRST_ENGINE_LEVEL = 4;
    static constexpr int HIGHEST_LEVEL = 5;
    void searchWithEngine();
    void playEngineMove(const EngineSearch& search);
    std::shared_ptr<engine::Searcher> engineSearcher;  // made at the first engine move, kept for the next
    std::shared_ptr<EngineSearch> engineSearch;        // the search under way
    // Nodes for each engine search instead of its level's time (0: the time);
    // makes a search repeatable, for scenarios and tests.
    std::uint64_t engineNodeLimit = 0;
    // Saves the position before the computer's move and the probes' maps of it.
    void prepareComSearch();
    Score 盤評価(int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
    int 調査_移動可場所数(int 移動元X, int 移動元Y, int 移動駒);
    int 調査_桂狙い(int 移動先X, int 移動先Y);
    int 調査_香狙い(int 移動先X, int 移動先Y);
    int 調査_自守駒MAN_直進駒(int 入力X, int 入力Y);
    int 調査_周辺状況(int 移動先X, int 移動先Y);
    void 調査_持角狙座標();
    void 調査_移動不可駒();
    Score 盤評価_COM危険座標(int 移動駒, int COM移動先X, int COM移動先Y);
    int 盤評価_自角注意_COM(int 移動元X, int 移動元Y, int 移動駒);
    int 詰めかMAN();
    int 詰めかMAN_COM移動();
    int 詰めかCOM();
    int 調査_自王逃道();

    // ------------------------------------------------------------ influence (influence/)
    void 勢力調査();
    void 勢力確定上直進(int 駒種類, int 入力X, int 入力Y);
    void 勢力確定下直進(int 駒種類, int 入力X, int 入力Y);
    void 勢力確定左直進(int 駒種類, int 入力X, int 入力Y);
    void 勢力確定右直進(int 駒種類, int 入力X, int 入力Y);
    void 勢力確定自金(int 駒種類, int 入力X, int 入力Y);
    void 勢力確定敵金(int 入力X, int 入力Y);
    void 勢力確定自角(int 入力X, int 入力Y);
    void 勢力確定敵角(int 駒種類, int 入力X, int 入力Y);

    // --------------------------------------------------------------- record (record/)
    void 手順保存(int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 前秒M, double 後秒M, double 前秒C,
                  double 後秒C);
    void 描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
    void 消去_移動結果(int IN_手番);
    static const char* 文字列変換(int IN_文字列);
    void 描画_移動駒種類(double 入力X, double 入力Y, const std::string& 駒文字, int 色);
    bool recordIsFull() const { return recordIndex >= RECORD_CAPACITY; }
    void 記録満杯通知();
    // The record starts at the board and hands as they stand, the given side to move.
    void captureRecordStart(bool upperMovesFirst);
    // An empty record from the initial position.
    void forgetRecord();
    bool recordStartsEven() const;

    void Command1_Click();
    void KIFU_WRITE_Click();
    void File1_Click(const std::string& fileName);
    double 取得_棋譜のX座標(const std::string& IN_文字列);
    // Puts a record read from a file into the game, to be stepped through.
    void loadRecord(const ReadRecord& read);
    // Opens a record file as if it had been chosen in the read panel.
    void openRecordFile(const std::string& path);

    void 描画_可視(PanelLists lists);
    void 描画_棋譜_IO(PanelTexts texts);
    // Hides the lists and the text boxes (and empties the boxes).
    void closeFilePanel();
    void KIFU_READ_Click();
    void Drive1_Change(const std::string& drive);
    void Dir1_Change(const std::string& path);
    void 描画_棋譜読込み部分消去();
    void setPanelText(int box, const std::string& text);

    void AFTER_Click();
    void REPLAY_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void stepForward();
    void stepBackward();
    // Both kings' squares from the board, for positions not reached by a move.
    void locateKings();

    // ------------------------------------------------------------- settings (settings/)
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void チェック設定(int IN_背景種類);
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void KEIKA_Click();
    void BGM_Click();
    void OPTION_Click();
    void backgroundSelected(int item, int kind);

    void Timer1_Timer();
    static double 調査_経過秒(double I_開始, double I_終了);
    static std::string 調査_時間秒追加結果(double IN_経過秒);
    static std::string 変換_数字から文字(int I_数字);
    void 描画_所有時間(int IN_手番, double IN_思考時間);
    void 消去_所有時間(int IN_手番);
    void setTimer1(bool enabled);

    void VER_Click();
    void ASOBIKATA_Click();

    // dsPlay, dsPlayLooping and dsStop on one of the four sounds.
    void playSound(const SoundBuffer& sound);
    void loopSound(const SoundBuffer& sound);
    void stopSound(const SoundBuffer& sound);
};
