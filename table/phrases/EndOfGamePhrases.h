#pragma once
// The end-of-game screen.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CompletionOfGame{"The completion of game", "Завершение игры", "Spielende", "Fin de la partie", "Fin de la partida", "遊戲結束", "Fine della partita", "Konec hry", "ゲーム終了", "게임 종료"};
inline constexpr PhraseForms Congratulations{"CONGRATULATIONS!!!", "ПОЗДРАВЛЯЕМ!!!", "HERZLICHEN GLÜCKWUNSCH!!!", "FÉLICITATIONS !!!", "¡¡¡ENHORABUENA!!!", "恭喜！！！", "CONGRATULAZIONI!!!", "GRATULUJEME!!!", "おめでとうございます！！！", "축하합니다!!!"};
inline constexpr PhraseForms ResultTheBest{"Your result - the best!", "Ваш результат - лучший!", "Ihr Ergebnis ist das beste!", "Votre résultat est le meilleur !", "¡Su resultado es el mejor!", "您的成績是最好的！", "Il tuo risultato è il migliore!", "Váš výsledek je nejlepší!", "あなたの成績が最高です！", "당신의 결과가 최고입니다!"};
inline constexpr PhraseForms GoodResult{"Good result!", "Хороший результат!", "Gutes Ergebnis!", "Bon résultat !", "¡Buen resultado!", "好成績！", "Buon risultato!", "Dobrý výsledek!", "良い成績です！", "좋은 결과입니다!"};
inline constexpr PhraseForms HitTopTen{"You have hitted in top ten players!", "Вы попали в десятку лучших игроков!", "Sie sind unter den zehn besten Spielern!", "Vous êtes entré dans le top dix des joueurs !", "¡Ha entrado entre los diez mejores jugadores!", "您進入了十強玩家！", "Sei entrato tra i dieci migliori giocatori!", "Dostali jste se mezi deset nejlepších hráčů!", "トップテンに入りました！", "톱 텐에 들었습니다!"};
inline constexpr PhraseForms OurRegrets{"Our regrets...", "Сожалеем...", "Wir bedauern...", "Nos regrets...", "Lo sentimos...", "很遺憾...", "Ci dispiace...", "Je nám líto...", "残念です...", "유감입니다..."};
inline constexpr PhraseForms ResultWishesBetter{"Your result keeps to wish best", "Ваш результат оставляет желать лучшего", "Ihr Ergebnis lässt zu wünschen übrig", "Votre résultat laisse à désirer", "Su resultado deja que desear", "您的成績仍有進步空間", "Il tuo risultato lascia a desiderare", "Váš výsledek má k dokonalosti daleko", "成績はまだ伸ばせます", "결과가 조금 아쉽습니다"};
inline constexpr PhraseForms NotHitTopTen{"You have not hitted in ten best players...", "Вы не попали в десятку лучших игроков...", "Sie sind nicht unter den zehn besten Spielern...", "Vous n`êtes pas entré dans le top dix...", "No ha entrado entre los diez mejores jugadores...", "您未能進入十強玩家...", "Non sei entrato tra i dieci migliori giocatori...", "Nedostali jste se mezi deset nejlepších hráčů...", "トップテンには入れませんでした...", "톱 텐에 들지 못했습니다..."};
// Followed by a number.
inline constexpr PhraseForms ResultColon{"Result: ", "Результат: ", "Ergebnis: ", "Résultat : ", "Resultado: ", "成績：", "Risultato: ", "Výsledek: ", "成績：", "결과: "};
inline constexpr PhraseForms PlaceColon{"Place: ", "Место: ", "Platz: ", "Place : ", "Puesto: ", "名次：", "Posto: ", "Místo: ", "順位：", "순위: "};
inline constexpr PhraseForms BecomeVicePresident{"You become the Vice-President of the order!", "Вы стали Вице-президентом ордена!", "Sie werden Vizepräsident des Ordens!", "Vous devenez Vice-président de l`ordre !", "¡Se convierte en Vicepresidente de la orden!", "您成為騎士團副團長！", "Diventi Vicepresidente dell`ordine!", "Stáváte se viceprezidentem řádu!", "騎士団の副会長になりました！", "기사단의 부회장이 되었습니다!"};
inline constexpr PhraseForms BecomeMaster{"You become a Master of the Order!", "Вы стали Магистром ордена!", "Sie werden Meister des Ordens!", "Vous devenez Maître de l`ordre !", "¡Se convierte en Maestro de la orden!", "您成為騎士團大師！", "Diventi Maestro dell`ordine!", "Stáváte se mistrem řádu!", "騎士団のマスターになりました！", "기사단의 마스터가 되었습니다!"};
inline constexpr PhraseForms BecomeBachelor{"You become a Bachelor of the Order!", "Вы стали Бакалавром ордена!", "Sie werden Bakkalaureus des Ordens!", "Vous devenez Bachelier de l`ordre !", "¡Se convierte en Bachiller de la orden!", "您成為騎士團學士！", "Diventi Baccelliere dell`ordine!", "Stáváte se bakalářem řádu!", "騎士団のバチェラーになりました！", "기사단의 학사가 되었습니다!"};
inline constexpr PhraseForms YouGet{"You get", "Вы получаете", "Sie erhalten", "Vous recevez", "Usted recibe", "您獲得", "Ricevi", "Získáváte", "獲得：", "획득:"};

} // namespace halvane::ph
