#pragma once
// The file panel drawn inside the window for reading and writing game records:
// a drive list, a folder list, a list of record files and four text boxes with
// a RETURN button. This is the panel's model; the window shows it as widgets
// and the scenario runner drives it by control name.

#include <string>
#include <vector>

// Which of the panel's three lists are shown.
struct PanelLists {
    bool drive, folder, files;
};
inline constexpr PanelLists NO_LISTS{false, false, false};
inline constexpr PanelLists WRITING_LISTS{true, true, false};  // a record is saved into a folder
inline constexpr PanelLists READING_LISTS{true, true, true};   // a record file is chosen

// The text boxes, by their number (Text1..Text4).
enum PanelTextBox : int { FILE_NAME_BOX = 1, TITLE_BOX = 2, FIRST_PLAYER_BOX = 3, SECOND_PLAYER_BOX = 4 };
constexpr int PANEL_TEXT_BOXES = 4;

// The text boxes with their labels and the RETURN button come and go together.
enum class PanelTexts { Shown, Cleared };

struct FilePanel {
    static constexpr const char* FILE_EXTENSION = ".棋譜";  // the game's own record files
    // The same extension in Shift_JIS bytes, as a name copied from another system has it.
    static constexpr const char* FILE_EXTENSION_SJIS = ".\x8A\xFB\x95\x88";

    bool drive1Visible = false;
    bool dir1Visible = false;
    bool file1Visible = false;
    bool textVisible = false;  // the four text boxes, their labels and the RETURN button together

    std::string text[PANEL_TEXT_BOXES + 1];  // Text1..Text4 at 1..4; 0 unused

    std::string drive;            // Drive1: the chosen mounted file system
    std::string dirPath;          // Dir1: the folder shown
    std::string filePath;         // File1: the folder whose record files are listed
    std::string keptGamesFolder;  // offered with the drives, so kept games are one choice away

    // Points the lists at a folder and its drive.
    void startIn(const std::string& folder);
    // Sub-folders of dirPath, sorted.
    std::vector<std::string> folders() const;
    // Record files of filePath, sorted: the game's own, KIF and KIFU.
    std::vector<std::string> files() const;
};
