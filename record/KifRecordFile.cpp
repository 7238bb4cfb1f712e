// KIF and KIFU files in the panel: the record written up to the shown
// position, and a file read whole, its moves replayed under the standard
// rules, before anything of the game changes.

#include <algorithm>

#include "files/SafeWrite.h"
#include "files/WholeFile.h"
#include "game/Form1.h"
#include "record/KifReader.h"
#include "record/KifRecord.h"
#include "record/KifWriter.h"
#include "record/RecordFiles.h"

RecordRead readKifRecordFile(const std::string& path, kif::Format format) {
    std::string bytes;
    switch (files::readWholeFile(path, bytes, kif::MAX_FILE_BYTES)) {
    case files::ReadResult::TooLarge: return kif::messageOf({kif::Problem::TooLarge, 0});
    case files::ReadResult::Unopenable: return std::string(CANNOT_OPEN);
    case files::ReadResult::Read: break;
    }
    kif::ReadResult result = kif::readKif(bytes, format);
    if (const auto* error = std::get_if<kif::ReadError>(&result)) return kif::messageOf(*error);
    ReadRecord read{std::move(std::get<kif::Game>(result)), "", false};
    const auto& fields = read.game.otherFields;
    const auto title =
        std::find_if(fields.begin(), fields.end(), [](const kif::HeaderField& f) { return f.key == kif::TITLE_KEY; });
    if (title != fields.end()) read.title = title->value;
    return read;
}

bool writeKifRecordFile(const Form1& form, const std::string& path, kif::Format format) {
    const std::string* text = form.filePanel.text;
    const kif::Game game =
        kif::gameOfRecord(form, form.recordIndex, {text[TITLE_BOX], text[FIRST_PLAYER_BOX], text[SECOND_PLAYER_BOX]});
    const auto bytes = kif::writeKif(game, format);
    return bytes && files::writeFileSafely(path, *bytes);
}
