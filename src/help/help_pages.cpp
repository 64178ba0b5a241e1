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
         "<center><b>Уважаемые пользователи программы «Книга Орвелис»!</b></center>"
         "<br>В этой программе собран английский текст Книги и его русский перевод."
         "<br><br>Книгу можно читать подряд, страница за страницей, или выбирать Документы на странице "
         "«Содержание» (меню «Навигация», команда «Содержание», или Ctrl+Home)."
         "<br><br>Меню «Язык» выбирает язык текста («Русский» или «Английский») и расположение окон: "
         "«Текст на одном языке», окна одно над другим («Горизонтальное расположение окон») или рядом "
         "(«Вертикальное расположение окон»); команда «Синхронизировать прокрутку окон» прокручивает их вместе."
         "<br><br>Меню «Навигация» переходит на страницу вперед и назад (Ctrl+PgDn, Ctrl+PgUp), сразу на целый "
         "Документ (Ctrl+Shift+PgDn, Ctrl+Shift+PgUp) или на любую страницу и любой Документ (команда «Перейти к "
         "...», Ctrl+G). Кнопки «Назад» и «Вперед» (Alt+Left, Alt+Right) возвращают к уже прочитанному."
         "<br><br>Страницу можно напечатать из меню «Файл»; сохранить ее, как и напечатать выделенный фрагмент, "
         "можно из контекстного меню (правая кнопка мыши над текстом)."
         "<br><br><br><center><b>Теперь о дополнительных функциях.</b></center>"
         "<br>Команда «Разделы Книги» меню «Инструменты» открывает дерево разделов: из него можно перейти к любому "
         "Документу и любой странице мышью или клавишами (стрелки, Enter)."
         "<br><br>Команда «Поиск по Книге» ищет слова и фразы во всей Книге или в одной ее Части; значок «?» рядом "
         "со строкой поиска открывает правила написания запросов."
         "<br><br>Команда «Избранное» собирает фрагменты текста в тематические папки: выделите текст и выберите в "
         "контекстном меню «Добавить в Избранное»."
         "<br><br>Меню «Настройка текста» меняет шрифт, его размер и цвет."
         "<br><br>Меню «О программе» ведет на сайт и форум читателей Книги и проверяет наличие новых версий."
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
