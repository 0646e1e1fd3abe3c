#pragma once
// The desk calendar: months (in the genitive where a language has one, as
// they follow the day number), zodiac signs, the animal years, the holiday
// tags and the anniversary suffix.
// Forms in the order of LanguageIndex: Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze, Jap, Kor.

#include "table/PhraseForms.h"

#include <array>

namespace halvane::ph {

inline constexpr PhraseForms January{"January", "Января", "Januar", "Janvier", "Enero", "一月", "Gennaio", "Ledna", "1月", "1월"};
inline constexpr PhraseForms February{"February", "Февраля", "Februar", "Février", "Febrero", "二月", "Febbraio", "Února", "2月", "2월"};
inline constexpr PhraseForms March{"March", "Марта", "März", "Mars", "Marzo", "三月", "Marzo", "Března", "3月", "3월"};
inline constexpr PhraseForms April{"April", "Апреля", "April", "Avril", "Abril", "四月", "Aprile", "Dubna", "4月", "4월"};
inline constexpr PhraseForms May{"May", "Мая", "Mai", "Mai", "Mayo", "五月", "Maggio", "Května", "5月", "5월"};
inline constexpr PhraseForms June{"June", "Июня", "Juni", "Juin", "Junio", "六月", "Giugno", "Června", "6月", "6월"};
inline constexpr PhraseForms July{"July", "Июля", "Juli", "Juillet", "Julio", "七月", "Luglio", "Července", "7月", "7월"};
inline constexpr PhraseForms August{"August", "Августа", "August", "Août", "Agosto", "八月", "Agosto", "Srpna", "8月", "8월"};
inline constexpr PhraseForms September{"September", "Сентября", "September", "Septembre", "Septiembre", "九月", "Settembre", "Září", "9月", "9월"};
inline constexpr PhraseForms October{"October", "Октября", "Oktober", "Octobre", "Octubre", "十月", "Ottobre", "Října", "10月", "10월"};
inline constexpr PhraseForms November{"November", "Ноября", "November", "Novembre", "Noviembre", "十一月", "Novembre", "Listopadu", "11月", "11월"};
inline constexpr PhraseForms December{"December", "Декабря", "Dezember", "Décembre", "Diciembre", "十二月", "Dicembre", "Prosince", "12月", "12월"};

inline constexpr PhraseForms Aries{"Aries", "Овен", "Widder", "Bélier", "Aries", "牡羊座", "Ariete", "Beran", "牡羊座", "양자리"};
inline constexpr PhraseForms Taurus{"Taurus", "Телец", "Stier", "Taureau", "Tauro", "金牛座", "Toro", "Býk", "牡牛座", "황소자리"};
inline constexpr PhraseForms Gemini{"Gemini", "Близнецы", "Zwillinge", "Gémeaux", "Géminis", "雙子座", "Gemelli", "Blíženci", "双子座", "쌍둥이자리"};
inline constexpr PhraseForms Cancer{"Cancer", "Рак", "Krebs", "Cancer", "Cáncer", "巨蟹座", "Cancro", "Rak", "蟹座", "게자리"};
inline constexpr PhraseForms Leo{"Leo", "Лев", "Löwe", "Lion", "Leo", "獅子座", "Leone", "Lev", "獅子座", "사자자리"};
inline constexpr PhraseForms Virgo{"Virgo", "Дева", "Jungfrau", "Vierge", "Virgo", "處女座", "Vergine", "Panna", "乙女座", "처녀자리"};
inline constexpr PhraseForms Libra{"Libra", "Весы", "Waage", "Balance", "Libra", "天秤座", "Bilancia", "Váhy", "天秤座", "천칭자리"};
inline constexpr PhraseForms Scorpio{"Scorpio", "Скорпион", "Skorpion", "Scorpion", "Escorpio", "天蠍座", "Scorpione", "Štír", "蠍座", "전갈자리"};
inline constexpr PhraseForms Sagittarius{"Sagittarius", "Стрелец", "Schütze", "Sagittaire", "Sagitario", "射手座", "Sagittario", "Střelec", "射手座", "궁수자리"};
inline constexpr PhraseForms Capricorn{"Capricorn", "Козерог", "Steinbock", "Capricorne", "Capricornio", "摩羯座", "Capricorno", "Kozoroh", "山羊座", "염소자리"};
inline constexpr PhraseForms Aquarius{"Aquarius", "Водолей", "Wassermann", "Verseau", "Acuario", "水瓶座", "Acquario", "Vodnář", "水瓶座", "물병자리"};
inline constexpr PhraseForms Pisces{"Pisces", "Рыбы", "Fische", "Poissons", "Piscis", "雙魚座", "Pesci", "Ryby", "魚座", "물고기자리"};

inline constexpr PhraseForms YearOfTheRat{"Year Of The Rat", "Год Крысы", "Jahr der Ratte", "Année du Rat", "Año de la Rata", "鼠年", "Anno del Topo", "Rok krysy", "子年", "쥐의 해"};
inline constexpr PhraseForms YearOfTheOx{"Year Of The Ox", "Год Быка", "Jahr des Büffels", "Année du Buffle", "Año del Buey", "牛年", "Anno del Bue", "Rok buvola", "丑年", "소의 해"};
inline constexpr PhraseForms YearOfTheTiger{"Year Of The Tiger", "Год Тигра", "Jahr des Tigers", "Année du Tigre", "Año del Tigre", "虎年", "Anno della Tigre", "Rok tygra", "寅年", "호랑이의 해"};
inline constexpr PhraseForms YearOfTheRabbit{"Year Of The Rabbit", "Год Кролика", "Jahr des Hasen", "Année du Lapin", "Año del Conejo", "兔年", "Anno del Coniglio", "Rok králíka", "卯年", "토끼의 해"};
inline constexpr PhraseForms YearOfTheDragon{"Year Of The Dragon", "Год Дракона", "Jahr des Drachen", "Année du Dragon", "Año del Dragón", "龍年", "Anno del Drago", "Rok draka", "辰年", "용의 해"};
inline constexpr PhraseForms YearOfTheSnake{"Year Of The Snake", "Год Змеи", "Jahr der Schlange", "Année du Serpent", "Año de la Serpiente", "蛇年", "Anno del Serpente", "Rok hada", "巳年", "뱀의 해"};
inline constexpr PhraseForms YearOfTheHorse{"Year Of The Horse", "Год Лошади", "Jahr des Pferdes", "Année du Cheval", "Año del Caballo", "馬年", "Anno del Cavallo", "Rok koně", "午年", "말의 해"};
inline constexpr PhraseForms YearOfTheGoat{"Year Of The Goat", "Год Козы", "Jahr der Ziege", "Année de la Chèvre", "Año de la Cabra", "羊年", "Anno della Capra", "Rok kozy", "未年", "양의 해"};
inline constexpr PhraseForms YearOfTheMonkey{"Year Of The Monkey", "Год Обезьяны", "Jahr des Affen", "Année du Singe", "Año del Mono", "猴年", "Anno della Scimmia", "Rok opice", "申年", "원숭이의 해"};
inline constexpr PhraseForms YearOfTheRooster{"Year Of The Rooster", "Год Петуха", "Jahr des Hahns", "Année du Coq", "Año del Gallo", "雞年", "Anno del Gallo", "Rok kohouta", "酉年", "닭의 해"};
inline constexpr PhraseForms YearOfTheDog{"Year Of The Dog", "Год Собаки", "Jahr des Hundes", "Année du Chien", "Año del Perro", "狗年", "Anno del Cane", "Rok psa", "戌年", "개의 해"};
inline constexpr PhraseForms YearOfThePig{"Year Of The Pig", "Год Свиньи", "Jahr des Schweins", "Année du Cochon", "Año del Cerdo", "豬年", "Anno del Maiale", "Rok vepře", "亥年", "돼지의 해"};

// Tag phrases of the holiday rows: "ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT".
inline constexpr PhraseForms HolidayUk{"Holiday UK", "Праздник Великобритании", "Feiertag in Großbritannien", "Fête au Royaume-Uni", "Fiesta del Reino Unido", "英國節日", "Festa del Regno Unito", "Svátek Velké Británie", "イギリスの祝日", "영국 공휴일"};
inline constexpr PhraseForms RussianFestival{"Russian Festival", "Праздник России", "Russischer Feiertag", "Fête russe", "Fiesta rusa", "俄羅斯節日", "Festa russa", "Ruský svátek", "ロシアの祝日", "러시아 명절"};
inline constexpr PhraseForms GermanHoliday{"German holiday", "Праздник Германии", "Deutscher Feiertag", "Fête allemande", "Fiesta alemana", "德國節日", "Festa tedesca", "Německý svátek", "ドイツの祝日", "독일 공휴일"};
inline constexpr PhraseForms FrenchHoliday{"French holiday", "Праздник Франции", "Französischer Feiertag", "Fête française", "Fiesta francesa", "法國節日", "Festa francese", "Francouzský svátek", "フランスの祝日", "프랑스 공휴일"};
inline constexpr PhraseForms SpanishHoliday{"Spanish holiday", "Праздник Испании", "Spanischer Feiertag", "Fête espagnole", "Fiesta española", "西班牙節日", "Festa spagnola", "Španělský svátek", "スペインの祝日", "스페인 공휴일"};
inline constexpr PhraseForms HolidayUnitedStates{"Holiday United States", "Праздник США", "Feiertag in den USA", "Fête aux États-Unis", "Fiesta de Estados Unidos", "美國節日", "Festa degli Stati Uniti", "Svátek USA", "アメリカの祝日", "미국 공휴일"};
inline constexpr PhraseForms OrthodoxHoliday{"The Orthodox holiday", "Православный праздник", "Orthodoxer Feiertag", "Fête orthodoxe", "Fiesta ortodoxa", "東正教節日", "Festa ortodossa", "Pravoslavný svátek", "正教会の祝日", "정교회 축일"};
inline constexpr PhraseForms CatholicFeast{"Catholic feast", "Католический праздник", "Katholischer Feiertag", "Fête catholique", "Fiesta católica", "天主教節日", "Festa cattolica", "Katolický svátek", "カトリックの祝日", "가톨릭 축일"};
// Follows the age number without a blank.
inline constexpr PhraseForms AnniversarySuffix{"-th anniversary", "-я годовщина", ". Jahrestag", "e anniversaire", "º aniversario", " 週年", "º anniversario", ". výročí", "周年", "주년"};

// The months in calendar order, for look-up by month number - 1.
inline constexpr std::array<const PhraseForms *, 12> MonthNames{
    &January, &February, &March, &April, &May, &June,
    &July, &August, &September, &October, &November, &December};
inline constexpr std::array<const PhraseForms *, 12> ZodiacNames{
    &Aries, &Taurus, &Gemini, &Cancer, &Leo, &Virgo,
    &Libra, &Scorpio, &Sagittarius, &Capricorn, &Aquarius, &Pisces};
// In the order of the twelve-year cycle, starting with the rat.
inline constexpr std::array<const PhraseForms *, 12> AnimalYearNames{
    &YearOfTheRat, &YearOfTheOx, &YearOfTheTiger, &YearOfTheRabbit, &YearOfTheDragon, &YearOfTheSnake,
    &YearOfTheHorse, &YearOfTheGoat, &YearOfTheMonkey, &YearOfTheRooster, &YearOfTheDog, &YearOfThePig};

} // namespace halvane::ph
