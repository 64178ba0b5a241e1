// Text a user types (a query, a favourite's name) stays text wherever the window puts it: the
// results page, the files it is saved to, the favourites view, its header label and tooltip.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "shell/app/startup.h"
#include "ground/cp1251.h"
#include "gui_support.h"
#include "shell/browser/browser_pane.h"
#include "shell/favorites/favorites_tree.h"
#include "shell/window/main_window.h"

using namespace orvelis;

namespace {

const QString kHostileQuery = QStringLiteral("</title><script>alert(1)</script> иисус");
const QString kHostileName = QStringLiteral("<b>жирный</b> & <i>наклонный</i>");

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

 public:
  explicit HostileInputTest(const test::IsolatedEnvironment& env) : env_(env) {}

 private slots:
  void init() {
    env_.Reset();
    w_ = test::StartReader(reader_);
    QVERIFY(w_);
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
  }
  void cleanup() {
    test::StopReader(reader_, w_);
    const QString boxes = env_.TakeMessages();
    QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected message box: ") + boxes));
  }

  void aQueryWithMarkupStaysTextOnTheResultsPageAndInItsSavedFiles() {
    test::ClickToolbar(w_, w_->ToolbarAction(6));
    auto* box = w_->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    test::TypeText(box, kHostileQuery);
    QTest::keyClick(box, Qt::Key_Return);
    BrowserPane* results = w_->Search().ResultsPane();
    QVERIFY(test::WaitLoaded(results));
    QCOMPARE(test::Title(results), QStringLiteral("Поиск по книге - [") + kHostileQuery + QLatin1Char(']'));
    QCOMPARE(test::Eval(results, QStringLiteral("document.getElementsByTagName('script').length")).toInt(), 0);

    for (const QString& type : {QStringLiteral("htm"), QStringLiteral("txt")}) {
      const QString path = env_.Path() + QStringLiteral("/results.") + type;
      test::WhenModal([path](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) return;
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
      });
      test::RightClick(results);
      QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Сохранить содержимое как...")));
      QTRY_VERIFY(!QApplication::activeModalWidget());
      QFile file(path);
      QTRY_VERIFY(file.exists());
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString saved = QString::fromStdString(DecodeCp1251(file.readAll().toStdString()));
      QVERIFY2(!saved.contains(QStringLiteral("<script"), Qt::CaseInsensitive), qPrintable(saved.left(400)));
      QVERIFY(saved.contains(QStringLiteral("Ничего не найдено")));
      if (type == QStringLiteral("htm")) {
        QVERIFY2(saved.contains(QStringLiteral("<title>Поиск по книге - [&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt; "
                                               "иисус]</title>")),
                 qPrintable(saved.left(400)));
      }
      w_->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w_));
    }
  }

  void aFavouriteNamedWithMarkupIsShownAsText() {
    QVERIFY(test::GoTo(w_, 12));
    const QPoint inside = test::SelectElement(w_->Pane(ReadingPane::Web1)).inside;
    QVERIFY(!inside.isNull());
    test::WhenModal([](QWidget* dialog) {
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtAdd"));
      if (!name) return;
      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
      test::TypeText(name, kHostileName);
      QTest::keyClick(name, Qt::Key_Return);
    });
    test::RightClick(w_->Pane(ReadingPane::Web1), inside);
    QVERIFY(test::ClickMenuItem(w_->ContextMenu(), QStringLiteral("Добавить в Избранное")));
    QTRY_VERIFY(!QApplication::activeModalWidget());

    test::ClickToolbar(w_, w_->ToolbarAction(7));
    FavoritesTreeWidget* tree = w_->Favorites().Tree();
    QTRY_VERIFY(tree->isVisible());
    QTreeWidgetItem* item = FindFavoriteNode(tree, QStringLiteral("d_1"));
    QVERIFY(item);
    QCOMPARE(item->text(0), kHostileName);
    const QPoint at = tree->visualItemRect(item).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menu);
    QVERIFY(test::ClickMenuItem(w_->Favorites().Menu(), QStringLiteral("Показать")));
    QTRY_VERIFY(w_->Favorites().ViewShown());
    BrowserPane* view = w_->Favorites().ViewPane();
    QVERIFY(test::WaitLoaded(view));
    QCOMPARE(test::Title(view), kHostileName);

    // The label draws the name's characters, as a plain-text label of the same size does.
    auto* label = w_->findChild<QLabel*>(QStringLiteral("lblFavor"));
    QCOMPARE(label->text(), kHostileName);
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setText(kHostileName);
    plain.setFont(label->font());
    plain.setAlignment(label->alignment());
    plain.setContentsMargins(label->contentsMargins());
    plain.setPalette(label->palette());
    plain.resize(label->size());
    QCOMPARE(label->grab().toImage().convertToFormat(QImage::Format_RGB32),
             plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    // And its tooltip shows them too: markup around escaped text.
    QCOMPARE(label->toolTip(), QStringLiteral("<span>&lt;b&gt;жирный&lt;/b&gt; &amp; &lt;i&gt;наклонный&lt;/i&gt;</span>"));
  }

 private:
  const test::IsolatedEnvironment& env_;
  std::unique_ptr<Reader> reader_;
  MainWindow* w_ = nullptr;
};

int main(int argc, char** argv) { return test::RunGuiTests<HostileInputTest>(argc, argv); }

#include "hostile_input_test.moc"
