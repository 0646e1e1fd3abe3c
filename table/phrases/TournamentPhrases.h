#pragma once
// The online tournament lobby and tables.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms GamesAll{"Games \"All\"", "Игры \"Все\"", "Spiele \"Alle\"", "Parties \"Toutes\"", "Partidas \"Todas\"", "遊戲\"全部\"", "Partite \"Tutte\"", "Hry \"Vše\"", "ゲーム\"すべて\"", "게임 \"전체\""};
inline constexpr PhraseForms Rules{"Rules", "Правила", "Regeln", "Règles", "Reglas", "規則", "Regole", "Pravidla", "ルール", "규칙"};
inline constexpr PhraseForms Free{"Free", "Свободно", "Frei", "Libre", "Libre", "空位", "Libero", "Volno", "空席", "빈자리"};
inline constexpr PhraseForms ServerConnectionError{"Server connection error!", "Ошибка соединения с сервером!", "Fehler bei der Serververbindung!", "Erreur de connexion au serveur !", "¡Error de conexión con el servidor!", "伺服器連線錯誤！", "Errore di connessione al server!", "Chyba spojení se serverem!", "サーバー接続エラー！", "서버 연결 오류!"};
inline constexpr PhraseForms TableTakenByYourIp{"This table is already occupied by a player with your IP!", "Этот стол уже занят игроком с Вашим IP!", "Dieser Tisch ist schon von einem Spieler mit Ihrer IP besetzt!", "Cette table est déjà occupée par un joueur avec votre IP !", "¡Esta mesa ya está ocupada por un jugador con su IP!", "此桌已被與您相同 IP 的玩家占用！", "Questo tavolo è già occupato da un giocatore con il tuo IP!", "Tento stůl už obsadil hráč s Vaší IP!", "このテーブルはあなたと同じIPのプレイヤーが使用中です！", "이 테이블은 같은 IP의 플레이어가 이미 사용 중입니다!"};
// Followed by " № " and the table's number.
inline constexpr PhraseForms Table{"Table", "Стол", "Tisch", "Table", "Mesa", "桌", "Tavolo", "Stůl", "テーブル", "테이블"};
inline constexpr PhraseForms LogOff{"Log off", "Выйти", "Verlassen", "Quitter", "Salir", "離開", "Esci", "Odejít", "退席", "나가기"};
inline constexpr PhraseForms NoOptions{"No Options", "Без настроек", "Keine Optionen", "Sans options", "Sin opciones", "無選項", "Nessuna opzione", "Bez možností", "オプションなし", "옵션 없음"};

} // namespace halvane::ph
