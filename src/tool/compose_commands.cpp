#include "tool/compose_commands.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "book/book_store.h"
#include "favorites/user_data_folder.h"
#include "book/book_key.h"
#include "reader/headless_reader.h"
#include "render/parallel_export.h"
#include "render/stylesheet.h"
#include "tool/book_commands.h"
#include "tool/tool_paths.h"
#include "ports/settings_store.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvelis::tool {
namespace {

bool LoadSettings(const ToolArgs& args, MemorySettingsStore& settings) {
  const auto file = args.Option("settings");
  if (!file) return true;
  std::ifstream in(*file, std::ios::binary);
  if (!in) {
    std::cerr << "orvelis-tool: cannot read settings file " << *file << "\n";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  settings = ParseSettingsText(text.str());
  return true;
}

std::string UserDataFolder(const ToolArgs& args) {
  return FolderWithSeparator(args.Option("user-data").value_or(DefaultUserDataFolder().string()));
}

bool EndsWithIgnoringCase(std::string text, std::string suffix) {
  if (text.size() < suffix.size()) return false;
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Written beside the target and renamed over it, so a failed run leaves no half-written file.
bool WriteFileWhole(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path temp = path;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}

// The PDF is laid out by the reader's browser engine in orvelis-pdf (see PdfHelperPath): the HTML goes
// to a file of its own beside the output, the PDF to one more, renamed over OUT once complete.
int WritePdf(const std::string& htmlBytes, const std::filesystem::path& out) {
  const std::filesystem::path printer = PdfHelperPath();
  if (access(printer.c_str(), X_OK) != 0) {
    std::cerr << "orvelis-tool: PDF needs " << printer.string() << ", which is not there\n";
    return kExitFailure;
  }
  const std::filesystem::path html = out.string() + ".part.htm";
  const std::filesystem::path part = out.string() + ".part";
  if (!WriteFileWhole(html, htmlBytes)) {
    std::cerr << "orvelis-tool: cannot write " << out.string() << "\n";
    return kExitFailure;
  }
  const std::string printerPath = printer.string(), htmlPath = html.string(), partPath = part.string();
  char* const argv[] = {const_cast<char*>(printerPath.c_str()), const_cast<char*>(htmlPath.c_str()),
                        const_cast<char*>(partPath.c_str()), nullptr};
  // The browser engine talks on its output streams about itself; the tool says what went wrong.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int status = -1;
  if (posix_spawn(&child, printerPath.c_str(), &quiet, nullptr, argv, environ) == 0) {
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&quiet);
  std::error_code ec;
  std::filesystem::remove(html, ec);
  const auto size = std::filesystem::file_size(part, ec);
  const bool printed = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !ec && size > 0;
  if (printed) std::filesystem::rename(part, out, ec);
  if (!printed || ec) {
    std::filesystem::remove(part, ec);
    std::cerr << "orvelis-tool: cannot write " << out.string() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int RunStylesheet(const ToolArgs& args) {
  if (args.positional().size() != 1) return Usage("stylesheet [--settings FILE] [--user-data DIR]");
  MemorySettingsStore settings;
  if (!LoadSettings(args, settings)) return kExitFailure;
  Stylesheet stylesheet(UserDataFolder(args));
  stylesheet.Apply(ReadFontSettings(settings));
  std::cout << stylesheet.StyleSheetHtml();
  return kExitOk;
}

int RunCompose(const ToolArgs& args) {
  const char* usage =
      "compose KEY [--lang en|ru] [--pane 0|1] [--fixed-headers] [--paragraph N] [--highlight QUERY] "
      "[--user-data DIR] [--strip] [--settings FILE] [--parallel]";
  if (args.positional().size() != 2) return Usage(usage);
  const std::string key = args.positional()[1];
  const auto target = ParseBookKey(key);
  if (!target || (target->kind == BookKeyKind::PartContents && target->number >= kPartCount)) {
    return Usage("unknown key '" + key + "'; " + usage);
  }
  const std::string lang = args.Option("lang").value_or("ru");
  const auto pane = ParseInteger(args.Option("pane").value_or("0"), 0, 1);
  const auto paragraph = ParseInteger(args.Option("paragraph").value_or("-1"), -1, 32767);
  if ((lang != "en" && lang != "ru") || !pane || !paragraph) return Usage(usage);

  BookStore store;
  HeadlessReader reader{store, UserDataFolder(args)};
  if (!LoadSettings(args, reader.settings)) return kExitFailure;
  reader.core.ApplyFontSettings();
  reader.core.Composing().fixedHeaders = args.Flag("fixed-headers");
  const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
  for (BookResult r : {store.OpenBook(path), store.LoadPartRecords(), store.LoadPaperRecords()}) {
    if (!r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return kExitFailure;
    }
  }
  store.SetCurrentLanguage(lang == "en" ? kEnglish : kRussian);
  if (BookResult r = store.LoadPageTexts(store.LanguageOfPane(static_cast<int>(*pane))); !r) {
    std::cerr << r.Text() << "\n" << r.detail << "\n";
    return kExitFailure;
  }

  const ComposedNode node = reader.core.Composer().Compose(key, args.Option("highlight").value_or(""),
                                                          static_cast<int>(*pane), static_cast<int>(*paragraph),
                                                          key,  // the tree selects the key shown
                                                          args.Flag("parallel"));
  std::cout << (args.Flag("strip") ? node.stripHtml : node.pageHtml);
  return kExitOk;
}

}  // namespace orvelis::tool

namespace orvelis::tool {

int RunExportParallel(const ToolArgs& args) {
  const char* usage = "export-parallel KEY OUT [--lang en|ru] [--settings FILE]";
  if (args.positional().size() != 3) return Usage(usage);
  const std::string key = args.positional()[1];
  const std::filesystem::path out = args.positional()[2];
  const auto target = ParseBookKey(key);
  if (!target || (target->kind != BookKeyKind::Page && target->kind != BookKeyKind::Paper &&
                  target->kind != BookKeyKind::Part)) {
    return Usage("'" + key + "' is not a page, Paper or Part key; " + usage);
  }
  const bool pdf = EndsWithIgnoringCase(out.string(), ".pdf");
  if (!pdf && !EndsWithIgnoringCase(out.string(), ".htm") && !EndsWithIgnoringCase(out.string(), ".html")) {
    return Usage("OUT must end in .htm, .html or .pdf; " + std::string(usage));
  }
  const std::string lang = args.Option("lang").value_or("ru");
  if (lang != "en" && lang != "ru") return Usage(usage);

  BookStore store;
  HeadlessReader reader{store, UserDataFolder(args)};
  if (!LoadSettings(args, reader.settings)) return kExitFailure;
  reader.core.ApplyFontSettings();
  const std::filesystem::path path = args.Option("book").value_or(DefaultBookPath().string());
  for (BookResult r : {store.OpenBook(path), store.LoadPartRecords(), store.LoadPaperRecords(),
                       store.LoadPageTexts(kEnglish), store.LoadPageTexts(kRussian)}) {
    if (!r) {
      std::cerr << r.Text() << "\n" << r.detail << "\n";
      return kExitFailure;
    }
  }
  store.SetCurrentLanguage(lang == "en" ? kEnglish : kRussian);
  ParallelExporter exporter(reader.core.Composer(), store, reader.core.Regex());
  const auto exported = exporter.Compose(key);
  if (!exported) return Usage("'" + key + "' is not a page, Paper or Part key; " + usage);
  if (pdf) return WritePdf(exported->FileBytes(), out);
  if (!WriteFileWhole(out, exported->FileBytes())) {
    std::cerr << "orvelis-tool: cannot write " << out.string() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace orvelis::tool
