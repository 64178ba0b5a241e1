#include "gui_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QToolBar>
#include <QWheelEvent>

#include "shell/app/startup.h"
#include "shell/browser/browser_pane.h"
#include "shell/window/main_window.h"

namespace orvelis::test {

IsolatedEnvironment::IsolatedEnvironment() {
  qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", QDir(dir_.path()).filePath(QStringLiteral("data")).toUtf8());
  qputenv("ORVELIS_MESSAGE_LOG", MessageLog().toUtf8());
}

QString IsolatedEnvironment::MessageLog() const { return QDir(dir_.path()).filePath(QStringLiteral("messages.log")); }

QString IsolatedEnvironment::TakeMessages() const {
  QFile log(MessageLog());
  if (!log.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(log.readAll());
  log.close();
  log.remove();
  return text;
}

void IsolatedEnvironment::Reset() const {
  QDir(QDir(dir_.path()).filePath(QStringLiteral("config"))).removeRecursively();
  QDir(QDir(dir_.path()).filePath(QStringLiteral("data"))).removeRecursively();
  QFile::remove(MessageLog());
}

// The waits sleep in an event loop rather than polling: on a two-core machine a polling test
// would take a core from the browser processes it waits for.
bool WaitLoaded(BrowserPane* pane, int timeoutMs) {
  if (pane->IsLoaded()) return true;
  QEventLoop loop;
  QObject::connect(pane, &BrowserPane::loaded, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return pane->IsLoaded();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  if (done()) return true;
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  check.start(5);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}

QVariant Eval(BrowserPane* pane, const QString& script, int timeoutMs) {
  struct Wait {
    QVariant result;
    bool done = false;
    QPointer<QEventLoop> loop;
  };
  const auto wait = std::make_shared<Wait>();
  pane->RunScript(script, [wait](const QVariant& value) {
    wait->result = value;
    wait->done = true;
    if (wait->loop) wait->loop->quit();
  });
  if (!wait->done) {
    QEventLoop loop;
    wait->loop = &loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return wait->result;
}

QString Title(BrowserPane* pane) { return Eval(pane, QStringLiteral("document.title")).toString(); }

void PrepareGuiTestProcess() {
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  // The tests read the interface's Russian originals whatever the machine's locale; the programs
  // they start inherit it. A test of another language chooses it in the settings, which win.
  qputenv("LANGUAGE", "ru");
}

void ClickToolbar(QMainWindow* window, QAction* action) {
  for (QToolBar* bar : window->findChildren<QToolBar*>()) {
    if (QWidget* button = bar->widgetForAction(action)) {
      QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
  }
  QFAIL("no toolbar button for the action");
}

namespace {

QAction* FindAction(const QList<QAction*>& actions, const QString& text) {
  for (QAction* action : actions) {
    if (action->isVisible() && QString(action->text()).remove(QLatin1Char('&')) == text) return action;
  }
  return nullptr;
}

bool WaitVisible(QWidget* widget) {
  return QTest::qWaitFor([widget] { return widget->isVisible(); }, 5000);
}

}  // namespace

bool ClickMenuItem(QMenu* menu, const QString& text) {
  if (!WaitVisible(menu)) return false;
  QAction* action = FindAction(menu->actions(), text);
  if (!action) return false;
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  return true;
}

bool ChooseMenu(QMainWindow* window, const QStringList& path) {
  QMenuBar* bar = window->menuBar();
  QAction* top = FindAction(bar->actions(), path.first());
  if (!top || !top->menu()) return false;
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
  QMenu* menu = top->menu();
  for (int i = 1; i < path.size(); ++i) {
    if (!WaitVisible(menu)) return false;
    QAction* item = FindAction(menu->actions(), path[i]);
    if (!item) return false;
    if (i + 1 < path.size()) {
      QTest::mouseMove(menu, menu->actionGeometry(item).center());
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
      if (!item->menu()) return false;
      menu = item->menu();
    } else {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
  }
  return true;
}

// The browser turns the click into its context-menu request, which reaches the pane's
// contextMenuEvent as it does for a person's click.
void RightClick(BrowserPane* pane, QPoint at) {
  QWidget* target = pane->focusProxy() ? pane->focusProxy() : pane;
  if (at.isNull()) at = QPoint(target->width() / 2, target->height() / 2);
  QTest::mouseClick(target, Qt::RightButton, {}, at);
}

void Wheel(BrowserPane* pane, int notches) {
  QWidget* target = pane->focusProxy() ? pane->focusProxy() : pane;
  const QPointF local(target->width() / 2.0, target->height() / 2.0);
  for (int i = 0; i < std::abs(notches); ++i) {
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, notches < 0 ? -120 : 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    QTest::qWait(30);
  }
}

void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs) {
  auto* timer = new QTimer;
  auto* waited = new QElapsedTimer;
  waited->start();
  QObject::connect(timer, &QTimer::timeout, [timer, waited, answer, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && waited->elapsed() < timeoutMs) return;
    timer->stop();
    timer->deleteLater();
    delete waited;
    if (modal) answer(modal);
  });
  timer->start(50);
}

void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

bool ClickElement(BrowserPane* pane, const QString& selector) {
  // A page just loaded may not be laid out yet: the element's box is asked for until it has one.
  const QString script = QStringLiteral("(function(){var e=document.querySelector('%1');if(!e)return null;"
                                        "e.scrollIntoView({block:'center'});var r=e.getBoundingClientRect();"
                                        "if(!r.width||!r.height)return null;"
                                        "return [r.left+Math.min(4,r.width/2),r.top+r.height/2];})()")
                             .arg(selector);
  QVariantList at;
  QElapsedTimer timer;
  timer.start();
  while ((at = Eval(pane, script).toList()).size() != 2 && timer.elapsed() < 5000) QTest::qWait(50);
  if (at.size() != 2) return false;
  QWidget* target = pane->focusProxy() ? pane->focusProxy() : pane;
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(at[0].toInt(), at[1].toInt()));
  return true;
}

Selection SelectElement(BrowserPane* pane, const QString& element) {
  const QVariantList r = Eval(pane, QStringLiteral("(function(){var p=%1;if(!p)return null;"
                                                   "p.scrollIntoView({block:'center'});"
                                                   "window.getSelection().selectAllChildren(p);var r=p.getClientRects()[0];"
                                                   "return [r.left+5,r.top+r.height/2,window.getSelection().toString()];})()")
                                        .arg(element))
                             .toList();
  if (r.size() != 3) return {};
  return {QPoint(r[0].toInt(), r[1].toInt()), r[2].toString()};
}

QTreeWidgetItem* BookTreeItem(QTreeWidget* tree, const QString& key) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
  }
  return nullptr;
}

bool PressKeysThroughDisplay(const QString& keys) {
  return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}) == 0;
}

int ScrollTop(BrowserPane* pane) {
  return Eval(pane, QStringLiteral("document.body.scrollTop || document.documentElement.scrollTop")).toInt();
}

bool GoTo(MainWindow* window, int page, bool paper) {
  WhenModal([page, paper](QWidget* dialog) {
    const QString option = paper ? QStringLiteral("OptObject1") : QStringLiteral("OptObject0");
    if (auto* choice = dialog->findChild<QWidget*>(option)) QTest::mouseClick(choice, Qt::LeftButton);
    auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("txtInputNumber"));
    if (!number) return;
    QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);  // over the number typed last time
    QTest::keyClicks(number, QString::number(page));
    QTest::keyClick(number, Qt::Key_Return);
  });
  window->activateWindow();  // shortcuts reach the active window only
  if (!QTest::qWaitForWindowActive(window)) return false;
  QTest::keyClick(window, Qt::Key_G, Qt::ControlModifier);
  const std::string key = "page" + std::to_string(page);
  const bool arrived = QTest::qWaitFor(
      [&] {
        return !QApplication::activeModalWidget() && window->Pane(ReadingPane::Web1)->IsLoaded() &&
               (paper || window->Locator().CurrentKey() == key);
      },
      15000);
  window->activateWindow();
  return arrived && QTest::qWaitForWindowActive(window) && WaitLoaded(window->Pane(ReadingPane::Web1));
}

MainWindow* StartReader(std::unique_ptr<Reader>& reader) {
  reader = std::make_unique<Reader>();
  if (!reader->StartUp()) return nullptr;
  MainWindow* window = reader->Window();
  return WaitLoaded(window->Pane(ReadingPane::Web1)) ? window : nullptr;
}

void StopReader(std::unique_ptr<Reader>& reader, MainWindow*& window) {
  if (window) window->close();
  window = nullptr;
  reader.reset();
}

}  // namespace orvelis::test
