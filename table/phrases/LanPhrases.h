#pragma once
// The LAN address dialog and the connection notices.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

// Follows a player's name.
inline constexpr PhraseForms HasInterruptedGame{"has interrupted game!", "прервал игру!", "hat das Spiel abgebrochen!", "a interrompu la partie !", "¡ha interrumpido la partida!", "中斷了遊戲！", "ha interrotto la partita!", "přerušil hru!", "がゲームを中断しました！", "님이 게임을 중단했습니다!"};
inline constexpr PhraseForms PressOkForMenu{"Press OK for exit to the main menu...", "Нажмите OK для выхода в главное меню...", "Drücken Sie OK, um zum Hauptmenü zurückzukehren...", "Appuyez sur OK pour revenir au menu principal...", "Pulse OK para volver al menú principal...", "按 OK 返回主選單...", "Premi OK per tornare al menu principale...", "Stiskněte OK pro návrat do hlavního menu...", "OK を押すとメインメニューに戻ります...", "OK를 누르면 메인 메뉴로 나갑니다..."};
inline constexpr PhraseForms OneOfPlayers{"One of player", "Один из игроков", "Einer der Spieler", "Un des joueurs", "Uno de los jugadores", "其中一位玩家", "Uno dei giocatori", "Jeden z hráčů", "プレイヤーの一人", "플레이어 중 한 명"};
inline constexpr PhraseForms LostConnectionWithServer{"Lost connection with the server!", "Потеряна связь с сервером!", "Verbindung zum Server verloren!", "Connexion au serveur perdue !", "¡Se perdió la conexión con el servidor!", "與伺服器的連線中斷！", "Connessione al server persa!", "Spojení se serverem bylo ztraceno!", "サーバーとの接続が切れました！", "서버와의 연결이 끊어졌습니다!"};
inline constexpr PhraseForms InterruptedTheGame{"interrupted the game!", "прервал игру!", "hat das Spiel abgebrochen!", "a interrompu la partie !", "¡interrumpió la partida!", "中斷了遊戲！", "ha interrotto la partita!", "přerušil hru!", "がゲームを中断しました！", "님이 게임을 중단했습니다!"};
inline constexpr PhraseForms YouWon{"You won!", "Вы выиграли!", "Sie haben gewonnen!", "Vous avez gagné !", "¡Ha ganado!", "您贏了！", "Hai vinto!", "Vyhráli jste!", "あなたの勝ちです！", "당신이 이겼습니다!"};
// "Player" + " " + name + " " + this.
inline constexpr PhraseForms TimeIsUp{"time is up!", "время истекло!", "Zeit ist abgelaufen!", "temps écoulé !", "¡se le acabó el tiempo!", "時間到了！", "tempo scaduto!", "čas vypršel!", "の時間切れです！", "시간이 다 되었습니다!"};

} // namespace halvane::ph
