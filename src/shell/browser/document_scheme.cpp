#include "shell/browser/document_scheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <algorithm>
#include <cstring>

#include "ground/cp1251.h"

namespace orvelis {
namespace {

// Serves a document's bytes as they are, without a copy. The bytes are shared with the scheme, so
// a document replaced while the browser is still reading it stays whole until the read is done.
class SharedBytesDevice final : public QIODevice {
 public:
  SharedBytesDevice(std::shared_ptr<const std::string> bytes, QObject* parent)
      : QIODevice(parent), bytes_(std::move(bytes)) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
  }
  qint64 size() const override { return static_cast<qint64>(bytes_->size()); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 n = std::min(maxSize, size() - pos());
    if (n <= 0) return 0;
    std::memcpy(data, bytes_->data() + pos(), static_cast<std::size_t>(n));
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  std::shared_ptr<const std::string> bytes_;
};

}  // namespace

void RegisterDocumentScheme() {
  QWebEngineUrlScheme scheme(kDocumentScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
}

DocumentScheme::DocumentScheme(QString userDataFolder, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), userDataFolder_(std::move(userDataFolder)) {
  QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(kDocumentScheme, this);
}

DocumentScheme::~DocumentScheme() { QWebEngineProfile::defaultProfile()->removeUrlSchemeHandler(this); }

QUrl DocumentScheme::Put(const QString& pane, const std::string& utf8Html) {
  const QString path = QStringLiteral("/%1/%2").arg(pane).arg(++serial_);
  documents_.insert(path, std::make_shared<const std::string>(EncodeCp1251(utf8Html, Unmappable::NumericReference)));
  if (const auto old = latestOfPane_.constFind(pane); old != latestOfPane_.constEnd()) documents_.remove(*old);
  latestOfPane_.insert(pane, path);
  QUrl url;
  url.setScheme(QString::fromLatin1(kDocumentScheme));
  url.setHost(QStringLiteral("doc"));
  url.setPath(path);
  return url;
}

void DocumentScheme::requestStarted(QWebEngineUrlRequestJob* job) {
  const QString path = job->requestUrl().path();
  if (const auto doc = documents_.constFind(path); doc != documents_.constEnd()) {
    job->reply(QByteArrayLiteral("text/html;charset=windows-1251"), new SharedBytesDevice(*doc, job));
    return;
  }
  // Images the stylesheet and the bars name by their place in the user data folder.
  const QString userData = QDir::fromNativeSeparators(userDataFolder_);
  if (!userData.isEmpty() && path.startsWith(userData) && !path.contains(QStringLiteral(".."))) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
      auto* buffer = new QBuffer(job);
      buffer->setData(file.readAll());
      job->reply(path.endsWith(QStringLiteral(".gif")) ? QByteArrayLiteral("image/gif")
                                                        : QByteArrayLiteral("application/octet-stream"),
                 buffer);
      return;
    }
  }
  job->fail(QWebEngineUrlRequestJob::UrlNotFound);
}

}  // namespace orvelis
