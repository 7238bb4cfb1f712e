#include "qt/Surface.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "game/Vocabulary.h"
#include "qt/Palette.h"

namespace {

constexpr double TWIPS_PER_POINT = 20;
const char* const WINDOW_FONT = "ＭＳ Ｐ明朝";
// The window font has no bold face, so bold is made up. Qt does that for text
// it draws from cached glyph bitmaps, up to this many pixels; larger text it
// draws from outlines and leaves the bold out, so that is widened here
// instead, by the amount FreeType's synthetic bold adds.
constexpr int LARGEST_CACHED_GLYPH_PIXELS = 63;
constexpr double BOLD_STROKE_PER_PIXEL = 1.0 / 24;

QFont windowFont(bool bold, double pixelSize) {
    QFont font(WINDOW_FONT);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

// The game lays its background tiles on its grid, one per cell; the margins
// continue that tiling so they meet the game's tiles without a seam.
const QRectF TILE_GRID(Vocabulary::BOARD_LEFT, Vocabulary::BOARD_TOP, Vocabulary::SQUARE_WIDTH,
                       Vocabulary::SQUARE_HEIGHT);

bool isBackgroundTile(int code) { return code >= Vocabulary::BG_MIDORI && code <= Vocabulary::BG_RENGA; }

}  // namespace

Surface::Surface(const PictureBook& book, QWidget* parent) : QWidget(parent), pictures(book) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Surface::sizeHint() const {
    return QSize(static_cast<int>(DESIGN_WIDTH / TWIPS_PER_PIXEL), static_cast<int>(DESIGN_HEIGHT / TWIPS_PER_PIXEL));
}

double Surface::scale() const { return std::min(width() / DESIGN_WIDTH, height() / DESIGN_HEIGHT); }

QSize Surface::deviceSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                 std::max(1, static_cast<int>(std::ceil(height() * ratio))));
}

QRect Surface::deviceArea() const {
    const double k = scale() * devicePixelRatioF();
    const QSize area(static_cast<int>(std::lround(DESIGN_WIDTH * k)), static_cast<int>(std::lround(DESIGN_HEIGHT * k)));
    const QSize device = deviceSize();
    // Centred on whole device pixels, so pictures stay as sharp as at the design's shape.
    return QRect(QPoint((device.width() - area.width()) / 2, (device.height() - area.height()) / 2), area);
}

QPointF Surface::origin() const { return QPointF(deviceArea().topLeft()) / devicePixelRatioF(); }

void Surface::keep(Call call, bool opaque) {
    // The game paints its background far beyond its area; what lies wholly
    // outside is clipped away anyway, so it is not kept.
    if (!QRectF(0, 0, DESIGN_WIDTH, DESIGN_HEIGHT).intersects(call.bounds)) return;
    // A call is dropped once a later one paints over all of it: a picture over
    // its whole area, or the same outline or text drawn again in the same place.
    const auto covered = [&](const Call& old) {
        if (opaque) return call.bounds.contains(old.bounds);
        return old.kind == call.kind && old.bounds == call.bounds && old.text == call.text && old.size == call.size;
    };
    calls.erase(std::remove_if(calls.begin(), calls.end(), covered), calls.end());
    call.sequence = nextSequence++;
    calls.push_back(std::move(call));
    update();
}

Surface::Call Surface::pictureCall(int code, double x, double y) const {
    const QSize size = pictures.baseSize(code);
    Call call;
    call.kind = Kind::Picture;
    call.bounds = QRectF(x, y, size.width() * TWIPS_PER_PIXEL, size.height() * TWIPS_PER_PIXEL);
    call.code = code;
    return call;
}

void Surface::drawPicture(int code, double x, double y) {
    if (pictures.baseSize(code).isEmpty()) return;
    // A new background kind changes the margins too.
    if (isBackgroundTile(code) && code != marginTile) {
        marginTile = code;
        renderAll();
    }
    keep(pictureCall(code, x, y), true);
}

void Surface::drawRect(int color, double x1, double y1, double x2, double y2) {
    // A one-pixel outline through both corners, so it covers one pixel more than the cell.
    Call call;
    call.kind = Kind::Rect;
    call.bounds = QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                         QPointF(std::max(x1, x2) + TWIPS_PER_PIXEL, std::max(y1, y2) + TWIPS_PER_PIXEL));
    call.code = color;
    keep(std::move(call), false);
}

void Surface::drawText(const QString& text, double x, double y, int size, bool bold, int color) {
    const QFont font = windowFont(bold, size * TWIPS_PER_POINT);
    const QSizeF extent = QFontMetricsF(font).size(Qt::TextSingleLine, text);
    Call call;
    call.kind = Kind::Text;
    call.bounds = QRectF(QPointF(x, y), extent);
    call.code = color;
    call.size = size;
    call.bold = bold;
    call.text = text;
    keep(std::move(call), false);
}

void Surface::setBackgroundColor(int color) {
    background = color;
    renderAll();
}

void Surface::paintCall(QPainter& painter, const Call& call, double k) const {
    const auto px = [k](double twips) { return static_cast<int>(std::lround(twips * k)); };
    switch (call.kind) {
    case Kind::Picture: {
        const QRect target(QPoint(px(call.bounds.left()), px(call.bounds.top())),
                           QPoint(px(call.bounds.right()) - 1, px(call.bounds.bottom()) - 1));
        const QImage* image = pictures.image(call.code, k * TWIPS_PER_PIXEL);
        if (image) painter.drawImage(target, *image);
        break;
    }
    case Kind::Rect: {
        const int pen = std::max(1, px(TWIPS_PER_PIXEL));
        const int left = px(call.bounds.left()), top = px(call.bounds.top());
        const int right = px(call.bounds.right() - TWIPS_PER_PIXEL),
                  bottom = px(call.bounds.bottom() - TWIPS_PER_PIXEL);
        const QColor color = paletteColor(call.code);
        painter.fillRect(left, top, right - left + pen, pen, color);
        painter.fillRect(left, bottom, right - left + pen, pen, color);
        painter.fillRect(left, top, pen, bottom - top + pen, color);
        painter.fillRect(right, top, pen, bottom - top + pen, color);
        break;
    }
    case Kind::Text: {
        const QFont font = windowFont(call.bold, call.size * TWIPS_PER_POINT * k);
        const QPointF baseline(call.bounds.left() * k, call.bounds.top() * k + QFontMetricsF(font).ascent());
        const QColor color = paletteColor(call.code);
        if (call.bold && font.pixelSize() > LARGEST_CACHED_GLYPH_PIXELS) {
            QPainterPath outline;
            outline.addText(baseline, windowFont(false, font.pixelSize()), call.text);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(outline, color);
            painter.strokePath(outline, QPen(color, font.pixelSize() * BOLD_STROKE_PER_PIXEL, Qt::SolidLine,
                                             Qt::RoundCap, Qt::RoundJoin));
            painter.restore();
        } else {
            painter.setFont(font);
            painter.setPen(color);
            painter.drawText(baseline, call.text);
        }
        break;
    }
    }
}

void Surface::renderAll() {
    backing = QPixmap(deviceSize());
    backing.setDevicePixelRatio(1);
    backing.fill(paletteColor(background));
    if (marginTile != 0) {
        QPainter painter(&backing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(deviceArea().topLeft());
        paintMargins(painter, scale() * devicePixelRatioF());
    }
    paintedUpTo = 0;
    update();
}

void Surface::paintMargins(QPainter& painter, double k) const {
    const QRect area = deviceArea();
    const QSize device = deviceSize();
    const double left = -area.left() / k, right = (device.width() - area.left()) / k;
    const double top = -area.top() / k, bottom = (device.height() - area.top()) / k;
    // One tile more on the left and top: a tile reaches a pixel into its neighbour.
    const auto firstOf = [](double from, double start, double step) {
        return static_cast<int>(std::floor((from - start) / step)) - 1;
    };
    const auto lastOf = [](double to, double start, double step) {
        return static_cast<int>(std::ceil((to - start) / step));
    };
    const int firstColumn = firstOf(left, TILE_GRID.left(), TILE_GRID.width());
    const int lastColumn = lastOf(right, TILE_GRID.left(), TILE_GRID.width());
    const int firstRow = firstOf(top, TILE_GRID.top(), TILE_GRID.height());
    const int lastRow = lastOf(bottom, TILE_GRID.top(), TILE_GRID.height());
    // Tiles wholly inside the game's area are left out: the game paints its
    // own background there, over the same grid.
    const QRectF inside(QPointF(0, 0), QSizeF(area.size()));
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row) {
            const Call tile = pictureCall(marginTile, TILE_GRID.left() + column * TILE_GRID.width(),
                                          TILE_GRID.top() + row * TILE_GRID.height());
            const QRectF pixels(tile.bounds.topLeft() * k, tile.bounds.size() * k);
            if (!inside.contains(pixels)) paintCall(painter, tile, k);
        }
}

void Surface::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (backing.isNull() || backing.size() != deviceSize()) renderAll();
    {
        QPainter painter(&backing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRect area = deviceArea();
        painter.translate(area.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), area.size()));
        const double k = scale() * ratio;  // device pixels per twip
        for (const Call& call : calls)
            if (call.sequence > paintedUpTo) paintCall(painter, call, k);
        if (!calls.empty()) paintedUpTo = calls.back().sequence;
    }
    QPainter window(this);
    backing.setDevicePixelRatio(ratio);
    window.drawPixmap(0, 0, backing);
    backing.setDevicePixelRatio(1);
}

void Surface::resizeEvent(QResizeEvent*) {
    renderAll();
    emit rescaled(scale(), origin());
}

void Surface::mousePressEvent(QMouseEvent* event) {
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 0;
    if (button == 0) return;
    const QPointF twips = (event->position() - origin()) / scale();
    emit mouseDown(button, twips.x(), twips.y());
}
