// mirelo-usi: the Mirelo engine for shogi GUIs and match runners, speaking
// USI on standard input and output.

#include <iostream>

#include "usi/UsiSession.h"

int main() {
    std::ios::sync_with_stdio(false);
    // Input must not flush the output on its own: answers are written whole,
    // under the session's lock, by the search thread too.
    std::cin.tie(nullptr);
    usi::UsiSession session(std::cin, std::cout);
    session.run();
    return 0;
}
