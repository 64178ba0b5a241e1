<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>  О программе</source>
        <translation>  About</translation>
    </message>
    <message>
        <source>электронная версия текста: %1.%2</source>
        <translation>electronic text version: %1.%2</translation>
    </message>
    <message>
        <source>Книга на русском и английском языках для чтения, поиска и собирания избранных фрагментов. Текст Книги принадлежит его правообладателям и предоставляется для личного чтения; программа лишь показывает его.</source>
        <translation>The Book in Russian and English, for reading, searching and collecting favourite passages. The text of the Book belongs to its copyright holders and is provided for personal reading; the program only displays it.</translation>
    </message>
    <message>
        <source>О системе...</source>
        <translation>System Information...</translation>
    </message>
</context>
<context>
    <name>BrowserContextMenu</name>
    <message>
        <source>Кoнтекстное меню браузера</source>
        <translation>Browser context menu</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Добавить в Избранное</source>
        <translation>Add to Favorites</translation>
    </message>
    <message>
        <source>Сохранить содержимое как...</source>
        <translation>Save Contents As...</translation>
    </message>
    <message>
        <source>Поиск на странице</source>
        <translation>Find on Page</translation>
    </message>
    <message>
        <source>Перевод абзаца</source>
        <translation>Paragraph Translation</translation>
    </message>
    <message>
        <source>Перевод слова</source>
        <translation>Word Translation</translation>
    </message>
    <message>
        <source>Предпросмотр печати</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Настройка текста</source>
        <translation>Text Settings</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Назад на предыдущую просмотренную страницу</source>
        <translation>Back to the previously viewed page</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Вперед на следующую просмотренную страницу</source>
        <translation>Forward to the next viewed page</translation>
    </message>
    <message>
        <source>Печать из основного окна</source>
        <translation>Print from the Main Window</translation>
    </message>
    <message>
        <source>Печать текущей страницы основного окна</source>
        <translation>Print the page in the main window</translation>
    </message>
    <message>
        <source>Разделы Книги</source>
        <translation>Sections of the Book</translation>
    </message>
    <message>
        <source>Книга</source>
        <translation>Book</translation>
    </message>
    <message>
        <source>Поиск по Книге</source>
        <translation>Search the Book</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Избранное</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Предыдущий Документ</source>
        <translation>Previous Paper</translation>
    </message>
    <message>
        <source>Предыдущая страница</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Оглавление</source>
        <translation>Table of Contents</translation>
    </message>
    <message>
        <source>Следующая страница</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Следующий Документ</source>
        <translation>Next Paper</translation>
    </message>
    <message>
        <source>Перейти к ...</source>
        <translation>Go To ...</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Текст Книги на русском языке</source>
        <translation>The text of the Book in Russian</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Текст Книги на английском языке</source>
        <translation>The text of the Book in English</translation>
    </message>
    <message>
        <source>Текст на одном языке</source>
        <translation>Text in One Language</translation>
    </message>
    <message>
        <source>Горизонтальное расположение окон</source>
        <translation>Panes One Above the Other</translation>
    </message>
    <message>
        <source>Вертикальное расположение окон</source>
        <translation>Panes Side by Side</translation>
    </message>
    <message>
        <source>Синхронизировать прокрутку окон</source>
        <translation>Synchronize Scrolling of the Panes</translation>
    </message>
    <message>
        <source>Сайт читателей Книги Орвелис</source>
        <translation>The ORVELIS Book Readers&apos; Site</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Файл book.dat поврежден</source>
        <translation>The file book.dat is damaged</translation>
    </message>
    <message>
        <source>Ошибка чтения файла</source>
        <translation>File Read Error</translation>
    </message>
    <message>
        <source>Запись &quot;%1&quot; слишком длинна для файла избранного (больше %2 байт).</source>
        <translation>The entry &quot;%1&quot; is too long for the favorites file (more than %2 bytes).</translation>
    </message>
    <message>
        <source>Папки избранного вложены глубже %1 уровней.</source>
        <translation>The favorites folders are nested deeper than %1 levels.</translation>
    </message>
    <message>
        <source>Не удалось сохранить избранное в файл %1: %2<byte value="xd"/>
Файл избранного остался прежним.</source>
        <translation>The favorites could not be saved to the file %1: %2<byte value="xd"/>
The favorites file is unchanged.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл избранного %1: %2.<byte value="xd"/>
Показано пустое избранное. Чтобы не затереть этот файл, изменения избранного не будут сохраняться в него до закрытия программы.</source>
        <translation>The favorites file %1 could not be read: %2.<byte value="xd"/>
Empty favorites are shown. So as not to overwrite this file, changes to the favorites will not be saved to it until the program is closed.</translation>
    </message>
    <message>
        <source>Файл избранного %1 доступен только для чтения.<byte value="xd"/>
Изменения избранного не будут сохранены: они останутся только до закрытия программы.</source>
        <translation>The favorites file %1 is read-only.<byte value="xd"/>
Changes to the favorites will not be saved: they last only until the program is closed.</translation>
    </message>
    <message>
        <source>копия %1 не записана: %2</source>
        <translation>the copy %1 was not written: %2</translation>
    </message>
    <message>
        <source>Избранное</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Ошибка индекса</source>
        <translation>Index error</translation>
    </message>
    <message>
        <source>В папке уже 32767 записей: больше добавить нельзя.</source>
        <translation>The folder already holds 32767 entries: no more can be added.</translation>
    </message>
    <message>
        <source>папок: %1, записей: %2</source>
        <translation>folders: %1, entries: %2</translation>
    </message>
    <message>
        <source>Файл избранного %1 прочитан не полностью. Не загружено:</source>
        <translation>The favorites file %1 was not read completely. Not loaded:</translation>
    </message>
    <message>
        <source>- папки ниже %1-го уровня вложенности со всем содержимым (%2);</source>
        <translation>- folders nested below level %1, with all their contents (%2);</translation>
    </message>
    <message>
        <source>- то, что не поместилось в папку «%1»: в папке может быть не больше %2 папок и %2 записей (%3);</source>
        <translation>- what did not fit into the folder “%1”: a folder can hold at most %2 folders and %2 entries (%3);</translation>
    </message>
    <message>
        <source>- то, что не поместилось в папки (всего %1, первая - «%2»): в папке может быть не больше %3 папок и %3 записей (%4);</source>
        <translation>- what did not fit into the folders (%1 in all, the first “%2”): a folder can hold at most %3 folders and %3 entries (%4);</translation>
    </message>
    <message>
        <source>- последняя запись: файл обрывается посреди нее;</source>
        <translation>- the last entry: the file breaks off in the middle of it;</translation>
    </message>
    <message>
        <source>Показано то, что удалось прочитать. Файл не будет перезаписан, пока вы не измените избранное; перед первым сохранением он будет скопирован в файл %1 в той же папке.</source>
        <translation>What could be read is shown. The file will not be overwritten until you change the favorites; before the first save it will be copied to the file %1 in the same folder.</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите удалить запись &quot;%1&quot; ?</source>
        <translation>Are you sure you want to delete the entry &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите удалить папку &quot;%1&quot; и все ее вложенные папки и записи?</source>
        <translation>Are you sure you want to delete the folder &quot;%1&quot; with all its folders and entries?</translation>
    </message>
    <message>
        <source>Вы хотите скопировать папку &quot;%1&quot; внутрь папки &quot;%2&quot;.<byte value="xd"/>
Нажмите &quot;Нет&quot; для перемещение папки на том же уровне.</source>
        <translation>Do you want to copy the folder &quot;%1&quot; into the folder &quot;%2&quot;?<byte value="xd"/>
Press &quot;No&quot; to move the folder at the same level.</translation>
    </message>
    <message>
        <source>Удаление записи</source>
        <translation>Delete Entry</translation>
    </message>
    <message>
        <source>Перемещение папки</source>
        <translation>Move Folder</translation>
    </message>
    <message>
        <source>Папку нельзя переместить внутрь нее самой или ее вложенных папок.</source>
        <translation>A folder cannot be moved into itself or into one of its folders.</translation>
    </message>
    <message>
        <source>Папку нельзя переместить сюда: папки оказались бы вложены глубже 256 уровней.</source>
        <translation>The folder cannot be moved here: the folders would be nested deeper than 256 levels.</translation>
    </message>
    <message>
        <source>Не удалось записать изображения для страниц в папку %1 (не записано файлов: %2 из %3; %4).<byte value="xd"/>
Кнопки перехода по страницам могут отображаться без рисунков. При следующем запуске программа попробует записать их снова.</source>
        <translation>The images for the pages could not be written to the folder %1 (files not written: %2 of %3; %4).<byte value="xd"/>
The page navigation buttons may be shown without pictures. The program will try to write them again at the next start.</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>файловая система доступна только для чтения</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>на этом месте папка, а не файл</source>
        <translation>there is a folder here, not a file</translation>
    </message>
    <message>
        <source>часть пути - не папка</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>папка не существует</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>символические ссылки идут по кругу</source>
        <translation>the symbolic links form a loop</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>файл доступен только для чтения</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>файл не удалось прочитать</source>
        <translation>the file could not be read</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>Книга Орвелис v %1.%2</source>
        <translation>The ORVELIS Book v %1.%2</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Правила написания запросов в строку поиска</source>
        <translation>How to Write Search Queries</translation>
    </message>
    <message>
        <source>Доступна новая версия приложения - %1.%2     </source>
        <translation>A new version of the program is available - %1.%2     </translation>
    </message>
    <message>
        <source>Доступна новая версия текста книги - %1.%2     </source>
        <translation>A new version of the text of the book is available - %1.%2     </translation>
    </message>
    <message>
        <source>Перейти на сайт обновлений ?</source>
        <translation>Go to the updates site?</translation>
    </message>
    <message>
        <source>Автоматическое Обновление</source>
        <translation>Automatic Update</translation>
    </message>
    <message>
        <source>Ошибка ввода</source>
        <translation>Input Error</translation>
    </message>
    <message>
        <source>Введенное значение должно быть числом</source>
        <translation>The value entered must be a number</translation>
    </message>
    <message>
        <source>Номер страницы должен быть в диапазоне от 1 до 2097</source>
        <translation>The page number must be between 1 and 2097</translation>
    </message>
    <message>
        <source>Номер Документа должен быть в диапазоне от 1 до 196</source>
        <translation>The Paper number must be between 1 and 196</translation>
    </message>
    <message>
        <source>Введите номер страницы (1-2097) :</source>
        <translation>Enter the page number (1-2097):</translation>
    </message>
    <message>
        <source>Введите номер Документа (1-196) :</source>
        <translation>Enter the Paper number (1-196):</translation>
    </message>
    <message>
        <source>Сохранение Документа</source>
        <translation>Save Document</translation>
    </message>
    <message>
        <source>Веб-страница, HTML (*.htm *.html)</source>
        <translation>Web page, HTML (*.htm *.html)</translation>
    </message>
    <message>
        <source>Текстовый файл (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Файл с таким именем уже существует. Перезаписать?</source>
        <translation>A file with this name already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Сохранение файла</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Ошибка сохранения файла</source>
        <translation>File Save Error</translation>
    </message>
    <message>
        <source>Параллельный текст составляется для страниц книги. Откройте страницу.</source>
        <translation>Parallel text is made for the pages of the book. Open a page.</translation>
    </message>
    <message>
        <source>Параллельный текст</source>
        <translation>Parallel Text</translation>
    </message>
    <message>
        <source>Слишком длинная строка поиска (не более %1 знаков)</source>
        <translation>The search query is too long (at most %1 characters)</translation>
    </message>
    <message>
        <source>Слишком много слов в строке поиска (не более %1)</source>
        <translation>Too many words in the search query (at most %1)</translation>
    </message>
    <message>
        <source>Слишком сложная строка поиска: поиск прерван</source>
        <translation>The search query is too complex: the search was stopped</translation>
    </message>
    <message>
        <source>Результаты (страниц: %1)</source>
        <translation>Results (pages: %1)</translation>
    </message>
    <message>
        <source>Ошибочный формат строки поиска</source>
        <translation>The search query is not well formed</translation>
    </message>
    <message>
        <source>Поиск по книге</source>
        <translation>Search the Book</translation>
    </message>
    <message>
        <source>-- Вся книга --</source>
        <translation>-- Whole book --</translation>
    </message>
    <message>
        <source>Книга (русский текст)</source>
        <translation>Book (Russian text)</translation>
    </message>
    <message>
        <source>Книга (английский текст)</source>
        <translation>Book (English text)</translation>
    </message>
    <message>
        <source>Поиск (русский текст)</source>
        <translation>Search (Russian text)</translation>
    </message>
    <message>
        <source>Поиск (английский текст)</source>
        <translation>Search (English text)</translation>
    </message>
    <message>
        <source>статья выходит за конец данных</source>
        <translation>an entry runs past the end of the data</translation>
    </message>
    <message>
        <source>распакованные данные слишком велики</source>
        <translation>the unpacked data is too large</translation>
    </message>
    <message>
        <source>статья длиннее 16 МиБ</source>
        <translation>an entry is longer than 16 MiB</translation>
    </message>
    <message>
        <source>сжатые данные испорчены</source>
        <translation>the compressed data is corrupt</translation>
    </message>
    <message>
        <source>строка %1 указателя не состоит из слова, смещения и длины</source>
        <translation>line %1 of the index is not a word, an offset and a length</translation>
    </message>
    <message>
        <source>неверное число в строке %1 указателя</source>
        <translation>a wrong number in line %1 of the index</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>Не удалось открыть словарь: нет файла %1</source>
        <translation>The dictionary could not be opened: the file %1 is missing</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл словаря %1</source>
        <translation>The dictionary file %1 could not be read</translation>
    </message>
    <message>
        <source>Файл словаря %1 поврежден: %2</source>
        <translation>The dictionary file %1 is damaged: %2</translation>
    </message>
    <message>
        <source>сжатые данные обрываются</source>
        <translation>the compressed data breaks off</translation>
    </message>
    <message>
        <source>неизвестная версия таблицы блоков</source>
        <translation>an unknown version of the block table</translation>
    </message>
    <message>
        <source>таблица блоков не сходится</source>
        <translation>the block table does not add up</translation>
    </message>
    <message>
        <source>дополнительное поле заголовка испорчено</source>
        <translation>the extra field of the header is corrupt</translation>
    </message>
    <message>
        <source>неизвестные флаги в заголовке</source>
        <translation>unknown flags in the header</translation>
    </message>
    <message>
        <source>это не файл gzip</source>
        <translation>this is not a gzip file</translation>
    </message>
    <message>
        <source>не хватило памяти для распаковки</source>
        <translation>not enough memory to unpack</translation>
    </message>
    <message>
        <source>Идет подсчет по всей книге...</source>
        <translation>Counting through the whole book...</translation>
    </message>
    <message>
        <source>Англо-русский словарь не установлен: нет файла %1.
Чтобы установить его, выполните команду
sudo apt install %2</source>
        <translation>The English-Russian dictionary is not installed: the file %1 is missing.
To install it, run the command
sudo apt install %2</translation>
    </message>
    <message>
        <source>Идет обработка запроса...</source>
        <translation>Processing the query...</translation>
    </message>
    <message>
        <source>Похожие слова для &amp;laquo;%1&amp;raquo;: </source>
        <translation>Similar words for &amp;laquo;%1&amp;raquo;: </translation>
    </message>
    <message>
        <source>Русский:</source>
        <translation>Russian:</translation>
    </message>
    <message>
        <source>Английский:</source>
        <translation>English:</translation>
    </message>
    <message>
        <source>Ничего не найдено</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>Отменить группировку результатов поиска по Документам</source>
        <translation>Stop grouping the search results by Paper</translation>
    </message>
    <message>
        <source>отменить группировку результатов поиска</source>
        <translation>ungroup the search results</translation>
    </message>
    <message>
        <source>Группировать результаты поиска по Документам</source>
        <translation>Group the search results by Paper</translation>
    </message>
    <message>
        <source>группировать результаты поиска</source>
        <translation>group the search results</translation>
    </message>
    <message>
        <source>сортировка по:</source>
        <translation>sort by:</translation>
    </message>
    <message>
        <source>рейтингу</source>
        <translation>rating</translation>
    </message>
    <message>
        <source>страницам</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>Cортировать результаты по рейтингу</source>
        <translation>Sort the results by rating</translation>
    </message>
    <message>
        <source>Cортировать результаты по порядковым номерам страниц</source>
        <translation>Sort the results by page number</translation>
    </message>
    <message>
        <source>Рейтинг страницы</source>
        <translation>Rating of the page</translation>
    </message>
    <message>
        <source>Рейтинг Документа</source>
        <translation>Rating of the Paper</translation>
    </message>
    <message>
        <source>Словарь</source>
        <translation>Dictionary</translation>
    </message>
    <message>
        <source>В словаре нет слова &amp;laquo;%1&amp;raquo;</source>
        <translation>The dictionary has no word &amp;laquo;%1&amp;raquo;</translation>
    </message>
    <message>
        <source>в английском тексте</source>
        <translation>in the English text</translation>
    </message>
    <message>
        <source>в русском тексте</source>
        <translation>in the Russian text</translation>
    </message>
    <message>
        <source>Слово не встречается в абзацах, которые есть на обоих языках.</source>
        <translation>The word does not occur in the paragraphs that exist in both languages.</translation>
    </message>
    <message>
        <source>стр.</source>
        <translation>p.</translation>
    </message>
    <message>
        <source>Оценка: коэффициент Дайса по парам абзацев; число: пары, где есть оба слова.</source>
        <translation>Score: the Dice coefficient over pairs of paragraphs; number: the pairs that hold both words.</translation>
    </message>
    <message>
        <source>Файл книги не найден. Искали:</source>
        <translation>The book file was not found. Looked in:</translation>
    </message>
    <message>
        <source>Книга не найдена</source>
        <translation>Book Not Found</translation>
    </message>
    <message>
        <source>Перевод слова</source>
        <translation>Word Translation</translation>
    </message>
    <message>
        <source>Здесь нет слова: выделите одно слово на странице книги или вызовите меню на нём.</source>
        <translation>There is no word here: select one word on a page of the book or open the menu on it.</translation>
    </message>
    <message>
        <source>Перевод абзаца</source>
        <translation>Paragraph Translation</translation>
    </message>
    <message>
        <source>Здесь нет абзаца книги: выделите текст в абзаце на странице книги или вызовите меню на нём.</source>
        <translation>There is no paragraph of the book here: select text in a paragraph on a page of the book or open the menu on it.</translation>
    </message>
</context>
<context>
    <name>FavoritesAddDialog</name>
    <message>
        <source>Добавить в Избранное</source>
        <translation>Add to Favorites</translation>
    </message>
    <message>
        <source>Введите имя, под которым выделенный фрагмент или страница будут сохранены в списке Избранных фрагментов</source>
        <translation>Enter the name under which the selected passage or page will be saved in the list of Favorites</translation>
    </message>
    <message>
        <source>Сохранить вместе с переводом</source>
        <translation>Save with the translation</translation>
    </message>
    <message>
        <source>Сохранить те же абзацы на другом языке под выделенным фрагментом</source>
        <translation>Save the same paragraphs in the other language below the selected passage</translation>
    </message>
    <message>
        <source>Создать папку</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 - Фрагмент</source>
        <translation>%1 - Passage</translation>
    </message>
    <message>
        <source>Папки</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Создание папки</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Введите имя папки</source>
        <translation>Enter the folder name</translation>
    </message>
    <message>
        <source>Введите имя, под которым фрагмент будет сохранен в избранном</source>
        <translation>Enter the name under which the passage will be saved in the favorites</translation>
    </message>
    <message>
        <source>Добавление Избранное</source>
        <translation>Add to Favorites</translation>
    </message>
</context>
<context>
    <name>FavoritesPanel</name>
    <message>
        <source>Контекстное меню избранное</source>
        <translation>Favorites context menu</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Избранное</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Закрыть окно текста избранного</source>
        <translation>Close the favorites text view</translation>
    </message>
</context>
<context>
    <name>FavoritesTree</name>
    <message>
        <source>Избранное</source>
        <translation>Favorites</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Предыдущее совпадение</source>
        <translation>Previous match</translation>
    </message>
    <message>
        <source>Следующее совпадение</source>
        <translation>Next match</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>FindPageDialog</name>
    <message>
        <source>Перейти</source>
        <translation>Go To</translation>
    </message>
    <message>
        <source>Объект перехода</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Документ</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Форум читателей</source>
        <translation>Readers&apos; Forum</translation>
    </message>
    <message>
        <source>Автоматически проверять наличие новых версий</source>
        <translation>Check for New Versions Automatically</translation>
    </message>
    <message>
        <source>Проверить обновление</source>
        <translation>Check for Updates</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguageMenu</name>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface Language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As in the System</translation>
    </message>
    <message>
        <source>Язык интерфейса изменится при следующем запуске программы.</source>
        <translation>The interface language will change the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>LeftPanel</name>
    <message>
        <source>Книга</source>
        <translation>Book</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>OutputCommands</name>
    <message>
        <source>Не удалось записать файл %1</source>
        <translation>The file %1 could not be written</translation>
    </message>
</context>
<context>
    <name>RendererFailures</name>
    <message>
        <source>Не удалось показать страницу: обозреватель несколько раз подряд завершился аварийно. Откройте страницу снова или перезапустите программу.</source>
        <translation>The page could not be shown: the browser crashed several times in a row. Open the page again or restart the program.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Введите фразу для поиска:</source>
        <translation>Phrase to search for:</translation>
    </message>
    <message>
        <source>Правила написания запросов в строку поиска</source>
        <translation>How to Write Search Queries</translation>
    </message>
    <message>
        <source>Искать</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Искать на обоих языках</source>
        <translation>Search both languages</translation>
    </message>
    <message>
        <source>Искать в русском и в английском тексте</source>
        <translation>Search the Russian and the English text</translation>
    </message>
    <message>
        <source>С переводом абзаца</source>
        <translation>With paragraph translation</translation>
    </message>
    <message>
        <source>Под каждой находкой показывать начало того же абзаца на другом языке</source>
        <translation>Show the beginning of the same paragraph in the other language below each match</translation>
    </message>
    <message>
        <source>все формы слова</source>
        <translation>all word forms</translation>
    </message>
    <message>
        <source>Искать каждое слово запроса во всех его формах</source>
        <translation>Search every word of the query in all its forms</translation>
    </message>
    <message>
        <source>Результаты (страниц: 0)</source>
        <translation>Results (pages: 0)</translation>
    </message>
    <message>
        <source>Искать в найденном</source>
        <translation>Search within results</translation>
    </message>
</context>
<context>
    <name>TextStyle</name>
    <message>
        <source>Тип шрифта</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Шрифт «%1» не установлен, используется «%2»</source>
        <translation>The font “%1” is not installed; “%2” is used</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>Фиксировать заголовки</source>
        <translation>Fixed Headers</translation>
    </message>
    <message>
        <source>Синхронизировать прокрутку по абзацам</source>
        <translation>Synchronize Scrolling by Paragraph</translation>
    </message>
    <message>
        <source>Держать в обоих окнах один и тот же абзац</source>
        <translation>Keep the same paragraph in both panes</translation>
    </message>
    <message>
        <source>Параллельный текст</source>
        <translation>Parallel Text</translation>
    </message>
    <message>
        <source>Текст на двух языках в одном окне, абзац рядом с абзацем</source>
        <translation>Text in both languages in one pane, paragraph beside paragraph</translation>
    </message>
    <message>
        <source>Предпросмотр печати из основного окна</source>
        <translation>Print Preview from the Main Window</translation>
    </message>
    <message>
        <source>Сохранить страницу параллельным текстом...</source>
        <translation>Save the Page as Parallel Text...</translation>
    </message>
    <message>
        <source>Сохранить Документ параллельным текстом...</source>
        <translation>Save the Paper as Parallel Text...</translation>
    </message>
    <message>
        <source>Печать страницы параллельным текстом</source>
        <translation>Print the Page as Parallel Text</translation>
    </message>
    <message>
        <source>Печать Документа параллельным текстом</source>
        <translation>Print the Paper as Parallel Text</translation>
    </message>
    <message>
        <source>Текст на двух языках, абзац рядом с абзацем, с названием Документа на обоих</source>
        <translation>Text in both languages, paragraph beside paragraph, with the title of the Paper in both</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Навигация</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Настройка текста</source>
        <translation>Text Settings</translation>
    </message>
</context>
<context>
    <name>WordTranslation</name>
    <message>
        <source>Перевод слова</source>
        <translation>Word Translation</translation>
    </message>
</context>
</TS>
