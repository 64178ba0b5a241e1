#include "tool/sample/vocabulary.h"

#include <array>

namespace orvelis::sample {
namespace {

constexpr std::string_view kEnglish[] = {
    "the", "of", "and", "to", "in", "is", "that", "a", "be", "as", "which", "his", "this", "by", "with", "for",
    "are", "all", "it", "not", "on", "from", "was", "he", "these", "who", "have", "man", "or", "will", "an",
    "their", "they", "been", "life", "such", "those", "its", "more", "one", "has", "universe", "spirit", "you",
    "were", "there", "when", "we", "him", "world", "can", "being", "them", "so", "time", "mind", "would", "do",
    "said", "must", "may", "many", "through", "into", "love", "truth", "people", "every", "only", "even",
    "eternal", "divine", "human", "while", "what", "after", "personal", "great", "other", "our", "upon",
    "mortal", "new", "also", "first", "light", "power", "between", "kingdom", "work", "soul", "days", "should",
    "about", "own", "could", "now", "way", "then", "nature", "order", "realms", "beings", "higher", "material",
    "before", "reality", "without", "experience", "like", "heaven", "each", "children", "other", "wisdom",
    "because", "faith", "day", "came", "always", "never", "over", "most", "good", "knowledge", "peace",
    "brothers", "again", "among", "well", "under", "until", "whole", "teaching", "apostles", "city", "word",
    "men", "where", "same", "very", "long", "presence", "morning", "evening", "house", "temple", "water",
    "bread", "mountain", "river", "sea", "road", "village", "family", "mother", "son", "daughter", "friend",
    "friends", "followers", "purpose", "meaning", "beauty", "goodness", "mercy", "justice", "worship", "prayer",
    "service", "ministry", "growth", "progress", "ascension", "destiny", "history", "ages", "generation",
    "stars", "planets", "systems", "circuits", "energy", "gravity", "space", "center", "origin", "plan",
    "will", "choice", "freedom", "courage", "patience", "loyalty", "sincerity", "understanding", "insight",
    "revelation", "record", "records", "story", "journey", "spoke", "taught", "answered", "asked", "went",
    "returned", "entered", "departed", "remained", "found", "saw", "heard", "believed", "followed", "walked",
    "sat", "stood", "looked", "knew", "told", "gave", "received", "began", "continued", "finished", "living",
    "creative", "infinite", "supreme", "universal", "local", "spiritual", "moral", "intellectual", "physical",
    "ancient", "early", "later", "quiet", "bright", "simple", "deep", "true", "real", "wise", "humble",
    "gentle", "strong", "weak", "young", "old", "little", "small", "whole", "certain", "several", "however",
    "therefore", "indeed", "perhaps", "together", "alone", "here", "today", "tomorrow", "yesterday", "soon",
};

constexpr std::string_view kRussian[] = {
    "и", "в", "не", "что", "на", "с", "как", "это", "он", "к", "по", "все", "его", "но", "так", "от",
    "который", "для", "был", "их", "они", "из", "же", "то", "бы", "за", "была", "было", "были", "только",
    "жизнь", "жизни", "человек", "человека", "люди", "людей", "дух", "духа", "вселенной", "вселенная",
    "мир", "мира", "время", "времени", "разум", "разума", "истина", "истины", "любовь", "любви", "свет",
    "света", "вечный", "вечной", "божественный", "божественной", "смертный", "смертных", "царство",
    "царства", "небесного", "отец", "отца", "сын", "сына", "душа", "души", "вера", "веры", "мудрость",
    "мудрости", "знание", "знания", "мир", "покой", "дом", "дома", "храм", "храма", "вода", "воды", "хлеб",
    "гора", "горы", "река", "море", "дорога", "дороги", "деревня", "семья", "семьи", "мать", "матери",
    "брат", "братья", "друг", "друзья", "ученики", "учеников", "апостолы", "апостолов", "народ", "народа",
    "город", "города", "слово", "слова", "день", "дня", "дни", "утро", "вечер", "вечера", "ночь", "ночи",
    "цель", "смысл", "красота", "красоты", "добро", "добра", "милосердие", "справедливость", "поклонение",
    "молитва", "молитвы", "служение", "служения", "рост", "прогресс", "восхождение", "судьба", "история",
    "эпоха", "поколение", "звезды", "планеты", "системы", "энергия", "пространство", "центр", "начало",
    "план", "воля", "воли", "выбор", "свобода", "свободы", "мужество", "терпение", "верность", "искренность",
    "понимание", "откровение", "откровения", "запись", "рассказ", "путь", "пути", "сказал", "говорил",
    "учил", "ответил", "спросил", "пошел", "вернулся", "вошел", "ушел", "остался", "нашел", "увидел",
    "услышал", "поверил", "последовал", "шел", "сидел", "стоял", "смотрел", "знал", "рассказал", "дал",
    "получил", "начал", "продолжал", "закончил", "живой", "живая", "творческий", "бесконечный",
    "высший", "всеобщий", "местной", "духовный", "духовной", "нравственный", "физический", "древний",
    "ранний", "поздний", "тихий", "светлый", "простой", "глубокий", "истинный", "реальный", "мудрый",
    "смиренный", "кроткий", "сильный", "слабый", "молодой", "старый", "малый", "целый", "некоторые",
    "однако", "поэтому", "действительно", "возможно", "вместе", "один", "одна", "здесь", "сегодня", "завтра",
    "вчера", "скоро", "всегда", "никогда", "снова", "среди", "между", "через", "после", "перед", "когда",
    "где", "если", "чтобы", "потому", "также", "уже", "еще", "очень", "более", "может", "должен", "будет",
    "есть", "нет", "этот", "эта", "эти", "тот", "та", "те", "свой", "своей", "своих", "каждый", "каждого",
};

// Title words in both languages, each Russian noun with its genitive and gender and each
// adjective in the forms that agree with them, so that a title can be said in either language.
constexpr TitleNoun kTitleNouns[] = {
    {"Father", "отец", "отца", kMasculine},           {"Universe", "вселенная", "вселенной", kFeminine},
    {"Light", "свет", "света", kMasculine},           {"Spirit", "дух", "духа", kMasculine},
    {"Kingdom", "царство", "царства", kNeuter},       {"Life", "жизнь", "жизни", kFeminine},
    {"Mind", "разум", "разума", kMasculine},          {"Truth", "истина", "истины", kFeminine},
    {"Wisdom", "мудрость", "мудрости", kFeminine},    {"Faith", "вера", "веры", kFeminine},
    {"Sources", "источники", "источников", kPlural},  {"Circuits", "контуры", "контуров", kPlural},
    {"Creators", "творцы", "творцов", kPlural},       {"Sons", "сыны", "сынов", kPlural},
    {"Worlds", "миры", "миров", kPlural},             {"Ages", "эпохи", "эпох", kPlural},
    {"Realms", "сферы", "сфер", kPlural},             {"Ministry", "служение", "служения", kNeuter},
    {"Destiny", "судьба", "судьбы", kFeminine},       {"Journey", "путь", "пути", kMasculine},
    {"Teachings", "учения", "учений", kPlural},       {"Hills", "холмы", "холмов", kPlural},
    {"Shores", "берега", "берегов", kPlural},         {"Family", "семья", "семьи", kFeminine},
    {"Apostles", "апостолы", "апостолов", kPlural},   {"Mission", "миссия", "миссии", kFeminine},
    {"Rivers", "реки", "рек", kPlural},               {"Brotherhood", "братство", "братства", kNeuter},
    {"Worship", "поклонение", "поклонения", kNeuter}, {"Harvest", "жатва", "жатвы", kFeminine},
};
constexpr TitleAdjective kTitleAdjectives[] = {
    {"Universal", {"всеобщий", "всеобщая", "всеобщее", "всеобщие"}},
    {"Eternal", {"вечный", "вечная", "вечное", "вечные"}},
    {"Infinite", {"бесконечный", "бесконечная", "бесконечное", "бесконечные"}},
    {"Central", {"центральный", "центральная", "центральное", "центральные"}},
    {"Local", {"местный", "местная", "местное", "местные"}},
    {"Spiritual", {"духовный", "духовная", "духовное", "духовные"}},
    {"Early", {"ранний", "ранняя", "раннее", "ранние"}},
    {"Later", {"поздний", "поздняя", "позднее", "поздние"}},
    {"Quiet", {"тихий", "тихая", "тихое", "тихие"}},
    {"Great", {"великий", "великая", "великое", "великие"}},
    {"Supreme", {"высочайший", "высочайшая", "высочайшее", "высочайшие"}},
    {"Living", {"живой", "живая", "живое", "живые"}},
    {"Bright", {"светлый", "светлая", "светлое", "светлые"}},
    {"Ancient", {"древний", "древняя", "древнее", "древние"}},
    {"Final", {"последний", "последняя", "последнее", "последние"}},
    {"Inner", {"внутренний", "внутренняя", "внутреннее", "внутренние"}},
    {"Higher", {"высший", "высшая", "высшее", "высшие"}},
    {"Creative", {"творческий", "творческая", "творческое", "творческие"}},
    {"Divine", {"божественный", "божественная", "божественное", "божественные"}},
    {"Human", {"человеческий", "человеческая", "человеческое", "человеческие"}},
};
constexpr std::string_view kEnglishNames[] = {
    "Andrew", "Peter", "James", "John", "Philip", "Nathaniel", "Matthew", "Thomas", "Simon", "Judas",
    "Mary", "Martha", "Lazarus", "Joseph", "Elizabeth", "Zacharias", "Abner", "David",
};
constexpr std::string_view kRussianNames[] = {
    "Андрей", "Петр", "Иаков", "Иоанн", "Филипп", "Нафанаил", "Матфей", "Фома", "Симон", "Иуда",
    "Мария", "Марфа", "Лазарь", "Иосиф", "Елисавета", "Захария", "Авенир", "Давид",
};

}  // namespace

std::span<const std::string_view> EnglishWords() { return kEnglish; }
std::span<const std::string_view> RussianWords() { return kRussian; }
std::span<const TitleNoun> TitleNouns() { return kTitleNouns; }
std::span<const TitleAdjective> TitleAdjectives() { return kTitleAdjectives; }
std::span<const std::string_view> EnglishNames() { return kEnglishNames; }
std::span<const std::string_view> RussianNames() { return kRussianNames; }

}  // namespace orvelis::sample
