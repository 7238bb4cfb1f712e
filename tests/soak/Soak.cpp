#include "tests/soak/Soak.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "game/PieceCode.h"
#include "platform/Sfen.h"
#include "tests/support/PositionInvariants.h"
#include "tests/support/RandomMoves.h"

namespace fs = std::filesystem;

namespace {

double cellX(int x) { return Form1::BOARD_LEFT + Form1::SQUARE_WIDTH * x + Form1::SQUARE_WIDTH / 2; }
double cellY(int y) { return Form1::BOARD_TOP + Form1::SQUARE_HEIGHT * y + Form1::SQUARE_HEIGHT / 2; }

const char* const RANDOM_TEXTS[] = {"", "game", "対局", "a/b", "..", ".", "名人戦", "x\\y", "ｶﾀｶﾅ", "😀", "  "};

}  // namespace

Soak::Soak(std::uint64_t seed, fs::path scratch) : random(seed), folder(std::move(scratch)) {
    fs::remove_all(folder);
    fs::create_directories(folder / "sub");
    fs::current_path(folder);
    startProgram();
    prepareRecordFiles();
}

void Soak::remember(const std::string& line) {
    recent.push_back(line);
    if (recent.size() > RECENT_EVENTS) recent.pop_front();
}

void Soak::startProgram() {
    form = std::make_unique<Form1>(platform);
    form->engineNodeLimit = SEARCH_NODES;
    deliver("# the program starts", [&] { form->Form_Load(); });
    form->filePanel.startIn(folder.string());
    ++restarts;
}

void Soak::deliver(const std::string& line, const std::function<void()>& event) {
    // Every message box gets a random answer.
    platform.answers.clear();
    std::string answers = "answer";
    for (int i = 0; i < 4; ++i) {
        const bool yes = chance(50);
        platform.answers.push_back(yes ? BoxAnswer::Yes : BoxAnswer::No);
        answers += yes ? " yes" : " no";
    }
    remember(answers + "\n" + line);
    try {
        event();
    } catch (const ProgramEnd&) {
        startProgram();
    }
}

// Saves a few games of random play, then corrupts copies of them in every way
// a shared file might be damaged.
void Soak::prepareRecordFiles() {
    std::vector<std::string> valid;
    for (int game = 0; game < 3; ++game) {
        Form1 f(platform);
        f.Form_Load();
        f.filePanel.startIn(folder.string());
        f.START_Click();
        bool upper = false;
        for (int ply = 0; ply < 40 + 30 * game && f.winner == 0; ++ply) {
            const auto m = randomplay::randomMove(f, upper, random);
            if (!m) break;
            f.手順保存(m->fromX, m->fromY, m->toX, m->toY, m->code, m->placed, 0, pick(100000), 0, pick(100));
            randomplay::makeOnBoard(f, *m);
            upper = !upper;
        }
        if (f.winner != 0) continue;
        f.setPanelText(FILE_NAME_BOX, "valid" + std::to_string(game));
        platform.answers.clear();
        f.Command1_Click();
        valid.push_back("valid" + std::to_string(game) + ".棋譜");
    }
    for (int copy = 0; copy < 12 && !valid.empty(); ++copy) {
        std::ifstream in(folder / valid[pick(static_cast<int>(valid.size()))], std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const int damage = pick(5);
        if (damage == 0 && !bytes.empty())
            bytes[pick(static_cast<int>(bytes.size()))] ^= static_cast<char>(1 + pick(255));
        if (damage == 1) bytes.resize(pick(static_cast<int>(bytes.size()) + 1));
        if (damage == 2 && !bytes.empty()) bytes.insert(pick(static_cast<int>(bytes.size())), bytes.substr(0, 40));
        if (damage == 3) {
            for (char& c : bytes)
                if (c >= '0' && c <= '9' && chance(3)) c = static_cast<char>('0' + pick(10));
        }
        if (damage == 4)
            for (int i = 0; i < 600; ++i) bytes += " 5756 -10 -10   0    0    0    0    0\r\n";
        std::ofstream(folder / ("damaged" + std::to_string(copy) + ".棋譜"), std::ios::binary) << bytes;
    }
}

std::string Soak::run(long events) {
    for (long n = 1; n <= events; ++n) {
        oneEvent();
        std::string problem = brokenInvariant();
        if (problem.empty() && n % 25 == 0) problem = stepBackAndForthMismatch();
        if (!problem.empty()) {
            std::ostringstream where;
            where << "event " << n << ": " << problem << "\n  position " << sfen::of(*form)
                  << "\n  the last events, as scenario lines:\nset searchNodes " << SEARCH_NODES << '\n';
            for (const std::string& line : recent) where << line << '\n';
            return where.str();
        }
    }
    return "";
}

void Soak::oneEvent() {
    const int kind = pick(100);
    if (kind < 50) {
        plausibleClick();
    } else if (kind < 60) {
        anyClick();
    } else if (kind < 75) {
        menuCommand();
    } else if (kind < 77) {
        const int code = chance(3) ? Form1::ESC_KEY : pick(128);
        deliver("key " + std::to_string(code), [&] { form->Form_KeyPress(code); });
    } else if (kind < 90) {
        platform.clock += pick(4000) / 1000.0;
        if (platform.clock >= 86400) platform.clock -= 86400;
        remember("time " + std::to_string(platform.clock));
        const int ticks = 1 + pick(5);
        for (int i = 0; i < ticks; ++i) deliver("tick", [&] { form->Timer1_Timer(); });
    } else {
        panelEvent();
    }
}

// Mostly clicks that a player would make: an own piece, one of its
// destinations, an own stand piece, so that real games get played.
void Soak::plausibleClick() {
    Form1& f = *form;
    const int button = chance(85) ? Form1::LEFT_BUTTON : Form1::RIGHT_BUTTON;
    double X = cellX(1 + pick(9)), Y = cellY(1 + pick(9));
    const bool upper = f.turn != 0 && f.turn == f.upperSide;
    if (f.clickState == 1 && chance(80)) {
        std::vector<std::pair<int, int>> targets;
        const auto& m = f.pendingMove;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (f.移動チェック(m.fromX, m.fromY, x, y, m.piece) == Form1::ON) targets.push_back({x, y});
        if (!targets.empty()) {
            const auto t = targets[pick(static_cast<int>(targets.size()))];
            X = cellX(t.first);
            Y = cellY(t.second);
        }
    } else if (chance(85)) {
        std::vector<std::pair<int, int>> own;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (upper ? piece::isUpper(f.board[x][y]) : piece::isLower(f.board[x][y])) own.push_back({x, y});
        for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) {
            if (!upper && f.lowerHand[k] > 0) own.push_back({Form1::LOWER_STAND_X, piece::lowerStandRow(k)});
            if (upper && f.upperHand[k] > 0) own.push_back({Form1::UPPER_STAND_X, piece::upperStandRow(k)});
        }
        if (!own.empty()) {
            const auto o = own[pick(static_cast<int>(own.size()))];
            X = cellX(o.first);
            Y = cellY(o.second);
        }
    }
    click(button, X, Y);
}

void Soak::anyClick() {
    const int button = chance(50) ? Form1::LEFT_BUTTON : Form1::RIGHT_BUTTON;
    const double X = -2000 + pick(18000);
    const double Y = -1500 + pick(12500);
    click(button, X, Y);
}

void Soak::click(int button, double X, double Y) {
    const std::string line = std::string("click ") + (button == Form1::LEFT_BUTTON ? "L " : "R ") +
                             std::to_string(static_cast<int>(X)) + " " + std::to_string(static_cast<int>(Y));
    deliver(line, [&] { form->Form_MouseDown(button, 0, static_cast<int>(X), static_cast<int>(Y)); });
}

void Soak::menuCommand() {
    int item = pick(Menu::ITEM_COUNT);
    // Leaving the program is rare, as it would be for a player.
    if ((item == Menu::OWARI) && !chance(5)) item = Menu::AFTER;
    if (chance(3)) {
        deliver("# the window is closed", [&] { form->Form_Unload(); });
        return;
    }
    deliver("menu " + std::string(MENU_ITEMS[item].name), [&] { form->menuClick(item); });
}

void Soak::panelEvent() {
    const int kind = pick(7);
    if (kind == 0) {
        // Never outside the scratch folder: the game writes files where the panel points.
        const std::string paths[] = {folder.string(), (folder / "sub").string(), "/nonexistent/place",
                                     (folder / "sub" / "..").string()};
        const std::string path = paths[pick(4)];
        deliver("control Dir1 " + path, [&] { form->Dir1_Change(path); });
    } else if (kind == 1) {
        const std::string drive = chance(50) ? (folder / "sub").string() : "/no/such/drive";
        deliver("control Drive1 " + drive, [&] { form->Drive1_Change(drive); });
    } else if (kind <= 3) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());  // the same run on every file system
        names.push_back("../escape.棋譜");
        names.push_back("missing.棋譜");
        const std::string name = names[pick(static_cast<int>(names.size()))];
        deliver("control File1 " + name, [&] { form->File1_Click(name); });
    } else if (kind == 4) {
        const int box = 1 + pick(4);
        const std::string text = RANDOM_TEXTS[pick(std::size(RANDOM_TEXTS))];
        remember("control Text" + std::to_string(box) + " " + text);
        form->setPanelText(box, text);
    } else if (kind == 5) {
        const std::string name = "saved" + std::to_string(pick(4));
        remember("control Text1 " + name);
        form->setPanelText(FILE_NAME_BOX, name);
        deliver("control Command1", [&] { form->Command1_Click(); });
    } else {
        deliver("control Command1", [&] { form->Command1_Click(); });
    }
}

std::string Soak::brokenInvariant() const {
    const Form1& f = *form;
    const int handicap = f.handicapSet == Form1::ON ? piece::abs(f.handicapLevel) : 0;
    if (std::string broken = ::brokenInvariant(f, {.handicapPieces = handicap}); !broken.empty()) return broken;
    if (f.recordIndex < 0 || f.recordIndex > f.recordLength || f.recordLength > Form1::RECORD_CAPACITY)
        return "recordIndex " + std::to_string(f.recordIndex) + ", recordLength " + std::to_string(f.recordLength);
    if (f.turn != 0 && f.turn != f.lowerSide && f.turn != f.upperSide) return "turn " + std::to_string(f.turn);
    if (f.recordIndex > 0 && f.turn == 0) return "moves recorded but no game";
    return "";
}

// Stepping back to the start and forward again must give the same position.
std::string Soak::stepBackAndForthMismatch() const {
    if (form->recordIndex == 0) return "";
    Form1 copy(*form);
    const int at = copy.recordIndex;
    while (copy.recordIndex > 0) copy.REPLAY_Click();
    while (copy.recordIndex < at) copy.AFTER_Click();
    if (sfen::of(copy) != sfen::of(*form)) return "stepping back and forward gives " + sfen::of(copy);
    return "";
}
