#pragma once
// The contract order dialog.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms OrderGame{"Order game:", "Закажите игру:", "Spiel ansagen:", "Annoncez le contrat :", "Elija el contrato:", "選擇合約：", "Scegli il contratto:", "Zvolte hru:", "ゲームを指定：", "게임 선택:"};
inline constexpr PhraseForms OrderOfGame{"The order of game", "Заказ игры", "Spielansage", "Annonce du contrat", "Elección del contrato", "合約選擇", "Scelta del contratto", "Volba hry", "ゲームの指定", "게임 선택"};

} // namespace halvane::ph
