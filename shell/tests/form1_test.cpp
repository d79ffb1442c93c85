// What the Qt layer adds to the shared commands, on the offscreen platform:
// the window's fixed contents, the dialog's preset, the message box, the
// status label's tooltip, Exit and a drop.

#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

// What the user was shown in one message box: title, text, detail, the
// number of buttons, the icon, and whether the detail is the smaller text.
QString Shown(const QMessageBox& box) {
  const auto* text = box.findChild<QLabel*>("qt_msgbox_label");
  const auto* detail = box.findChild<QLabel*>("qt_msgbox_informativelabel");
  const bool smaller =
      text != nullptr && detail != nullptr &&
      QFontInfo(detail->font()).pointSizeF() < QFontInfo(text->font()).pointSizeF();
  return QStringList{box.windowTitle(),           box.text(),
                     box.informativeText(),       QString::number(box.buttons().size()),
                     QString::number(box.icon()), smaller ? "smaller" : "same size"}
      .join(" | ");
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void menuHoldsOpenSeparatorExit();
  void windowHasTitleIconAndClientArea();
  void labelsHaveTheirCaptionsFontsAndPlaces_data();
  void labelsHaveTheirCaptionsFontsAndPlaces();
  void dialogStartsFromThePatternAndACancelDoesNothing();
  void linesInErrorAreListedInTheStatusTooltip();
  void failedRunShowsTheCauseInAMessageBox();
  void exitHidesAndEnds();
  void droppedFileIsOpened();

 private:
  QString Source(const QString& name, const QByteArray& bytes);
  // Runs the Open menu command with the dialog answering answer.
  void Open(const QString& answer);
  QLabel* Label(const char* name) const { return form_->findChild<QLabel*>(name); }
  QAction* Action(const char* name) const { return form_->findChild<QAction*>(name); }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<zolt::Form1> form_;
  QString answer_;
  QStringList presets_;
  QStringList messages_;
  int ends_ = 0;
};

void Form1Test::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  presets_.clear();
  messages_.clear();
  ends_ = 0;
  form_ = std::make_unique<zolt::Form1>(
      [this](QWidget*, const QString& fileName) {
        presets_ << fileName;
        return answer_;
      },
      [this] { ++ends_; });
  // A modal message would wait for a user; the window's own timer answers
  // it, noting what it said.
  auto* dismiss = new QTimer(form_.get());
  connect(dismiss, &QTimer::timeout, form_.get(), [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    messages_ << Shown(*box);
    box->button(QMessageBox::Ok)->click();
  });
  dismiss->start(20);
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

QString Form1Test::Source(const QString& name, const QByteArray& bytes) {
  const QString path = dir_->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
  return path;
}

void Form1Test::Open(const QString& answer) {
  answer_ = answer;
  Action("Open")->trigger();
}

void Form1Test::menuHoldsOpenSeparatorExit() {
  const QList<QAction*> menus = form_->menuBar()->actions();
  QCOMPARE(menus.size(), 1);
  QMenu* file = menus[0]->menu();
  QVERIFY(file != nullptr);
  QCOMPARE(file->objectName(), "file");
  QCOMPARE(file->title(), "文件");

  const QList<QAction*> items = file->actions();
  QCOMPARE(items.size(), 3);
  QCOMPARE(items[0]->objectName(), "Open");
  QCOMPARE(items[0]->text(), "打开");
  QCOMPARE(items[1]->objectName(), "l1");
  QVERIFY(items[1]->isSeparator());
  QCOMPARE(items[2]->objectName(), "Exit");
  QCOMPARE(items[2]->text(), "退出");
  for (const QAction* item : items) QVERIFY(item->shortcuts().isEmpty());
}

void Form1Test::windowHasTitleIconAndClientArea() {
  QCOMPARE(form_->objectName(), "Form1");
  QCOMPARE(form_->windowTitle(), "ZOLT编译器");
  QVERIFY(form_->windowIcon().availableSizes().contains(QSize(32, 32)));

  // The client area is what lies below the menu bar.
  const QWidget* client = form_->centralWidget();
  QCOMPARE(client->size(), QSize(458, 351));
  QCOMPARE(client->y(), form_->menuBar()->height());
  QCOMPARE(form_->size(), QSize(458, 351 + form_->menuBar()->height()));
}

void Form1Test::labelsHaveTheirCaptionsFontsAndPlaces_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("family");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<QRect>("place");
  // Pixel sizes are the point sizes at 96 pixels per inch.
  QTest::newRow("Label1") << "ZOLT编译器"
                          << "华文新魏" << 56 << QRect(72, 24, 305, 49);
  QTest::newRow("Label4") << ""
                          << "宋体" << 19 << QRect(104, 176, 233, 33);
  QTest::newRow("Label2") << "ZOLT 编译器开发组"
                          << "华文新魏" << 29 << QRect(48, 224, 353, 33);
  QTest::newRow("Label3") << "二00五年八月"
                          << "华文新魏" << 29 << QRect(128, 280, 193, 33);
}

void Form1Test::labelsHaveTheirCaptionsFontsAndPlaces() {
  QFETCH(QString, caption);
  QFETCH(QString, family);
  QFETCH(int, pixels);
  QFETCH(QRect, place);
  const QLabel* label = Label(QTest::currentDataTag());
  QVERIFY(label != nullptr);
  QCOMPARE(label->parentWidget(), form_->centralWidget());
  QCOMPARE(label->text(), caption);
  QCOMPARE(label->geometry(), place);
  QCOMPARE(label->font().families().value(0), family);
  QCOMPARE(label->font().families().size(), 3);
  QCOMPARE(label->font().pixelSize(), pixels);
  QCOMPARE(label->font().weight(), QFont::Normal);
  QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

void Form1Test::dialogStartsFromThePatternAndACancelDoesNothing() {
  Source("a.ZOL", "NOP\r\n");
  Open("*.ZOL");
  Open("");
  QCOMPARE(presets_, QStringList({"*.ZOL", "*.ZOL"}));
  QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"a.ZOL"});
  QCOMPARE(messages_.size(), 0);
}

void Form1Test::linesInErrorAreListedInTheStatusTooltip() {
  Open(Source("bad.zol", "NOP\r\nSET -1\r\nFOO\r\n"));
  QCOMPARE(Label("Label4")->text(), "发现 2处错误");
  QCOMPARE(Label("Label4")->toolTip(),
           "bad.zol:2:5: error: SET operand '-1' gives -10000, outside 0 to 30000; 0 used\n"
           "bad.zol:3:1: error: 'FOO' is not a statement");
}

void Form1Test::failedRunShowsTheCauseInAMessageBox() {
  Open(Source("operand.ZOL", "NOP\r\nBOUT X\r\n"));
  QCOMPARE(messages_, QStringList{"ZOLT编译器 | 文件不能打开! | operand.ZOL:2:6: fatal error: the "
                                  "BOUT count 'X' is not a number; write the count as a number, "
                                  "not a symbol | 1 | 0 | smaller"});
  QCOMPARE(Label("Label4")->text(), "");
}

void Form1Test::exitHidesAndEnds() {
  Action("Exit")->trigger();
  QVERIFY(!form_->isVisible());
  QCOMPARE(ends_, 1);
  QCOMPARE(messages_.size(), 0);
}

void Form1Test::droppedFileIsOpened() {
  const QString source = Source("dropped.ZOL", "NOP\r\nHALT\r\n");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(source)});
  const QPoint centre = form_->rect().center();

  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &drop);

  QTRY_COMPARE(Label("Label4")->text(), "编译完成");
  QVERIFY(QFile::exists(dir_->filePath("dropped.lst")));
  QVERIFY(presets_.isEmpty());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
