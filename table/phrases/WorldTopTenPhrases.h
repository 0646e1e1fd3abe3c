#pragma once
// The world top ten and the rating submission.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantWriteResult{"Unable to write the result of the game!", "Не удалось записать результат игры!", "Das Spielergebnis konnte nicht gespeichert werden!", "Impossible d`enregistrer le résultat de la partie !", "¡No se pudo registrar el resultado de la partida!", "無法寫入遊戲成績！", "Impossibile registrare il risultato della partita!", "Výsledek hry nelze zapsat!", "ゲームの成績を記録できません！", "게임 결과를 기록할 수 없습니다!"};
inline constexpr PhraseForms Send{"Send", "Отправить", "Senden", "Envoyer", "Enviar", "傳送", "Invia", "Odeslat", "送信", "보내기"};
inline constexpr PhraseForms YourScore{"Your score", "Ваш счёт", "Ihr Stand", "Votre score", "Su puntuación", "您的分數", "Il tuo punteggio", "Vaše skóre", "あなたの得点", "내 점수"};
inline constexpr PhraseForms YourPlace{"Your place", "Ваше место", "Ihr Platz", "Votre place", "Su puesto", "您的名次", "Il tuo posto", "Vaše místo", "あなたの順位", "내 순위"};
inline constexpr PhraseForms NumberOfGames{"Number of games", "Число игр", "Anzahl der Spiele", "Nombre de parties", "Número de partidas", "局數", "Numero di partite", "Počet her", "ゲーム数", "게임 수"};

} // namespace halvane::ph
