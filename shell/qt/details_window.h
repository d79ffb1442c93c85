// The details window on Linux: the last run's diagnostics, the listing around
// the selected one, and a run again on each save of the source.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QTreeWidget;

namespace zolt {

class RunDetails;

// One non-modal window over Form1 that draws a RunDetails. While it is open
// it watches the source and asks for a run again when the file changes.
class DetailsWindow : public QWidget {
 public:
  DetailsWindow(QWidget* parent, std::function<void()> runAgain);

  // Draws details; they stay alive until the next call.
  void Show(const RunDetails& details);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowExcerpt();
  void CopySelected() const;
  void Watch();
  void SourceMayHaveChanged();

  std::function<void()> runAgain_;
  const RunDetails* details_ = nullptr;
  QLabel* failure_;
  QTreeWidget* list_;
  QPlainTextEdit* excerpt_;
  QFileSystemWatcher watcher_;
  // Editors save in bursts (write, rename, touch): one run follows them all.
  QTimer settle_;
  QString watched_;
  QDateTime seen_;
  qint64 seenSize_ = -1;
};

}  // namespace zolt
