// The Qt side of the details window: a list, an excerpt, two buttons, a watcher.
#include "details_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

#include "catalog.h"
#include "run_details.h"

namespace zolt {
namespace {

constexpr int kSettleMilliseconds = 200;
// The row of the details an item stands for.
constexpr int kRowRole = Qt::UserRole;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The list copies its selected rows in the command line's form, where a
// plain tree would copy the current cell.
class DiagnosticList : public QTreeWidget {
 public:
  DiagnosticList(QWidget* parent, std::function<void()> copy)
      : QTreeWidget(parent), copy_(std::move(copy)) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      copy_();
      return;
    }
    QTreeWidget::keyPressEvent(event);
  }

 private:
  std::function<void()> copy_;
};

QTreeWidgetItem* ItemOf(const DetailsRow& row, std::size_t index) {
  auto* item = new QTreeWidgetItem({row.line > 0 ? QString::number(row.line) : QString(),
                                    row.column > 0 ? QString::number(row.column) : QString(),
                                    Text(row.kind), Text(row.cause)});
  item->setData(0, kRowRole, QVariant::fromValue(static_cast<qulonglong>(index)));
  item->setToolTip(3, Text(row.cause));
  return item;
}

}  // namespace

DetailsWindow::DetailsWindow(QWidget* parent, std::function<void()> runAgain)
    : QWidget(parent, Qt::Window), runAgain_(std::move(runAgain)) {
  setObjectName("details");
  setWindowTitle(Tr(kDetailsTitle));
  resize(720, 480);

  failure_ = new QLabel(this);
  failure_->setObjectName("failure");
  failure_->setTextFormat(Qt::PlainText);
  failure_->setWordWrap(true);
  failure_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  failure_->setStyleSheet("color: #b00000");

  list_ = new DiagnosticList(this, [this] { CopySelected(); });
  list_->setObjectName("list");
  QStringList headings;
  for (const char* heading : kDetailsColumns) headings << Tr(heading);
  list_->setHeaderLabels(headings);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] { ShowExcerpt(); });

  excerpt_ = new QPlainTextEdit(this);
  excerpt_->setObjectName("excerpt");
  excerpt_->setReadOnly(true);
  excerpt_->setLineWrapMode(QPlainTextEdit::NoWrap);
  excerpt_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  excerpt_->setTabStopDistance(excerpt_->fontMetrics().horizontalAdvance(' ') * 8);

  auto* openListing = new QPushButton(Tr(kOpenListingCaption), this);
  openListing->setObjectName("openListing");
  connect(openListing, &QPushButton::clicked, this, [this] {
    if (details_ != nullptr) {
      QDesktopServices::openUrl(QUrl::fromLocalFile(Text(details_->ListingPath())));
    }
  });
  auto* again = new QPushButton(Tr(kRunAgainCaption), this);
  again->setObjectName("again");
  connect(again, &QPushButton::clicked, this, [this] { runAgain_(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(openListing);
  buttons->addWidget(again);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(failure_);
  layout->addWidget(list_, 3);
  layout->addWidget(excerpt_, 2);
  layout->addLayout(buttons);

  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, [this] { SourceMayHaveChanged(); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

void DetailsWindow::Show(const RunDetails& details) {
  details_ = &details;
  failure_->setText(Text(details.Failure()));
  failure_->setVisible(!details.Failure().empty());
  list_->clear();
  QTreeWidgetItem* entry = nullptr;
  const std::vector<DetailsRow>& rows = details.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    QTreeWidgetItem* item = ItemOf(rows[i], i);
    if (rows[i].note && entry != nullptr) {
      entry->addChild(item);
    } else {
      list_->addTopLevelItem(item);
      entry = item;
    }
  }
  list_->expandAll();
  list_->setRootIsDecorated(list_->topLevelItemCount() != static_cast<int>(rows.size()));
  list_->setCurrentItem(list_->topLevelItem(0));
  ShowExcerpt();
  Watch();
}

void DetailsWindow::ShowExcerpt() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (details_ == nullptr || item == nullptr) {
    excerpt_->clear();
    return;
  }
  excerpt_->setPlainText(Text(details_->Excerpt(item->data(0, kRowRole).toULongLong())));
}

// The selected rows in the list's order, notes with their entries.
void DetailsWindow::CopySelected() const {
  if (details_ == nullptr) return;
  std::vector<std::size_t> rows;
  for (QTreeWidgetItemIterator it(list_, QTreeWidgetItemIterator::Selected); *it != nullptr; ++it) {
    rows.push_back((*it)->data(0, kRowRole).toULongLong());
  }
  QApplication::clipboard()->setText(Text(details_->CopyText(rows)));
}

// The file is watched and its folder too: an editor that saves by writing a
// new file and renaming it over the old one leaves no file to watch.
void DetailsWindow::Watch() {
  const QString path = Text(details_->SourcePath());
  const QFileInfo info(path);
  if (path != watched_) {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    watched_ = path;
    watcher_.addPath(info.absolutePath());
  }
  if (info.exists() && !watcher_.files().contains(path)) watcher_.addPath(path);
  seen_ = info.lastModified();
  seenSize_ = info.size();
}

void DetailsWindow::SourceMayHaveChanged() {
  if (!isVisible() || details_ == nullptr) return;
  const QFileInfo info(watched_);
  if (!info.exists()) return;
  if (info.lastModified() == seen_ && info.size() == seenSize_) return;
  runAgain_();
}

void DetailsWindow::hideEvent(QHideEvent* event) {
  // Closed, it watches nothing: a save then changes nothing until the next Open.
  settle_.stop();
  watched_.clear();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  QWidget::hideEvent(event);
}

}  // namespace zolt
