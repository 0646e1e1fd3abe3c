#pragma once
// The welcome, login and registration dialogs, and the network game set-up.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms IncorrectName{"Incorrect name!", "Неверное имя!", "Ungültiger Name!", "Nom incorrect !", "¡Nombre incorrecto!", "名稱不正確！", "Nome non valido!", "Neplatné jméno!", "名前が正しくありません！", "잘못된 이름입니다!"};
inline constexpr PhraseForms PasswordsDoNotCoincide{"The passwords do not coincide!", "Пароли не совпадают!", "Die Passwörter stimmen nicht überein!", "Les mots de passe ne correspondent pas !", "¡Las contraseñas no coinciden!", "密碼不一致！", "Le password non coincidono!", "Hesla se neshodují!", "パスワードが一致しません！", "비밀번호가 일치하지 않습니다!"};
inline constexpr PhraseForms IncorrectPassword{"The incorrect password!", "Неверный пароль!", "Falsches Passwort!", "Mot de passe incorrect !", "¡Contraseña incorrecta!", "密碼錯誤！", "Password errata!", "Nesprávné heslo!", "パスワードが違います！", "비밀번호가 틀렸습니다!"};
inline constexpr PhraseForms Welcome{"Welcome!", "Добро пожаловать!", "Willkommen!", "Bienvenue !", "¡Bienvenido!", "歡迎！", "Benvenuto!", "Vítejte!", "ようこそ！", "환영합니다!"};
inline constexpr PhraseForms EnterYourName{"Enter Your name:", "Введите Ваше имя:", "Geben Sie Ihren Namen ein:", "Entrez votre nom :", "Introduzca su nombre:", "輸入您的名稱：", "Inserisci il tuo nome:", "Zadejte své jméno:", "名前を入力してください：", "이름을 입력하세요:"};
inline constexpr PhraseForms EnterYourPassword{"Enter Your password:", "Введите Ваш пароль:", "Geben Sie Ihr Passwort ein:", "Entrez votre mot de passe :", "Introduzca su contraseña:", "輸入您的密碼：", "Inserisci la tua password:", "Zadejte své heslo:", "パスワードを入力してください：", "비밀번호를 입력하세요:"};
inline constexpr PhraseForms OnceAgainForCheck{"And once again for check...", "И ещё раз для проверки...", "Und noch einmal zur Kontrolle...", "Et encore une fois pour vérifier...", "Y otra vez para comprobar...", "再輸入一次以確認...", "E ancora una volta per conferma...", "A ještě jednou pro kontrolu...", "確認のためもう一度...", "확인을 위해 한 번 더..."};
// The default player name: a name goes into the club files in Windows-1251,
// so it stays the same in every language.
inline constexpr PhraseForms MrX{"Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X", "Mr.X"};
inline constexpr PhraseForms IncorrectIpAddress{"Incorrect IP-address!", "Неверный IP-адрес!", "Ungültige IP-Adresse!", "Adresse IP incorrecte !", "¡Dirección IP incorrecta!", "IP 位址不正確！", "Indirizzo IP non valido!", "Neplatná IP adresa!", "IPアドレスが正しくありません！", "잘못된 IP 주소입니다!"};
inline constexpr PhraseForms IncorrectPort{"Incorrect Port!", "Неверный порт!", "Ungültiger Port!", "Port incorrect !", "¡Puerto incorrecto!", "連接埠不正確！", "Porta non valida!", "Neplatný port!", "ポートが正しくありません！", "잘못된 포트입니다!"};
inline constexpr PhraseForms EnterServerIp{"Enter IP of server:", "Введите IP сервера:", "IP des Servers eingeben:", "Entrez l`IP du serveur :", "Introduzca la IP del servidor:", "輸入伺服器 IP：", "Inserisci l`IP del server:", "Zadejte IP serveru:", "サーバーのIPを入力：", "서버 IP 입력:"};
inline constexpr PhraseForms EnterServerPort{"Enter Port of server:", "Введите порт сервера:", "Port des Servers eingeben:", "Entrez le port du serveur :", "Introduzca el puerto del servidor:", "輸入伺服器連接埠：", "Inserisci la porta del server:", "Zadejte port serveru:", "サーバーのポートを入力：", "서버 포트 입력:"};
inline constexpr PhraseForms NumberGames{"Number games:", "Число игр:", "Anzahl Spiele:", "Nombre de parties :", "Número de partidas:", "局數：", "Numero di partite:", "Počet her:", "ゲーム数：", "게임 수:"};
inline constexpr PhraseForms ServerClient{"Server / Client", "Сервер / Клиент", "Server / Client", "Serveur / Client", "Servidor / Cliente", "伺服器 / 用戶端", "Server / Client", "Server / Klient", "サーバー / クライアント", "서버 / 클라이언트"};
inline constexpr PhraseForms ServerCreatesGame{"Server create the game", "Сервер создаёт игру", "Server erstellt das Spiel", "Le serveur crée la partie", "El servidor crea la partida", "伺服器建立遊戲", "Il server crea la partita", "Server vytvoří hru", "サーバーがゲームを作成", "서버가 게임을 만듭니다"};
inline constexpr PhraseForms ClientEntersGame{"Client enters to game", "Клиент входит в игру", "Client tritt dem Spiel bei", "Le client rejoint la partie", "El cliente entra en la partida", "用戶端加入遊戲", "Il client entra nella partita", "Klient vstupuje do hry", "クライアントがゲームに参加", "클라이언트가 게임에 참가합니다"};
inline constexpr PhraseForms ReceiveIpAddresses{"To receive the IP-addresses", "Получить IP-адреса", "IP-Adressen ermitteln", "Obtenir les adresses IP", "Obtener las direcciones IP", "取得 IP 位址", "Ottieni gli indirizzi IP", "Zjistit IP adresy", "IPアドレスを取得", "IP 주소 가져오기"};
inline constexpr PhraseForms ExpectingOtherPlayers{"Expectation of connection of other players...", "Ожидание подключения других игроков...", "Warten auf die anderen Spieler...", "Attente de la connexion des autres joueurs...", "Esperando la conexión de otros jugadores...", "等待其他玩家連線...", "In attesa della connessione degli altri giocatori...", "Čekání na připojení dalších hráčů...", "他のプレイヤーの接続を待っています...", "다른 플레이어의 접속을 기다리는 중..."};
inline constexpr PhraseForms ExpectingGame{"Expectation of game...", "Ожидание игры...", "Warten auf das Spiel...", "Attente de la partie...", "Esperando la partida...", "等待遊戲...", "In attesa della partita...", "Čekání na hru...", "ゲームを待っています...", "게임을 기다리는 중..."};

} // namespace halvane::ph
