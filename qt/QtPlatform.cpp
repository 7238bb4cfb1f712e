#include "qt/QtPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>

#include "game/Vocabulary.h"
#include "qt/MainWindow.h"
#include "sound/mirelo_sound.h"
#include "system/UserFolders.h"

void QtPlatform::drawPicture(int code, double x, double y) { window.surface().drawPicture(code, x, y); }

void QtPlatform::drawRect(int color, double x1, double y1, double x2, double y2) {
    window.surface().drawRect(color, x1, y1, x2, y2);
}

void QtPlatform::drawText(const std::string& text, double x, double y, int size, bool bold, int color) {
    window.surface().drawText(QString::fromStdString(text), x, y, size, bold, color);
}

void QtPlatform::setBackgroundColor(int color) { window.surface().setBackgroundColor(color); }

void QtPlatform::refresh() { window.surface().repaint(); }

BoxAnswer QtPlatform::messageBox(const std::string& title, const std::string& text, BoxButtons buttons, BoxIcon icon) {
    // The game breaks lines with carriage returns.
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n").replace('\r', '\n');
    QMessageBox box(icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdString(title), shown,
                    buttons == BoxButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, &window);
    const int answer = box.exec();
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    return answer == QMessageBox::No ? BoxAnswer::No : BoxAnswer::Yes;
}

void QtPlatform::menuChanged(int item, bool checked, bool enabled) { window.showMenuItem(item, checked, enabled); }

void QtPlatform::panelChanged(const FilePanel& panel) { window.panelWidgets().show(panel); }

void QtPlatform::afterPause(std::function<void()> event) {
    // Long enough to see the player's move land before the reply, short
    // enough not to feel like waiting.
    constexpr int PAUSE_MS = 350;
    QTimer::singleShot(PAUSE_MS, &window, [this, event = std::move(event)] { window.deliver(event); });
}

QtPlatform::~QtPlatform() {
    if (worker.joinable()) worker.join();
}

void QtPlatform::inBackground(std::function<void()> work, std::function<void()> done) {
    // A job before this one has ended or been told to stop.
    if (worker.joinable()) worker.join();
    worker = std::thread([this, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(
            &window, [this, done = std::move(done)] { window.deliver(done); }, Qt::QueuedConnection);
    });
}

void QtPlatform::setTimerEnabled(bool enabled) {
    if (enabled)
        window.timer().start();
    else
        window.timer().stop();
}

double QtPlatform::clockSeconds() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

std::optional<DateTime> QtPlatform::localDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return DateTime{now.date().year(), now.date().month(),  now.date().day(),
                    now.time().hour(), now.time().minute(), now.time().second()};
}

std::string QtPlatform::settingsFile() { return os::settingsFile(Vocabulary::SETTINGS_FILE); }

// Started from a desktop, the game's working folder is the home folder; saved
// games then go to the documents folder rather than the home folder's top.
std::string QtPlatform::recordsFolder() {
    const QString here = QDir::currentPath();
    if (QDir(here) != QDir::home()) return here.toStdString();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents.toStdString() : here.toStdString();
}

std::string QtPlatform::keptGamesFolder() { return os::dataHome() + "/games"; }

double QtPlatform::windowTop() {
    if (window.windowState() & Qt::WindowMaximized) return Vocabulary::MAXIMISED_TOP;
    return window.y() * Surface::TWIPS_PER_PIXEL;
}

void QtPlatform::placeWindow(double left, double top, double /*width*/, double /*height*/) {
    // The window is sized so that the game's layout fills it at 100 %.
    window.move(static_cast<int>(left / Surface::TWIPS_PER_PIXEL), static_cast<int>(top / Surface::TWIPS_PER_PIXEL));
    window.showAtDesignSize();
}

void* QtPlatform::windowHandle() { return reinterpret_cast<void*>(window.winId()); }

void QtPlatform::endProgram() { throw ProgramEnd{}; }

DSHANDLE QtPlatform::dsInitialize(void* handle) { return ::dsInitialize(handle); }
void QtPlatform::dsTerminate(DSHANDLE device) { ::dsTerminate(device); }
DSHANDLE QtPlatform::dsCreateDSB(DSHANDLE device, const void* wav, std::size_t size, int flags) {
    return ::dsCreateDSB(device, wav, size, flags);
}
void QtPlatform::dsFree(DSHANDLE buffer) { ::dsFree(buffer); }
void QtPlatform::dsPlay(DSHANDLE buffer, const char*) { ::dsPlay(buffer); }
void QtPlatform::dsPlayLooping(DSHANDLE buffer, const char*) { ::dsPlayLooping(buffer); }
void QtPlatform::dsStop(DSHANDLE buffer, const char*) { ::dsStop(buffer); }
