#include "tool/sample/sample_book.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "book/book_tables.h"
#include "ground/utf8.h"
#include "tool/sample/vocabulary.h"

namespace orvelis::sample {
namespace {

// splitmix64: tiny, fully specified, identical on every platform (unlike the std distributions).
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool PerMille(int chance) { return Below(1000) < chance; }
  template <typename T>
  const T& Pick(std::span<const T> items) { return items[Below(static_cast<int>(items.size()))]; }

 private:
  std::uint64_t state_;
};

// Draws words with weight 1/(rank + 2), the shape of natural word frequencies.
class ZipfWords {
 public:
  explicit ZipfWords(std::span<const std::string_view> words) : words_(words) {
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
      total += 1'000'000 / (i + 2);
      cumulative_.push_back(total);
    }
  }
  std::string_view Draw(Rng& rng) const { return words_[DrawIndex(rng)]; }
  std::string_view Draw(std::size_t index) const { return words_[index]; }
  std::size_t DrawIndex(Rng& rng) const {
    const std::uint64_t x = rng.Next() % cumulative_.back();
    const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), x);
    return static_cast<std::size_t>(it - cumulative_.begin());
  }

 private:
  std::span<const std::string_view> words_;
  std::vector<std::uint64_t> cumulative_;
};

std::string Capitalised(std::string_view word) {
  if (word.empty()) return {};
  std::size_t pos = 0;
  const char32_t first = utf8::Next(word, pos);
  std::string out;
  utf8::Append(out, utf8::ToUpper(first));
  out += word.substr(pos);
  return out;
}

constexpr std::string_view kRussianVowels[] = {"а", "е", "и", "о", "у", "ы", "э", "ю", "я"};

// Marks one vowel of a Russian word as stressed, the way the book does: <font class="emph">о</font>.
std::string WithStressMark(std::string_view word, Rng& rng) {
  std::vector<std::size_t> positions;
  for (std::size_t pos = 0; pos < word.size();) {
    const std::size_t start = pos;
    utf8::Next(word, pos);
    const std::string_view ch = word.substr(start, pos - start);
    for (std::string_view v : kRussianVowels) {
      if (ch == v || ch == utf8::ToUpper(v)) positions.push_back(start);
    }
  }
  if (positions.size() < 2) return std::string(word);
  const std::size_t at = positions[static_cast<std::size_t>(rng.Below(static_cast<int>(positions.size())))];
  std::size_t end = at;
  utf8::Next(word, end);
  return std::string(word.substr(0, at)) + "<font class=\"emph\">" + std::string(word.substr(at, end - at)) +
         "</font>" + std::string(word.substr(end));
}

// The number of characters a reader sees in a piece of page text: tags take none, an entity one.
std::size_t VisibleLength(std::string_view text) {
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] == '<') {
      const std::size_t close = text.find('>', pos);
      pos = close == std::string_view::npos ? text.size() : close + 1;
      continue;
    }
    if (text[pos] == '&') {
      const std::size_t semicolon = text.find(';', pos);
      if (semicolon != std::string_view::npos && semicolon - pos <= 8) {
        ++length;
        pos = semicolon + 1;
        continue;
      }
    }
    utf8::Next(text, pos);
    ++length;
  }
  return length;
}

struct LanguageKit {
  Language language;
  ZipfWords words;
  std::span<const std::string_view> names;
};

// Demo words that make searching meaningful; each entry is one occurrence's exact form. The
// Russian of each English entry is one of its forms, drawn per occurrence, so that a search for
// every form of a word finds more than the exact one.
constexpr std::string_view kEnglishDemo[] = {"God", "God", "(God)", "God's", "God,", "Jesus", "Jesus", "Christ",
                                             "Christ Michael", "Jesus of Nazareth", "the Messiah", "Bethlehem",
                                             "the Master", "teacher"};
constexpr std::string_view kEnglishDemoInRussian[] = {
    "Бог|Бога|Богу|Богом", "Бог|Бога|Богу|Богом", "(Бог)|(Бога)", "Божий|Божья|Бога", "Бог,|Бога,",
    "Иисус|Иисуса|Иисусу|Иисусом|Иисусе", "Иисус|Иисуса|Иисусу|Иисусом|Иисусе", "Христос|Христа|Христу",
    "Христос Михаил|Христа Михаила", "Иисус из Назарета|Иисуса из Назарета", "мессия|Мессии|Мессию",
    "Вифлеем|в Вифлееме", "Учитель|Учителя|Учителю", "учитель|учителя"};
static_assert(std::size(kEnglishDemo) == std::size(kEnglishDemoInRussian));
// Words only the Russian adds, among the words a translation puts in of its own.
constexpr std::string_view kRussianDemo[] = {"Бог", "Бога", "Иисус", "Иисуса", "Иисусу", "Христос", "Христа",
                                             "назарянин", "пришел", "Вифлеем", "в Вифлееме", "мессия", "Мессии",
                                             "учитель", "Учитель", "Иисус из Назарета", "верующий", "Верующий",
                                             "богосознание", "богоподобный"};

// One of the "|"-separated forms; an empty one means "none".
std::string_view PickForm(std::string_view forms, Rng& rng) {
  const auto count = static_cast<int>(std::count(forms.begin(), forms.end(), '|')) + 1;
  int skip = rng.Below(count);
  std::size_t begin = 0;
  for (; skip > 0; --skip) begin = forms.find('|', begin) + 1;
  return forms.substr(begin, forms.find('|', begin) - begin);
}

// What an English sentence said, word by word, so that its translation can say the same.
struct PlannedWord {
  enum Kind { kCommon, kName, kDemo } kind;
  std::size_t index;
};
struct PlannedSentence {
  std::vector<PlannedWord> words;
  std::string_view end;
};
using ParagraphPlan = std::vector<PlannedSentence>;

class TextWriter {
 public:
  TextWriter(const LanguageKit& kit, Rng& rng) : kit_(kit), rng_(rng) {}

  std::string Word(bool sentenceStart) {
    std::string word;
    if (rng_.PerMille(25)) {
      const auto index = static_cast<std::size_t>(rng_.Below(static_cast<int>(kit_.names.size())));
      word = kit_.names[index];
      Plan({PlannedWord::kName, index});
    } else if (rng_.PerMille(demoChance_)) {
      if (kit_.language == kEnglish) {
        const auto index = static_cast<std::size_t>(rng_.Below(static_cast<int>(std::size(kEnglishDemo))));
        word = kEnglishDemo[index];
        Plan({PlannedWord::kDemo, index});
      } else {
        word = rng_.Pick(std::span<const std::string_view>(kRussianDemo));
      }
    } else if (kit_.language == kRussian && rng_.PerMille(2)) {
      return "вид<font class=\"emph\">е</font>ний";
    } else {
      const std::size_t index = kit_.words.DrawIndex(rng_);
      word = kit_.words.Draw(index);
      Plan({PlannedWord::kCommon, index});
    }
    if (sentenceStart) word = Capitalised(word);
    if (kit_.language == kRussian && rng_.PerMille(12)) word = WithStressMark(word, rng_);
    return word;
  }

  // One sentence of `length` words with the punctuation and inline markup of real prose.
  std::string Sentence(int length) {
    if (plan_) plan_->push_back({});
    std::string s;
    bool openQuote = false;
    for (int i = 0; i < length; ++i) {
      if (i > 0) s += ' ';
      if (i > 0 && i + 2 < length && !openQuote && rng_.PerMille(15)) {
        s += QuoteOpen();
        openQuote = true;
      }
      std::string word = Word(i == 0);
      if (rng_.PerMille(8)) word = "<i>" + word + "</i>";
      else if (rng_.PerMille(3)) word = "<b>" + word + "</b>";
      s += word;
      const bool last = i + 1 == length;
      if (openQuote && (last || rng_.PerMille(150))) {
        s += QuoteClose();
        openQuote = false;
      }
      if (last) break;
      if (i > 1) s += InnerPunctuation();
    }
    const std::string_view end = SentenceEnd(rng_);
    if (plan_) plan_->back().end = end;
    s += end;
    s += Aside();
    return s;
  }

  // A paragraph of `words` words; with a plan, what it says is recorded there too.
  std::string ParagraphOfWords(int words, ParagraphPlan* plan = nullptr) {
    plan_ = plan;
    std::string text;
    int left = words;
    while (left > 0) {
      const int length = std::min(left, rng_.Between(6, 24));
      text += Sentence(length);
      left -= length;
      if (left > 0) text += " ";
    }
    plan_ = nullptr;
    return text;
  }

  static std::string_view SentenceEnd(Rng& rng) {
    static constexpr std::string_view kEnds[] = {".", ".", ".", ".", ".", ".", ".", "?", "!", "..."};
    return rng.Pick(std::span<const std::string_view>(kEnds));
  }

  // Now and then a sentence ends with a short aside in brackets or a footnote number.
  std::string Aside() {
    std::string s;
    if (rng_.PerMille(20)) s += " (" + Capitalised(kit_.words.Draw(rng_)) + " " + std::string(kit_.words.Draw(rng_)) + ".)";
    if (rng_.PerMille(6)) s += "<sup>" + std::to_string(rng_.Between(1, 9)) + "</sup>";
    return s;
  }

  std::string InnerPunctuation() {
    const int roll = rng_.Below(1000);
    if (roll < 70) return ",";
    if (roll < 78) return ";";
    if (roll < 84) return ":";
    if (roll < 92) return " -";
    return "";
  }

  std::string QuoteOpen() {
    quoteStyle_ = kit_.language == kEnglish ? 0 : (rng_.PerMille(300) ? 2 : 1);
    return quoteStyle_ == 0 ? "\"" : quoteStyle_ == 1 ? "«" : "&#171;";
  }
  std::string QuoteClose() const { return quoteStyle_ == 0 ? "\"" : quoteStyle_ == 1 ? "»" : "&#187;"; }

  void SetDemoChance(int perMille) { demoChance_ = perMille; }

 private:
  void Plan(PlannedWord word) {
    if (plan_) plan_->back().words.push_back(word);
  }

  const LanguageKit& kit_;
  Rng& rng_;
  int demoChance_ = 10;
  int quoteStyle_ = 0;
  ParagraphPlan* plan_ = nullptr;
};

// Writes the Russian counterpart of an English paragraph from its plan: the same sentences, each
// word by its fixed translation, with the noise a real translation has (a word left out, one said
// otherwise, one added), then lengthened or shortened to the visible length it is given. Words are
// added or taken out anywhere but at a sentence's start, so the text ends on its own last word.
class Translator {
 public:
  Translator(TextWriter& russian, Rng& rng) : russian_(russian), rng_(rng) {}

  std::string Paragraph(const ParagraphPlan& plan, std::size_t target) {
    sentences_.clear();
    for (const PlannedSentence& planned : plan) sentences_.push_back(Translate(planned));
    std::size_t length = 0;
    for (Sentence& sentence : sentences_) length += Measure(sentence);
    length += sentences_.size() - 1;
    while (length > target && RemoveOne(length)) {
    }
    while (length < target) InsertOne(length);
    std::string text;
    for (const Sentence& sentence : sentences_) {
      if (!text.empty()) text += ' ';
      text += Render(sentence);
    }
    return text;
  }

 private:
  struct Token {
    std::string word;  // with its markup, capitalised at a sentence's start
    std::string quoteOpen, quoteClose, punctuation;
    bool keep = false;  // the sentence's first word, a quoted one, or one of the demonstration words
  };
  struct Sentence {
    std::vector<Token> tokens;
    std::string end;
    std::size_t length = 0;
  };

  static constexpr int kLeftOutPerMille = 30;
  static constexpr int kSaidOtherwisePerMille = 30;

  Sentence Translate(const PlannedSentence& planned) {
    Sentence sentence;
    for (const PlannedWord& word : planned.words) {
      if (rng_.PerMille(kLeftOutPerMille)) continue;
      if (word.kind == PlannedWord::kCommon && rng_.PerMille(kSaidOtherwisePerMille)) {
        Add(sentence, russian_.Word(false), false);
        continue;
      }
      std::string_view russian;
      switch (word.kind) {
        case PlannedWord::kCommon: russian = PickForm(EnglishWordsWithRussian()[word.index].russianForms, rng_); break;
        case PlannedWord::kName: russian = RussianNames()[word.index]; break;
        case PlannedWord::kDemo: russian = PickForm(kEnglishDemoInRussian[word.index], rng_); break;
      }
      if (!russian.empty()) Add(sentence, std::string(russian), word.kind != PlannedWord::kCommon);
    }
    if (sentence.tokens.empty()) Add(sentence, russian_.Word(false), false);
    if (sentence.tokens.size() > 3 && rng_.PerMille(200)) {
      const auto open = static_cast<std::size_t>(rng_.Between(1, static_cast<int>(sentence.tokens.size()) - 2));
      const auto close = static_cast<std::size_t>(rng_.Between(static_cast<int>(open), static_cast<int>(sentence.tokens.size()) - 1));
      const std::string quoteOpen = russian_.QuoteOpen();
      sentence.tokens[open].quoteOpen = quoteOpen;
      sentence.tokens[close].quoteClose = russian_.QuoteClose();
      sentence.tokens[open].keep = sentence.tokens[close].keep = true;
    }
    sentence.end = std::string(planned.end) + russian_.Aside();
    return sentence;
  }

  void Add(Sentence& sentence, std::string word, bool keep) {
    const bool first = sentence.tokens.empty();
    sentence.tokens.push_back(MakeToken(std::move(word), first));
    sentence.tokens.back().keep = keep || first;
  }

  Token MakeToken(std::string word, bool sentenceStart) {
    Token token;
    if (sentenceStart) word = Capitalised(word);
    if (rng_.PerMille(12)) word = WithStressMark(word, rng_);
    if (rng_.PerMille(8)) word = "<i>" + word + "</i>";
    else if (rng_.PerMille(3)) word = "<b>" + word + "</b>";
    token.word = std::move(word);
    token.punctuation = russian_.InnerPunctuation();
    return token;
  }

  static std::string Render(const Sentence& sentence) {
    std::string s;
    for (std::size_t i = 0; i < sentence.tokens.size(); ++i) {
      const Token& token = sentence.tokens[i];
      if (i > 0) s += ' ';
      s += token.quoteOpen + token.word + token.quoteClose;
      if (i + 1 < sentence.tokens.size()) s += token.punctuation;
    }
    return s + sentence.end;
  }

  static std::size_t Measure(Sentence& sentence) { return sentence.length = VisibleLength(Render(sentence)); }

  bool RemoveOne(std::size_t& length) {
    std::vector<std::pair<std::size_t, std::size_t>> removable;
    for (std::size_t s = 0; s < sentences_.size(); ++s) {
      for (std::size_t t = 0; t < sentences_[s].tokens.size(); ++t) {
        if (!sentences_[s].tokens[t].keep) removable.emplace_back(s, t);
      }
    }
    if (removable.empty()) return false;
    const auto [s, t] = removable[static_cast<std::size_t>(rng_.Below(static_cast<int>(removable.size())))];
    Sentence& sentence = sentences_[s];
    sentence.tokens.erase(sentence.tokens.begin() + static_cast<std::ptrdiff_t>(t));
    length -= sentence.length;
    length += Measure(sentence);
    return true;
  }

  void InsertOne(std::size_t& length) {
    Sentence& sentence = sentences_[static_cast<std::size_t>(rng_.Below(static_cast<int>(sentences_.size())))];
    const int at = rng_.Between(1, static_cast<int>(sentence.tokens.size()));
    sentence.tokens.insert(sentence.tokens.begin() + at, MakeToken(russian_.Word(false), false));
    length -= sentence.length;
    length += Measure(sentence);
  }

  TextWriter& russian_;
  Rng& rng_;
  std::vector<Sentence> sentences_;
};

// A title and its translation. The draws are those of the English title alone, so the English
// text of the book does not depend on its Russian counterpart.
std::array<std::string, kLanguageCount> TitleOf(Rng& rng) {
  const TitleNoun& noun = rng.Pick(TitleNouns());
  const TitleAdjective& adjective = rng.Pick(TitleAdjectives());
  std::array<std::string, kLanguageCount> title;
  std::string russianAdjective(adjective.russian[noun.gender]);
  switch (rng.Below(3)) {
    case 0:
      title[kEnglish] = "The " + std::string(adjective.english) + " " + std::string(noun.english);
      title[kRussian] = Capitalised(russianAdjective) + " " + std::string(noun.russian);
      break;
    case 1: {
      const TitleNoun& of = rng.Pick(TitleNouns());
      title[kEnglish] = "The " + std::string(noun.english) + " of the " + std::string(of.english);
      title[kRussian] = Capitalised(noun.russian) + " " + std::string(of.russianGenitive);
      break;
    }
    default:
      title[kEnglish] = std::string(adjective.english) + " " + std::string(noun.english);
      title[kRussian] = Capitalised(russianAdjective) + " " + std::string(noun.russian);
      break;
  }
  return title;
}

// Everything that is the same in both languages: where sections begin and how pages are cut up.
struct PaperPlan {
  int firstPage = 1;
  int lastPage = 1;
  std::vector<int> sectionStartPages;  // page of section k+1's heading
  std::array<std::string, kLanguageCount> title;
  std::array<std::vector<std::string>, kLanguageCount> sectionTitles;
};

constexpr const char* kAuthorOpenings[] = {"<div class=\"end_au\" title=\"\">", "<div class=end_au title=\"\">",
                                           "<div title=\"\" class=\"end_au\">", "<div title=\"\" class=end_au>"};

class BookGenerator {
 public:
  explicit BookGenerator(std::uint64_t seed)
      : seed_(seed),
        kits_{LanguageKit{kEnglish, ZipfWords(EnglishWords()), EnglishNames()},
              LanguageKit{kRussian, ZipfWords(RussianWords()), RussianNames()}} {}

  BookContent Generate() {
    BookContent book;
    book.textVersionMajor = 2;
    book.textVersionMinor = 1;
    FillParts(book);
    const BookTables& tables = FillBookTables();
    for (int paper = 0; paper < kPaperCount; ++paper) {
      PaperPlan plan = Plan(paper, tables);
      FillPaperRecord(book.papers[paper], paper, plan);
      FillPages(book, paper, plan);
    }
    return book;
  }

 private:
  void FillParts(BookContent& book) {
    static constexpr const char* kNames[kPartCount][2] = {
        {"Foreword", "Предисловие"},
        {"The Sources of Light", "Источники Света"},
        {"The Realms of Time", "Сферы Времени"},
        {"The Story of the World", "История Мира"},
        {"The Life of the Teacher", "Жизнь Учителя"}};
    static constexpr const char* kNotes[kPartCount][2] = {
        {"", ""},
        {"Set down by a council of teachers", "Изложено советом учителей"},
        {"", ""},
        {"Gathered from many records", "Собрано из многих записей"},
        {"Told by a group of witnesses", "Рассказано группой свидетелей"}};
    for (int i = 0; i < kPartCount; ++i) {
      for (Language lang = 0; lang < kLanguageCount; ++lang) {
        book.parts[i].name[lang] = kNames[i][lang];
        book.parts[i].note[lang] = kNotes[i][lang];
      }
    }
  }

  PaperPlan Plan(int paper, const BookTables& tables) {
    Rng rng(seed_ * 1000003 + static_cast<std::uint64_t>(paper));
    PaperPlan plan;
    plan.firstPage = PaperJumpPage(paper);
    plan.lastPage = tables.LastPage[paper];
    const int pages = plan.lastPage - plan.firstPage + 1;
    const int sections = paper == 0 ? 6 : std::max(1, std::min(12, pages / 2 + rng.Below(3)));
    for (int k = 0; k < sections; ++k) plan.sectionStartPages.push_back(plan.firstPage + k * pages / sections);
    plan.title = paper == 0 ? std::array<std::string, kLanguageCount>{"Foreword", "Предисловие"} : TitleOf(rng);
    for (int k = 0; k < sections; ++k) {
      auto title = TitleOf(rng);
      for (Language lang = 0; lang < kLanguageCount; ++lang) plan.sectionTitles[lang].push_back(title[lang]);
    }
    return plan;
  }

  void FillPaperRecord(PaperRecord& record, int paper, const PaperPlan& plan) {
    static constexpr const char* kAuthors[][2] = {
        {"Presented by a Teacher of Light", "Представлено Учителем Света"},
        {"Presented by a Keeper of Records", "Представлено Хранителем Записей"},
        {"Set down by a Messenger of the Council", "Изложено Посланником Совета"},
        {"Presented by a Brilliant Evening Star", "Представлено Яркой Вечерней Звездой"}};
    Rng rng(seed_ * 7919 + static_cast<std::uint64_t>(paper));
    // Some section titles run over two or three lines, the same ones in both languages.
    std::vector<std::array<std::string, kLanguageCount>> moreLines(plan.sectionTitles[kEnglish].size());
    for (std::size_t k = 0; k < moreLines.size(); ++k) {
      const auto addLines = [&](const auto&... lines) {
        for (Language lang = 0; lang < kLanguageCount; ++lang) ((moreLines[k][lang] += "<br>" + lines[lang]), ...);
      };
      if (k % 5 == 3) addLines(TitleOf(rng));
      if (k % 7 == 5) {
        // The third line is drawn before the second: the order the sample's titles were first made in.
        const auto third = TitleOf(rng);
        addLines(TitleOf(rng), third);
      }
    }
    for (Language lang = 0; lang < kLanguageCount; ++lang) {
      record.title[lang] = plan.title[lang];
      record.author[lang] = paper == 0 ? "" : kAuthors[paper % 4][lang];
      std::string list;
      for (std::size_t k = 0; k < plan.sectionTitles[lang].size(); ++k) {
        if (!list.empty()) list += "\r\n";
        const std::string title = plan.sectionTitles[lang][k] + moreLines[k][lang];
        list += std::to_string(k + 1) + "|" + title + "|" + std::to_string(plan.sectionStartPages[k]);
      }
      if (paper % 23 == 4) list += "\r\nmalformed line without page";          // two fields: skipped
      if (paper % 31 == 7) list += "\r\n9|too|many|fields";                   // four fields: skipped
      if (paper % 3 == 1) list = "  " + list + "   ";                           // surrounding blanks
      record.sections[lang] = list;
    }
  }

  void FillPages(BookContent& book, int paper, const PaperPlan& plan) {
    int paragraph = 1;
    int section = 0;
    int paragraphInSection = 1;
    for (int page = plan.firstPage; page <= plan.lastPage; ++page) {
      Rng structure(seed_ * 2654435761ULL + static_cast<std::uint64_t>(page));
      // Each paragraph: its marker and word count, shared by both languages.
      struct Block {
        std::string marker;
        int words;
        int headingOfSection;  // -1 for ordinary paragraphs
        bool author;
      };
      std::vector<Block> blocks;
      int budget = structure.Between(450, 550);
      while (budget > 0) {
        const auto nextSection = static_cast<std::size_t>(section);
        if (nextSection < plan.sectionStartPages.size() && plan.sectionStartPages[nextSection] == page &&
            (blocks.empty() || structure.PerMille(400))) {
          ++section;
          paragraphInSection = 1;
          blocks.push_back({"((0:" + std::to_string(section) + ":0))", 0, section - 1, false});
          if (structure.PerMille(250)) {
            blocks.push_back({"((_0:" + std::to_string(section) + ":0))", 40, -1, false});
            budget -= 40;
          }
          continue;
        }
        const int words = std::min(budget, structure.Between(40, 150));
        blocks.push_back({Marker(paragraph, section, paragraphInSection), std::max(words, 12), -1, false});
        ++paragraph;
        ++paragraphInSection;
        budget -= words;
      }
      if (page == plan.lastPage && paper > 0) {
        blocks.push_back({Marker(paragraph, section, paragraphInSection), 0, -1, true});
        ++paragraph;
      }
      // A Russian paragraph runs 10 to 20 per cent longer than its English counterpart, as
      // translations of this book do; the share varies from paragraph to paragraph.
      std::vector<Counterpart> counterparts;
      book.pages[kEnglish][page - 1] = PageText(blocks, plan, paper, page, kEnglish, counterparts);
      Rng longer(seed_ * 97 + static_cast<std::uint64_t>(page));
      for (Counterpart& counterpart : counterparts) {
        counterpart.length = counterpart.length * static_cast<std::size_t>(longer.Between(1095, 1190)) / 1000;
      }
      book.pages[kRussian][page - 1] = PageText(blocks, plan, paper, page, kRussian, counterparts);
    }
  }

  static std::string Marker(int paragraph, int section, int inSection) {
    return "((" + std::to_string(paragraph) + ":" + std::to_string(section) + ":" + std::to_string(inSection) + "))";
  }

  // What the Russian of an English paragraph must say, and at what length.
  struct Counterpart {
    ParagraphPlan plan;
    std::size_t length = 0;
  };

  // One language's page. English paragraphs get their blocks' word counts, and `counterparts`
  // receives what each says and its visible length; Russian paragraphs translate them.
  template <typename Blocks>
  std::string PageText(const Blocks& blocks, const PaperPlan& plan, int paper, int page, Language lang,
                       std::vector<Counterpart>& counterparts) {
    Rng rng(seed_ * 40503 + static_cast<std::uint64_t>(page) * 2 + static_cast<std::uint64_t>(lang));
    TextWriter writer(kits_[lang], rng);
    Translator translator(writer, rng);
    writer.SetDemoChance(paper >= 120 ? 45 : 12);  // the last Part tells the Teacher's life
    std::string text;
    std::size_t paragraph = 0;
    for (const auto& block : blocks) {
      if (!text.empty()) text += "\r\n";
      text += block.marker;
      if (block.headingOfSection >= 0) {
        const auto k = static_cast<std::size_t>(block.headingOfSection);
        text += "<b>" + std::to_string(k + 1) + ". " + utf8::ToUpper(plan.sectionTitles[lang][k]) + "</b>";
      } else if (block.author) {
        text += rng.PerMille(500) ? "\r\n" : " ";
        text += kAuthorOpenings[paper % 4];
        text += "[" + std::string(lang == kEnglish ? "Presented by a Teacher of Light" : "Представлено Учителем Света") + ".]</div>";
      } else if (lang == kEnglish) {
        Counterpart& counterpart = counterparts.emplace_back();
        const std::string words = writer.ParagraphOfWords(block.words, &counterpart.plan);
        counterpart.length = VisibleLength(words);
        text += words;
      } else {
        const Counterpart& counterpart = counterparts[paragraph++];
        text += translator.Paragraph(counterpart.plan, counterpart.length);
      }
    }
    return text;
  }

  std::uint64_t seed_;
  std::array<LanguageKit, kLanguageCount> kits_;
};

}  // namespace

BookContent MakeSampleBook(std::uint64_t seed) { return BookGenerator(seed).Generate(); }

}  // namespace orvelis::sample
