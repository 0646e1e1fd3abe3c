#pragma once
// The attention and waiting notices.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms SecondPlayerConnected{"The second player was connected...", "Второй игрок подключился...", "Der zweite Spieler ist verbunden...", "Le deuxième joueur s`est connecté...", "El segundo jugador se ha conectado...", "第二位玩家已連線...", "Il secondo giocatore si è connesso...", "Druhý hráč se připojil...", "2人目のプレイヤーが接続しました...", "두 번째 플레이어가 접속했습니다..."};
inline constexpr PhraseForms ThirdPlayerConnected{"The third player was connected...", "Третий игрок подключился...", "Der dritte Spieler ist verbunden...", "Le troisième joueur s`est connecté...", "El tercer jugador se ha conectado...", "第三位玩家已連線...", "Il terzo giocatore si è connesso...", "Třetí hráč se připojil...", "3人目のプレイヤーが接続しました...", "세 번째 플레이어가 접속했습니다..."};
inline constexpr PhraseForms FourthPlayerConnected{"The fourth player was connected...", "Четвёртый игрок подключился...", "Der vierte Spieler ist verbunden...", "Le quatrième joueur s`est connecté...", "El cuarto jugador se ha conectado...", "第四位玩家已連線...", "Il quarto giocatore si è connesso...", "Čtvrtý hráč se připojil...", "4人目のプレイヤーが接続しました...", "네 번째 플레이어가 접속했습니다..."};
inline constexpr PhraseForms NoAccessibleGames{"There are no accessible games", "Нет доступных игр", "Keine verfügbaren Spiele", "Aucune partie disponible", "No hay partidas disponibles", "沒有可用的遊戲", "Nessuna partita disponibile", "Žádné dostupné hry", "参加できるゲームはありません", "참가할 수 있는 게임이 없습니다"};

} // namespace halvane::ph
