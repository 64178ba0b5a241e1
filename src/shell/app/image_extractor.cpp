#include "shell/app/image_extractor.h"

#include <QFile>

#include "favorites/user_data_images.h"
#include "shell/platform/qt_text.h"

// The images live in a static library's resources, which must be registered by hand.
static void InitImageResources() { Q_INIT_RESOURCE(images); }

namespace orvelis {

QStringList NavigationImageNames() {
  return {QStringLiteral("1x1.gif"),      QStringLiteral("n_book.gif"),    QStringLiteral("n_book_on.gif"),
          QStringLiteral("n_page.gif"),   QStringLiteral("n_page_on.gif"), QStringLiteral("p_book.gif"),
          QStringLiteral("p_book_on.gif"), QStringLiteral("p_page.gif"),   QStringLiteral("p_page_on.gif"),
          QStringLiteral("point.gif"),    QStringLiteral("nopoint.gif")};
}

std::string ExtractImages(const std::filesystem::path& userDataFolder) {
  InitImageResources();
  std::vector<StoredImage> images;
  for (const QString& name : NavigationImageNames()) {
    QFile resource(QStringLiteral(":/images/") + name);
    if (!resource.open(QIODevice::ReadOnly)) continue;  // built into the program: always there
    const QByteArray bytes = resource.readAll();
    images.push_back({S(name), std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))});
  }
  return WriteUserDataImages(userDataFolder, images);
}

}  // namespace orvelis
