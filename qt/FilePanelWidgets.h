#pragma once
// The file panel's controls as widgets on the surface, placed at their twip
// positions and scaled with the window. They show the game's panel model and
// hand the user's choices back to the game. They are made the first time the
// panel opens, so a start-up that never opens it does not pay for them.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "record/FilePanel.h"

class FilePanelWidgets : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(const QString&)> driveChosen;
        std::function<void(const QString&)> folderChosen;
        std::function<void(const std::string& nameBytes)> fileClicked;
        std::function<void(int box, const QString&)> textEdited;
        std::function<void()> returnPressed;
    };

    FilePanelWidgets(QWidget* surface, Handlers handlers);

    // Shows the model: visibility, box texts, lists.
    void show(const FilePanel& panel);
    // Places and sizes the controls for `pixelsPerTwip`, with the game's area
    // beginning at `origin` (logical pixels).
    void place(double pixelsPerTwip, QPointF origin);

private:
    void create();

    QWidget* surface;
    Handlers handlers;
    bool created = false;
    double placedScale = 1;
    QPointF placedOrigin;
    QComboBox* drive1 = nullptr;
    QListWidget* dir1 = nullptr;
    QListWidget* file1 = nullptr;
    QLabel* label1[PANEL_TEXT_BOXES] = {};
    QLineEdit* text[PANEL_TEXT_BOXES + 1] = {};  // by box number
    QPushButton* command1 = nullptr;
    QString shownFolder;
    bool updating = false;
};
