#include "shell/browser/document_scheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "ground/cp1251.h"

namespace orvelis {

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
  const std::string bytes = EncodeCp1251(utf8Html, Unmappable::NumericReference);
  documents_.insert(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
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
    auto* buffer = new QBuffer(job);
    buffer->setData(*doc);
    job->reply(QByteArrayLiteral("text/html;charset=windows-1251"), buffer);
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
