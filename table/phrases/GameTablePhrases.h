#pragma once
// The game table: the deal, the contract words, the notices of the table.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

// Followed by the new name.
inline constexpr PhraseForms NameChanged{
    "Your name and/or the password were successfully changed!\n\rNew name: ",
    "Ваше имя и/или пароль успешно изменены!\n\rНовое имя: ",
    "Ihr Name und/oder Passwort wurden erfolgreich geändert!\n\rNeuer Name: ",
    "Votre nom et/ou votre mot de passe ont été modifiés !\n\rNouveau nom : ",
    "¡Su nombre y/o contraseña se han cambiado correctamente!\n\rNuevo nombre: ",
    "您的名稱和/或密碼已成功更改！\n\r新名稱：",
    "Il tuo nome e/o la password sono stati cambiati!\n\rNuovo nome: ",
    "Vaše jméno a/nebo heslo bylo úspěšně změněno!\n\rNové jméno: ",
    "名前とパスワードを変更しました！\n\r新しい名前：",
    "이름 및 비밀번호가 변경되었습니다!\n\r새 이름: "};
// The two halves around a quoted file name.
inline constexpr PhraseForms TheFileQuote{"The file \"", "Файл \"", "Die Datei \"", "Le fichier \"", "El archivo \"", "檔案 \"", "Il file \"", "Soubor \"", "ファイル \"", "파일 \""};
inline constexpr PhraseForms QuoteHasIncorrectAttributes{
    "\" has incorrect attributes!\n\rThe work of the program will be incorrect!",
    "\" имеет неверные атрибуты!\n\rРабота программы будет некорректной!",
    "\" hat falsche Attribute!\n\rDas Programm wird nicht richtig arbeiten!",
    "\" a des attributs incorrects !\n\rLe programme ne fonctionnera pas correctement !",
    "\" tiene atributos incorrectos!\n\rEl programa no funcionará correctamente.",
    "\" 的屬性不正確！\n\r程式將無法正常運作！",
    "\" ha attributi errati!\n\rIl programma non funzionerà correttamente!",
    "\" má nesprávné atributy!\n\rProgram nebude pracovat správně!",
    "\" の属性が正しくありません！\n\rプログラムは正しく動作しません！",
    "\" 의 속성이 올바르지 않습니다!\n\r프로그램이 올바르게 작동하지 않습니다!"};
inline constexpr PhraseForms IncorrectFile{"The incorrect file", "Неверный файл", "Fehlerhafte Datei", "Fichier incorrect", "Archivo incorrecto", "檔案不正確", "File non valido", "Chybný soubor", "不正なファイル", "잘못된 파일"};
inline constexpr PhraseForms DiskWriteError{"Error of disk writing!", "Ошибка записи на диск!", "Fehler beim Schreiben auf die Festplatte!", "Erreur d`écriture sur le disque !", "¡Error de escritura en el disco!", "磁碟寫入錯誤！", "Errore di scrittura su disco!", "Chyba zápisu na disk!", "ディスク書き込みエラー！", "디스크 쓰기 오류!"};
inline constexpr PhraseForms CantCreateMusicFile{"Can`t create music file!", "Не удалось создать музыкальный файл!", "Musikdatei kann nicht erstellt werden!", "Impossible de créer le fichier musical !", "¡No se puede crear el archivo de música!", "無法建立音樂檔案！", "Impossibile creare il file musicale!", "Nelze vytvořit hudební soubor!", "音楽ファイルを作成できません！", "음악 파일을 만들 수 없습니다!"};
inline constexpr PhraseForms ExpectationOfServer{"Expectation of the server...", "Ожидание сервера...", "Warten auf den Server...", "Attente du serveur...", "Esperando al servidor...", "等待伺服器...", "In attesa del server...", "Čekání na server...", "サーバーを待っています...", "서버를 기다리는 중..."};
inline constexpr PhraseForms MoreGames{"More games!", "Больше игр!", "Mehr Spiele!", "Plus de jeux !", "¡Más juegos!", "更多遊戲！", "Altri giochi!", "Další hry!", "他のゲーム！", "더 많은 게임!"};
inline constexpr PhraseForms SupportUs{"Support us!", "Поддержите нас!", "Unterstützen Sie uns!", "Soutenez-nous !", "¡Apóyenos!", "支持我們！", "Sostienici!", "Podpořte nás!", "応援してください！", "후원해 주세요!"};
inline constexpr PhraseForms OnGooglePlay{"on Google Play!", "в Google Play!", "bei Google Play!", "sur Google Play !", "¡en Google Play!", "在 Google Play 上！", "su Google Play!", "na Google Play!", "Google Play で！", "Google Play에서!"};
inline constexpr PhraseForms Download{"Download", "Скачать", "Herunterladen", "Télécharger", "Descargar", "下載", "Scarica", "Stáhnout", "ダウンロード", "다운로드"};
inline constexpr PhraseForms CouldNotConnect{"Could not connect to server!", "Не удалось подключиться к серверу!", "Keine Verbindung zum Server!", "Impossible de se connecter au serveur !", "¡No se pudo conectar con el servidor!", "無法連線到伺服器！", "Impossibile connettersi al server!", "Nelze se připojit k serveru!", "サーバーに接続できませんでした！", "서버에 연결할 수 없습니다!"};
inline constexpr PhraseForms Repeat{"Repeat?", "Повторить?", "Wiederholen?", "Réessayer ?", "¿Repetir?", "重試？", "Riprovare?", "Opakovat?", "再試行しますか？", "다시 시도할까요?"};
inline constexpr PhraseForms RatedGame{"There is a game on the rating!", "Идёт игра на рейтинг!", "Es läuft ein Wertungsspiel!", "Une partie classée est en cours !", "¡Hay una partida clasificatoria!", "正在進行排名對局！", "È in corso una partita valida per la classifica!", "Probíhá hra o hodnocení!", "レーティング対戦中です！", "레이팅 게임이 진행 중입니다!"};
inline constexpr PhraseForms NotLoggedIn{"You are not logged in to your account!", "Вы не вошли в свой аккаунт!", "Sie sind nicht bei Ihrem Konto angemeldet!", "Vous n`êtes pas connecté à votre compte !", "¡No ha iniciado sesión en su cuenta!", "您尚未登入帳戶！", "Non hai effettuato l`accesso al tuo account!", "Nejste přihlášeni ke svému účtu!", "アカウントにログインしていません！", "계정에 로그인하지 않았습니다!"};
inline constexpr PhraseForms LoggedIn{"You are logged in to your account!", "Вы вошли в свой аккаунт!", "Sie sind bei Ihrem Konto angemeldet!", "Vous êtes connecté à votre compte !", "¡Ha iniciado sesión en su cuenta!", "您已登入帳戶！", "Hai effettuato l`accesso al tuo account!", "Jste přihlášeni ke svému účtu!", "アカウントにログインしました！", "계정에 로그인했습니다!"};
inline constexpr PhraseForms ClubMembers{"Club members: ", "Члены клуба: ", "Klubmitglieder: ", "Membres du club : ", "Miembros del club: ", "俱樂部成員：", "Membri del club: ", "Členové klubu: ", "クラブメンバー：", "클럽 회원: "};
inline constexpr PhraseForms CreatingGif{"Creating a GIF...", "Создание GIF...", "GIF wird erstellt...", "Création du GIF...", "Creando el GIF...", "正在建立 GIF...", "Creazione della GIF...", "Vytváření GIF...", "GIF を作成中...", "GIF 만드는 중..."};
inline constexpr PhraseForms CurrentGame{"Current game", "Текущая игра", "Aktuelles Spiel", "Partie en cours", "Partida actual", "目前遊戲", "Partita in corso", "Aktuální hra", "現在のゲーム", "현재 게임"};
inline constexpr PhraseForms ToBegin{"To Begin", "Начать", "Beginnen", "Commencer", "Empezar", "開始", "Inizia", "Začít", "開始", "시작"};
inline constexpr PhraseForms ToBeginOfRound{"To Begin of Round", "Начать партию", "Runde beginnen", "Commencer la manche", "Empezar la ronda", "開始回合", "Inizia il turno", "Začít kolo", "ラウンド開始", "라운드 시작"};
inline constexpr PhraseForms Round{"Round:", "Партия:", "Runde:", "Manche :", "Ronda:", "回合：", "Turno:", "Kolo:", "ラウンド：", "라운드:"};
inline constexpr PhraseForms NextRound{"Next Round", "Следующая партия", "Nächste Runde", "Manche suivante", "Siguiente ronda", "下一回合", "Turno successivo", "Další kolo", "次のラウンド", "다음 라운드"};
// Followed by a number or a name.
inline constexpr PhraseForms IThink{"I think... ", "Я думаю... ", "Ich denke... ", "Je réfléchis... ", "Estoy pensando... ", "我想想... ", "Sto pensando... ", "Přemýšlím... ", "考え中... ", "생각 중... "};

// The words a contract name is built from: "To not" "take" "boys", "To Take" "tricks".
inline constexpr PhraseForms ToNot{"To not", "Не", "Nicht", "Ne pas", "No", "不", "Non", "Zákaz", "取らない", "안 먹기"};
inline constexpr PhraseForms TakeWord{"take", "брать", "nehmen", "prendre", "tomar", "吃", "prendere", "brát", ":", ":"};
inline constexpr PhraseForms ToTake{"To Take", "Брать", "Nehmen", "Prendre", "Tomar", "吃", "Prendere", "Brát", "取る:", "먹기:"};
// After "To not" "take" (Russian needs the genitive there).
inline constexpr PhraseForms Tricks{"tricks", "взяток", "Stiche", "plis", "bazas", "墩", "prese", "štychy", "トリック", "트릭"};
// After "To Take": the same word, in Russian in the accusative.
inline constexpr PhraseForms TricksAfterTake{"tricks", "взятки", "Stiche", "plis", "bazas", "墩", "prese", "štychy", "トリック", "트릭"};
inline constexpr PhraseForms Boys{"boys", "мальчиков", "Jungen", "garçons", "chicos", "男孩", "ragazzi", "kluky", "ボーイ", "보이"};
inline constexpr PhraseForms Girls{"girls", "девочек", "Mädchen", "filles", "chicas", "女孩", "ragazze", "holky", "ガール", "걸"};
inline constexpr PhraseForms Hearts{"hearts", "червей", "Herzen", "cœurs", "corazones", "紅心", "cuori", "srdce", "ハート", "하트"};
inline constexpr PhraseForms King{"King", "Кинга", "King", "King", "King", "King", "King", "Krále", "キング", "킹"};
inline constexpr PhraseForms Two{"two", "две", "zwei", "deux", "dos", "最後", "due", "dva", "最後の", "마지막"};
inline constexpr PhraseForms Last{"last", "последние", "letzten", "derniers", "últimas", "兩墩", "ultime", "poslední", "2トリック", "두 트릭"};
inline constexpr PhraseForms All{"all", "всё подряд", "alles", "tout", "todo", "全部", "tutto", "vše", "すべて", "전부"};
inline constexpr PhraseForms NotTakeTricks{"To not take tricks", "Не брать взяток", "Keine Stiche nehmen", "Ne pas prendre de plis", "No tomar bazas", "不吃墩", "Non prendere prese", "Nebrat štychy", "トリックを取らない", "트릭 안 먹기"};
inline constexpr PhraseForms NotTakeBoys{"To not take boys", "Не брать мальчиков", "Keine Jungen nehmen", "Ne pas prendre de garçons", "No tomar chicos", "不吃男孩", "Non prendere ragazzi", "Nebrat kluky", "ボーイを取らない", "보이 안 먹기"};
inline constexpr PhraseForms NotTakeGirls{"To not take girls", "Не брать девочек", "Keine Mädchen nehmen", "Ne pas prendre de filles", "No tomar chicas", "不吃女孩", "Non prendere ragazze", "Nebrat holky", "ガールを取らない", "걸 안 먹기"};
inline constexpr PhraseForms NotTakeHearts{"To not take hearts", "Не брать червей", "Keine Herzen nehmen", "Ne pas prendre de cœurs", "No tomar corazones", "不吃紅心", "Non prendere cuori", "Nebrat srdce", "ハートを取らない", "하트 안 먹기"};
inline constexpr PhraseForms NotTakeKing{"To not take King", "Не брать Кинга", "Den King nicht nehmen", "Ne pas prendre le King", "No tomar el King", "不吃 King", "Non prendere il King", "Nebrat Krále", "キングを取らない", "킹 안 먹기"};
inline constexpr PhraseForms NotTakeTwoLast{"To not take two last", "Не брать две последние", "Die zwei letzten nicht nehmen", "Ne pas prendre les deux derniers", "No tomar las dos últimas", "不吃最後兩墩", "Non prendere le ultime due", "Nebrat dva poslední", "最後の2トリックを取らない", "마지막 두 트릭 안 먹기"};
inline constexpr PhraseForms TakeTricks{"Take tricks", "Брать взятки", "Stiche nehmen", "Prendre des plis", "Tomar bazas", "吃墩", "Prendere prese", "Brát štychy", "トリックを取る", "트릭 먹기"};

inline constexpr PhraseForms VyxInternetRadio{"Vyx Internet-Radio", "Vyx Интернет-радио", "Vyx Internetradio", "Vyx Radio Internet", "Vyx Radio por Internet", "Vyx 網路電台", "Vyx Radio Internet", "Vyx Internetové rádio", "Vyx インターネットラジオ", "Vyx 인터넷 라디오"};
inline constexpr PhraseForms DynamicIq{"Dynamic IQ for Windows (percent)", "Динамический IQ для Windows (процент)", "Dynamischer IQ für Windows (Prozent)", "QI dynamique pour Windows (pour cent)", "CI dinámico para Windows (por ciento)", "Windows 動態智商（百分比）", "QI dinamico per Windows (percento)", "Dynamické IQ pro Windows (procenta)", "Windows の動的IQ（パーセント）", "Windows 동적 IQ (퍼센트)"};
inline constexpr PhraseForms BestWindowsPlayer{"Best Windows Player: ", "Лучший игрок Windows: ", "Bester Windows-Spieler: ", "Meilleur joueur Windows : ", "Mejor jugador de Windows: ", "最佳 Windows 玩家：", "Miglior giocatore Windows: ", "Nejlepší hráč Windows: ", "Windows 最優秀プレイヤー：", "최고의 Windows 플레이어: "};
inline constexpr PhraseForms BestAndroidPlayer{"Best Android Player: ", "Лучший игрок Android: ", "Bester Android-Spieler: ", "Meilleur joueur Android : ", "Mejor jugador de Android: ", "最佳 Android 玩家：", "Miglior giocatore Android: ", "Nejlepší hráč Android: ", "Android 最優秀プレイヤー：", "최고의 Android 플레이어: "};
inline constexpr PhraseForms BestAccountPlayer{"The best player of games from under the account: ", "Лучший игрок в играх из-под аккаунта: ", "Bester Spieler der Kontospiele: ", "Meilleur joueur des parties avec compte : ", "Mejor jugador de partidas con cuenta: ", "帳戶對局最佳玩家：", "Miglior giocatore delle partite con account: ", "Nejlepší hráč her s účtem: ", "アカウント対戦の最優秀プレイヤー：", "계정 게임 최고의 플레이어: "};
inline constexpr PhraseForms OnlineTournament{"Online-Tournament", "Онлайн-турнир", "Online-Turnier", "Tournoi en ligne", "Torneo en línea", "線上錦標賽", "Torneo online", "Online turnaj", "オンライン大会", "온라인 토너먼트"};

} // namespace halvane::ph
