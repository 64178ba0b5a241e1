#include "shell/window/command_table.h"

#include <algorithm>

namespace orvelis {
namespace {

constexpr CommandSpec kCommands[] = {
    {Cmd::Back, "zFileBack", "Назад", "Назад на предыдущую просмотренную страницу", "Alt+Left", false},
    {Cmd::Forward, "zFileForw", "Вперед", "Вперед на следующую просмотренную страницу", "Alt+Right", false},
    {Cmd::Print, "zFilePrint", "Печать из основного окна", "Печать текущей страницы основного окна", "Ctrl+P", false},
    {Cmd::Book, "zToolsBook", "Разделы Книги", "Книга", "", true},
    {Cmd::Search, "zToolsSearch", "Поиск по Книге", "Поиск", "", true},
    {Cmd::Favorites, "zToolsFavor", "Избранное", "Избранное", "", true},
    {Cmd::PrevPaper, "zNavigPrevDoc", "Предыдущий Документ", "Предыдущий Документ", "Ctrl+Shift+PgUp", false},
    {Cmd::PrevPage, "zNavigPrevPage", "Предыдущая страница", "Предыдущая страница", "Ctrl+PgUp", false},
    {Cmd::Contents, "zNavigCont", "Содержание", "Оглавление", "Ctrl+Home", false},
    {Cmd::NextPage, "zNavigNextPage", "Следующая страница", "Следующая страница", "Ctrl+PgDown", false},
    {Cmd::NextPaper, "zNavigNextDoc", "Следующий Документ", "Следующий Документ", "Ctrl+Shift+PgDown", false},
    {Cmd::GoTo, "zNavigFindPage", "Перейти к ...", "Перейти к ...", "Ctrl+G", false},
    {Cmd::Russian, "zLangRu", "Русский", "Текст Книги на русском языке", "", true},
    {Cmd::English, "zLangEn", "Английский", "Текст Книги на английском языке", "", true},
    {Cmd::OnePane, "zLangAlone", "Текст на одном языке", "Текст на одном языке", "", true},
    {Cmd::Stacked, "zLangHor", "Горизонтальное расположение окон", "Горизонтальное расположение окон", "", true},
    {Cmd::SideBySide, "zLangVert", "Вертикальное расположение окон", "Вертикальное расположение окон", "", true},
    {Cmd::SyncScroll, "zLangSync", "Синхронизировать прокрутку окон", "Синхронизировать прокрутку окон", "", true},
    {Cmd::Site, "tbToolbar_25", "Сайт читателей Книги Орвелис", "Сайт читателей Книги Орвелис", "", false},
};

constexpr int kSeparators[] = {4, 8, 14, 16, 19, 24};

}  // namespace

std::span<const CommandSpec> ToolbarCommands() { return kCommands; }

bool IsToolbarSeparator(int position) { return std::ranges::find(kSeparators, position) != std::end(kSeparators); }

}  // namespace orvelis
