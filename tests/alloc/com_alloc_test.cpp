// The computer's turn allocates nothing: every array it uses has a fixed size.
// Global operator new is replaced by a counting one, and the count must not
// move while com_ban runs, from the start of its search to the end of its
// move, messages included.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "game/Form1.h"
#include "platform/QuietPlatform.h"
#include "platform/Sfen.h"

namespace {
long allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Turn {
    const char* sfen;
    int level;
    int messages;  // boxes the move shows: for a check or a mate
};

const Turn turns[] = {
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 3, 0},
    {"ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w Bp 1", 1, 0},
    {"ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w Bp 1", 2, 0},
    {"ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w Bp 1", 3, 0},
    {"l4k1nl/4g1gs1/p1n1pp1p1/2pp2p1p/1p1s5/2P1P1PP1/PPS2P2P/1KG1G4/LN5RL w RBbnp 1", 3, 0},
    {"k8/9/9/9/9/9/9/9/4K4 w r 1", 1, 1},    // gives check
    {"k8/9/9/9/9/9/4s4/9/4K4 w g 1", 3, 1},  // mates
};

TEST(ComAllocation, TheCounterSeesAllocations) {
    const long before = allocations;
    auto p = std::make_unique<int>(1);
    EXPECT_EQ(allocations - before, 1);
}

TEST(ComAllocation, NoneDuringTheComputersTurn) {
    for (const Turn& t : turns) {
        QuietPlatform platform;
        auto form = std::make_unique<Form1>(platform);
        std::string error;
        const auto position = sfen::parse(t.sfen, error);
        ASSERT_TRUE(position) << error;
        sfen::apply(*position, *form);
        form->gameMode = Form1::MODE_COM;
        form->lowerSide = form->SENTE;
        form->upperSide = form->GOTE;
        form->turn = form->upperSide;
        form->comLevel = t.level;

        const long before = allocations;
        form->com_ban();
        EXPECT_EQ(allocations - before, 0) << t.sfen << " level " << t.level;
        EXPECT_EQ(form->moveNumber, 1) << t.sfen;
        EXPECT_EQ(platform.boxes, t.messages) << t.sfen;
    }
}

}  // namespace
