#include "qt/Surface.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/Palette.h"

namespace {

constexpr double TWIPS_PER_POINT = 20;
const char* const WINDOW_FONT = "ＭＳ Ｐ明朝";

QFont windowFont(bool bold, double pixelSize) {
    QFont font(WINDOW_FONT);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

}  // namespace

Surface::Surface(const PictureBook& book, QWidget* parent) : QWidget(parent), pictures(book) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Surface::sizeHint() const {
    return QSize(static_cast<int>(DESIGN_WIDTH / TWIPS_PER_PIXEL), static_cast<int>(DESIGN_HEIGHT / TWIPS_PER_PIXEL));
}

double Surface::scale() const { return std::min(width() / DESIGN_WIDTH, height() / DESIGN_HEIGHT); }

void Surface::keep(Call call, bool opaque) {
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

void Surface::drawPicture(int code, double x, double y) {
    const QSize size = pictures.baseSize(code);
    if (size.isEmpty()) return;
    Call call;
    call.kind = Kind::Picture;
    call.bounds = QRectF(x, y, size.width() * TWIPS_PER_PIXEL, size.height() * TWIPS_PER_PIXEL);
    call.code = code;
    keep(std::move(call), true);
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
        const int right = px(call.bounds.right() - TWIPS_PER_PIXEL), bottom = px(call.bounds.bottom() - TWIPS_PER_PIXEL);
        const QColor color = paletteColor(call.code);
        painter.fillRect(left, top, right - left + pen, pen, color);
        painter.fillRect(left, bottom, right - left + pen, pen, color);
        painter.fillRect(left, top, pen, bottom - top + pen, color);
        painter.fillRect(right, top, pen, bottom - top + pen, color);
        break;
    }
    case Kind::Text: {
        painter.setFont(windowFont(call.bold, call.size * TWIPS_PER_POINT * k));
        painter.setPen(paletteColor(call.code));
        painter.drawText(QPointF(call.bounds.left() * k, call.bounds.top() * k) +
                             QPointF(0, QFontMetricsF(painter.font()).ascent()),
                         call.text);
        break;
    }
    }
}

void Surface::renderAll() {
    const qreal ratio = devicePixelRatioF();
    backing = QPixmap(QSize(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                            std::max(1, static_cast<int>(std::ceil(height() * ratio)))));
    backing.setDevicePixelRatio(1);
    backing.fill(paletteColor(background));
    paintedUpTo = 0;
    update();
}

void Surface::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (backing.isNull() || backing.width() != static_cast<int>(std::ceil(width() * ratio)) ||
        backing.height() != static_cast<int>(std::ceil(height() * ratio)))
        renderAll();
    {
        QPainter painter(&backing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::TextAntialiasing);
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
    emit rescaled(scale());
}

void Surface::mousePressEvent(QMouseEvent* event) {
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 0;
    if (button == 0) return;
    const double s = scale();
    emit mouseDown(button, event->position().x() / s, event->position().y() / s);
}
