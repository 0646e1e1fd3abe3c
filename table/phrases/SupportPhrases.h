#pragma once
// The thanks, support and advertising dialogs.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms Support{"Support", "Поддержка", "Unterstützung", "Soutien", "Apoyo", "支持", "Sostegno", "Podpora", "支援", "후원"};
inline constexpr PhraseForms WorkingLongTime{"We have been working on this game for a long time", "Мы долго работали над этой игрой", "Wir arbeiten schon lange an diesem Spiel", "Nous travaillons depuis longtemps sur ce jeu", "Llevamos mucho tiempo trabajando en este juego", "我們為這個遊戲付出了很長時間", "Lavoriamo a questo gioco da molto tempo", "Na této hře pracujeme už dlouho", "私たちは長い間このゲームを作ってきました", "저희는 오랫동안 이 게임을 만들어 왔습니다"};
inline constexpr PhraseForms HappyForSupport{"and we will be happy to get the financial support!", "и будем рады финансовой поддержке!", "und freuen uns über finanzielle Unterstützung!", "et nous serons heureux de recevoir votre soutien financier !", "¡y agradeceremos su apoyo económico!", "很高興能得到您的資金支持！", "e saremo felici di ricevere un sostegno economico!", "a budeme rádi za finanční podporu!", "ご支援をいただけると嬉しいです！", "후원해 주시면 기쁘겠습니다!"};
// Names of payment services: the same in every language.
inline constexpr PhraseForms YuMoney{"ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:", "ЮMoney:"};
inline constexpr PhraseForms Sberbank{"Sberbank:", "Сбербанк:", "Sberbank:", "Sberbank :", "Sberbank:", "Sberbank：", "Sberbank:", "Sberbank:", "Sberbank：", "Sberbank:"};
inline constexpr PhraseForms Tinkoff{"Tinkoff:", "Тинькофф:", "Tinkoff:", "Tinkoff :", "Tinkoff:", "Tinkoff：", "Tinkoff:", "Tinkoff:", "Tinkoff：", "Tinkoff:"};
inline constexpr PhraseForms PayPalDirect{"PayPal Direct:", "PayPal Direct:", "PayPal Direct:", "PayPal Direct :", "PayPal Direct:", "PayPal Direct：", "PayPal Direct:", "PayPal Direct:", "PayPal Direct：", "PayPal Direct:"};
inline constexpr PhraseForms Advertising{"Advertising", "Реклама", "Werbung", "Publicité", "Publicidad", "廣告", "Pubblicità", "Reklama", "広告", "광고"};
inline constexpr PhraseForms OurGames{"Our games", "Наши игры", "Unsere Spiele", "Nos jeux", "Nuestros juegos", "我們的遊戲", "I nostri giochi", "Naše hry", "私たちのゲーム", "우리 게임"};

} // namespace halvane::ph
