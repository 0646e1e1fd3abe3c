#pragma once
// Main window, main menu and its pop-up menu.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms ProductName{"Halvane", "Halvane", "Halvane", "Halvane", "Halvane",
                                         "Halvane", "Halvane", "Halvane", "Halvane", "Halvane"};
inline constexpr PhraseForms NewPlayer{"New Player", "Новый игрок", "Neuer Spieler", "Nouveau joueur", "Nuevo jugador", "新玩家", "Nuovo giocatore", "Nový hráč", "新しいプレイヤー", "새 플레이어"};
inline constexpr PhraseForms TopTen{"Top Ten", "Лучшая десятка", "Top Ten", "Top dix", "Los diez mejores", "十強", "I migliori dieci", "Nejlepší desítka", "トップテン", "톱 텐"};
inline constexpr PhraseForms Options{"Options", "Настройки", "Optionen", "Options", "Opciones", "選項", "Opzioni", "Nastavení", "オプション", "옵션"};
inline constexpr PhraseForms Exit{"Exit", "Выход", "Beenden", "Quitter", "Salir", "退出", "Esci", "Konec", "終了", "종료"};
inline constexpr PhraseForms Mode{"Mode", "Режим", "Modus", "Mode", "Modo", "模式", "Modalità", "Režim", "モード", "모드"};
inline constexpr PhraseForms History{"History", "История", "Verlauf", "Historique", "Historial", "歷史", "Cronologia", "Historie", "履歴", "기록"};
// Exactly 39 characters in every language, for the fixed-pitch header panel.
inline constexpr PhraseForms ClubHeaderScore{
    " The members of club    Games    Score ",
    " Члены клуба            Игры      Очки ",
    " Mitglieder des Klubs   Spiele  Punkte ",
    " Les membres du club   Parties  Points ",
    " Miembros del club    Partidas  Puntos ",
    " 俱樂部成員                     局數       分數 ",
    " I membri del club     Partite   Punti ",
    " Členové klubu           Hry      Body ",
    " クラブのメンバー                 ゲーム       得点 ",
    " 클럽 회원                     게임       점수 "};
inline constexpr PhraseForms ClubHeaderRating{
    " The members of club    Games   Rating ",
    " Члены клуба            Игры   Рейтинг ",
    " Mitglieder des Klubs   Spiele Wertung ",
    " Les membres du club   Parties  Classt ",
    " Miembros del club    Partidas   Clasf ",
    " 俱樂部成員                     局數      等級分 ",
    " I membri del club     Partite  Classf ",
    " Členové klubu            Hry  Hodnoc. ",
    " クラブのメンバー                 ゲーム   レーティング ",
    " 클럽 회원                     게임      레이팅 "};
inline constexpr PhraseForms GeneralScore{"General score", "Общий счёт", "Gesamtstand", "Score général", "Puntuación general", "總分", "Punteggio generale", "Celkové skóre", "総合得点", "종합 점수"};
inline constexpr PhraseForms ExitToMenu{"Exit to menu", "Выход в меню", "Zurück zum Menü", "Retour au menu", "Salir al menú", "返回選單", "Torna al menu", "Návrat do menu", "メニューに戻る", "메뉴로 나가기"};
inline constexpr PhraseForms ChangeName{"To change a name", "Сменить имя", "Namen ändern", "Changer de nom", "Cambiar el nombre", "更改名稱", "Cambia nome", "Změnit jméno", "名前を変更", "이름 변경"};
inline constexpr PhraseForms Speed{"Speed", "Скорость", "Geschwindigkeit", "Vitesse", "Velocidad", "速度", "Velocità", "Rychlost", "速度", "속도"};
inline constexpr PhraseForms Convention{"Convention", "Соглашение", "Vereinbarung", "Convention", "Acuerdo", "協議", "Accordo", "Dohoda", "規約", "약관"};
inline constexpr PhraseForms Help{"Help", "Помощь", "Hilfe", "Aide", "Ayuda", "說明", "Aiuto", "Nápověda", "ヘルプ", "도움말"};
inline constexpr PhraseForms Comment{"Comment", "Отзыв", "Kommentar", "Commentaire", "Comentario", "評論", "Commento", "Komentář", "コメント", "의견"};
inline constexpr PhraseForms About{"About", "О программе", "Über", "À propos", "Acerca de", "關於", "Informazioni", "O programu", "バージョン情報", "정보"};
inline constexpr PhraseForms Radio{"Radio", "Радио", "Radio", "Radio", "Radio", "電台", "Radio", "Rádio", "ラジオ", "라디오"};
inline constexpr PhraseForms Chat{"Chat", "Чат", "Chat", "Chat", "Chat", "聊天", "Chat", "Chat", "チャット", "채팅"};
inline constexpr PhraseForms WantLeaveGame{"You want to leave from game?", "Вы хотите выйти из игры?", "Wollen Sie das Spiel verlassen?", "Voulez-vous quitter le jeu ?", "¿Quiere salir del juego?", "您要離開遊戲嗎？", "Vuoi uscire dal gioco?", "Chcete opustit hru?", "ゲームを終了しますか？", "게임을 종료하시겠습니까?"};
inline constexpr PhraseForms WantLeaveToMenu{"You want to leave in the main menu?", "Вы хотите выйти в главное меню?", "Wollen Sie zum Hauptmenü zurückkehren?", "Voulez-vous revenir au menu principal ?", "¿Quiere volver al menú principal?", "您要返回主選單嗎？", "Vuoi tornare al menu principale?", "Chcete se vrátit do hlavního menu?", "メインメニューに戻りますか？", "메인 메뉴로 나가시겠습니까?"};
inline constexpr PhraseForms DataWillBeLost{"All datas for want of it will be lost!", "Все данные при этом будут потеряны!", "Alle Daten gehen dabei verloren!", "Toutes les données seront perdues !", "¡Se perderán todos los datos!", "所有資料都將遺失！", "Tutti i dati andranno persi!", "Všechna data budou ztracena!", "すべてのデータが失われます！", "모든 데이터가 사라집니다!"};
inline constexpr PhraseForms HelpNotTranslated{
    "Excuse!\n\rThe file of the help is not translated to the English language.",
    "Извините!\n\rФайл помощи не переведён на русский язык.",
    "Entschuldigung!\n\rDie Hilfedatei ist nicht ins Deutsche übersetzt.",
    "Excusez-nous !\n\rLe fichier d`aide n`est pas traduit en français.",
    "¡Disculpe!\n\rEl archivo de ayuda no está traducido al español.",
    "抱歉！\n\r說明檔案尚未翻譯成中文。",
    "Scusate!\n\rIl file della guida non è tradotto in italiano.",
    "Omlouváme se!\n\rSoubor nápovědy není přeložen do češtiny.",
    "申し訳ありません！\n\rヘルプファイルは日本語に翻訳されていません。",
    "죄송합니다!\n\r도움말 파일이 한국어로 번역되지 않았습니다."};
inline constexpr PhraseForms CantFindFile{"Can`t find the file", "Не найден файл", "Datei nicht gefunden", "Fichier introuvable", "No se encuentra el archivo", "找不到檔案", "Impossibile trovare il file", "Nelze najít soubor", "ファイルが見つかりません", "파일을 찾을 수 없습니다"};
inline constexpr PhraseForms RoundInSession{"Number of round in a current session:", "Номер партии в текущем сеансе:", "Nummer der Runde in der aktuellen Sitzung:", "Numéro de la manche dans la session :", "Número de ronda en la sesión actual:", "本次對局的回合數：", "Numero del turno nella sessione attuale:", "Číslo kola v aktuální relaci:", "現在のセッションのラウンド番号：", "현재 세션의 라운드 번호:"};
inline constexpr PhraseForms GamesInCycle{"Games in cycle", "Игр в цикле", "Spiele im Zyklus", "Parties dans le cycle", "Partidas en el ciclo", "循環中的局數", "Partite nel ciclo", "Her v cyklu", "サイクル内のゲーム", "사이클의 게임"};
inline constexpr PhraseForms NoInternetAccess{
    "You do not have access to the Internet or the company <Vyx> carries out preventive maintenance.",
    "У вас нет доступа к Интернету или компания <Vyx> проводит профилактические работы.",
    "Sie haben keinen Internetzugang oder die Firma <Vyx> führt Wartungsarbeiten durch.",
    "Vous n`avez pas accès à Internet ou la société <Vyx> effectue une maintenance.",
    "No tiene acceso a Internet o la empresa <Vyx> está realizando tareas de mantenimiento.",
    "您無法連線到網際網路，或 <Vyx> 公司正在進行維護。",
    "Non hai accesso a Internet oppure la società <Vyx> sta effettuando una manutenzione.",
    "Nemáte přístup k internetu nebo společnost <Vyx> provádí údržbu.",
    "インターネットに接続できないか、<Vyx> 社がメンテナンスを行っています。",
    "인터넷에 연결할 수 없거나 <Vyx> 회사가 점검 중입니다."};
inline constexpr PhraseForms ThanksForSupport{"Thank you for Your support!", "Спасибо за Вашу поддержку!", "Danke für Ihre Unterstützung!", "Merci pour votre soutien !", "¡Gracias por su apoyo!", "感謝您的支持！", "Grazie per il vostro sostegno!", "Děkujeme za Vaši podporu!", "ご支援ありがとうございます！", "후원해 주셔서 감사합니다!"};
inline constexpr PhraseForms PlayOurOtherGames{"Play our other games", "Играйте в другие наши игры", "Spielen Sie unsere anderen Spiele", "Jouez à nos autres jeux", "Juegue a nuestros otros juegos", "玩我們的其他遊戲", "Gioca ai nostri altri giochi", "Hrajte naše další hry", "他のゲームも遊んでください", "다른 게임도 즐겨 보세요"};
// Follow the name of a feature.
inline constexpr PhraseForms InApkIsUnavailable{"in Apk is temporarily unavailable!", "в Apk временно недоступен!", "ist im Apk vorübergehend nicht verfügbar!", "dans l`Apk est temporairement indisponible !", "en Apk no está disponible temporalmente!", "在 Apk 中暫時無法使用！", "nell`Apk è temporaneamente non disponibile!", "v Apk je dočasně nedostupný!", "は Apk では一時的に利用できません！", "Apk에서 일시적으로 사용할 수 없습니다!"};
inline constexpr PhraseForms InApkAreUnavailable{"in Apk are temporarily unavailable!", "в Apk временно недоступны!", "sind im Apk vorübergehend nicht verfügbar!", "dans l`Apk sont temporairement indisponibles !", "en Apk no están disponibles temporalmente!", "在 Apk 中暫時無法使用！", "nell`Apk sono temporaneamente non disponibili!", "v Apk jsou dočasně nedostupné!", "は Apk では一時的に利用できません！", "Apk에서 일시적으로 사용할 수 없습니다!"};
inline constexpr PhraseForms IsUnavailable{"is temporarily unavailable!", "временно недоступен!", "ist vorübergehend nicht verfügbar!", "est temporairement indisponible !", "no está disponible temporalmente!", "暫時無法使用！", "è temporaneamente non disponibile!", "je dočasně nedostupný!", "は一時的に利用できません！", "일시적으로 사용할 수 없습니다!"};
inline constexpr PhraseForms AreUnavailable{"are temporarily unavailable!", "временно недоступны!", "sind vorübergehend nicht verfügbar!", "sont temporairement indisponibles !", "no están disponibles temporalmente!", "暫時無法使用！", "sono temporaneamente non disponibili!", "jsou dočasně nedostupné!", "は一時的に利用できません！", "일시적으로 사용할 수 없습니다!"};
inline constexpr PhraseForms WorldTopTenUnavailable{"World Top Ten Tournament is temporarily unavailable!", "Турнир «Мировая десятка» временно недоступен!", "Das Welt-Top-Ten-Turnier ist vorübergehend nicht verfügbar!", "Le tournoi Top dix mondial est temporairement indisponible !", "¡El torneo de los diez mejores del mundo no está disponible temporalmente!", "世界十強錦標賽暫時無法使用！", "Il torneo dei dieci migliori del mondo è temporaneamente non disponibile!", "Turnaj světové desítky je dočasně nedostupný!", "世界トップテン大会は一時的に利用できません！", "세계 톱 텐 토너먼트를 일시적으로 사용할 수 없습니다!"};
inline constexpr PhraseForms ChatUnavailable{"Chat is temporarily unavailable!", "Чат временно недоступен!", "Der Chat ist vorübergehend nicht verfügbar!", "Le chat est temporairement indisponible !", "¡El chat no está disponible temporalmente!", "聊天暫時無法使用！", "La chat è temporaneamente non disponibile!", "Chat je dočasně nedostupný!", "チャットは一時的に利用できません！", "채팅을 일시적으로 사용할 수 없습니다!"};
// Followed by a file name.
inline constexpr PhraseForms CantFind{"Can`t find ", "Не найден ", "Nicht gefunden: ", "Introuvable : ", "No se encuentra ", "找不到 ", "Impossibile trovare ", "Nelze najít ", "見つかりません: ", "찾을 수 없음: "};
inline constexpr PhraseForms YouLose{"You lose!", "Вы проиграли!", "Sie haben verloren!", "Vous avez perdu !", "¡Ha perdido!", "您輸了！", "Hai perso!", "Prohráli jste!", "あなたの負けです！", "당신이 졌습니다!"};
inline constexpr PhraseForms LogInToAccount{"Log in to your account!", "Войдите в свой аккаунт!", "Melden Sie sich bei Ihrem Konto an!", "Connectez-vous à votre compte !", "¡Inicie sesión en su cuenta!", "請登入您的帳戶！", "Accedi al tuo account!", "Přihlaste se ke svému účtu!", "アカウントにログインしてください！", "계정에 로그인하세요!"};
inline constexpr PhraseForms YourTimeIsUp{"Your time is up!", "Ваше время истекло!", "Ihre Zeit ist abgelaufen!", "Votre temps est écoulé !", "¡Se le acabó el tiempo!", "您的時間到了！", "Il tuo tempo è scaduto!", "Váš čas vypršel!", "時間切れです！", "시간이 다 되었습니다!"};
inline constexpr PhraseForms TakeThePlaceOf{"Take the place of", "Занять место", "Platz nehmen", "Prendre la place", "Ocupar el puesto", "入座", "Prendi il posto", "Obsadit místo", "席に着く", "자리 잡기"};

} // namespace halvane::ph
