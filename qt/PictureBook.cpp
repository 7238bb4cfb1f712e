#include "qt/PictureBook.h"

#include <cmath>

#include "game/Vocabulary.h"

namespace {

// The picture file of each code.
// The picture file of each code: lower pieces are SITA_*, upper pieces UE_*.
std::map<int, QString> pictureNames() {
    using V = Vocabulary;
    std::map<int, QString> names = {
        {V::EMPTY, "KARA_MASU"},         {V::LOGO, "MIRELO"},         {V::BG_MIDORI, "HAIKEI_MIDORI"},
        {V::BG_TATAMI, "HAIKEI_TATAMI"}, {V::BG_TAKE, "HAIKEI_TAKE"}, {V::BG_UCHU, "HAIKEI_UCHU"},
        {V::BG_RENGA, "HAIKEI_RENGA"},
    };
    const std::pair<int, const char*> kinds[] = {
        {V::PAWN, "HU0"},    {V::TOKIN, "HU1"},  {V::LANCE, "KYOU0"},  {V::PROMOTED_LANCE, "KYOU1"},
        {V::KNIGHT, "KEI0"}, {V::PROMOTED_KNIGHT, "KEI1"}, {V::SILVER, "GIN0"}, {V::PROMOTED_SILVER, "GIN1"},
        {V::GOLD, "KIN"},    {V::BISHOP, "KAKU0"}, {V::HORSE, "KAKU1"}, {V::ROOK, "SYA0"},
        {V::DRAGON, "SYA1"}, {V::KING, "OU"},
    };
    for (const auto& [kind, name] : kinds) {
        names.emplace(kind, QString("UE_") + name);
        names.emplace(-kind, QString("SITA_") + name);
    }
    return names;
}

}  // namespace

PictureBook::PictureBook(const QString& folder) {
    for (const auto& [code, name] : pictureNames()) {
        Picture picture;
        for (int s = 0; s < SCALES; ++s) {
            picture.scales[s] = QImage(QString("%1/%2@%3x.png").arg(folder, name).arg(s + 1));
            // Pictures are placed by their pixel size, not by the @Nx hint in the name.
            picture.scales[s].setDevicePixelRatio(1);
        }
        if (!picture.scales[0].isNull()) pictures.emplace(code, std::move(picture));
    }
}

QSize PictureBook::baseSize(int code) const {
    const auto it = pictures.find(code);
    return it == pictures.end() ? QSize() : it->second.scales[0].size();
}

const QImage* PictureBook::image(int code, double pixelsPerBasePixel) const {
    const auto it = pictures.find(code);
    if (it == pictures.end()) return nullptr;
    const int wanted = std::clamp(static_cast<int>(std::ceil(pixelsPerBasePixel - 1e-6)), 1, SCALES);
    for (int s = wanted - 1; s >= 0; --s)
        if (!it->second.scales[s].isNull()) return &it->second.scales[s];
    return nullptr;
}
