#include "qt/PictureBook.h"

#include <cmath>

namespace {

// The picture file of each code.
std::map<int, const char*> pictureNames() {
    return {
        {0, "KARA_MASU"},      {1, "MIRELO"},         {2, "HAIKEI_MIDORI"},  {3, "HAIKEI_TATAMI"},
        {4, "HAIKEI_TAKE"},    {5, "HAIKEI_UCHU"},    {6, "HAIKEI_RENGA"},   {-10, "SITA_HU0"},
        {-11, "SITA_HU1"},     {-20, "SITA_KYOU0"},   {-21, "SITA_KYOU1"},   {-30, "SITA_KEI0"},
        {-31, "SITA_KEI1"},    {-100, "SITA_GIN0"},   {-101, "SITA_GIN1"},   {-110, "SITA_KIN"},
        {-800, "SITA_KAKU0"},  {-801, "SITA_KAKU1"},  {-900, "SITA_SYA0"},   {-901, "SITA_SYA1"},
        {-950, "SITA_OU"},     {10, "UE_HU0"},        {11, "UE_HU1"},        {20, "UE_KYOU0"},
        {21, "UE_KYOU1"},      {30, "UE_KEI0"},       {31, "UE_KEI1"},       {100, "UE_GIN0"},
        {101, "UE_GIN1"},      {110, "UE_KIN"},       {800, "UE_KAKU0"},     {801, "UE_KAKU1"},
        {900, "UE_SYA0"},      {901, "UE_SYA1"},      {950, "UE_OU"},
    };
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
