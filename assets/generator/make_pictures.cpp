// Draws every picture of the game and writes them as PNG files.
//
//   QT_QPA_PLATFORM=offscreen make_pictures OUTDIR
//
// writes OUTDIR/NAME@Sx.png for S = 1..4.  Each picture is described once in
// base pixels and painted anew at every scale through a scaled painter, so the
// larger scales are sharp rather than enlarged copies of the small one.
// All texture comes from a fixed-seed generator: running the program again
// yields the same files.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "piece_art.h"

namespace {

constexpr int kCellW = 33;  // one board square
constexpr int kCellH = 41;
constexpr int kTileW = 34;  // background tiles overlap their neighbour by one pixel
constexpr int kTileH = 41;
constexpr int kTitleW = 145;
constexpr int kTitleH = 34;

// Runs `draw` once for each neighbouring copy of a periodX x periodY cell, so
// anything crossing an edge re-enters on the opposite side and the picture
// repeats without a seam.  With periodY == 0 only the horizontal neighbours
// are drawn: that is for features that already repeat vertically by
// themselves (long vertical strokes), which would otherwise be painted twice
// where the copies overlap and leave a darker band at the seam.
void tiled(QPainter& p, double periodX, double periodY, const std::function<void()>& draw)
{
    const int rows = periodY > 0 ? 1 : 0;
    for (int j = -rows; j <= rows; ++j) {
        for (int i = -1; i <= 1; ++i) {
            p.save();
            p.translate(i * periodX, j * periodY);
            draw();
            p.restore();
        }
    }
}

// ---------------------------------------------------------------------------
// Board wood

const QColor kBoardWood(0xE9, 0xC6, 0x8A);

// A light kaya board with straight vertical grain.  The grain repeats with the
// cell size in both directions, so a board built from these squares reads as
// one continuous plank.
void paintBoardWood(QPainter& p)
{
    p.fillRect(QRectF(0, 0, kCellW, kCellH), kBoardWood);
    tiled(p, kCellW, 0, [&] {
        Rng rng(0xB0A2D);
        p.setBrush(Qt::NoBrush);
        // Broad soft bands of slightly different tone.
        for (int i = 0; i < 6; ++i) {
            double x = rng.range(0, kCellW);
            double w = rng.range(2.5, 7.0);
            bool dark = rng.unit() < 0.6;
            QColor c = dark ? QColor(0xC8, 0x98, 0x52) : QColor(0xF6, 0xDC, 0xA8);
            QPen pen(withAlpha(c, rng.range(0.12, 0.22)), w, Qt::SolidLine, Qt::FlatCap);
            p.setPen(pen);
            p.drawPath(wavyVertical(x, kCellH, rng.range(0.3, 0.9), 1, rng.range(0, 2 * kPi),
                                    rng.range(0.1, 0.4), 2, rng.range(0, 2 * kPi), -2, kCellH + 2));
        }
        // Fine grain lines.
        for (int i = 0; i < 16; ++i) {
            double x = rng.range(0, kCellW);
            QColor c(0xA8, 0x72, 0x34);
            QPen pen(withAlpha(c, rng.range(0.10, 0.28)), rng.range(0.22, 0.55), Qt::SolidLine,
                     Qt::FlatCap);
            p.setPen(pen);
            p.drawPath(wavyVertical(x, kCellH, rng.range(0.2, 0.7), 1, rng.range(0, 2 * kPi),
                                    rng.range(0.05, 0.25), 3, rng.range(0, 2 * kPi), -2, kCellH + 2));
        }
    });
}

// ---------------------------------------------------------------------------
// Pieces

struct PieceKind {
    const char* name;   // file name part
    const char* glyph;  // unpromoted face
    const char* promotedGlyph;
    double size;        // relative to the king
    bool promotes;
};

const std::array<PieceKind, 8> kKinds = {{
    {"HU", "歩", "と", 0.885, true},
    {"KYOU", "香", "杏", 0.905, true},
    {"KEI", "桂", "圭", 0.925, true},
    {"GIN", "銀", "全", 0.95, true},
    {"KAKU", "角", "馬", 0.975, true},
    {"SYA", "飛", "龍", 0.975, true},
    {"KIN", "金", nullptr, 0.95, false},
    {"OU", "王", nullptr, 1.0, false},
}};

// King size; the others are scaled from it.
constexpr double kKingW = 27.6;
constexpr double kKingH = 36.0;

void paintPieceCell(QPainter& p, const PieceKind& kind, bool promoted, bool upper)
{
    paintBoardWood(p);
    QString glyph = QString::fromUtf8(promoted ? kind.promotedGlyph : kind.glyph);
    if (upper && QString::fromLatin1(kind.name) == QLatin1String("OU"))
        glyph = QString::fromUtf8("玉");
    const double w = kKingW * kind.size, h = kKingH * kind.size;
    std::uint64_t seed = 0x51EC0000u + std::uint64_t(&kind - kKinds.data()) * 7 + (promoted ? 3 : 0);
    paintPiece(p, QPointF(kCellW / 2.0, kCellH / 2.0), w, h, glyph, promoted ? kRedInk : kBlackInk,
               upper, seed);
}

// ---------------------------------------------------------------------------
// Background tiles.  Each repeats every kCellW x kCellH; the extra column is
// the first column again.

void paintMidori(QPainter& p)
{
    const QColor base(0x2E, 0x5B, 0x3A);
    p.fillRect(QRectF(0, 0, kCellW, kTileH), base);
    tiled(p, kCellW, kCellH, [&] {
        Rng rng(0x6A1D0);
        p.setPen(Qt::NoPen);
        // Mottling.
        for (int i = 0; i < 14; ++i) {
            QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
            double r = rng.range(4, 10);
            bool light = rng.unit() < 0.5;
            QColor col = light ? QColor(0x4A, 0x7A, 0x52) : QColor(0x1C, 0x3F, 0x26);
            QRadialGradient g(c, r);
            g.setColorAt(0, withAlpha(col, rng.range(0.10, 0.22)));
            g.setColorAt(1, withAlpha(col, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
        // Short fibres lying every which way.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 420; ++i) {
            QPointF a(rng.range(0, kCellW), rng.range(0, kCellH));
            double ang = rng.range(0, 2 * kPi);
            double len = rng.range(0.6, 2.2);
            QPointF b = a + QPointF(std::cos(ang), std::sin(ang)) * len;
            QPointF ctl = (a + b) / 2 + QPointF(rng.range(-0.5, 0.5), rng.range(-0.5, 0.5));
            bool light = rng.unit() < 0.5;
            QColor col = light ? QColor(0x6C, 0x9A, 0x70) : QColor(0x14, 0x30, 0x1C);
            p.setPen(QPen(withAlpha(col, rng.range(0.10, 0.30)), rng.range(0.2, 0.4), Qt::SolidLine,
                          Qt::RoundCap));
            QPainterPath f(a);
            f.quadTo(ctl, b);
            p.drawPath(f);
        }
    });
}

void paintTatami(QPainter& p)
{
    const QColor base(0x84, 0x7E, 0x48);
    p.fillRect(QRectF(0, 0, kCellW, kTileH), base);
    const int rows = 10;  // rush rows per tile height
    const int cols = 2;   // warp threads per tile width
    const double rh = double(kCellH) / rows, cw = double(kCellW) / cols;
    // Every row lies inside the tile, so only the horizontal wrap is needed.
    tiled(p, kCellW, 0, [&] {
        Rng rng(0x7A7A31);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                QRectF cell(c * cw + 0.25, r * rh + 0.15, cw - 0.5, rh - 0.3);
                // Each woven bundle is a slightly rounded pillow of rush.
                QColor tone = mix(QColor(0x92, 0x8C, 0x52), QColor(0x86, 0x82, 0x4A), rng.unit());
                QLinearGradient g(cell.topLeft(), cell.bottomLeft());
                g.setColorAt(0.0, mix(tone, QColor(0x5E, 0x58, 0x2C), 0.55));
                g.setColorAt(0.35, mix(tone, QColor(0xB4, 0xAC, 0x6C), 0.25));
                g.setColorAt(0.7, tone);
                g.setColorAt(1.0, mix(tone, QColor(0x5E, 0x58, 0x2C), 0.6));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawRoundedRect(cell, 0.9, 1.2);
                // Individual rush stalks along the row.
                p.setBrush(Qt::NoBrush);
                for (int s = 0; s < 4; ++s) {
                    double y = cell.top() + cell.height() * rng.range(0.2, 0.85);
                    double x0 = cell.left() + rng.range(0.3, 2.0);
                    double x1 = cell.right() - rng.range(0.3, 2.0);
                    bool light = rng.unit() < 0.5;
                    QColor col = light ? QColor(0xC4, 0xBC, 0x80) : QColor(0x5A, 0x54, 0x2A);
                    p.setPen(QPen(withAlpha(col, rng.range(0.15, 0.35)), 0.25, Qt::SolidLine,
                                  Qt::RoundCap));
                    p.drawLine(QPointF(x0, y), QPointF(x1, y + rng.range(-0.2, 0.2)));
                }
            }
        }
        // Warp threads between the bundles.
        for (int c = 0; c < cols; ++c) {
            p.setPen(QPen(QColor(0x54, 0x4E, 0x2A, 120), 0.45, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(c * cw, -1), QPointF(c * cw, kCellH + 1));
        }
    });
}

void paintTake(QPainter& p)
{
    p.fillRect(QRectF(0, 0, kCellW, kTileH), QColor(0x24, 0x30, 0x1A));
    const int stalks = 3;
    const double sw = double(kCellW) / stalks;
    // Stalks run straight down and every node lies inside the tile, so only
    // the horizontal wrap is needed.
    tiled(p, kCellW, 0, [&] {
        Rng rng(0x7A4E);
        for (int s = 0; s < stalks; ++s) {
            const double x0 = s * sw + 0.35, x1 = (s + 1) * sw - 0.35;
            const QColor tone = mix(QColor(0x5C, 0x78, 0x3A), QColor(0x6C, 0x7C, 0x3C), rng.unit());
            // Rounded stalk: dark at the rims, light just left of the middle.
            QLinearGradient g(QPointF(x0, 0), QPointF(x1, 0));
            g.setColorAt(0.0, mix(tone, QColor(0x1E, 0x2A, 0x12), 0.7));
            g.setColorAt(0.18, mix(tone, QColor(0x30, 0x40, 0x1E), 0.3));
            g.setColorAt(0.38, mix(tone, QColor(0xA8, 0xB8, 0x78), 0.25));
            g.setColorAt(0.62, tone);
            g.setColorAt(1.0, mix(tone, QColor(0x1E, 0x2A, 0x12), 0.75));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(QRectF(x0, 0, x1 - x0, kCellH));
            // Fine lengthwise streaks.
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 5; ++i) {
                double x = rng.range(x0 + 1, x1 - 1);
                bool light = rng.unit() < 0.5;
                QColor col = light ? QColor(0xB0, 0xC0, 0x80) : QColor(0x2A, 0x38, 0x18);
                p.setPen(QPen(withAlpha(col, rng.range(0.10, 0.22)), 0.25, Qt::SolidLine,
                              Qt::FlatCap));
                p.drawLine(QPointF(x, -1), QPointF(x, kCellH + 1));
            }
            // One node per repeat, at a different height on each stalk.
            const double ny = (s * 14.3 + rng.range(2, 8));
            QLinearGradient ng(QPointF(0, ny - 1.6), QPointF(0, ny + 1.6));
            ng.setColorAt(0.0, withAlpha(QColor(0x1E, 0x2A, 0x10), 0));
            ng.setColorAt(0.45, withAlpha(QColor(0x1E, 0x2A, 0x10), 0.55));
            ng.setColorAt(0.6, withAlpha(QColor(0xC0, 0xCC, 0x88), 0.45));
            ng.setColorAt(1.0, withAlpha(QColor(0xC0, 0xCC, 0x88), 0));
            p.setPen(Qt::NoPen);
            p.setBrush(ng);
            p.drawRect(QRectF(x0, ny - 1.6, x1 - x0, 3.2));
            p.setPen(QPen(QColor(0x1A, 0x24, 0x0E, 150), 0.35));
            QPainterPath ring;
            ring.moveTo(x0, ny - 0.2);
            ring.quadTo(QPointF((x0 + x1) / 2, ny + 0.5), QPointF(x1, ny - 0.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(ring);
        }
    });
}

void paintUchu(QPainter& p)
{
    p.fillRect(QRectF(0, 0, kCellW, kTileH), QColor(0x07, 0x0A, 0x1C));
    tiled(p, kCellW, kCellH, [&] {
        Rng rng(0x57A125);
        p.setPen(Qt::NoPen);
        // Faint clouds of gas.
        const std::array<QColor, 3> hues = {QColor(0x30, 0x20, 0x70), QColor(0x10, 0x30, 0x60),
                                            QColor(0x40, 0x18, 0x50)};
        for (int i = 0; i < 4; ++i) {
            QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
            double r = rng.range(16, 22);
            QRadialGradient g(c, r);
            QColor col = hues[std::size_t(rng.below(int(hues.size())))];
            g.setColorAt(0, withAlpha(col, rng.range(0.12, 0.2)));
            g.setColorAt(1, withAlpha(col, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
        // Dim dust.
        for (int i = 0; i < 14; ++i) {
            QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
            p.setBrush(QColor(0xB0, 0xB8, 0xE0, int(rng.range(40, 90))));
            double r = rng.range(0.18, 0.3);
            p.drawEllipse(c, r, r);
        }
        // A few stars, one of them with a faint glint.
        for (int i = 0; i < 5; ++i) {
            QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
            double r = rng.range(0.35, 0.6);
            QColor col = mix(QColor(0xFF, 0xF4, 0xE0), QColor(0xD0, 0xE0, 0xFF), rng.unit());
            QRadialGradient halo(c, r * 3);
            halo.setColorAt(0, withAlpha(col, 0.35));
            halo.setColorAt(1, withAlpha(col, 0));
            p.setBrush(halo);
            p.drawEllipse(c, r * 3, r * 3);
            p.setBrush(withAlpha(col, rng.range(0.7, 0.95)));
            p.drawEllipse(c, r, r);
            if (i == 0) {
                p.setPen(QPen(withAlpha(col, 0.35), 0.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c - QPointF(2.2, 0), c + QPointF(2.2, 0));
                p.drawLine(c - QPointF(0, 2.2), c + QPointF(0, 2.2));
                p.setPen(Qt::NoPen);
            }
        }
    });
}

void paintRenga(QPainter& p)
{
    const QColor mortar(0x4A, 0x3C, 0x34);
    p.fillRect(QRectF(0, 0, kCellW, kTileH), mortar);
    const int courses = 6;  // even, so the half-brick offset alternates across the seam
    const double ch = double(kCellH) / courses;
    const double bw = kCellW / 2.0;
    const double joint = 0.5;  // half the mortar width
    tiled(p, kCellW, kCellH, [&] {
        Rng rng(0xB81C);
        // Mortar grit.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
            p.setBrush(rng.unit() < 0.5 ? QColor(0x6A, 0x5C, 0x50, 90) : QColor(0x30, 0x24, 0x1E, 90));
            p.drawEllipse(c, 0.25, 0.25);
        }
        for (int r = 0; r < courses; ++r) {
            const double shift = (r % 2) ? bw / 2 : 0;
            for (int b = 0; b < 2; ++b) {
                QRectF brick(shift + b * bw + joint, r * ch + joint, bw - 2 * joint, ch - 2 * joint);
                QColor tone = mix(QColor(0x7C, 0x34, 0x25), QColor(0x66, 0x2B, 0x20), rng.unit());
                tone = mix(tone, QColor(0x7A, 0x4C, 0x34), rng.range(0, 0.35));
                QLinearGradient g(brick.topLeft(), brick.bottomLeft());
                g.setColorAt(0.0, mix(tone, QColor(0xA4, 0x62, 0x4A), 0.25));
                g.setColorAt(0.25, tone);
                g.setColorAt(1.0, mix(tone, QColor(0x3A, 0x16, 0x10), 0.35));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawRoundedRect(brick, 0.6, 0.6);
                // Pitting and burnt specks on the face.
                p.save();
                p.setClipRect(brick);
                for (int k = 0; k < 10; ++k) {
                    QPointF c(rng.range(brick.left(), brick.right()),
                              rng.range(brick.top(), brick.bottom()));
                    bool dark = rng.unit() < 0.6;
                    p.setBrush(dark ? QColor(0x40, 0x18, 0x10, int(rng.range(40, 100)))
                                    : QColor(0xC0, 0x78, 0x58, int(rng.range(30, 70))));
                    double rr = rng.range(0.2, 0.5);
                    p.drawEllipse(c, rr, rr * rng.range(0.6, 1.0));
                }
                p.restore();
            }
        }
    });
}

// ---------------------------------------------------------------------------
// Title plaque

void paintTitle(QPainter& p)
{
    const QRectF all(0, 0, kTitleW, kTitleH);
    // Black lacquer with a warm undertone and a soft gloss along the top.
    QLinearGradient lac(all.topLeft(), all.bottomLeft());
    lac.setColorAt(0.0, QColor(0x2C, 0x18, 0x12));
    lac.setColorAt(0.45, QColor(0x12, 0x09, 0x07));
    lac.setColorAt(1.0, QColor(0x1E, 0x10, 0x0C));
    p.fillRect(all, lac);
    QLinearGradient gloss(QPointF(0, 2), QPointF(0, 14));
    gloss.setColorAt(0, QColor(255, 240, 220, 34));
    gloss.setColorAt(1, QColor(255, 240, 220, 0));
    p.fillRect(QRectF(2, 2, kTitleW - 4, 12), gloss);

    const QColor gold(0xD8, 0xB0, 0x5A);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(1.4, 1.4, kTitleW - 2.8, kTitleH - 2.8));
    p.setPen(QPen(withAlpha(gold, 0.55), 0.35, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(3.0, 3.0, kTitleW - 6.0, kTitleH - 6.0));

    // Emblem: a small piece bearing the king.
    paintPiece(p, QPointF(17.0, 17.2), 19.0, 24.0, QString::fromUtf8("王"), kBlackInk, false,
               0x7171E);

    // The name in gold.
    QPainterPath word = glyphPath(minchoFamily(), QStringLiteral("Mirelo"), QPointF(84.0, 17.0), 20.0, 106.0, 1.0);
    // "Mirelo" has no descenders, so centring its ink centres the word on the plaque.
    QLinearGradient g(QPointF(0, 7), QPointF(0, 27));
    g.setColorAt(0.0, QColor(0xFB, 0xEC, 0xB4));
    g.setColorAt(0.45, QColor(0xE2, 0xB8, 0x5C));
    g.setColorAt(0.55, QColor(0xC4, 0x92, 0x38));
    g.setColorAt(1.0, QColor(0x9A, 0x6C, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(word.translated(0.5, 0.7));
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x0E), 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(word);
}

// ---------------------------------------------------------------------------

// Paints one picture at every scale and saves it.  `extraColumns` columns
// are appended on the right as copies of the leftmost ones: background tiles
// are painted one period wide and then given their overlap column this way,
// so the overlap matches the start of the next tile to the last bit.
bool writeAllScales(const QDir& dir, const QString& name, int w, int h,
                    const std::function<void(QPainter&)>& paint, int extraColumns = 0)
{
    for (int s = 1; s <= 4; ++s) {
        // RGB32 has no alpha channel, so every picture is opaque by construction.
        QImage img((w + extraColumns) * s, h * s, QImage::Format_RGB32);
        img.fill(Qt::black);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setClipRect(0, 0, w * s, h * s);
            p.scale(s, s);
            paint(p);
        }
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < extraColumns * s; ++x)
                line[w * s + x] = line[x];
        }
        const QString file = dir.filePath(QStringLiteral("%1@%2x.png").arg(name).arg(s));
        if (!img.save(file, "PNG")) {
            std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTDIR\n");
        return 2;
    }
    if (!setUpFonts())
        return 1;
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const PieceKind& kind : kKinds) {
        for (bool upper : {false, true}) {
            const QString side = upper ? QStringLiteral("UE_") : QStringLiteral("SITA_");
            const QString base = side + QString::fromLatin1(kind.name);
            if (kind.promotes) {
                for (bool promoted : {false, true})
                    ok = ok && writeAllScales(dir, base + (promoted ? "1" : "0"), kCellW, kCellH,
                                              [&](QPainter& p) { paintPieceCell(p, kind, promoted, upper); });
            } else {
                ok = ok && writeAllScales(dir, base, kCellW, kCellH,
                                          [&](QPainter& p) { paintPieceCell(p, kind, false, upper); });
            }
        }
    }
    ok = ok && writeAllScales(dir, QStringLiteral("KARA_MASU"), kCellW, kCellH, paintBoardWood);
    ok = ok && writeAllScales(dir, QStringLiteral("HAIKEI_MIDORI"), kCellW, kTileH, paintMidori,
                             kTileW - kCellW);
    ok = ok && writeAllScales(dir, QStringLiteral("HAIKEI_TATAMI"), kCellW, kTileH, paintTatami,
                             kTileW - kCellW);
    ok = ok && writeAllScales(dir, QStringLiteral("HAIKEI_TAKE"), kCellW, kTileH, paintTake,
                             kTileW - kCellW);
    ok = ok && writeAllScales(dir, QStringLiteral("HAIKEI_UCHU"), kCellW, kTileH, paintUchu,
                             kTileW - kCellW);
    ok = ok && writeAllScales(dir, QStringLiteral("HAIKEI_RENGA"), kCellW, kTileH, paintRenga,
                             kTileW - kCellW);
    ok = ok && writeAllScales(dir, QStringLiteral("MIRELO"), kTitleW, kTitleH, paintTitle);
    return ok ? 0 : 1;
}
