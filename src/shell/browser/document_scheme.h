#pragma once
// Documents are served to the browser panes from memory through the "orvelis" URL scheme
// (setHtml breaks above 2 MB, and a results page for a common word is larger). Each written
// document gets a URL of its own, orvelis://doc/<pane>/<n>; the navigation images that pages
// name by their path in the user data folder are served from that folder through the same scheme.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <memory>
#include <string>

namespace orvelis {

inline constexpr char kDocumentScheme[] = "orvelis";

// Must run before the QApplication exists.
void RegisterDocumentScheme();

class DocumentScheme final : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  // Installs itself on the default profile. `userDataFolder` ends with a separator.
  explicit DocumentScheme(QString userDataFolder, QObject* parent = nullptr);
  ~DocumentScheme() override;

  // Keeps the document (Windows-1251, as it declares) and returns the URL that serves it; the
  // previous document of the same pane is dropped.
  QUrl Put(const QString& pane, const std::string& utf8Html);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  QString userDataFolder_;
  QHash<QString, std::shared_ptr<const std::string>> documents_;  // path -> bytes (Windows-1251)
  QHash<QString, QString> latestOfPane_;  // pane -> path
  quint64 serial_ = 0;
};

}  // namespace orvelis
