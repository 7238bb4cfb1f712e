#include "qt/FilePanelWidgets.h"

#include <QDir>
#include <QStringDecoder>
#include <cmath>
#include <filesystem>

#include "files/ShiftJis.h"
#include "record/FilePanel.h"
#include "system/MountedDrives.h"

namespace {

struct Placement {
    QWidget* widget;
    int left, top, width, height;  // twips
};

constexpr int CONTROL_FONT_TWIPS = 180;  // 9 pt

// A file name as UTF-8, else as Shift_JIS (names copied from another system),
// else with the bytes that are neither replaced.
QString shownName(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8(raw);
    if (!utf8.hasError()) return asUtf8;
    if (const auto asShiftJis = sjis::toUtf8(bytes)) return QString::fromStdString(*asShiftJis);
    return asUtf8;
}

}  // namespace

FilePanelWidgets::FilePanelWidgets(QWidget* parentSurface, Handlers userHandlers)
    : QObject(parentSurface), surface(parentSurface), handlers(std::move(userHandlers)) {}

void FilePanelWidgets::create() {
    drive1 = new QComboBox(surface);
    dir1 = new QListWidget(surface);
    file1 = new QListWidget(surface);
    const char* captions[PANEL_TEXT_BOXES] = {"ﾌｧｲﾙ名 ：", "後    手 ：", "先    手 ：", "対 局 名："};
    for (int i = 0; i < PANEL_TEXT_BOXES; ++i) {
        label1[i] = new QLabel(QString::fromUtf8(captions[i]), surface);
        label1[i]->setAutoFillBackground(true);
    }
    for (int i = FILE_NAME_BOX; i <= PANEL_TEXT_BOXES; ++i) text[i] = new QLineEdit(surface);
    command1 = new QPushButton("RETURN", surface);

    connect(drive1, &QComboBox::activated, this, [this](int) {
        if (!updating) handlers.driveChosen(drive1->currentText());
    });
    connect(dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString folder = QDir::cleanPath(shownFolder + "/" + item->text());
        handlers.folderChosen(folder);
    });
    connect(file1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        handlers.fileClicked(item->data(Qt::UserRole).toByteArray().toStdString());
    });
    for (int i = FILE_NAME_BOX; i <= PANEL_TEXT_BOXES; ++i)
        connect(text[i], &QLineEdit::textEdited, this,
                [this, i](const QString& value) { handlers.textEdited(i, value); });
    connect(command1, &QPushButton::clicked, this, [this] { handlers.returnPressed(); });
    created = true;
    place(placedScale, placedOrigin);
}

void FilePanelWidgets::show(const FilePanel& panel) {
    const bool anyShown = panel.drive1Visible || panel.dir1Visible || panel.file1Visible || panel.textVisible;
    if (!created && !anyShown) return;
    if (!created) create();
    updating = true;
    drive1->setVisible(panel.drive1Visible);
    dir1->setVisible(panel.dir1Visible);
    file1->setVisible(panel.file1Visible);
    for (QLabel* label : label1) label->setVisible(panel.textVisible);
    for (int i = FILE_NAME_BOX; i <= PANEL_TEXT_BOXES; ++i) {
        text[i]->setVisible(panel.textVisible);
        if (text[i]->text() != QString::fromStdString(panel.text[i]))
            text[i]->setText(QString::fromStdString(panel.text[i]));
    }
    command1->setVisible(panel.textVisible);

    if (panel.drive1Visible) {
        drive1->clear();
        for (const std::string& d : os::mountedDrives()) drive1->addItem(QString::fromStdString(d));
        // The games the program kept, one choice away.
        std::error_code error;
        if (std::filesystem::is_directory(panel.keptGamesFolder, error))
            drive1->addItem(QString::fromStdString(panel.keptGamesFolder));
        const int at = drive1->findText(QString::fromStdString(panel.drive));
        if (at < 0) drive1->addItem(QString::fromStdString(panel.drive));
        drive1->setCurrentText(QString::fromStdString(panel.drive));
    }
    if (panel.dir1Visible) {
        shownFolder = QString::fromStdString(panel.dirPath);
        dir1->clear();
        dir1->addItem(shownFolder);
        dir1->item(0)->setFlags(Qt::ItemIsEnabled);
        if (shownFolder != "/") dir1->addItem("..");
        for (const std::string& f : panel.folders()) dir1->addItem(QString::fromStdString(f));
    }
    if (panel.file1Visible) {
        file1->clear();
        for (const std::string& name : panel.files()) {
            // Shown as well as it can be read; opened by its bytes as they are.
            auto* item = new QListWidgetItem(shownName(name), file1);
            item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        }
    }
    updating = false;
}

void FilePanelWidgets::place(double k, QPointF origin) {
    placedScale = k;
    placedOrigin = origin;
    if (!created) return;
    const Placement placements[] = {
        {drive1, 240, 360, 2535, 300},
        {dir1, 240, 600, 2535, 1710},
        {file1, 240, 2280, 2535, 930},
        {label1[3], 120, 2400, 855, 255},
        {text[TITLE_BOX], 960, 2400, 2295, 270},
        {label1[2], 120, 2640, 855, 255},
        {text[FIRST_PLAYER_BOX], 960, 2640, 2295, 270},
        {label1[1], 120, 2880, 855, 255},
        {text[SECOND_PLAYER_BOX], 960, 2880, 2295, 270},
        {label1[0], 120, 3120, 855, 255},
        {text[FILE_NAME_BOX], 960, 3120, 2295, 270},
        {command1, 3360, 3000, 855, 375},
    };
    QFont font = surface->font();
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(CONTROL_FONT_TWIPS * k))));
    const auto x = [&](int twips) { return static_cast<int>(std::lround(origin.x() + twips * k)); };
    const auto y = [&](int twips) { return static_cast<int>(std::lround(origin.y() + twips * k)); };
    for (const Placement& p : placements) {
        p.widget->setGeometry(x(p.left), y(p.top), x(p.left + p.width) - x(p.left), y(p.top + p.height) - y(p.top));
        p.widget->setFont(font);
    }
}
