#pragma once
// The game speed dialog (its caption is Speed of the main window's menu).
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms ChoiceOfSpeed{"Choice of speed", "Выбор скорости", "Wahl der Geschwindigkeit", "Choix de la vitesse", "Elección de la velocidad", "速度選擇", "Scelta della velocità", "Volba rychlosti", "速度の選択", "속도 선택"};
inline constexpr PhraseForms SelectFlightSpeed{"Select a flight speed of cards:", "Выберите скорость полёта карт:", "Wählen Sie die Fluggeschwindigkeit der Karten:", "Choisissez la vitesse de vol des cartes :", "Elija la velocidad de vuelo de las cartas:", "選擇紙牌的飛行速度：", "Scegli la velocità di volo delle carte:", "Zvolte rychlost letu karet:", "カードの移動速度を選んでください：", "카드 이동 속도를 선택하세요:"};

} // namespace halvane::ph
