#pragma once
// The drawing the game's pictures and its application icon share: a shogi
// piece of light wood with its character in ink, and the fixed-seed
// randomness behind its grain, so every run draws the same pixels.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <cstdint>

constexpr double kPi = 3.14159265358979323846;

// SplitMix64: tiny, fast and, unlike std:: distributions, identical everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return int(next() % std::uint64_t(n)); }

private:
    std::uint64_t state_;
};

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, double a);

// A wavy vertical line x(y) = x0 + sum of sines whose periods divide `periodY`,
// so stacked copies join up.
QPainterPath wavyVertical(double x0, double periodY, double amp1, int k1, double ph1, double amp2, int k2, double ph2,
                          double yFrom, double yTo);

// Finds the IPA Mincho the kanji are drawn in; false (with a message) when it is missing.
bool setUpFonts();
QString minchoFamily();

// The outline of `text` scaled so its ink is `height` tall (keeping the
// glyph's proportions, squeezed horizontally by `squeeze`) and centred on
// `centre`.  Outlines come from a large unhinted size so every scale gets the
// same shape.
QPainterPath glyphPath(const QString& family, const QString& text, QPointF centre, double height, double maxWidth,
                       double squeeze = 1.0);

// A piece whose bounding box is w x h centred on a point, on screen.
struct PieceShape {
    QTransform toScreen;  // from the piece's own frame: pointing up, centred on (0, 0)
    QPolygonF outer;      // the outline, clockwise on screen
    QPolygonF face;       // inside the bevel
    QPainterPath glyph;   // the character, empty for none
};
PieceShape pieceShape(QPointF centre, double w, double h, const QString& glyph, bool pointsDown);

// The bevel strip along the outline's edge from corner `i` to the next.
QPolygonF bevelStrip(const PieceShape& shape, int i);
// That strip's colour, shaded by how much it faces the light. The light always comes from the top
// left of the screen, also for pieces that point down, so both sides sit
// under the same lamp.
QColor bevelColor(const PieceShape& shape, int i);
// The face's shading, from its lit corner to the far one.
QLinearGradient faceGradient(const PieceShape& shape);
const QColor kPieceEdge(0x3C, 0x24, 0x0E);
constexpr double kPieceEdgeWidth = 0.6;
constexpr double kGlyphStrokeWidth = 0.5;  // thickens the ink a little beyond the font's strokes

const QColor kBlackInk(0x16, 0x10, 0x0C);
const QColor kRedInk(0xB4, 0x14, 0x14);

void paintPiece(QPainter& p, QPointF centre, double w, double h, const QString& glyph, const QColor& ink,
                bool pointsDown, std::uint64_t grainSeed);
