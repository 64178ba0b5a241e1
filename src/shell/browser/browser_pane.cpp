#include "shell/browser/browser_pane.h"

#include <QContextMenuEvent>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <memory>
#include <optional>
#include <utility>

#include "navigation/link_protocol.h"
#include "shell/browser/document_scheme.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

namespace {
constexpr int kSelectionWaitMs = 3000;
}  // namespace

// The page class only decides navigation; everything else is the pane's. A page warmed up before
// any pane exists lets its blank document through and belongs to no pane until one adopts it.
class BrowserPane::Page final : public QWebEnginePage {
 public:
  explicit Page(QObject* parent) : QWebEnginePage(parent) {}
  void Attach(BrowserPane* pane) { pane_ = pane; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    if (!isMainFrame || !pane_) return true;
    const std::string text = DecodedUrl(url.toEncoded().toStdString());
    // The pane's own document load is always allowed; it is not a link.
    if (url.scheme() == QLatin1String(kDocumentScheme) && url.path() == pane_->pendingPath_) return true;
    return pane_->handler_ ? pane_->handler_(text) : false;
  }

 private:
  BrowserPane* pane_ = nullptr;
};

std::vector<QPointer<BrowserPane::Page>>& BrowserPane::WarmPages() {
  static std::vector<QPointer<Page>> pages;
  return pages;
}

void BrowserPane::WarmUpPages(int count) {
  for (int i = 0; i < count; ++i) {
    auto* page = new Page(nullptr);
    page->load(QUrl(QStringLiteral("about:blank")));
    WarmPages().emplace_back(page);
  }
}

void BrowserPane::DropWarmPages() {
  for (const QPointer<Page>& page : WarmPages()) delete page.data();
  WarmPages().clear();
}

BrowserPane::BrowserPane(const QString& name, DocumentScheme& documents, QWidget* parent)
    : QWebEngineView(parent), documents_(documents) {
  setObjectName(name);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  // Pages call window.navigate('^') from their onscroll handler, as the browser they were
  // written for provided; here it becomes an ordinary navigation that the handler cancels.
  QWebEngineScript shim;
  shim.setName(QStringLiteral("navigate-shim"));
  shim.setInjectionPoint(QWebEngineScript::DocumentCreation);
  shim.setWorldId(QWebEngineScript::MainWorld);
  shim.setSourceCode(QStringLiteral("window.navigate = function (u) { window.location.href = u; };"));
  scripts_.push_back(shim);
  UsePage(new Page(this));
}

void BrowserPane::UsePage(Page* page) {
  Page* old = page_;
  page_ = page;
  page_->Attach(this);
  page->setParent(this);
  for (const QWebEngineScript& script : scripts_) page->scripts().insert(script);
  page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  setPage(page);
  if (old != page) delete old;
  connect(page, &QWebEnginePage::renderProcessTerminated, this, &BrowserPane::RecoverFromRendererDeath);
  // A cancelled link reports a failed load of the link, not of the document. A document written
  // while an older one was still loading may be dropped by the browser, which then reports the
  // older one as loaded: that is not the document this pane must show, so the newest is loaded
  // again.
  connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus) return;
    if (info.url().scheme() == QLatin1String(kDocumentScheme) && info.url().path() != pendingPath_) {
      load(pendingUrl_);
      return;
    }
    loaded_ = true;
    emit loaded();
  });
}

void BrowserPane::PrimeOnWarmPage() {
  while (!WarmPages().empty()) {
    const QPointer<Page> warm = WarmPages().back();
    WarmPages().pop_back();
    if (warm) {
      UsePage(warm);
      break;
    }
  }
  Prime();
}

void BrowserPane::WriteDocument(std::string html) {
  rendererReloads_ = 0;
  Load(std::move(html));
}

void BrowserPane::Load(std::string html) {
  document_ = std::move(html);
  loaded_ = false;
  const QUrl url = documents_.Put(objectName(), document_);
  pendingPath_ = url.path();
  pendingUrl_ = url;
  load(url);
}

BrowserPane::~BrowserPane() { *alive_ = false; }

// A dead renderer leaves a blank pane; the document is in memory, so it is simply written again.
// A document that kills its renderer again and again is given up after a few tries, and said so.
void BrowserPane::RecoverFromRendererDeath(QWebEnginePage::RenderProcessTerminationStatus status) {
  if (status == QWebEnginePage::NormalTerminationStatus || !*alive_) return;
  loaded_ = false;
  if (rendererReloads_ >= kMaxRendererReloads) {
    emit rendererFailed();
    return;
  }
  ++rendererReloads_;
  emit reloadingAfterRendererDeath();
  // Not from inside the page's own signal: the page sets up its next render process first.
  QMetaObject::invokeMethod(this, [this] { Load(document_); }, Qt::QueuedConnection);
}

void BrowserPane::AdoptStylesheet(const QString& css) {
  QWebEngineScript script;
  script.setName(QStringLiteral("adopted-style"));
  // Before the parser starts, so that the browser never lays the document out without it.
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  const QString literal = QString::fromUtf8(QJsonDocument(QJsonArray{css}).toJson(QJsonDocument::Compact));
  script.setSourceCode(QStringLiteral("(function(){var s=new CSSStyleSheet();s.replaceSync(%1[0]);"
                                      "document.adoptedStyleSheets=document.adoptedStyleSheets.concat([s]);})();")
                           .arg(literal));
  scripts_.push_back(script);
  page()->scripts().insert(script);
}

void BrowserPane::contextMenuEvent(QContextMenuEvent* event) { emit contextMenuWanted(event->globalPos()); }

void BrowserPane::RunScript(const QString& script, std::function<void(const QVariant&)> done) {
  page()->runJavaScript(script, [alive = alive_, done = std::move(done)](const QVariant& result) {
    if (*alive && done) done(result);
  });
}

std::vector<std::string> BrowserPane::SelectedParagraphTitles() {
  const auto answer =
      Evaluate(QStringLiteral("(function(){var s=window.getSelection();if(!s||!s.rangeCount||s.isCollapsed)return '';"
                              "var out=[];var ps=document.querySelectorAll('p[title]');"
                              "for(var i=0;i<ps.length;i++){for(var r=0;r<s.rangeCount;r++){"
                              "if(s.getRangeAt(r).intersectsNode(ps[i])){out.push(ps[i].title);break;}}}"
                              "return out.join('\\n');})()"),
               kSelectionWaitMs);
  std::vector<std::string> titles;
  for (const QString& title : answer.value_or(QVariant()).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    titles.push_back(S(title));
  }
  return titles;
}

std::string BrowserPane::SelectedHtml() {
  const auto answer =
      Evaluate(QStringLiteral("(function(){var s=window.getSelection();if(!s||!s.rangeCount)return '';"
                              "var d=document.createElement('div');for(var i=0;i<s.rangeCount;i++)"
                              "d.appendChild(s.getRangeAt(i).cloneContents());return d.innerHTML;})()"),
               kSelectionWaitMs);
  return S(answer.value_or(QVariant()).toString());
}

std::optional<QVariant> BrowserPane::Evaluate(const QString& script, int timeoutMs) {
  // Shared with the callback: a page that answers after the wait must not write into a frame gone.
  struct Wait {
    std::optional<QVariant> answer;
    QPointer<QEventLoop> loop;
  };
  const auto wait = std::make_shared<Wait>();
  RunScript(script, [wait](const QVariant& result) {
    wait->answer = result;
    if (wait->loop) wait->loop->quit();
  });
  if (!wait->answer) {
    QEventLoop loop;
    wait->loop = &loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  return wait->answer;
}

bool BrowserPane::WaitUntilLoaded(int timeoutMs) {
  if (loaded_) return true;
  QEventLoop loop;
  connect(this, &BrowserPane::loaded, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return loaded_;
}

}  // namespace orvelis
