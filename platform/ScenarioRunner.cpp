#include "platform/ScenarioRunner.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "game/Form1.h"
#include "platform/ScenarioPlatform.h"
#include "platform/Sfen.h"
#include "rules/MoveList.h"

namespace {

// The scalar members a scenario can print and set, in the order `print state` lists them.
struct StateField {
    const char* name;
    int Form1::*integer;
    double Form1::*time;
};

const std::vector<StateField>& stateFields() {
    static const std::vector<StateField> fields = {
        {"turn", &Form1::turn, nullptr},
        {"lowerSide", &Form1::lowerSide, nullptr},
        {"upperSide", &Form1::upperSide, nullptr},
        {"SENTE", &Form1::SENTE, nullptr},
        {"GOTE", &Form1::GOTE, nullptr},
        {"gameMode", &Form1::gameMode, nullptr},
        {"comLevel", &Form1::comLevel, nullptr},
        {"moveNumber", &Form1::moveNumber, nullptr},
        {"winner", &Form1::winner, nullptr},
        {"clickState", &Form1::clickState, nullptr},
        {"kifuMode", &Form1::kifuMode, nullptr},
        {"resumePending", &Form1::resumePending, nullptr},
        {"reversed", &Form1::reversed, nullptr},
        {"handicapLevel", &Form1::handicapLevel, nullptr},
        {"handicapSet", &Form1::handicapSet, nullptr},
        {"recordIndex", &Form1::recordIndex, nullptr},
        {"recordLength", &Form1::recordLength, nullptr},
        {"lowerHandCount", &Form1::lowerHandCount, nullptr},
        {"upperHandCount", &Form1::upperHandCount, nullptr},
        {"lowerKingX", &Form1::lowerKingX, nullptr},
        {"lowerKingY", &Form1::lowerKingY, nullptr},
        {"upperKingX", &Form1::upperKingX, nullptr},
        {"upperKingY", &Form1::upperKingY, nullptr},
        {"lowerTime", nullptr, &Form1::lowerTime},
        {"upperTime", nullptr, &Form1::upperTime},
        {"moveElapsed", nullptr, &Form1::moveElapsed},
        {"moveStartTime", nullptr, &Form1::moveStartTime},
        {"backgroundKind", &Form1::backgroundKind, nullptr},
        {"guideOn", &Form1::guideOn, nullptr},
        {"guideColor", &Form1::guideColor, nullptr},
        {"timer", nullptr, nullptr},
        {"promotedPiece", &Form1::promotedPiece, nullptr},
        {"shownSecond", &Form1::shownSecond, nullptr},
    };
    return fields;
}

std::string timeText(double seconds) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
    return buffer;
}

// The rest of the line after `words` words.
std::string restOfLine(const std::string& line, int words) {
    size_t i = 0;
    for (int w = 0; w < words; ++w) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    }
    if (i < line.size()) ++i;  // the one blank that separates the text
    return line.substr(i);
}

int integerArgument(const std::string& word) {
    try {
        size_t used = 0;
        const int value = std::stoi(word, &used);
        if (used == word.size()) return value;
    } catch (...) {
    }
    throw std::invalid_argument("not a whole number: " + word);
}

double numberArgument(const std::string& word) {
    try {
        size_t used = 0;
        const double value = std::stod(word, &used);
        if (used == word.size()) return value;
    } catch (...) {
    }
    throw std::invalid_argument("not a number: " + word);
}

int buttonArgument(const std::string& word) {
    if (word == "L") return Form1::LEFT_BUTTON;
    if (word == "R") return Form1::RIGHT_BUTTON;
    throw std::invalid_argument("button must be L or R");
}

bool onOffArgument(const std::string& word) {
    if (word == "on") return true;
    if (word == "off") return false;
    throw std::invalid_argument("expected on or off");
}

}  // namespace

ScenarioRunner::ScenarioRunner(Form1& game, ScenarioPlatform& host, std::ostream& trace, std::ostream& errors,
                               Screenshot takeScreenshot)
    : form(game), platform(host), out(trace), err(errors), screenshot(std::move(takeScreenshot)) {}

void ScenarioRunner::deliver(const std::function<void()>& event) {
    try {
        event();
    } catch (const ProgramEnd&) {
        programEnded = true;
    }
}

int ScenarioRunner::run(std::istream& in) {
    deliver([&] { form.Form_Load(); });
    std::string line;
    int number = 0;
    while (!programEnded && std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            runLine(line);
            out.flush();  // a program reading the trace may be waiting for it
        } catch (const BadLine& bad) {
            out.flush();
            err << "error: line " << number << ": " << bad.reason << '\n';
            return 2;
        } catch (const std::invalid_argument& bad) {
            out.flush();
            err << "error: line " << number << ": " << bad.what() << '\n';
            return 2;
        }
    }
    out.flush();
    return 0;
}

void ScenarioRunner::runLine(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') return;
    const std::string& command = w[0];
    auto need = [&](size_t count) {
        if (w.size() != count) throw BadLine{"'" + command + "' takes " + std::to_string(count - 1) + " argument(s)"};
    };

    if (command == "click") {
        need(4);
        const int button = buttonArgument(w[1]);
        const double x = integerArgument(w[2]), y = integerArgument(w[3]);
        deliver([&] { form.Form_MouseDown(button, 0, x, y); });
    } else if (command == "cell") {
        need(4);
        const int button = buttonArgument(w[1]);
        const int x = integerArgument(w[2]), y = integerArgument(w[3]);
        // The centre of the cell, in whole twips as the scenario language defines it.
        const double X = Form1::BOARD_LEFT + Form1::SQUARE_WIDTH * x + Form1::SQUARE_WIDTH / 2;
        const double Y = Form1::BOARD_TOP + Form1::SQUARE_HEIGHT * y + Form1::SQUARE_HEIGHT / 2;
        deliver([&] { form.Form_MouseDown(button, 0, X, Y); });
    } else if (command == "menu") {
        need(2);
        const int item = menuItemByName(w[1]);
        if (item < 0) throw BadLine{"no menu item " + w[1]};
        deliver([&] { form.menuClick(item); });
    } else if (command == "key") {
        need(2);
        const int code = integerArgument(w[1]);
        deliver([&] { form.Form_KeyPress(code); });
    } else if (command == "answer") {
        if (w.size() < 2) throw BadLine{"'answer' needs at least one answer"};
        for (size_t i = 1; i < w.size(); ++i) {
            if (w[i] == "ok")
                platform.answers.push_back(BoxAnswer::Ok);
            else if (w[i] == "yes")
                platform.answers.push_back(BoxAnswer::Yes);
            else if (w[i] == "no")
                platform.answers.push_back(BoxAnswer::No);
            else
                throw BadLine{"answer must be ok, yes or no"};
        }
    } else if (command == "time") {
        need(2);
        platform.clock = numberArgument(w[1]);
    } else if (command == "tick") {
        if (w.size() > 2) throw BadLine{"'tick' takes at most one argument"};
        const int n = w.size() == 2 ? integerArgument(w[1]) : 1;
        for (int i = 0; i < n && !programEnded; ++i) deliver([&] { form.Timer1_Timer(); });
    } else if (command == "control") {
        if (w.size() < 2) throw BadLine{"'control' needs a control name"};
        const std::string text = restOfLine(line, 2);
        const std::string& name = w[1];
        if (name == "Drive1")
            deliver([&] { form.Drive1_Change(text); });
        else if (name == "Dir1")
            deliver([&] { form.Dir1_Change(text); });
        else if (name == "File1")
            deliver([&] { form.File1_Click(text); });
        else if (name == "Text1" || name == "Text2" || name == "Text3" || name == "Text4")
            form.setPanelText(name[4] - '0', text);
        else if (name == "Command1")
            deliver([&] { form.Command1_Click(); });
        else
            throw BadLine{"no control " + name};
    } else if (command == "position") {
        std::string error;
        const auto position = sfen::parse(restOfLine(line, 1), error);
        if (!position) throw BadLine{error};
        sfen::apply(*position, form);
    } else if (command == "set") {
        need(3);
        // Settings of the run that `print state` does not list.
        if (w[1] == "keepGames") {
            std::error_code error;
            platform.keptGames =
                integerArgument(w[2]) != 0 ? (std::filesystem::current_path(error) / "games").string() : "";
            return;
        }
        if (w[1] == "searchNodes") {
            const int nodes = integerArgument(w[2]);
            if (nodes < 0) throw BadLine{"searchNodes must not be negative"};
            form.engineNodeLimit = static_cast<std::uint64_t>(nodes);
            return;
        }
        for (const StateField& field : stateFields()) {
            if (w[1] != field.name) continue;
            if (field.integer)
                form.*field.integer = integerArgument(w[2]);
            else if (field.time)
                form.*field.time = numberArgument(w[2]);
            else
                form.timer1Enabled = integerArgument(w[2]) != 0;
            return;
        }
        throw BadLine{"no state member " + w[1]};
    } else if (command == "survey") {
        need(1);
        form.勢力調査();
    } else if (command == "com") {
        need(1);
        deliver([&] { form.com_ban(); });
    } else if (command == "print") {
        if (w.size() < 2) throw BadLine{"'print' needs what to print"};
        const std::string& what = w[1];
        if (what == "moves") {
            need(3);
            if (w[2] != "upper" && w[2] != "lower") throw BadLine{"print moves upper|lower"};
            printMoves(w[2]);
            return;
        }
        need(2);
        if (what == "state")
            printState();
        else if (what == "board")
            printBoard();
        else if (what == "hands")
            printHands();
        else if (what == "sfen")
            out << "sfen " << sfen::of(form) << '\n';
        else if (what == "record")
            printRecord();
        else if (what == "maps")
            printMaps();
        else if (what == "menu")
            printMenu();
        else if (what == "panel")
            printPanel();
        else
            throw BadLine{"cannot print " + what};
    } else if (command == "trace") {
        need(3);
        const bool on = onOffArgument(w[2]);
        if (w[1] == "draw") {
            platform.traceDraw = on;
        } else if (w[1] == "candidates") {
            platform.traceCandidates = on;
        } else {
            throw BadLine{"trace draw|candidates on|off"};
        }
    } else if (command == "screenshot") {
        need(2);
        if (!screenshot) throw BadLine{"no screen"};
        if (!screenshot(w[1])) throw BadLine{"cannot write " + w[1]};
    } else {
        throw BadLine{"unknown command " + command};
    }
}

void ScenarioRunner::printState() {
    for (const StateField& field : stateFields()) {
        out << field.name << ' ';
        if (field.integer)
            out << form.*field.integer;
        else if (field.time)
            out << timeText(form.*field.time);
        else
            out << (form.timer1Enabled ? 1 : 0);
        out << '\n';
    }
}

void ScenarioRunner::printBoard() {
    for (int y = 1; y <= Form1::boardSize; ++y) {
        out << "board " << y;
        for (int x = 1; x <= Form1::boardSize; ++x) out << ' ' << form.board[x][y];
        out << '\n';
    }
}

void ScenarioRunner::printHands() {
    out << "lowerHand";
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) out << ' ' << form.lowerHand[k];
    out << "\nupperHand";
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) out << ' ' << form.upperHand[k];
    out << '\n';
}

void ScenarioRunner::printRecord() {
    const auto& r = form.moveRecord;
    for (int n = 1; n <= form.recordLength && n <= Form1::RECORD_CAPACITY; ++n)
        out << "record " << n << ' ' << r.fromX[n] << ' ' << r.fromY[n] << ' ' << r.toX[n] << ' ' << r.toY[n] << ' '
            << r.movedPiece[n] << ' ' << r.placedPiece[n] << ' ' << r.capturedPiece[n] << ' '
            << timeText(r.lowerTimeBefore[n]) << ' ' << timeText(r.lowerTimeAfter[n]) << ' '
            << timeText(r.upperTimeBefore[n]) << ' ' << timeText(r.upperTimeAfter[n]) << '\n';
}

void ScenarioRunner::printMoves(const std::string& side) {
    forEachAllowedMove(form, side == "upper", [&](int fx, int fy, int tx, int ty, int code) {
        out << "move " << fx << ' ' << fy << ' ' << tx << ' ' << ty << ' ' << code << '\n';
    });
}

void ScenarioRunner::printMaps() {
    const struct {
        const char* name;
        int (Form1::*map)[10][10];
    } maps[] = {
        {"lowerInfluence", &Form1::lowerInfluence}, {"upperInfluence", &Form1::upperInfluence},
        {"lowerDefender", &Form1::lowerDefender},   {"upperDefender", &Form1::upperDefender},
        {"upperDefenderX", &Form1::upperDefenderX}, {"upperDefenderY", &Form1::upperDefenderY},
        {"lowerAttacker", &Form1::lowerAttacker},   {"lowerAttackerX", &Form1::lowerAttackerX},
        {"lowerAttackerY", &Form1::lowerAttackerY}, {"upperAttacker", &Form1::upperAttacker},
        {"upperAttackerX", &Form1::upperAttackerX}, {"upperAttackerY", &Form1::upperAttackerY},
        {"lowerCheckMap", &Form1::lowerCheckMap},   {"upperCheckMap", &Form1::upperCheckMap},
    };
    for (const auto& m : maps) {
        out << "map " << m.name << '\n';
        const auto& values = form.*m.map;
        for (int y = 1; y <= Form1::boardSize; ++y) {
            for (int x = 1; x <= Form1::boardSize; ++x) out << (x > 1 ? " " : "") << values[x][y];
            out << '\n';
        }
    }
}

void ScenarioRunner::printMenu() {
    for (int i = 0; i < Menu::ITEM_COUNT; ++i)
        out << "menu " << MENU_ITEMS[i].name << " checked=" << form.menuChecked[i] << " enabled=" << form.menuEnabled[i]
            << '\n';
}

void ScenarioRunner::printPanel() {
    const FilePanel& p = form.filePanel;
    out << "panel Drive1=" << p.drive1Visible << " Dir1=" << p.dir1Visible << " File1=" << p.file1Visible
        << " Text=" << p.textVisible << '\n';
    for (int i = 1; i <= 4; ++i) out << "text Text" << i << ' ' << ScenarioPlatform::quoted(p.text[i]) << '\n';
}
