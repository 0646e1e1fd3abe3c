#pragma once
// Words shown on several screens: one constant each, used wherever they appear.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms Player{"Player", "Игрок", "Spieler", "Joueur", "Jugador", "玩家", "Giocatore", "Hráč", "プレイヤー", "플레이어"};
inline constexpr PhraseForms Game{"Game", "Игра", "Spiel", "Jeu", "Juego", "遊戲", "Gioco", "Hra", "ゲーム", "게임"};
inline constexpr PhraseForms Games{"Games", "Игры", "Spiele", "Parties", "Partidas", "局數", "Partite", "Hry", "ゲーム数", "게임 수"};
inline constexpr PhraseForms Score{"Score", "Очки", "Punkte", "Points", "Puntos", "分數", "Punti", "Body", "得点", "점수"};
inline constexpr PhraseForms Rating{"Rating", "Рейтинг", "Wertung", "Classement", "Clasificación", "等級分", "Classifica", "Hodnocení", "レーティング", "레이팅"};
inline constexpr PhraseForms Place{"Place", "Место", "Platz", "Place", "Puesto", "名次", "Posto", "Místo", "順位", "순위"};
inline constexpr PhraseForms Close{"Close", "Закрыть", "Schließen", "Fermer", "Cerrar", "關閉", "Chiudi", "Zavřít", "閉じる", "닫기"};
inline constexpr PhraseForms Cancel{"Cancel", "Отмена", "Abbrechen", "Annuler", "Cancelar", "取消", "Annulla", "Zrušit", "キャンセル", "취소"};
inline constexpr PhraseForms Yes{"Yes", "Да", "Ja", "Oui", "Sí", "是", "Sì", "Ano", "はい", "예"};
inline constexpr PhraseForms No{"No", "Нет", "Nein", "Non", "No", "否", "No", "Ne", "いいえ", "아니요"};
inline constexpr PhraseForms Save{"Save", "Сохранить", "Speichern", "Enregistrer", "Guardar", "儲存", "Salva", "Uložit", "保存", "저장"};
inline constexpr PhraseForms PleaseWait{"Please, wait...", "Пожалуйста, подождите...", "Bitte warten...", "S`il vous plaît, attendez...", "Por favor, espere...", "請稍候...", "Attendere, prego...", "Čekejte prosím...", "お待ちください...", "잠시 기다려 주세요..."};
inline constexpr PhraseForms Passport{"Passport", "Паспорт", "Pass", "Passeport", "Pasaporte", "護照", "Passaporto", "Pas", "パスポート", "여권"};
inline constexpr PhraseForms Nick{"Nick", "Ник", "Nick", "Pseudo", "Apodo", "暱稱", "Nick", "Přezdívka", "ニックネーム", "닉네임"};
inline constexpr PhraseForms Password{"Password", "Пароль", "Passwort", "Mot de passe", "Contraseña", "密碼", "Password", "Heslo", "パスワード", "비밀번호"};
inline constexpr PhraseForms Country{"Country", "Страна", "Land", "Pays", "País", "國家", "Paese", "Země", "国", "국가"};
inline constexpr PhraseForms City{"City", "Город", "Stadt", "Ville", "Ciudad", "城市", "Città", "Město", "都市", "도시"};
inline constexpr PhraseForms Sex{"Sex", "Пол", "Geschlecht", "Sexe", "Sexo", "性別", "Sesso", "Pohlaví", "性別", "성별"};
inline constexpr PhraseForms GamesPlayedWithPc{"Games played with PC", "Сыграно игр с ПК", "Spiele gegen den PC", "Parties jouées contre le PC", "Partidas jugadas con el PC", "與電腦對局數", "Partite giocate con il PC", "Hry odehrané s PC", "PCとの対戦数", "PC와 한 게임 수"};
inline constexpr PhraseForms Statistics{"Statistics", "Статистика", "Statistik", "Statistiques", "Estadísticas", "統計", "Statistiche", "Statistika", "統計", "통계"};

} // namespace halvane::ph
