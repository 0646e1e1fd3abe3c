#pragma once
// The about dialog (its caption is About of the main window's menu).
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms AuthorOfIdea{"The author of idea:", "Автор идеи:", "Idee:", "Auteur de l`idée :", "Autor de la idea:", "創意作者：", "Autore dell`idea:", "Autor nápadu:", "アイデア：", "아이디어:"};
inline constexpr PhraseForms Unknown{"Unknown", "Неизвестен", "Unbekannt", "Inconnu", "Desconocido", "未知", "Sconosciuto", "Neznámý", "不明", "알 수 없음"};
inline constexpr PhraseForms SeparateThanks{"Separate thank you:", "Отдельное спасибо:", "Besonderer Dank:", "Remerciements particuliers :", "Agradecimiento especial:", "特別感謝：", "Un grazie speciale:", "Zvláštní poděkování:", "特別な感謝：", "특별히 감사드립니다:"};
inline constexpr PhraseForms FragmentsThanks{
    "In the program many graphic, sound and musical fragments were used.\n\rThank you to their authors.",
    "В программе использовано много графических, звуковых и музыкальных фрагментов.\n\rСпасибо их авторам.",
    "Im Programm wurden viele Grafik-, Ton- und Musikfragmente verwendet.\n\rDanke an ihre Autoren.",
    "Le programme utilise de nombreux fragments graphiques, sonores et musicaux.\n\rMerci à leurs auteurs.",
    "El programa utiliza muchos fragmentos gráficos, sonoros y musicales.\n\rGracias a sus autores.",
    "本程式使用了許多圖像、音效與音樂片段。\n\r感謝它們的作者。",
    "Nel programma sono stati usati molti frammenti grafici, sonori e musicali.\n\rGrazie ai loro autori.",
    "V programu bylo použito mnoho grafických, zvukových a hudebních ukázek.\n\rDěkujeme jejich autorům.",
    "このプログラムには多くの画像、音声、音楽の素材が使われています。\n\r作者の皆さんに感謝します。",
    "이 프로그램에는 많은 그림, 소리, 음악 조각이 쓰였습니다.\n\r그 작가들에게 감사드립니다."};
inline constexpr PhraseForms MoreInHelp{"More in detail in the help", "Подробнее в справке", "Mehr dazu in der Hilfe", "Plus de détails dans l`aide", "Más detalles en la ayuda", "詳情請見說明", "Maggiori dettagli nella guida", "Podrobněji v nápovědě", "詳しくはヘルプで", "자세한 내용은 도움말에서"};
inline constexpr PhraseForms OfficialSite{"Official site:", "Официальный сайт:", "Offizielle Seite:", "Site officiel :", "Sitio oficial:", "官方網站：", "Sito ufficiale:", "Oficiální stránky:", "公式サイト：", "공식 사이트:"};
inline constexpr PhraseForms Email{"E-mail:", "E-mail:", "E-Mail:", "E-mail :", "Correo electrónico:", "電子郵件：", "E-mail:", "E-mail:", "メール：", "이메일:"};

} // namespace halvane::ph
