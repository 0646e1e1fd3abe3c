#pragma once
// The history viewer.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms HistoryOfGames{"History of games", "История игр", "Spielverlauf", "Historique des parties", "Historial de partidas", "遊戲歷史", "Cronologia delle partite", "Historie her", "ゲーム履歴", "게임 기록"};
inline constexpr PhraseForms Time{"Time", "Время", "Zeit", "Heure", "Hora", "時間", "Ora", "Čas", "時刻", "시간"};
inline constexpr PhraseForms Date{"Date", "Дата", "Datum", "Date", "Fecha", "日期", "Data", "Datum", "日付", "날짜"};
inline constexpr PhraseForms Result{"Result", "Результат", "Ergebnis", "Résultat", "Resultado", "成績", "Risultato", "Výsledek", "成績", "결과"};
inline constexpr PhraseForms Type{"Type", "Тип", "Art", "Type", "Tipo", "類型", "Tipo", "Typ", "種類", "유형"};

} // namespace halvane::ph
