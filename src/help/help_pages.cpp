#include "help/help_pages.h"

namespace orvelis {
namespace {

constexpr const char* kOpening =
    "<table width=\"100%\" align=\"center\" cellpadding=\"3\" cellspacing=\"0\" border=\"0\">"
    "<tr><td width=\"100%\" class=\"add_not_txt\"><div align=\"justify\">";
constexpr const char* kCloseBar =
    "<hr noshade size=\"1\"><center><a href=\"@close\" target=\"_self\" title=\"Закрыть окно\"><b>закрыть "
    "окно</b></a></center>";

std::string Example(const std::string& query) {
  return "<center><i><font color=\"" + std::string(kExampleColor) + "\">" + query + "</font></i></center>";
}

std::string SymbolRow(const std::string& symbol, const std::string& explanation) {
  return "<tr><td width=\"10%\" align=\"center\" class=\"add_not_txt\"><b>" + symbol +
         "</b></td><td width=\"90%\" class=\"add_not_txt1\">" + explanation + "</td></tr>";
}

std::string Colored(const std::string& query) {
  return "<font color=\"" + std::string(kExampleColor) + "\"><i>" + query + "</i></font>";
}

}  // namespace

std::string HelpWindowDocument(const std::string& styleSheetHtml, const std::string& body) {
  return "<html><title>Правила написания запросов в строку поиска</title><META HTTP-EQUIV=\"Content-Type\" "
         "CONTENT=\"text/html;CHARSET=Windows-1251\"><body>" +
         styleSheetHtml +
         "<table width=\"100%\" cellpadding=\"10\" cellspacing=\"0\" border=\"0\"><tr><td width=\"100%\">" + body +
         "<br></td></tr></table></BODY></HTML>";
}

std::string HelpText() {
  return std::string(kOpening) +
         "<center><b>Уважаемые пользователи программы «Ведарион»!</b></center>"
         "<br>В этой программе собран английский текст Книги и его русский перевод."
         "<br><br>Книгу можно читать подряд, страница за страницей, или выбирать Документы через меню «Оглавление»."
         "<br><br>Читатель, владеющий английским, может видеть оба языка сразу: окна располагаются одно над другим "
         "или рядом, а соседняя команда меню синхронизирует их прокрутку."
         "<br><br>Переходить можно на страницу вперед и назад или сразу на целый Документ."
         "<br><br>Страницу можно напечатать из главного меню, а выделенный фрагмент — из контекстного меню."
         "<br><br><br><center><b>Теперь о дополнительных функциях.</b></center>"
         "<br>Меню «Книга» открывает дерево разделов: из него можно перейти к любому Документу и любой странице."
         "<br><br>Меню «Поиск» ищет слова и фразы во всей Книге или в одной ее Части; прочтите там справку о "
         "правилах написания запросов."
         "<br><br>Меню «Избранное» собирает фрагменты текста в тематические папки: выделите текст и выберите в "
         "контекстном меню «Добавить в Избранное»."
         "<br><br>Ссылка в главном меню ведет на сайт читателей Книги."
         "<br><br>Желаем вам радости от чтения!"
         "</div></td></tr></table>" +
         kCloseBar;
}

std::string RulesText() {
  return std::string(kOpening) +
         "<center><b>Примеры простых запросов</b></center>"
         "<br>Запрос из одного или нескольких слов находит текст, где есть все эти слова в любом порядке:" +
         Example("иисус христос") +
         "<br>Слова в одинарных или двойных кавычках ищутся как фраза:" + Example("'иисус христос'") +
         "<br>Знак «?» заменяет одну букву, которая может писаться по-разному:" + Example("вид?ний") +
         "<br>Большие и малые буквы не различаются: «ВЕРУЮЩИЙ» и «верующий» — одно и то же." +
         "</div></td></tr></table>"
         "<br><center><big><b>Составление сложных запросов</b></big></center><br>"
         "<center><b class=\"add_not_txt\">Таблица специальных символов</b></center>"
         "<table width=\"100%\" align=\"center\" cellpadding=\"3\" border=\"1\" bordercolor=\"#C4C4C4\">" +
         SymbolRow("?", "Один любой символ в любом месте слова, например " + Colored("вид?ний")) +
         SymbolRow("*", "Любое количество букв в любом месте слова, например " + Colored("бого* человека")) +
         SymbolRow("+", "Логическое И, его можно не писать: " + Colored("Иисус + Христос") + " то же, что " +
                            Colored("Иисус Христос")) +
         SymbolRow("|", "Логическое ИЛИ: одно из слов или оба, например " + Colored("Иисус | Христос")) +
         SymbolRow("!", "Логическое НЕ: следующего слова не должно быть, например " + Colored("Иисус ! Назарянин")) +
         SymbolRow("\"\"", "Найти фразу, заключенную в кавычки") +
         SymbolRow("()", "Порядок выполнения логических операций, например " + Colored("Христос | Иисус Назарянин") +
                             " и " + Colored("(Христос | Иисус) пришел")) +
         SymbolRow("|!", "ИЛИ НЕ") + SymbolRow("+!", "И НЕ") +
         "</table><br>"
         "<table width=\"100%\" align=\"center\" cellpadding=\"3\" cellspacing=\"0\" border=\"0\"><tr><td "
         "class=\"add_not_txt\"><div align=\"justify\">Несколько фраз ищутся вместе с помощью специальных символов."
         "<center><b>Пример сложного запроса</b></center>" +
         Example("(Иисус|Христос|мессия|учитель) в?флеем") +
         "Такой запрос находит текст, где упомянуты и кто-то из первой группы, и второе слово."
         "</div></td></tr></table>" +
         kCloseBar;
}

}  // namespace orvelis
