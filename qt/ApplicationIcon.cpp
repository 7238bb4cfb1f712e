#include "qt/ApplicationIcon.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <map>

namespace {

class SizedFilesEngine : public QIconEngine {
public:
    explicit SizedFilesEngine(std::map<int, QString> filesBySide) : files(std::move(filesBySide)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (files.empty() || size.isEmpty()) return {};
        // The smallest file at least as large, scaled down if need be; else the largest.
        auto it = files.lower_bound(std::max(size.width(), size.height()));
        if (it == files.end()) --it;
        QPixmap& loaded = cache[it->first];
        if (loaded.isNull()) loaded = QPixmap(it->second);
        return loaded.size() == size ? loaded : loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& entry : files) sizes.append(QSize(entry.first, entry.first));
        return sizes;
    }

    QIconEngine* clone() const override { return new SizedFilesEngine(*this); }
    QString key() const override { return QStringLiteral("SizedFilesEngine"); }

private:
    std::map<int, QString> files;  // by side in pixels
    std::map<int, QPixmap> cache;
};

}  // namespace

QIcon applicationIcon() {
    std::map<int, QString> files;
    QDirIterator found(":/icons", {"*.png"});
    while (found.hasNext()) {
        const QString file = found.next();
        files.emplace(QFileInfo(file).baseName().section('x', 0, 0).toInt(), file);
    }
    return QIcon(new SizedFilesEngine(std::move(files)));
}
