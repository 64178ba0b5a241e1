#pragma once
// Helpers for the window tests: an isolated environment, waiting for the real browser, and
// reading its DOM.

#include <QString>
#include <QTemporaryDir>
#include <QPoint>
#include <QStringList>
#include <QVariant>

class QAction;
class QMainWindow;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

#include <functional>
#include <memory>

namespace orvelis {
class BrowserPane;
class MainWindow;
class Reader;
}

namespace orvelis::test {

// Points settings, user data and message logging at a fresh temporary folder (before the
// QApplication exists, so that every path the program computes lands there).
class IsolatedEnvironment {
 public:
  IsolatedEnvironment();
  QString Path() const { return dir_.path(); }
  QString MessageLog() const;
  // The message boxes shown since the last call (one "caption|text" line each), then forgets them.
  // A test's cleanup fails when this is not empty: every box a test expects, it takes itself.
  QString TakeMessages() const;
  // Empties the settings, the user data folder and the message log.
  void Reset() const;

 private:
  QTemporaryDir dir_;
};

// Waits until the pane's current document has loaded; false after the timeout.
bool WaitLoaded(BrowserPane* pane, int timeoutMs = 15000);
// Waits until `done` holds, asking every few milliseconds; false after the timeout. The wait
// sleeps in an event loop: the browser's work on this thread goes on at full speed meanwhile,
// which a wait that sleeps between rounds of events (QTest::qWaitFor) slows many times over.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000);
// Runs script in the pane and waits for its result.
QVariant Eval(BrowserPane* pane, const QString& script, int timeoutMs = 10000);
// The document title as the browser has it.
QString Title(BrowserPane* pane);

// Input as a person gives it: real mouse, wheel, key and context-menu events on the real widgets.
// Clicks the toolbar button of `action` (toolbar position or menu item shown there).
void ClickToolbar(QMainWindow* window, QAction* action);
// Opens the menu bar's menu `path[0]` with the mouse, then each submenu, and clicks the last
// item. An item that opens a modal dialog returns only when the dialog is closed: answer it with
// WhenModal first.
bool ChooseMenu(QMainWindow* window, const QStringList& path);
// Clicks item `text` of a menu that is open (a context menu).
bool ClickMenuItem(QMenu* menu, const QString& text);
// Right-clicks the pane: the context-menu event the browser's widget raises.
// `at` in the pane's content (its centre when null); a click inside a selection keeps it.
void RightClick(BrowserPane* pane, QPoint at = QPoint());
// Turns the mouse wheel over the pane's content (negative: down).
void Wheel(BrowserPane* pane, int notches);
// Runs `answer` on the next modal widget once it is up (within the timeout).
void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 10000);
// The pane's vertical scroll position in pixels.
int ScrollTop(BrowserPane* pane);
// Types text into the widget as key presses that carry the characters (Cyrillic included).
void TypeText(QWidget* widget, const QString& text);
// Scrolls the first element matching `selector` into view and clicks it with the mouse; false
// when there is no such element.
bool ClickElement(BrowserPane* pane, const QString& selector);
// Selects the element a script expression names (the page's first paragraph by default),
// scrolled to the middle of the view. `inside` is a point in it where a right click keeps the
// selection (null when there is no such element), `text` the selection's text.
struct Selection {
  QPoint inside;
  QString text;
};
Selection SelectElement(BrowserPane* pane,
                        const QString& element = QStringLiteral("document.getElementsByTagName('p')[0]"));
// The book tree's node of `key`, or null.
QTreeWidgetItem* BookTreeItem(QTreeWidget* tree, const QString& key);
// Sends keys through the X server (xdotool), as a keyboard would: the program reads them from its
// display connection like any other input. `keys` in xdotool's names ("ctrl+g").
bool PressKeysThroughDisplay(const QString& keys);

// Shows page `page` (or Paper `page` with paper) through the go-to dialog, Ctrl+G and typed keys,
// and gives the activation back to the window as a window manager would; false when the page did
// not load.
bool GoTo(MainWindow* window, int page, bool paper = false);

// Sets the environment: the browser engine's flags and a Russian system language; call first in main().
void PrepareGuiTestProcess();

// Starts the reader as the program does and waits for its first page; null when start-up failed.
MainWindow* StartReader(std::unique_ptr<Reader>& reader);
// Closes the window (which saves the settings) and ends the reader.
void StopReader(std::unique_ptr<Reader>& reader, MainWindow*& window);

}  // namespace orvelis::test

#include <QApplication>
#include <QTest>

#include "shell/app/qt_translations.h"
#include "shell/app/webengine_setup.h"
// The window's panels, which the tests reach through the window.
#include "shell/favorites/favorites_panel.h"
#include "shell/help/help_commands.h"
#include "shell/reading/reading_area.h"
#include "shell/search/search_panel.h"
#include "shell/window/main_window.h"

namespace orvelis::test {

// The main() of a window test: an isolated environment, the browser engine, then the tests.
// `Tests` takes the environment in its constructor.
template <typename Tests>
int RunGuiTests(int argc, char** argv) {
  IsolatedEnvironment env;
  PrepareGuiTestProcess();
  PrepareWebEngine();
  QApplication app(argc, argv);
  InstallQtTranslations();
  Tests tests(env);
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace orvelis::test

#include <QScopeGuard>
#include <QWidget>

namespace orvelis::test {

// For an answer given in WhenModal: closes the dialog when the answer ends with it still open (a
// check failed half-way), so that the exec() that showed it returns and the test can report.
inline auto CloseWhenDone(QWidget* modal) {
  return qScopeGuard([modal] {
    if (modal->isVisible()) modal->close();
  });
}

}  // namespace orvelis::test
