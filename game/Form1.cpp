// The window object's construction, its menu model and its sound calls.

#include "game/Form1.h"

Form1::Form1(Platform& host) : module1(host), platform(host) {
    for (bool& enabled : menuEnabled) enabled = true;
    filePanel.startIn(platform.recordsFolder());
    filePanel.keptGamesFolder = platform.keptGamesFolder();
}

Form1::~Form1() {
    cancelComReply();  // an engine search under way stops
    if (module1.soundDevice != 0) 終了処理();
}

void Form1::setChecked(int item, bool checked) {
    if (menuChecked[item] == checked) return;
    menuChecked[item] = checked;
    platform.menuChanged(item, checked, menuEnabled[item]);
}

void Form1::playSound(const SoundBuffer& sound) { platform.dsPlay(sound.handle, sound.file); }
void Form1::loopSound(const SoundBuffer& sound) { platform.dsPlayLooping(sound.handle, sound.file); }
void Form1::stopSound(const SoundBuffer& sound) { platform.dsStop(sound.handle, sound.file); }
