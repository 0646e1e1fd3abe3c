#pragma once
// Chat and news.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantSendMessage{"Unable to send a message!", "Не удалось отправить сообщение!", "Nachricht konnte nicht gesendet werden!", "Impossible d`envoyer le message !", "¡No se pudo enviar el mensaje!", "無法傳送訊息！", "Impossibile inviare il messaggio!", "Zprávu nelze odeslat!", "メッセージを送信できません！", "메시지를 보낼 수 없습니다!"};
inline constexpr PhraseForms VyxGamesChat{"Vyx Games Chat", "Чат Vyx Games", "Vyx Games Chat", "Chat Vyx Games", "Chat de Vyx Games", "Vyx Games 聊天室", "Chat di Vyx Games", "Chat Vyx Games", "Vyx Games チャット", "Vyx Games 채팅"};
inline constexpr PhraseForms LastMessageAtBottom{"Last message at the bottom", "Последнее сообщение внизу", "Letzte Nachricht unten", "Dernier message en bas", "Último mensaje abajo", "最新訊息在底部", "Ultimo messaggio in basso", "Poslední zpráva dole", "最新のメッセージは下", "마지막 메시지는 아래에"};
inline constexpr PhraseForms OpenOnNewMessage{"Open this window when a new message", "Открывать это окно при новом сообщении", "Dieses Fenster bei neuer Nachricht öffnen", "Ouvrir cette fenêtre à chaque nouveau message", "Abrir esta ventana con cada mensaje nuevo", "有新訊息時開啟此視窗", "Apri questa finestra a ogni nuovo messaggio", "Otevřít toto okno při nové zprávě", "新しいメッセージでこのウィンドウを開く", "새 메시지가 오면 이 창 열기"};

} // namespace halvane::ph
