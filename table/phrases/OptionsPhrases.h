#pragma once
// The options dialog: its pages, and the names of the decks, backs, table
// backgrounds, colours and designs it offers.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms General{"General", "Общие", "Allgemein", "Général", "General", "一般", "Generale", "Obecné", "一般", "일반"};
inline constexpr PhraseForms Multimedia{"Multimedia", "Мультимедиа", "Multimedia", "Multimédia", "Multimedia", "多媒體", "Multimedia", "Multimédia", "マルチメディア", "멀티미디어"};
inline constexpr PhraseForms Sound{"Sound", "Звук", "Ton", "Son", "Sonido", "音效", "Suono", "Zvuk", "サウンド", "소리"};
inline constexpr PhraseForms Music{"Music", "Музыка", "Musik", "Musique", "Música", "音樂", "Musica", "Hudba", "音楽", "음악"};
inline constexpr PhraseForms Cards{"Cards", "Карты", "Karten", "Cartes", "Cartas", "紙牌", "Carte", "Karty", "カード", "카드"};
inline constexpr PhraseForms Decks{"Decks", "Колоды", "Kartendecks", "Jeux de cartes", "Barajas", "牌組", "Mazzi", "Balíčky", "デッキ", "덱"};
inline constexpr PhraseForms Fonts{"Fonts", "Шрифты", "Schriften", "Polices", "Fuentes", "字型", "Caratteri", "Písma", "フォント", "글꼴"};
inline constexpr PhraseForms Main{"Main", "Основной", "Haupt", "Principale", "Principal", "主要", "Principale", "Hlavní", "メイン", "기본"};
inline constexpr PhraseForms Minor{"Minor", "Дополнительный", "Neben", "Secondaire", "Secundaria", "次要", "Secondario", "Vedlejší", "サブ", "보조"};
inline constexpr PhraseForms SmallWindow{"Small window", "Маленькое окно", "Kleines Fenster", "Petite fenêtre", "Ventana pequeña", "小視窗", "Finestra piccola", "Malé okno", "小さいウィンドウ", "작은 창"};
inline constexpr PhraseForms AverageWindow1{"Average window 1", "Среднее окно 1", "Mittleres Fenster 1", "Fenêtre moyenne 1", "Ventana mediana 1", "中視窗 1", "Finestra media 1", "Střední okno 1", "中くらいのウィンドウ 1", "중간 창 1"};
inline constexpr PhraseForms AverageWindow2{"Average window 2", "Среднее окно 2", "Mittleres Fenster 2", "Fenêtre moyenne 2", "Ventana mediana 2", "中視窗 2", "Finestra media 2", "Střední okno 2", "中くらいのウィンドウ 2", "중간 창 2"};
inline constexpr PhraseForms LargeWindow{"Large window", "Большое окно", "Großes Fenster", "Grande fenêtre", "Ventana grande", "大視窗", "Finestra grande", "Velké okno", "大きいウィンドウ", "큰 창"};
inline constexpr PhraseForms FullScreen{"Full screen", "Полный экран", "Vollbild", "Plein écran", "Pantalla completa", "全螢幕", "Schermo intero", "Celá obrazovka", "全画面", "전체 화면"};
inline constexpr PhraseForms CantSaveOptions{"Can`t save options!", "Не удалось сохранить настройки!", "Optionen können nicht gespeichert werden!", "Impossible d`enregistrer les options !", "¡No se pueden guardar las opciones!", "無法儲存選項！", "Impossibile salvare le opzioni!", "Nastavení nelze uložit!", "オプションを保存できません！", "옵션을 저장할 수 없습니다!"};
inline constexpr PhraseForms Multiplayer{"Multiplayer", "Сетевая игра", "Mehrspieler", "Multijoueur", "Multijugador", "多人遊戲", "Multigiocatore", "Hra více hráčů", "マルチプレイ", "멀티플레이"};
inline constexpr PhraseForms Modification{"Modification", "Модификация", "Variante", "Variante", "Variante", "變體", "Variante", "Varianta", "バリエーション", "변형"};
inline constexpr PhraseForms ToChangeDecks{"To change decks", "Менять колоды", "Kartendecks wechseln", "Changer de jeu de cartes", "Cambiar de baraja", "更換牌組", "Cambia mazzo", "Měnit balíčky", "デッキを変える", "덱 바꾸기"};
inline constexpr PhraseForms AlwaysOne{"Always one", "Всегда одна", "Immer dasselbe", "Toujours le même", "Siempre la misma", "始終同一副", "Sempre lo stesso", "Vždy jeden", "常に同じ", "항상 같은 덱"};
inline constexpr PhraseForms Random{"Random", "Случайно", "Zufällig", "Au hasard", "Al azar", "隨機", "Casuale", "Náhodně", "ランダム", "무작위"};
inline constexpr PhraseForms GifAnimation{"Gif-animation", "Gif-анимация", "GIF-Animation", "Animation GIF", "Animación GIF", "GIF 動畫", "Animazione GIF", "GIF animace", "GIFアニメーション", "GIF 애니메이션"};
inline constexpr PhraseForms FlyCards{"\"Fly\" cards", "\"Летающие\" карты", "\"Fliegende\" Karten", "Cartes \"volantes\"", "Cartas \"voladoras\"", "\"飛行\"紙牌", "Carte \"volanti\"", "\"Létající\" karty", "\"飛ぶ\"カード", "\"날아가는\" 카드"};
inline constexpr PhraseForms RedMouseCursor{"Red mouse cursor", "Красный курсор мыши", "Roter Mauszeiger", "Curseur de souris rouge", "Cursor del ratón rojo", "紅色滑鼠游標", "Cursore del mouse rosso", "Červený kurzor myši", "赤いマウスカーソル", "빨간 마우스 커서"};
inline constexpr PhraseForms NewButtons{"New buttons", "Новые кнопки", "Neue Schaltflächen", "Nouveaux boutons", "Botones nuevos", "新按鈕", "Nuovi pulsanti", "Nová tlačítka", "新しいボタン", "새 버튼"};
inline constexpr PhraseForms LargeFont{"Large font", "Крупный шрифт", "Große Schrift", "Grande police", "Fuente grande", "大字型", "Carattere grande", "Velké písmo", "大きいフォント", "큰 글꼴"};
inline constexpr PhraseForms SmallFont{"Small font", "Мелкий шрифт", "Kleine Schrift", "Petite police", "Fuente pequeña", "小字型", "Carattere piccolo", "Malé písmo", "小さいフォント", "작은 글꼴"};
inline constexpr PhraseForms SpecialFont{"Special font", "Особый шрифт", "Spezielle Schrift", "Police spéciale", "Fuente especial", "特殊字型", "Carattere speciale", "Zvláštní písmo", "特別なフォント", "특수 글꼴"};
inline constexpr PhraseForms ScalePercent{"Scale, %", "Масштаб, %", "Maßstab, %", "Échelle, %", "Escala, %", "縮放，%", "Scala, %", "Měřítko, %", "拡大率、%", "배율, %"};
inline constexpr PhraseForms Default{"Default", "По умолчанию", "Standard", "Par défaut", "Predeterminado", "預設", "Predefinito", "Výchozí", "既定", "기본값"};
inline constexpr PhraseForms FontsWarning{
    "Attention!\n\rThese installations should be changed only in case of incorrect map of fonts!",
    "Внимание!\n\rЭти установки следует менять только при неправильном отображении шрифтов!",
    "Achtung!\n\rDiese Einstellungen nur ändern, wenn die Schriften falsch angezeigt werden!",
    "Attention !\n\rNe modifiez ces réglages que si les polices s`affichent mal !",
    "¡Atención!\n\rCambie estos ajustes solo si las fuentes se muestran mal.",
    "注意！\n\r只有在字型顯示不正確時才需更改這些設定！",
    "Attenzione!\n\rModificare queste impostazioni solo se i caratteri sono visualizzati male!",
    "Pozor!\n\rTato nastavení měňte pouze při nesprávném zobrazení písem!",
    "注意！\n\rフォントが正しく表示されない場合にのみ変更してください！",
    "주의!\n\r글꼴이 제대로 표시되지 않을 때만 이 설정을 바꾸세요!"};
inline constexpr PhraseForms SaveGames{"Save games", "Сохранять игры", "Spiele speichern", "Enregistrer les parties", "Guardar partidas", "儲存遊戲", "Salva le partite", "Ukládat hry", "ゲームを保存", "게임 저장"};
inline constexpr PhraseForms SaveGamesAsGifs{"Save games as GIFs", "Сохранять игры в GIF", "Spiele als GIF speichern", "Enregistrer les parties en GIF", "Guardar partidas como GIF", "將遊戲儲存為 GIF", "Salva le partite come GIF", "Ukládat hry jako GIF", "ゲームをGIFで保存", "게임을 GIF로 저장"};
inline constexpr PhraseForms SaveMainWindowOnly{"Save contents of only the main window", "Сохранять только главное окно", "Nur das Hauptfenster speichern", "Enregistrer seulement la fenêtre principale", "Guardar solo la ventana principal", "只儲存主視窗內容", "Salva solo la finestra principale", "Ukládat jen hlavní okno", "メインウィンドウのみ保存", "메인 창만 저장"};
inline constexpr PhraseForms SaveScreenContents{"Save screen contents", "Сохранять весь экран", "Den ganzen Bildschirm speichern", "Enregistrer tout l`écran", "Guardar toda la pantalla", "儲存整個螢幕內容", "Salva tutto lo schermo", "Ukládat celou obrazovku", "画面全体を保存", "전체 화면 저장"};
inline constexpr PhraseForms FrameDelay{"Delay between frames, msec.", "Пауза между кадрами, мс", "Pause zwischen Bildern, ms", "Délai entre les images, ms", "Pausa entre fotogramas, ms", "影格間隔，毫秒", "Pausa tra i fotogrammi, ms", "Prodleva mezi snímky, ms", "フレーム間隔、ミリ秒", "프레임 간격, ms"};
inline constexpr PhraseForms ReadingRadioList{"Reading the list of radio stations", "Чтение списка радиостанций", "Senderliste lesen", "Lecture de la liste des radios", "Lectura de la lista de emisoras", "讀取電台清單", "Lettura dell`elenco delle radio", "Načtení seznamu stanic", "ラジオ局リストの読み込み", "라디오 방송국 목록 읽기"};
inline constexpr PhraseForms FromTheServer{"From the server", "С сервера", "Vom Server", "Depuis le serveur", "Desde el servidor", "從伺服器", "Dal server", "Ze serveru", "サーバーから", "서버에서"};
inline constexpr PhraseForms FromDisk{"From disk", "С диска", "Von der Festplatte", "Depuis le disque", "Desde el disco", "從磁碟", "Dal disco", "Z disku", "ディスクから", "디스크에서"};

// Decks and card backs.
inline constexpr PhraseForms Classical1{"Classical-1", "Классика-1", "Klassisch-1", "Classique-1", "Clásica-1", "經典-1", "Classico-1", "Klasická-1", "クラシック-1", "클래식-1"};
inline constexpr PhraseForms Medieval1{"Medieval-1", "Средневековье-1", "Mittelalter-1", "Médiéval-1", "Medieval-1", "中世紀-1", "Medievale-1", "Středověká-1", "中世-1", "중세-1"};
inline constexpr PhraseForms Modern{"Modern", "Модерн", "Modern", "Moderne", "Moderna", "現代", "Moderno", "Moderní", "モダン", "모던"};
inline constexpr PhraseForms AncientEgypt{"Ancient Egypt", "Древний Египет", "Altes Ägypten", "Égypte ancienne", "Antiguo Egipto", "古埃及", "Antico Egitto", "Starověký Egypt", "古代エジプト", "고대 이집트"};
inline constexpr PhraseForms Baronesse{"Baronesse", "Баронесса", "Baronesse", "Baronne", "Baronesa", "男爵夫人", "Baronessa", "Baronka", "男爵夫人", "남작 부인"};
inline constexpr PhraseForms Celtic{"Celtic", "Кельтские", "Keltisch", "Celtique", "Celta", "凱爾特", "Celtico", "Keltská", "ケルト", "켈트"};
inline constexpr PhraseForms Corona{"Corona", "Корона", "Corona", "Corona", "Corona", "Corona", "Corona", "Corona", "コロナ", "코로나"};
inline constexpr PhraseForms Crown{"Crown", "Венец", "Krone", "Couronne", "Corona real", "皇冠", "Corona reale", "Koruna", "クラウン", "크라운"};
inline constexpr PhraseForms EnglishPattern{"English Pattern", "Английский рисунок", "Englisches Bild", "Portrait anglais", "Patrón inglés", "英式牌面", "Disegno inglese", "Anglický vzor", "イギリス柄", "영국식 무늬"};
inline constexpr PhraseForms Frankfurt{"Frankfurt", "Франкфурт", "Frankfurt", "Francfort", "Fráncfort", "法蘭克福", "Francoforte", "Frankfurt", "フランクフルト", "프랑크푸르트"};
inline constexpr PhraseForms HistoricalCostumes{"Historical costumes", "Исторические костюмы", "Historische Kostüme", "Costumes historiques", "Trajes históricos", "歷史服飾", "Costumi storici", "Historické kostýmy", "歴史衣装", "역사 의상"};
inline constexpr PhraseForms NativeAmericans{"Native Americans", "Индейцы", "Indianer", "Amérindiens", "Nativos americanos", "美洲原住民", "Nativi americani", "Indiáni", "アメリカ先住民", "아메리카 원주민"};
inline constexpr PhraseForms OldGardenRoses{"Old Garden Roses", "Старинные розы", "Alte Gartenrosen", "Roses anciennes", "Rosas antiguas", "古典玫瑰", "Rose antiche", "Staré růže", "オールドローズ", "올드 가든 로즈"};
inline constexpr PhraseForms Parrots{"Parrots", "Попугаи", "Papageien", "Perroquets", "Loros", "鸚鵡", "Pappagalli", "Papoušci", "オウム", "앵무새"};
inline constexpr PhraseForms Royal{"Royal", "Королевские", "Königlich", "Royal", "Real", "皇家", "Reale", "Královská", "ロイヤル", "로열"};
inline constexpr PhraseForms Shakespeare{"Shakespeare", "Шекспир", "Shakespeare", "Shakespeare", "Shakespeare", "莎士比亞", "Shakespeare", "Shakespeare", "シェイクスピア", "셰익스피어"};
inline constexpr PhraseForms BigBen{"Big Ben", "Биг-Бен", "Big Ben", "Big Ben", "Big Ben", "大笨鐘", "Big Ben", "Big Ben", "ビッグ・ベン", "빅벤"};
inline constexpr PhraseForms FourReigns{"Four Reigns of English History", "Четыре царствования Англии", "Vier Herrscher Englands", "Quatre règnes de l`histoire anglaise", "Cuatro reinados ingleses", "英國歷史四朝", "Quattro regni della storia inglese", "Čtyři vlády anglických dějin", "英国史の四つの治世", "영국 역사의 네 왕조"};
inline constexpr PhraseForms LargePrintLondon{"Large Print London", "Лондон, крупный шрифт", "London, große Zeichen", "Londres gros caractères", "Londres letra grande", "倫敦大字版", "Londra caratteri grandi", "Londýn, velký tisk", "ロンドン大きな文字", "런던 큰 글씨"};
inline constexpr PhraseForms Classical2{"Classical-2", "Классика-2", "Klassisch-2", "Classique-2", "Clásica-2", "經典-2", "Classico-2", "Klasická-2", "クラシック-2", "클래식-2"};
inline constexpr PhraseForms DeckHearts{"Hearts", "Сердца", "Herzen", "Cœurs", "Corazones", "紅心", "Cuori", "Srdce", "ハート", "하트"};
inline constexpr PhraseForms Seasons{"Seasons", "Времена года", "Jahreszeiten", "Saisons", "Estaciones", "四季", "Stagioni", "Roční období", "四季", "사계절"};
inline constexpr PhraseForms RhineStyle{"Rhine Style", "Рейнский стиль", "Rheinischer Stil", "Style rhénan", "Estilo renano", "萊茵風格", "Stile renano", "Rýnský styl", "ライン風", "라인 스타일"};
inline constexpr PhraseForms Medieval2{"Medieval-2", "Средневековье-2", "Mittelalter-2", "Médiéval-2", "Medieval-2", "中世紀-2", "Medievale-2", "Středověká-2", "中世-2", "중세-2"};
inline constexpr PhraseForms Doods{"Doods", "Рисунки", "Kritzeleien", "Gribouillis", "Garabatos", "塗鴉", "Scarabocchi", "Čmáranice", "落書き", "낙서"};
inline constexpr PhraseForms Playboy{"Playboy", "Плейбой", "Playboy", "Playboy", "Playboy", "花花公子", "Playboy", "Playboy", "プレイボーイ", "플레이보이"};
inline constexpr PhraseForms Epic{"Epic", "Эпос", "Epos", "Épopée", "Épica", "史詩", "Epica", "Epos", "叙事詩", "서사시"};
inline constexpr PhraseForms Ussr{"USSR", "СССР", "UdSSR", "URSS", "URSS", "蘇聯", "URSS", "SSSR", "ソ連", "소련"};
inline constexpr PhraseForms Plastic{"Plastic", "Пластик", "Kunststoff", "Plastique", "Plástico", "塑膠", "Plastica", "Plast", "プラスチック", "플라스틱"};
inline constexpr PhraseForms SkatGerman{"Skat - German suits", "Скат - немецкие масти", "Skat - deutsches Blatt", "Skat - enseignes allemandes", "Skat - palos alemanes", "斯卡特 - 德式花色", "Skat - semi tedeschi", "Skat - německé barvy", "スカート - ドイツスート", "스카트 - 독일식 무늬"};
inline constexpr PhraseForms SkatTournament{"Skat - Tournament suits", "Скат - турнирные масти", "Skat - Turnierblatt", "Skat - enseignes de tournoi", "Skat - palos de torneo", "斯卡特 - 比賽花色", "Skat - semi da torneo", "Skat - turnajové barvy", "スカート - トーナメントスート", "스카트 - 토너먼트 무늬"};
inline constexpr PhraseForms SkatFrench{"Skat - French suits", "Скат - французские масти", "Skat - französisches Blatt", "Skat - enseignes françaises", "Skat - palos franceses", "斯卡特 - 法式花色", "Skat - semi francesi", "Skat - francouzské barvy", "スカート - フランススート", "스카트 - 프랑스식 무늬"};
inline constexpr PhraseForms WhitePalekh{"White palekh", "Белый палех", "Weißes Palech", "Palekh blanc", "Palej blanco", "白色帕列赫", "Palech bianco", "Bílý Palech", "白いパレフ", "하얀 팔레흐"};
inline constexpr PhraseForms Diana{"Diana", "Диана", "Diana", "Diane", "Diana", "黛安娜", "Diana", "Diana", "ダイアナ", "다이애나"};
inline constexpr PhraseForms Princely{"Princely", "Княжеские", "Fürstlich", "Princier", "Principesca", "王子", "Principesco", "Knížecí", "王侯", "왕자풍"};
inline constexpr PhraseForms ForSolitaires{"For solitaires", "Для пасьянсов", "Für Patiencen", "Pour réussites", "Para solitarios", "接龍用", "Per solitari", "Pro pasiáns", "ソリティア用", "솔리테어용"};
inline constexpr PhraseForms Satin{"Satin", "Атлас", "Satin", "Satin", "Satén", "緞面", "Raso", "Satén", "サテン", "새틴"};
inline constexpr PhraseForms Slavic{"Slavic", "Славянские", "Slawisch", "Slave", "Eslava", "斯拉夫", "Slavo", "Slovanská", "スラブ", "슬라브"};
inline constexpr PhraseForms Maya{"Maya", "Майя", "Maya", "Maya", "Maya", "瑪雅", "Maya", "Mayové", "マヤ", "마야"};
inline constexpr PhraseForms Bast{"Bast", "Лыко", "Bast", "Raphia", "Rafia", "樹皮", "Rafia", "Lýko", "樹皮", "인피"};
inline constexpr PhraseForms French{"French", "Французские", "Französisch", "Français", "Francesa", "法式", "Francese", "Francouzská", "フランス", "프랑스식"};
inline constexpr PhraseForms Spanish1{"Spanish 1", "Испанские 1", "Spanisch 1", "Espagnol 1", "Española 1", "西班牙式 1", "Spagnolo 1", "Španělská 1", "スペイン 1", "스페인식 1"};
inline constexpr PhraseForms Spanish2{"Spanish 2", "Испанские 2", "Spanisch 2", "Espagnol 2", "Española 2", "西班牙式 2", "Spagnolo 2", "Španělská 2", "スペイン 2", "스페인식 2"};
inline constexpr PhraseForms Spanish3{"Spanish 3", "Испанские 3", "Spanisch 3", "Espagnol 3", "Española 3", "西班牙式 3", "Spagnolo 3", "Španělská 3", "スペイン 3", "스페인식 3"};
inline constexpr PhraseForms Spanish4{"Spanish 4", "Испанские 4", "Spanisch 4", "Espagnol 4", "Española 4", "西班牙式 4", "Spagnolo 4", "Španělská 4", "スペイン 4", "스페인식 4"};
inline constexpr PhraseForms Chinese{"Chinese", "Китайские", "Chinesisch", "Chinois", "China", "中式", "Cinese", "Čínská", "中国", "중국식"};
inline constexpr PhraseForms Italian{"Italian", "Итальянские", "Italienisch", "Italien", "Italiana", "義式", "Italiano", "Italská", "イタリア", "이탈리아식"};
inline constexpr PhraseForms Czech{"Czech", "Чешские", "Tschechisch", "Tchèque", "Checa", "捷克式", "Ceco", "Česká", "チェコ", "체코식"};
inline constexpr PhraseForms Animals{"Animals", "Животные", "Tiere", "Animaux", "Animales", "動物", "Animali", "Zvířata", "動物", "동물"};
inline constexpr PhraseForms Flowers{"Flowers", "Цветы", "Blumen", "Fleurs", "Flores", "花卉", "Fiori", "Květiny", "花", "꽃"};
inline constexpr PhraseForms Other{"Other", "Другие", "Andere", "Autres", "Otros", "其他", "Altro", "Ostatní", "その他", "기타"};
inline constexpr PhraseForms Russian{"Russian", "Русские", "Russisch", "Russe", "Rusa", "俄式", "Russo", "Ruská", "ロシア", "러시아식"};
inline constexpr PhraseForms Places{"Places", "Места", "Orte", "Lieux", "Lugares", "地方", "Luoghi", "Místa", "名所", "명소"};
inline constexpr PhraseForms Carpet{"Carpet", "Ковёр", "Teppich", "Tapis", "Alfombra", "地毯", "Tappeto", "Koberec", "カーペット", "카펫"};
inline constexpr PhraseForms Cross{"Cross", "Крест", "Kreuz", "Croix", "Cruz", "十字", "Croce", "Kříž", "十字", "십자"};
inline constexpr PhraseForms Chess{"Chess", "Шахматы", "Schach", "Échecs", "Ajedrez", "西洋棋", "Scacchi", "Šachy", "チェス", "체스"};
inline constexpr PhraseForms Diamond{"Diamond", "Ромб", "Raute", "Losange", "Rombo", "菱形", "Rombo", "Kosočtverec", "ひし形", "마름모"};
inline constexpr PhraseForms Knightly{"Knightly", "Рыцарские", "Ritterlich", "Chevaleresque", "Caballeresca", "騎士", "Cavalleresco", "Rytířská", "騎士", "기사"};

// Table backgrounds and colours.
inline constexpr PhraseForms Bg{"BG", "Фон", "HG", "Fond", "Fondo", "背景", "Sfondo", "Pozadí", "背景", "배경"};
inline constexpr PhraseForms Background{"Background", "Фон", "Hintergrund", "Arrière-plan", "Fondo", "背景", "Sfondo", "Pozadí", "背景", "배경"};
inline constexpr PhraseForms Sun{"Sun", "Солнце", "Sonne", "Soleil", "Sol", "太陽", "Sole", "Slunce", "太陽", "태양"};
inline constexpr PhraseForms Felt{"Felt", "Сукно", "Filz", "Feutre", "Fieltro", "毛氈", "Feltro", "Plsť", "フェルト", "펠트"};
inline constexpr PhraseForms Gradient{"Gradient", "Градиент", "Verlauf", "Dégradé", "Degradado", "漸層", "Sfumatura", "Přechod", "グラデーション", "그라데이션"};
inline constexpr PhraseForms Cloth{"Cloth", "Ткань", "Stoff", "Tissu", "Tela", "布料", "Stoffa", "Látka", "布", "천"};
inline constexpr PhraseForms Tree{"Tree", "Дерево", "Holz", "Bois", "Madera", "木紋", "Legno", "Dřevo", "木目", "나무"};
inline constexpr PhraseForms Casino{"Casino", "Казино", "Kasino", "Casino", "Casino", "賭場", "Casinò", "Kasino", "カジノ", "카지노"};
inline constexpr PhraseForms Pattern{"Pattern", "Узор", "Muster", "Motif", "Estampado", "圖案", "Motivo", "Vzor", "模様", "무늬"};
inline constexpr PhraseForms Silk{"Silk", "Шёлк", "Seide", "Soie", "Seda", "絲綢", "Seta", "Hedvábí", "シルク", "실크"};
inline constexpr PhraseForms Ornament{"Ornament", "Орнамент", "Ornament", "Ornement", "Ornamento", "裝飾", "Ornamento", "Ornament", "装飾", "장식"};
inline constexpr PhraseForms Green{"Green", "Зелёный", "Grün", "Vert", "Verde", "綠色", "Verde", "Zelená", "緑", "초록"};
inline constexpr PhraseForms Red{"Red", "Красный", "Rot", "Rouge", "Rojo", "紅色", "Rosso", "Červená", "赤", "빨강"};
inline constexpr PhraseForms Orang{"Orang", "Оранжевый", "Orange", "Orange", "Naranja", "橙色", "Arancione", "Oranžová", "オレンジ", "주황"};
inline constexpr PhraseForms Violet{"Violet", "Фиолетовый", "Violett", "Violet", "Violeta", "紫色", "Viola", "Fialová", "紫", "보라"};
inline constexpr PhraseForms Yellow{"Yellow", "Жёлтый", "Gelb", "Jaune", "Amarillo", "黃色", "Giallo", "Žlutá", "黄", "노랑"};
inline constexpr PhraseForms LightBlue{"Light-Blue", "Голубой", "Hellblau", "Bleu clair", "Celeste", "淺藍色", "Azzurro", "Světle modrá", "水色", "하늘색"};
inline constexpr PhraseForms DarkBlue{"Dark Blue", "Синий", "Dunkelblau", "Bleu foncé", "Azul oscuro", "深藍色", "Blu scuro", "Tmavě modrá", "紺", "남색"};

// Designs of the windows.
inline constexpr PhraseForms Design{"Design", "Оформление", "Gestaltung", "Apparence", "Diseño", "外觀", "Aspetto", "Vzhled", "デザイン", "디자인"};
inline constexpr PhraseForms MainMenuDesign{"Main Menu Design", "Оформление главного меню", "Gestaltung des Hauptmenüs", "Apparence du menu principal", "Diseño del menú principal", "主選單外觀", "Aspetto del menu principale", "Vzhled hlavního menu", "メインメニューのデザイン", "메인 메뉴 디자인"};
inline constexpr PhraseForms GameTableDesign{"Game Table Design", "Оформление игрового стола", "Gestaltung des Spieltischs", "Apparence de la table de jeu", "Diseño de la mesa de juego", "遊戲桌外觀", "Aspetto del tavolo da gioco", "Vzhled herního stolu", "ゲームテーブルのデザイン", "게임 테이블 디자인"};
inline constexpr PhraseForms AuxiliaryWindowDesign{"Auxiliary Window Design", "Оформление вспомогательных окон", "Gestaltung der Nebenfenster", "Apparence des fenêtres auxiliaires", "Diseño de las ventanas auxiliares", "輔助視窗外觀", "Aspetto delle finestre ausiliarie", "Vzhled pomocných oken", "補助ウィンドウのデザイン", "보조 창 디자인"};
inline constexpr PhraseForms Customizable{"Customizable", "Настраиваемое", "Anpassbar", "Personnalisable", "Personalizable", "可自訂", "Personalizzabile", "Vlastní", "カスタマイズ", "사용자 지정"};
inline constexpr PhraseForms Purple{"Purple", "Пурпурное", "Purpur", "Pourpre", "Púrpura", "紫紅", "Porpora", "Purpurový", "パープル", "퍼플"};
inline constexpr PhraseForms GrayConcise{"Gray concise", "Серое лаконичное", "Grau schlicht", "Gris sobre", "Gris sobrio", "灰色簡約", "Grigio sobrio", "Šedý střídmý", "グレー シンプル", "회색 간결"};
inline constexpr PhraseForms GrayAristocratic{"Gray aristocratic", "Серое аристократичное", "Grau aristokratisch", "Gris aristocratique", "Gris aristocrático", "灰色貴族", "Grigio aristocratico", "Šedý aristokratický", "グレー 貴族風", "회색 귀족풍"};
inline constexpr PhraseForms GrayRedRibbons{"Gray with red ribbons", "Серое с красными лентами", "Grau mit roten Bändern", "Gris aux rubans rouges", "Gris con cintas rojas", "灰色紅緞帶", "Grigio con nastri rossi", "Šedý s červenými stuhami", "グレー 赤いリボン", "회색 빨간 리본"};
inline constexpr PhraseForms Salute{"Salute", "Салют", "Feuerwerk", "Feu d`artifice", "Fuegos artificiales", "煙火", "Fuochi d`artificio", "Ohňostroj", "花火", "불꽃놀이"};
inline constexpr PhraseForms Buttons{"Buttons", "Кнопки", "Schaltflächen", "Boutons", "Botones", "按鈕", "Pulsanti", "Tlačítka", "ボタン", "버튼"};

// The game page.
inline constexpr PhraseForms OrderedKing{"Ordered King", "Заказной Кинг", "Angesagter King", "King annoncé", "King con elección", "叫牌 King", "King a scelta", "Volený Král", "指定キング", "지정 킹"};
inline constexpr PhraseForms Duration{"Duration", "Продолжительность", "Dauer", "Durée", "Duración", "長度", "Durata", "Délka", "長さ", "길이"};
inline constexpr PhraseForms Long{"Long", "Длинная", "Lang", "Longue", "Larga", "長局", "Lunga", "Dlouhá", "ロング", "긴 게임"};
inline constexpr PhraseForms Short{"Short", "Короткая", "Kurz", "Courte", "Corta", "短局", "Breve", "Krátká", "ショート", "짧은 게임"};
inline constexpr PhraseForms Eralash{"Eralash", "Ералаш", "Eralasch", "Eralash", "Eralash", "大雜燴", "Eralash", "Eralaš", "エララシュ", "에랄라시"};
inline constexpr PhraseForms ToPlay{"To play", "Играть", "Spielen", "Jouer", "Jugar", "玩", "Giocare", "Hrát", "プレイする", "플레이"};
inline constexpr PhraseForms Skip{"Skip", "Пропустить", "Auslassen", "Passer", "Omitir", "略過", "Salta", "Vynechat", "スキップ", "건너뛰기"};

} // namespace halvane::ph
