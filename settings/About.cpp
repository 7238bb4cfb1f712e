// The その他 menu's バージョン情報: the program's version.

#include "game/Form1.h"

void Form1::VER_Click() {
    closeFilePanel();
    playSound(sndOther);
    platform.messageBox("Mirelo",
                        std::string("将棋 Mirelo  バージョン ") + MIRELO_VERSION + "\r\r" + "製作：Mirelo プロジェクト",
                        BoxButtons::Ok);
}
