#include "shell/window/command_table.h"

#include <QtGlobal>
#include <algorithm>

namespace orvelis {
namespace {

constexpr CommandSpec kCommands[] = {
    {Cmd::Back, "zFileBack", QT_TRANSLATE_NOOP("Commands", "Назад"),
     QT_TRANSLATE_NOOP("Commands", "Назад на предыдущую просмотренную страницу"), "Alt+Left", false},
    {Cmd::Forward, "zFileForw", QT_TRANSLATE_NOOP("Commands", "Вперед"),
     QT_TRANSLATE_NOOP("Commands", "Вперед на следующую просмотренную страницу"), "Alt+Right", false},
    {Cmd::Print, "zFilePrint", QT_TRANSLATE_NOOP("Commands", "Печать из основного окна"),
     QT_TRANSLATE_NOOP("Commands", "Печать текущей страницы основного окна"), "Ctrl+P", false},
    {Cmd::Book, "zToolsBook", QT_TRANSLATE_NOOP("Commands", "Разделы Книги"), QT_TRANSLATE_NOOP("Commands", "Книга"),
     "", true},
    {Cmd::Search, "zToolsSearch", QT_TRANSLATE_NOOP("Commands", "Поиск по Книге"),
     QT_TRANSLATE_NOOP("Commands", "Поиск"), "", true},
    {Cmd::Favorites, "zToolsFavor", QT_TRANSLATE_NOOP("Commands", "Избранное"),
     QT_TRANSLATE_NOOP("Commands", "Избранное"), "", true},
    {Cmd::PrevPaper, "zNavigPrevDoc", QT_TRANSLATE_NOOP("Commands", "Предыдущий Документ"),
     QT_TRANSLATE_NOOP("Commands", "Предыдущий Документ"), "Ctrl+Shift+PgUp", false},
    {Cmd::PrevPage, "zNavigPrevPage", QT_TRANSLATE_NOOP("Commands", "Предыдущая страница"),
     QT_TRANSLATE_NOOP("Commands", "Предыдущая страница"), "Ctrl+PgUp", false},
    {Cmd::Contents, "zNavigCont", QT_TRANSLATE_NOOP("Commands", "Содержание"),
     QT_TRANSLATE_NOOP("Commands", "Оглавление"), "Ctrl+Home", false},
    {Cmd::NextPage, "zNavigNextPage", QT_TRANSLATE_NOOP("Commands", "Следующая страница"),
     QT_TRANSLATE_NOOP("Commands", "Следующая страница"), "Ctrl+PgDown", false},
    {Cmd::NextPaper, "zNavigNextDoc", QT_TRANSLATE_NOOP("Commands", "Следующий Документ"),
     QT_TRANSLATE_NOOP("Commands", "Следующий Документ"), "Ctrl+Shift+PgDown", false},
    {Cmd::GoTo, "zNavigFindPage", QT_TRANSLATE_NOOP("Commands", "Перейти к ..."),
     QT_TRANSLATE_NOOP("Commands", "Перейти к ..."), "Ctrl+G", false},
    {Cmd::Russian, "zLangRu", QT_TRANSLATE_NOOP("Commands", "Русский"),
     QT_TRANSLATE_NOOP("Commands", "Текст Книги на русском языке"), "", true},
    {Cmd::English, "zLangEn", QT_TRANSLATE_NOOP("Commands", "Английский"),
     QT_TRANSLATE_NOOP("Commands", "Текст Книги на английском языке"), "", true},
    {Cmd::OnePane, "zLangAlone", QT_TRANSLATE_NOOP("Commands", "Текст на одном языке"),
     QT_TRANSLATE_NOOP("Commands", "Текст на одном языке"), "", true},
    {Cmd::Stacked, "zLangHor", QT_TRANSLATE_NOOP("Commands", "Горизонтальное расположение окон"),
     QT_TRANSLATE_NOOP("Commands", "Горизонтальное расположение окон"), "", true},
    {Cmd::SideBySide, "zLangVert", QT_TRANSLATE_NOOP("Commands", "Вертикальное расположение окон"),
     QT_TRANSLATE_NOOP("Commands", "Вертикальное расположение окон"), "", true},
    {Cmd::SyncScroll, "zLangSync", QT_TRANSLATE_NOOP("Commands", "Синхронизировать прокрутку окон"),
     QT_TRANSLATE_NOOP("Commands", "Синхронизировать прокрутку окон"), "", true},
    {Cmd::Site, "tbToolbar_25", QT_TRANSLATE_NOOP("Commands", "Сайт читателей Книги Орвелис"),
     QT_TRANSLATE_NOOP("Commands", "Сайт читателей Книги Орвелис"), "", false},
};

constexpr int kSeparators[] = {4, 8, 14, 16, 19, 24};

}  // namespace

std::span<const CommandSpec> ToolbarCommands() { return kCommands; }

bool IsToolbarSeparator(int position) { return std::ranges::find(kSeparators, position) != std::end(kSeparators); }

}  // namespace orvelis
