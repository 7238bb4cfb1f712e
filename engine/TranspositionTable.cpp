#include "engine/TranspositionTable.h"

namespace engine {
namespace {

constexpr std::size_t BYTES_PER_MEGABYTE = 1024 * 1024;
constexpr int CHECK_SHIFT = 32;

std::uint32_t checkOf(Key key) { return static_cast<std::uint32_t>(key >> CHECK_SHIFT); }

}  // namespace

TranspositionTable::TranspositionTable(std::size_t megabytes) { resize(megabytes); }

void TranspositionTable::resize(std::size_t megabytes) {
    // The largest power of two of entries that fits.
    std::size_t count = 1;
    while (count * 2 * sizeof(TableEntry) <= megabytes * BYTES_PER_MEGABYTE) count *= 2;
    entries_.assign(count, TableEntry{});
    mask_ = count - 1;
}

void TranspositionTable::clear() { std::fill(entries_.begin(), entries_.end(), TableEntry{}); }

const TableEntry* TranspositionTable::probe(Key key) const {
    const TableEntry& e = entries_[key & mask_];
    return e.bound != Bound::None && e.check == checkOf(key) ? &e : nullptr;
}

void TranspositionTable::store(Key key, Move move, Value value, int depth, Bound bound) {
    TableEntry& e = slot(key);
    const bool samePosition = e.check == checkOf(key);
    // A deeper result about the same position is kept unless this one is exact.
    if (samePosition && e.depth > depth && bound != Bound::Exact) return;
    if (move == NO_MOVE && samePosition) move = e.move;
    e = {checkOf(key), move, static_cast<std::int16_t>(value), static_cast<std::int8_t>(depth), bound};
}

Value valueToTable(Value v, int ply) {
    if (v >= VALUE_MATE_IN_MAX_PLY) return v + ply;
    if (v <= -VALUE_MATE_IN_MAX_PLY) return v - ply;
    return v;
}

Value valueFromTable(Value v, int ply) {
    if (v >= VALUE_MATE_IN_MAX_PLY) return v - ply;
    if (v <= -VALUE_MATE_IN_MAX_PLY) return v + ply;
    return v;
}

}  // namespace engine
