// The link under the status label and the details window it opens, on the
// offscreen platform: every line in error, notes, the listing excerpt, the
// clipboard, and a run again when the source is saved.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "form1.h"

class DetailsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void linkOpensEveryLineInErrorWithNotesAndExcerpt();
  void savingTheSourceRunsItAgain();
  void failureBoxKeepsALongCauseOnItsLine();

 private:
  bool Write(const QByteArray& bytes);
  QWidget* Details() const { return form_->findChild<QWidget*>("details"); }
  QTreeWidget* List() const { return Details()->findChild<QTreeWidget*>("list"); }
  QAbstractButton* Link() const { return form_->findChild<QAbstractButton*>("link"); }
  QString Status() const { return form_->findChild<QLabel*>("Label4")->text(); }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<zolt::Form1> form_;
  QString path_;
  QStringList messages_;
  bool causeFits_ = false;
};

void DetailsWindowTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  path_ = dir_->filePath("many.ZOL");
  messages_.clear();
  form_ = std::make_unique<zolt::Form1>([this](QWidget*, const QString&) { return path_; }, [] {});
  auto* dismiss = new QTimer(form_.get());
  connect(dismiss, &QTimer::timeout, form_.get(), [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    messages_ << box->informativeText();
    const auto* cause = box->findChild<QLabel*>("qt_msgbox_informativelabel");
    const QString quote = box->informativeText().section('\'', 1, 1);
    causeFits_ = cause->width() >= cause->fontMetrics().horizontalAdvance(quote);
    box->button(QMessageBox::Ok)->click();
  });
  dismiss->start(20);
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

bool DetailsWindowTest::Write(const QByteArray& bytes) {
  QFile file(path_);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void DetailsWindowTest::linkOpensEveryLineInErrorWithNotesAndExcerpt() {
  // 24 statements in error, then a BOUT block that swallows END: a 25th line
  // in error and a warning with a note.
  QByteArray source = "NOP\r\n";
  for (int i = 0; i < 24; ++i) source += "FOO\r\n";
  QVERIFY(Write(source + "BOUT 1\r\nEND\r\nHALT\r\n"));
  QVERIFY(!Link()->isVisible());
  form_->findChild<QAction*>("Open")->trigger();
  QCOMPARE(Status(), "发现 25处错误");
  QVERIFY(Link()->isVisible());
  QCOMPARE(Link()->text(), "View 25 lines in error…");

  // Tab reaches the link and Enter opens the details.
  form_->activateWindow();
  QTest::keyClick(form_.get(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), Link());
  QTest::keyClick(Link(), Qt::Key_Return);
  QVERIFY(Details() != nullptr && Details()->isVisible());
  QCOMPARE(Details()->windowTitle(), "Lines in error");
  QTreeWidget* list = List();
  QCOMPARE(list->topLevelItemCount(), 26);
  QCOMPARE(list->findItems("error", Qt::MatchExactly, 2).size(), 25);
  const QTreeWidgetItem* warning = list->topLevelItem(25);
  QCOMPARE(warning->text(2), "warning");
  QCOMPARE(warning->childCount(), 1);
  QCOMPARE(warning->child(0)->text(0), "26");
  QCOMPARE(warning->child(0)->text(2), "note");

  list->setCurrentItem(list->topLevelItem(2));
  QVERIFY(Details()->findChild<QPlainTextEdit*>("excerpt")->toPlainText().contains(
      "\t\t\t 4\tFOO\n---------------Error------------------"));

  list->clearSelection();
  list->topLevelItem(0)->setSelected(true);
  list->topLevelItem(1)->setSelected(true);
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(),
           "many.ZOL:2:1: error: 'FOO' is not a statement\n"
           "many.ZOL:3:1: error: 'FOO' is not a statement\n");

  QVERIFY(Write("NOP\r\nHALT\r\n"));
  form_->findChild<QAction*>("Open")->trigger();
  QCOMPARE(Status(), "编译完成");
  QVERIFY(!Link()->isVisible());
  QCOMPARE(List()->topLevelItemCount(), 0);
}

void DetailsWindowTest::savingTheSourceRunsItAgain() {
  QVERIFY(Write("FOO\r\nBAR\r\n"));
  form_->findChild<QAction*>("Open")->trigger();
  Link()->click();
  QCOMPARE(List()->topLevelItemCount(), 2);

  QVERIFY(Write("FOO\r\n"));
  QTRY_COMPARE_WITH_TIMEOUT(List()->topLevelItemCount(), 1, 2000);
  QCOMPARE(Status(), "发现 1处错误");

  // A failed run shows its cause in the details, not in a box, and the status
  // stays as the last completed run left it.
  QVERIFY(Write("NOP\r\nBOUT X\r\n"));
  auto* failure = Details()->findChild<QLabel*>("failure");
  QTRY_VERIFY_WITH_TIMEOUT(failure->isVisible(), 2000);
  QCOMPARE(failure->text(),
           "many.ZOL:2:6: fatal error: the BOUT count 'X' is not a number; write the count as a "
           "number, not a symbol");
  QCOMPARE(Status(), "发现 1处错误");
  QVERIFY(messages_.isEmpty());
}

void DetailsWindowTest::failureBoxKeepsALongCauseOnItsLine() {
  QVERIFY(
      Write("BOUT "
            "改用二五五改用二五五改用二五五改用二五五改用二五五改用二五五改用二五五改用二五五改用二"
            "五五改用二五五改用二五五改用二五五\r\n"));
  form_->findChild<QAction*>("Open")->trigger();
  QCOMPARE(messages_.size(), 1);
  QVERIFY2(causeFits_, qPrintable(messages_[0]));
}

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
