#pragma once
// Records texts that no other screen's table holds: the history writer's
// message, the history list's empty line and the top-ten headings.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantSaveHistory{"Cann`t save history!", "Не удалось сохранить историю!", "Verlauf kann nicht gespeichert werden!", "Impossible d`enregistrer l`historique!", "¡No se puede guardar el historial!", "無法保存歷史!", "Impossibile salvare la cronologia!", "Historii nelze uložit!", "履歴を保存できません!", "기록을 저장할 수 없습니다!"};
inline constexpr PhraseForms NoHistoryFiles{"No History Files", "Нет файлов истории", "Keine Verlaufsdateien", "Aucun fichier d`historique", "No hay archivos de historial", "沒有歷史檔案", "Nessun file di cronologia", "Žádné soubory historie", "履歴ファイルがありません", "기록 파일이 없습니다"};
inline constexpr PhraseForms LocalGamesWithPc{"WINDOWS. LOCAL GAMES WITH PC", "WINDOWS. ЛОКАЛЬНЫЕ ИГРЫ С ПК", "WINDOWS. LOKALE SPIELE GEGEN DEN PC", "WINDOWS. PARTIES LOCALES CONTRE LE PC", "WINDOWS. PARTIDAS LOCALES CONTRA EL PC", "WINDOWS. 與電腦的本機遊戲", "WINDOWS. PARTITE LOCALI CONTRO IL PC", "WINDOWS. MÍSTNÍ HRY S PC", "WINDOWS. PCとのローカル対戦", "WINDOWS. PC와의 로컬 게임"};
inline constexpr PhraseForms NetGames{"WINDOWS. NET GAMES", "WINDOWS. СЕТЕВЫЕ ИГРЫ", "WINDOWS. NETZWERKSPIELE", "WINDOWS. PARTIES EN RÉSEAU", "WINDOWS. PARTIDAS EN RED", "WINDOWS. 網路遊戲", "WINDOWS. PARTITE IN RETE", "WINDOWS. SÍŤOVÉ HRY", "WINDOWS. ネット対戦", "WINDOWS. 네트워크 게임"};

} // namespace halvane::ph
