#pragma once
// The general score dialog.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms InformationAboutGame{"Information about game", "Информация об игре", "Informationen zum Spiel", "Informations sur la partie", "Información de la partida", "遊戲資訊", "Informazioni sulla partita", "Informace o hře", "ゲーム情報", "게임 정보"};
inline constexpr PhraseForms CurrentScoreColon{"The current score:", "Текущий счёт:", "Aktueller Stand:", "Score actuel :", "Puntuación actual:", "目前分數：", "Punteggio attuale:", "Aktuální skóre:", "現在の得点：", "현재 점수:"};
inline constexpr PhraseForms InitialScoreColon{"The initial score:", "Начальный счёт:", "Anfangsstand:", "Score initial :", "Puntuación inicial:", "初始分數：", "Punteggio iniziale:", "Počáteční skóre:", "開始時の得点：", "시작 점수:"};
inline constexpr PhraseForms GeneralScoreColon{"The general score:", "Общий счёт:", "Gesamtstand:", "Score général :", "Puntuación general:", "總分：", "Punteggio generale:", "Celkové skóre:", "総合得点：", "종합 점수:"};
inline constexpr PhraseForms GeneralNumberOfGame{"General number of game:", "Общее число игр:", "Gesamtzahl der Spiele:", "Nombre total de parties :", "Número total de partidas:", "總局數：", "Numero totale di partite:", "Celkový počet her:", "総ゲーム数：", "총 게임 수:"};
inline constexpr PhraseForms RoundInCycle{"Number of round in a current cycle:", "Номер партии в текущем цикле:", "Nummer der Runde im aktuellen Zyklus:", "Numéro de la manche dans le cycle :", "Número de ronda en el ciclo actual:", "本循環的回合數：", "Numero del turno nel ciclo attuale:", "Číslo kola v aktuálním cyklu:", "現在のサイクルのラウンド番号：", "현재 사이클의 라운드 번호:"};
inline constexpr PhraseForms InitialRatingColon{"The initial rating:", "Начальный рейтинг:", "Anfangswertung:", "Classement initial :", "Clasificación inicial:", "初始等級分：", "Classifica iniziale:", "Počáteční hodnocení:", "開始時のレーティング：", "시작 레이팅:"};
inline constexpr PhraseForms CurrentRatingColon{"The current rating:", "Текущий рейтинг:", "Aktuelle Wertung:", "Classement actuel :", "Clasificación actual:", "目前等級分：", "Classifica attuale:", "Aktuální hodnocení:", "現在のレーティング：", "현재 레이팅:"};

} // namespace halvane::ph
