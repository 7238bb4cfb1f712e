// The その他 menu's 遊び方: how to start a game, make a move and what the
// forward rule asks, for a player who meets the game for the first time.

#include "game/Form1.h"

namespace {

constexpr const char* HOW_TO_PLAY =
    "■ 対局の始め方\r"
    "「対局」→「対局(COM)」→「先手」でコンピュータと対局します。\r"
    "「後手」ならコンピュータが先に指します。\r"
    "「対局」→「対局(人間)」→「スタート」で二人で対局します。\r"
    "コンピュータの強さは「対局」→「COM対局ﾚﾍﾞﾙ」で選びます。\r"
    "\r"
    "■ 駒の動かし方\r"
    "動かす駒（盤上の駒か、駒台の持ち駒）をクリックし、\r"
    "次に行き先の桝をクリックします。\r"
    "行き先を右ボタンでクリックすると駒が成ります。\r"
    "\r"
    "■ 前進ルール\r"
    "一つ前の桝が空いている（または相手の駒がある）駒は、\r"
    "今より前の段へ進まなければなりません。\r"
    "前へ進めない駒だけが横や後ろへ動けます。持ち駒を打つときは別です。\r"
    "指せない手は、音が鳴るだけで指されません。\r"
    "\r"
    "■ 移動指導\r"
    "「ｵﾌﾟｼｮﾝ」→「移動指導」にすると、選んだ駒の行ける桝が示されます。\r"
    "\r"
    "Esc キーでゲームを終わります。";

}  // namespace

void Form1::ASOBIKATA_Click() {
    closeFilePanel();
    playSound(sndOther);
    platform.messageBox("遊び方", HOW_TO_PLAY, BoxButtons::Ok);
}
