#pragma once
// The world statistics dialog.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms NumberOfStarts{"Number of starts", "Число запусков", "Anzahl der Starts", "Nombre de lancements", "Número de inicios", "啟動次數", "Numero di avvii", "Počet spuštění", "起動回数", "실행 횟수"};
inline constexpr PhraseForms NumberOfUniqueStarts{"Number of unique starts", "Число уникальных запусков", "Anzahl eindeutiger Starts", "Nombre de lancements uniques", "Número de inicios únicos", "不重複啟動次數", "Numero di avvii unici", "Počet jedinečných spuštění", "ユニーク起動回数", "고유 실행 횟수"};
inline constexpr PhraseForms Likes{"Likes", "Лайки", "Likes", "J`aime", "Me gusta", "讚", "Mi piace", "Líbí se", "いいね", "좋아요"};
inline constexpr PhraseForms LastLike{"Last Like", "Последний лайк", "Letztes Like", "Dernier J`aime", "Último Me gusta", "最後一個讚", "Ultimo Mi piace", "Poslední Líbí se", "最後のいいね", "마지막 좋아요"};
inline constexpr PhraseForms ILikeThisGame{"I like this game!", "Мне нравится эта игра!", "Mir gefällt dieses Spiel!", "J`aime ce jeu !", "¡Me gusta este juego!", "我喜歡這個遊戲！", "Mi piace questo gioco!", "Tato hra se mi líbí!", "このゲームが好き！", "이 게임이 좋아요!"};
inline constexpr PhraseForms StatisticSinceVersion{"This statistic is maintained since version 5.2", "Эта статистика ведётся с версии 5.2", "Diese Statistik wird seit Version 5.2 geführt", "Ces statistiques sont tenues depuis la version 5.2", "Esta estadística se lleva desde la versión 5.2", "此統計自 5.2 版起開始記錄", "Questa statistica è tenuta dalla versione 5.2", "Tato statistika se vede od verze 5.2", "この統計はバージョン5.2から記録されています", "이 통계는 5.2 버전부터 기록됩니다"};
inline constexpr PhraseForms CyclesPlayedWithPc{"Cycles played with PC", "Сыграно циклов с ПК", "Zyklen gegen den PC", "Cycles joués contre le PC", "Ciclos jugados con el PC", "與電腦對局的循環數", "Cicli giocati con il PC", "Cykly odehrané s PC", "PCとのサイクル数", "PC와 한 사이클 수"};
inline constexpr PhraseForms PeopleWinning{"Winning people (game with PC)", "Побед людей (игра с ПК)", "Siege der Menschen (gegen den PC)", "Victoires des humains (contre le PC)", "Victorias humanas (contra el PC)", "人類獲勝（與電腦對局）", "Vittorie umane (contro il PC)", "Výhry lidí (hra s PC)", "人間の勝利（PC戦）", "사람의 승리 (PC 게임)"};
inline constexpr PhraseForms PeopleLoss{"Loss of people (game with PC)", "Поражений людей (игра с ПК)", "Niederlagen der Menschen (gegen den PC)", "Défaites des humains (contre le PC)", "Derrotas humanas (contra el PC)", "人類落敗（與電腦對局）", "Sconfitte umane (contro il PC)", "Prohry lidí (hra s PC)", "人間の敗北（PC戦）", "사람의 패배 (PC 게임)"};
inline constexpr PhraseForms GamesPlayedNet{"Games played Net", "Сыграно игр по сети", "Netzwerkspiele", "Parties jouées en réseau", "Partidas jugadas en red", "區域網路對局數", "Partite giocate in rete", "Hry odehrané po síti", "ネットワーク対戦数", "네트워크 게임 수"};
inline constexpr PhraseForms GamesPlayedOnline{"Games played Online", "Сыграно игр онлайн", "Online-Spiele", "Parties jouées en ligne", "Partidas jugadas en línea", "線上對局數", "Partite giocate online", "Hry odehrané online", "オンライン対戦数", "온라인 게임 수"};

} // namespace halvane::ph
