#pragma once
// One embedded browser of the window: a QWebEngineView whose page hands every navigation to the
// owner's before-navigate handler, which decides to let it go on or to cancel it. Documents are
// written in one piece through the document scheme. DOM reads go through runJavaScript; the
// asynchrony stays in here and callers get callbacks.

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvelis {

class DocumentScheme;

class BrowserPane final : public QWebEngineView {
  Q_OBJECT

 public:
  // Returns true to let the navigation go on, false to cancel it. Gets the URL decoded ("^").
  using NavigationHandler = std::function<bool(const std::string& url)>;

  BrowserPane(const QString& name, DocumentScheme& documents, QWidget* parent = nullptr);
  ~BrowserPane() override;

  void SetNavigationHandler(NavigationHandler handler) { handler_ = std::move(handler); }
  // Replaces the document with `html`; `loaded` fires when it is in place.
  void WriteDocument(std::string html);
  // The primed empty document: a single blank.
  void Prime() { WriteDocument(" "); }
  // Primes the pane on a page warmed up ahead, when one waits: its renderer is already running.
  void PrimeOnWarmPage();
  // Starts `count` pages, and with them their renderer processes, before any pane exists, for
  // PrimeOnWarmPage. What no pane took is dropped with DropWarmPages.
  static void WarmUpPages(int count);
  static void DropWarmPages();
  const std::string& Document() const { return document_; }
  bool IsLoaded() const { return loaded_; }

  bool hasSelection() const { return page()->hasSelection(); }
  void triggerPageAction(QWebEnginePage::WebAction action) { page()->triggerAction(action); }

  // Every document this pane shows from now on also follows `css`, which no document's bytes carry.
  void AdoptStylesheet(const QString& css);

  // Runs script in the current document; `done` gets its result (invalid when it failed).
  void RunScript(const QString& script, std::function<void(const QVariant&)> done = {});
  // Runs script and waits for its result, up to timeoutMs; nothing when the page did not answer.
  // The wait sleeps in an event loop that holds back user input: the browser's processes need the
  // machine's cores meanwhile.
  std::optional<QVariant> Evaluate(const QString& script, int timeoutMs);
  // Waits, as Evaluate does, until the document written last has loaded; false on timeout.
  bool WaitUntilLoaded(int timeoutMs);
  // The HTML of the selection (what a favourite is made of); waits up to 3 s for the page.
  std::string SelectedHtml();
  // The tooltips of the paragraphs (p[title]) the selection touches, in page order.
  std::vector<std::string> SelectedParagraphTitles();

 signals:
  void loaded();
  // The page's render process died more than kMaxRendererReloads times while showing one
  // document; the pane stays empty until the next document is written.
  void rendererFailed();
  // The render process died and the document is being loaded again.
  void reloadingAfterRendererDeath();
  // A right click: the window shows its own menu, never the browser's.
  void contextMenuWanted(QPoint globalPos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class Page;
  static constexpr int kMaxRendererReloads = 3;
  void Load(std::string html);
  // Shows `page` from now on, with this pane's scripts and settings; the one shown before goes.
  void UsePage(Page* page);
  // Pages whose renderer processes were started ahead of the panes that will show them.
  static std::vector<QPointer<Page>>& WarmPages();
  void RecoverFromRendererDeath(QWebEnginePage::RenderProcessTerminationStatus status);

  DocumentScheme& documents_;
  NavigationHandler handler_;
  std::vector<QWebEngineScript> scripts_;  // every page this pane shows runs these
  Page* page_ = nullptr;
  std::string document_;
  QString pendingPath_;  // the document being loaded, which the page must let through
  QUrl pendingUrl_;
  bool loaded_ = false;
  int rendererReloads_ = 0;  // reloads of the current document after its renderer died
  // Script callbacks still pending when the pane goes are called by the dying page; they must
  // not reach an owner that is being destroyed.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace orvelis
