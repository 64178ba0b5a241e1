#include "tool/favorites_commands.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "ground/cp1251.h"
#include "favorites/favorites_store.h"
#include "tool/book_commands.h"
#include "ports/message_sink.h"

namespace orvelis::tool {
namespace {

const char* kUsage =
    "favorites show FILE | add FILE FOLDER_KEY NAME --text-file F | add-folder FILE KEY NAME |\n"
    "          move FILE SRC_KEY DST_KEY [--answer yes|no|cancel] | delete FILE KEY [--answer yes|no]";

// Answers every question as told and prints every message on stderr.
class ScriptedMessages final : public MessageSink {
 public:
  explicit ScriptedMessages(MessageAnswer answer) : answer_(answer) {}
  MessageAnswer Show(const Message& m) override {
    std::cerr << m.caption << ": " << m.text << "\n";
    if (m.icon == MessageIcon::Critical || m.icon == MessageIcon::Exclamation) ++failures;
    if (m.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (m.buttons == MessageButtons::YesNo && answer_ == MessageAnswer::Cancel) return MessageAnswer::No;
    return answer_;
  }
  int failures = 0;

 private:
  MessageAnswer answer_;
};

// Sub-folders first, each followed at once by its own contents, then the fragments; without
// recursion, as a folder tree may be as deep as the file allows.
void Print(CFavorites& root) {
  struct Open {
    CFavorites* folder;
    std::string key;
    int next;
  };
  std::vector<Open> open{{&root, "f", 1}};
  while (!open.empty()) {
    Open& top = open.back();
    const std::string indent(open.size() * 2, ' ');
    if (top.next <= top.folder->FolderLen()) {
      const int i = top.next++;
      CFavorites* sub = top.folder->Folder(i).get();
      std::string subKey = SubFolderKey(top.key, i);
      std::cout << indent << subKey << " " << sub->FolderName << "\n";
      open.push_back({sub, std::move(subKey), 1});
      continue;
    }
    for (int j = 1; j <= top.folder->DocLen(); ++j) {
      const auto d = top.folder->doc(j);
      std::cout << indent << FragmentKey(top.key, j) << " " << d->name << " ["
                << EncodedCp1251Length(d->Text, Unmappable::NumericReference) << " bytes]\n";
    }
    open.pop_back();
  }
}

// A key names the new item in the file; one that lives only in memory (the save failed or was
// refused, as reported on stderr) would name nothing the next run can find.
int PrintIfSaved(const std::string& key, const FavoritesStore& store, int status) {
  if (key.empty() || store.HasUnsavedChanges()) return kExitFailure;
  std::cout << key << "\n";
  return status;
}

}  // namespace

int RunFavorites(const ToolArgs& args) {
  const auto& words = args.positional();
  if (words.size() < 3) return Usage(kUsage);
  const std::string& action = words[1];
  const std::string answerText = args.Option("answer").value_or("yes");
  const MessageAnswer answer = answerText == "no" ? MessageAnswer::No
                               : answerText == "cancel" ? MessageAnswer::Cancel
                                                        : MessageAnswer::Yes;
  if (answerText != "yes" && answerText != "no" && answerText != "cancel") return Usage(kUsage);
  ScriptedMessages messages(answer);
  FavoritesStore store(words[2], messages);
  if (!store.LoadFavorites()) return kExitFailure;
  // Every change ends in a save; a refused or failed one has been reported on stderr.
  const auto status = [&] { return messages.failures > 0 ? kExitFailure : kExitOk; };

  if (action == "show" && words.size() == 3) {
    std::cout << "f Избранное\n";
    Print(store.FavoritesRoot());
    return kExitOk;
  }
  if (action == "add" && words.size() == 5) {
    const auto textFile = args.Option("text-file");
    if (!textFile) return Usage(kUsage);
    std::ifstream in(*textFile, std::ios::binary);
    if (!in) {
      std::cerr << "orvelis-tool: cannot read " << *textFile << "\n";
      return kExitFailure;
    }
    std::ostringstream html;
    html << in.rdbuf();
    const std::string key = store.AddFragment(words[3], words[4], html.str());
    return PrintIfSaved(key, store, status());
  }
  if (action == "add-folder" && words.size() == 5) {
    const std::string key = store.AddFolder(words[3], words[4]);
    return PrintIfSaved(key, store, status());
  }
  if (action == "move" && words.size() == 5) {
    store.MoveFavorite(words[3], words[4]);
    return status();
  }
  if (action == "delete" && words.size() == 4) {
    CFavorites* parent = nullptr;
    int position = 0;
    std::string text;
    if (words[3].rfind("d", 0) == 0) {
      if (CFoldDoc* d = store.FavoritesRoot().GetDocFromKey(words[3], parent, position)) text = d->name;
    } else if (words[3] != "f") {
      if (CFavorites* f = store.FavoritesRoot().GetFolderFromKey(words[3], parent, position)) text = f->FolderName;
    }
    if (text.empty() && words[3] == "f") return Usage("the root cannot be deleted");
    store.DeleteFavorite(words[3], text);
    return status();
  }
  return Usage(kUsage);
}

}  // namespace orvelis::tool
