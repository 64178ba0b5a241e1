#include "book/book_tables.h"

namespace orvelis {
namespace {

constexpr std::array<std::int16_t, kPaperCount> kLastPage = {
    18,   32,   43,   53,   61,   72,   80,   89,   97,   107,  117,  127,  142,  151,  163,  183,  196,  206,
    213,  222,  233,  242,  255,  263,  272,  284,  297,  305,  318,  329,  344,  354,  365,  373,  383,  395,
    405,  417,  425,  442,  454,  466,  484,  496,  508,  518,  529,  540,  558,  571,  579,  588,  600,  612,
    620,  636,  648,  663,  671,  684,  692,  702,  710,  717,  729,  740,  753,  762,  771,  782,  799,  807,
    820,  827,  838,  846,  854,  867,  877,  888,  899,  912,  921,  930,  943,  949,  957,  966,  973,  985,
    993,  1002, 1013, 1026, 1041, 1051, 1061, 1076, 1085, 1093, 1103, 1117, 1128, 1142, 1151, 1161, 1175, 1184,
    1194, 1202, 1214, 1224, 1240, 1249, 1259, 1267, 1277, 1293, 1307, 1320, 1331, 1343, 1354, 1365, 1376, 1385,
    1394, 1406, 1418, 1426, 1441, 1454, 1467, 1482, 1495, 1508, 1523, 1537, 1547, 1567, 1586, 1595, 1606, 1616,
    1627, 1636, 1646, 1656, 1667, 1677, 1687, 1697, 1706, 1716, 1724, 1733, 1742, 1751, 1761, 1771, 1782, 1787,
    1799, 1808, 1816, 1824, 1832, 1841, 1849, 1857, 1866, 1877, 1887, 1896, 1904, 1911, 1919, 1928, 1935, 1943,
    1952, 1962, 1970, 1977, 1986, 1996, 2003, 2011, 2019, 2028, 2036, 2044, 2051, 2058, 2068, 2086, 2097,
};

constexpr BookTables BuildTables() {
  BookTables t{};
  t.LastPaperOfPart = {0, 31, 56, 119, 196};
  t.LastPage = kLastPage;
  t.FirstPage[0] = 1;
  for (int i = 1; i < kPaperCount; ++i) t.FirstPage[i] = static_cast<std::int16_t>(kLastPage[i - 1] + 1);
  // Two pages of each Part's own opening material precede its first Paper.
  t.FirstPage[1] = 21;
  t.FirstPage[32] = 357;
  t.FirstPage[57] = 651;
  t.FirstPage[120] = 1323;
  return t;
}

constexpr BookTables kTables = BuildTables();
static_assert(kTables.LastPage[kPaperCount - 1] == kPageCount);

}  // namespace

const BookTables& FillBookTables() { return kTables; }

int PaperOfPage(int page) {
  if (page == 0) return 0;
  for (int i = 0; i < kPaperCount; ++i) {
    if (page <= kTables.LastPage[i]) return i;
  }
  return 0;
}

int PaperJumpPage(int paper) { return paper < 1 ? 1 : kTables.LastPage[paper - 1] + 1; }

std::string RomanNumber(int n) {
  switch (n) {
    case 1: return "I";
    case 2: return "II";
    case 3: return "III";
    case 4: return "IV";
    default: return std::to_string(n);
  }
}

std::string_view PartWord(Language language) { return language == kEnglish ? "Part" : "Часть"; }
std::string_view PageWord(Language language) { return language == kEnglish ? "Page" : "Страница"; }
std::string_view PaperWord(Language language) { return language == kEnglish ? "Paper" : "Документ"; }
std::string_view ContentsOfPartTitle(Language language) {
  return language == kEnglish ? "The Contents of Part " : "Содержание Части ";
}

}  // namespace orvelis
