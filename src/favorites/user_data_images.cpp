#include "favorites/user_data_images.h"

#include "favorites/whole_file.h"
#include "ground/ui_text.h"

namespace orvelis {
namespace {

bool NeedsWriting(const std::filesystem::path& folder, const StoredImage& image) {
  std::string bytes, reason;
  return ReadWholeFile(folder / image.name, bytes, reason) != ReadOutcome::Read || bytes != image.bytes;
}

}  // namespace

std::vector<std::string> ImagesToWrite(const std::filesystem::path& folder, const std::vector<StoredImage>& images) {
  std::vector<std::string> names;
  for (const StoredImage& image : images) {
    if (NeedsWriting(folder, image)) names.push_back(image.name);
  }
  return names;
}

std::string WriteUserDataImages(const std::filesystem::path& folder, const std::vector<StoredImage>& images) {
  std::size_t failed = 0;
  std::string firstFailure;
  for (const StoredImage& image : images) {
    RemoveStaleTemporaryFile(folder / image.name);
    if (!NeedsWriting(folder, image)) continue;
    const ReplaceResult r = ReplaceWholeFile(folder / image.name, image.bytes);
    if (r.outcome != ReplaceOutcome::Written && failed++ == 0) firstFailure = image.name + ": " + Tr(r.reason.c_str());
  }
  if (failed == 0) return {};
  return Tr(ORVELIS_TR_NOOP("Core",
                            "Не удалось записать изображения для страниц в папку %1 (не записано файлов: %2 из %3; "
                            "%4).\r\nКнопки перехода по страницам могут отображаться без рисунков. При следующем "
                            "запуске программа попробует записать их снова."),
            {folder.string(), std::to_string(failed), std::to_string(images.size()), firstFailure});
}

}  // namespace orvelis
