#include "tests/support/TestForm.h"

#include <stdexcept>

void TestForm::position(const std::string& text) {
    std::string error;
    const auto p = sfen::parse(text, error);
    if (!p) throw std::invalid_argument("bad position '" + text + "': " + error);
    sfen::apply(*p, form);
}

std::string TestForm::takeTrace() {
    std::string text = trace.str();
    trace.str("");
    return text;
}

void TestForm::computerToMove(const std::string& text) {
    position(text);
    form.gameMode = Form1::MODE_COM;
    form.lowerSide = form.SENTE;
    form.upperSide = form.GOTE;
    form.turn = form.upperSide;
}

void clickCell(Form1& f, int button, int x, int y) {
    f.Form_MouseDown(button, 0, f.boardLeft + f.squareWidth * x + f.squareWidth / 2,
                     f.boardTop + f.squareHeight * y + f.squareHeight / 2);
}
