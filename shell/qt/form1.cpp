// The Qt side of the main window: its labels, menu, dialog and message box.
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "details_window.h"
#include "form1_layout.h"
#include "source_file_dialog.h"
#include "zolt.xpm"

namespace zolt {
namespace {

// The narrowest the failure box's cause is laid out, in pixels.
constexpr int kNarrowestCause = 320;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The families a label asks for, its own first. Where the window system lacks
// it, a CJK font of the same kind that Linux desktops carry stands in, so the
// Chinese captions always render.
QStringList FamiliesFor(std::string_view family) {
  const QString standIn = family == kSerifFamily ? "AR PL UMing CN" : "AR PL UKai CN";
  return {Text(family), standIn, "WenQuanYi Micro Hei"};
}

QFont LabelFont(const LabelLayout& layout) {
  QFont font;
  font.setFamilies(FamiliesFor(layout.family));
  // The layout is in pixels at 96 pixels per inch; sizing the font in the same
  // pixels keeps the captions inside their labels whatever the screen's dpi.
  font.setPixelSize(qRound(layout.points * 96.0 / 72.0));
  font.setWeight(QFont::Normal);
  return font;
}

// The first local file among the dragged items, or an empty text.
QString DroppedFile(const QMimeData* data) {
  if (data == nullptr) return QString();
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return QString();
}

}  // namespace

Form1::Form1(FileChooser chooseFile, ProgramEnd endProgram)
    : chooseFile_(chooseFile ? std::move(chooseFile) : ChooseSourceFile),
      endProgram_(endProgram ? std::move(endProgram) : [] { QCoreApplication::quit(); }),
      commands_(compiler_, *this) {
  setObjectName("Form1");
  setWindowTitle(Text(kTitle));
  setWindowIcon(QIcon(QPixmap(zolt_xpm)));
  setAcceptDrops(true);
  CreateMenu();

  // The client area below the menu bar has a fixed size, so the window has one.
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  CreateLabels(client);
  CreateLink(client);
}

void Form1::CreateMenu() {
  QMenu* file = menuBar()->addMenu(Text(kFileMenuCaption));
  file->setObjectName("file");
  QAction* open = file->addAction(Text(kOpenCaption));
  open->setObjectName("Open");
  connect(open, &QAction::triggered, this, [this] { commands_.Open(); });
  file->addSeparator()->setObjectName("l1");
  QAction* exit = file->addAction(Text(kExitCaption));
  exit->setObjectName("Exit");
  connect(exit, &QAction::triggered, this, [this] { commands_.Exit(); });
}

void Form1::CreateLabels(QWidget* client) {
  for (const LabelLayout& layout : kLabels) {
    auto* label = new QLabel(Text(layout.caption), client);
    label->setObjectName(Text(layout.name));
    label->setTextFormat(Qt::PlainText);
    // Centred in its height: the stand-in brush font is taller than the
    // 49-pixel title label, and a top-aligned title would lose its feet.
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(LabelFont(layout));
    label->setGeometry(layout.left, layout.top, layout.width, layout.height);
    labels_[static_cast<std::size_t>(layout.id)] = label;
  }
}

// The link lies in the free band between the status label and the maker's
// line, so it covers nothing; it shows only after a run with something to
// show. A button drawn as a link, so that Tab reaches it and Enter opens it.
void Form1::CreateLink(QWidget* client) {
  link_ = new QPushButton(client);
  link_->setObjectName("link");
  link_->setFlat(true);
  link_->setAutoDefault(true);
  link_->setCursor(Qt::PointingHandCursor);
  link_->setStyleSheet(
      "QPushButton { color: palette(link); text-decoration: underline; border: none;"
      " text-align: left; padding: 0; }"
      "QPushButton:focus { outline: 1px dotted palette(link); }");
  QFont font = link_->font();
  font.setPixelSize(kLink.height - 3);
  link_->setFont(font);
  link_->setGeometry(kLink.left, kLink.top, kLink.width, kLink.height);
  link_->hide();
  connect(link_, &QPushButton::clicked, this, [this] { OpenDetails(); });
}

void Form1::OpenDetails() {
  if (details_ == nullptr) {
    details_ = new DetailsWindow(this, [this] { commands_.RunAgain(); });
  }
  details_->Show(commands_.Details());
  details_->show();
  details_->raise();
  details_->activateWindow();
}

QLabel* Form1::LabelOf(LabelId id) const {
  return labels_[static_cast<std::size_t>(id)];
}

void Form1::OpenFile(const QString& path) {
  commands_.OpenFile(path.toStdString());
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // The run may show a modal message; it starts once the drop has finished,
  // so the program the file came from is not kept waiting meanwhile.
  QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

std::string Form1::ShowOpenDialog(const std::string& fileName) {
  return chooseFile_(this, QString::fromStdString(fileName)).toStdString();
}

void Form1::ShowMessage(const std::string& text, const std::string& detail) {
  QMessageBox box(this);
  box.setWindowTitle(windowTitle());
  box.setIcon(QMessageBox::NoIcon);
  box.setText(QString::fromStdString(text));
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText(QString::fromStdString(detail));
  box.setStandardButtons(QMessageBox::Ok);
  // The cause is a second, smaller text under the fixed message, as wide as
  // its longest line so that no word of a quote breaks, within most of the
  // screen: only a longer path wraps.
  if (auto* informative = box.findChild<QLabel*>("qt_msgbox_informativelabel")) {
    QFont smaller = informative->font();
    smaller.setPointSizeF(QFontInfo(smaller).pointSizeF() * 0.85);
    informative->setFont(smaller);
    const QFontMetrics metrics(smaller);
    int widest = 0;
    for (const QString& line : box.informativeText().split('\n')) {
      widest = std::max(widest, metrics.horizontalAdvance(line) + metrics.averageCharWidth());
    }
    const int screenWidth = screen()->availableGeometry().width() * 9 / 10;
    informative->setMinimumWidth(
        std::clamp(widest, kNarrowestCause, std::max(kNarrowestCause, screenWidth)));
  }
  box.exec();
}

void Form1::SetCaption(LabelId label, const std::string& caption) {
  LabelOf(label)->setText(QString::fromStdString(caption));
}

void Form1::SetDetails(LabelId label, const std::string& details) {
  LabelOf(label)->setToolTip(QString::fromStdString(details));
}

void Form1::SetLink(const std::string& text) {
  link_->setText(QString::fromStdString(text));
  link_->setVisible(!text.empty());
}

void Form1::ShowRunDetails(const RunDetails& details) {
  if (DetailsOpen()) details_->Show(details);
}

bool Form1::DetailsOpen() const {
  return details_ != nullptr && details_->isVisible();
}

void Form1::HideWindow() {
  hide();
}

void Form1::EndProgram() {
  endProgram_();
}

}  // namespace zolt
