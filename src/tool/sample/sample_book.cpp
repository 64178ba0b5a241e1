#include "tool/sample/sample_book.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
  std::string_view Draw(Rng& rng) const {
    const std::uint64_t x = rng.Next() % cumulative_.back();
    const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), x);
    return words_[static_cast<std::size_t>(it - cumulative_.begin())];
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

// Demo words that make searching meaningful; each entry is one occurrence's exact form.
constexpr std::string_view kEnglishDemo[] = {"God", "God", "(God)", "God's", "God,", "Jesus", "Jesus", "Christ",
                                             "Christ Michael", "Jesus of Nazareth", "the Messiah", "Bethlehem",
                                             "the Master", "teacher"};
constexpr std::string_view kRussianDemo[] = {"Бог", "Бога", "Иисус", "Иисуса", "Иисусу", "Христос", "Христа",
                                             "назарянин", "пришел", "Вифлеем", "в Вифлееме", "мессия", "Мессии",
                                             "учитель", "Учитель", "Иисус из Назарета", "верующий", "Верующий",
                                             "богосознание", "богоподобный"};

class TextWriter {
 public:
  static constexpr std::size_t kNoBudget = std::numeric_limits<std::size_t>::max();

  TextWriter(const LanguageKit& kit, Rng& rng) : kit_(kit), rng_(rng) {}

  std::string Word(bool sentenceStart) {
    std::string word;
    if (rng_.PerMille(25)) {
      word = rng_.Pick(kit_.names);
    } else if (rng_.PerMille(demoChance_)) {
      word = kit_.language == kEnglish ? rng_.Pick(std::span<const std::string_view>(kEnglishDemo))
                                       : rng_.Pick(std::span<const std::string_view>(kRussianDemo));
    } else if (kit_.language == kRussian && rng_.PerMille(2)) {
      return "вид<font class=\"emph\">е</font>ний";
    } else {
      word = kit_.words.Draw(rng_);
    }
    if (sentenceStart) word = Capitalised(word);
    if (kit_.language == kRussian && rng_.PerMille(12)) word = WithStressMark(word, rng_);
    return word;
  }

  // One sentence of `length` words with the punctuation and inline markup of real prose. With a
  // budget it ends early, after at least three words, once `written` plus its own visible length
  // reaches `target`.
  std::string Sentence(int length, std::size_t written = 0, std::size_t target = kNoBudget) {
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
      const bool last = i + 1 == length || (target != kNoBudget && i >= 2 && written + VisibleLength(s) >= target);
      if (openQuote && (last || rng_.PerMille(150))) {
        s += QuoteClose();
        openQuote = false;
      }
      if (last) break;
      if (i > 1) s += InnerPunctuation();
    }
    static constexpr std::string_view kEnds[] = {".", ".", ".", ".", ".", ".", ".", "?", "!", "..."};
    s += rng_.Pick(std::span<const std::string_view>(kEnds));
    if (rng_.PerMille(20)) s += " (" + Capitalised(kit_.words.Draw(rng_)) + " " + std::string(kit_.words.Draw(rng_)) + ".)";
    if (rng_.PerMille(6)) s += "<sup>" + std::to_string(rng_.Between(1, 9)) + "</sup>";
    return s;
  }

  // A paragraph of `words` words.
  std::string ParagraphOfWords(int words) {
    std::string text;
    int left = words;
    while (left > 0) {
      const int length = std::min(left, rng_.Between(6, 24));
      text += Sentence(length);
      left -= length;
      if (left > 0) text += " ";
    }
    return text;
  }

  // A paragraph of about `target` visible characters, ending with the word that reaches it.
  std::string ParagraphOfLength(std::size_t target) {
    std::string text;
    std::size_t written = 0;
    while (written < target) {
      if (!text.empty()) {
        text += " ";
        ++written;
      }
      const std::string sentence = Sentence(rng_.Between(6, 24), written, target);
      written += VisibleLength(sentence);
      text += sentence;
    }
    return text;
  }

  void SetDemoChance(int perMille) { demoChance_ = perMille; }

 private:
  std::string QuoteOpen() {
    quoteStyle_ = kit_.language == kEnglish ? 0 : (rng_.PerMille(300) ? 2 : 1);
    return quoteStyle_ == 0 ? "\"" : quoteStyle_ == 1 ? "«" : "&#171;";
  }
  std::string QuoteClose() const { return quoteStyle_ == 0 ? "\"" : quoteStyle_ == 1 ? "»" : "&#187;"; }
  std::string InnerPunctuation() {
    const int roll = rng_.Below(1000);
    if (roll < 70) return ",";
    if (roll < 78) return ";";
    if (roll < 84) return ":";
    if (roll < 92) return " -";
    return "";
  }

  const LanguageKit& kit_;
  Rng& rng_;
  int demoChance_ = 10;
  int quoteStyle_ = 0;
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
      std::vector<std::size_t> lengths;
      book.pages[kEnglish][page - 1] = PageText(blocks, plan, paper, page, kEnglish, lengths);
      Rng longer(seed_ * 97 + static_cast<std::uint64_t>(page));
      for (std::size_t& length : lengths) length = length * static_cast<std::size_t>(longer.Between(1095, 1190)) / 1000;
      book.pages[kRussian][page - 1] = PageText(blocks, plan, paper, page, kRussian, lengths);
    }
  }

  static std::string Marker(int paragraph, int section, int inSection) {
    return "((" + std::to_string(paragraph) + ":" + std::to_string(section) + ":" + std::to_string(inSection) + "))";
  }

  // One language's page. English paragraphs get their blocks' word counts, and `lengths` receives
  // each one's visible length; Russian paragraphs are written to the lengths given.
  template <typename Blocks>
  std::string PageText(const Blocks& blocks, const PaperPlan& plan, int paper, int page, Language lang,
                       std::vector<std::size_t>& lengths) {
    Rng rng(seed_ * 40503 + static_cast<std::uint64_t>(page) * 2 + static_cast<std::uint64_t>(lang));
    TextWriter writer(kits_[lang], rng);
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
        const std::string words = writer.ParagraphOfWords(block.words);
        lengths.push_back(VisibleLength(words));
        text += words;
      } else {
        text += writer.ParagraphOfLength(lengths[paragraph++]);
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
