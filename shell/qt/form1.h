// The main window on Linux, in Qt Widgets.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "commands.h"
#include "compiler.h"
#include "platform.h"

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace zolt {

class DetailsWindow;

// The main window on Linux: four labels, the menu `file` with Open and Exit,
// and the compiler it owns for its whole life. Its commands are the shared
// Commands; this class only supplies the Qt side of them.
class Form1 : public QMainWindow, private Platform {
 public:
  // Shows the open-file dialog over parent with its file-name field set to
  // fileName; returns the field as the user left it.
  using FileChooser = std::function<QString(QWidget* parent, const QString& fileName)>;
  // Ends the program.
  using ProgramEnd = std::function<void()>;

  // The tests replace the dialog and the end of the program; the product
  // uses the defaults.
  explicit Form1(FileChooser chooseFile = {}, ProgramEnd endProgram = {});

  // Runs the Open command for path without the dialog.
  void OpenFile(const QString& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenu();
  void CreateLabels(QWidget* client);
  void CreateLink(QWidget* client);
  QLabel* LabelOf(LabelId id) const;
  void OpenDetails();

  std::string ShowOpenDialog(const std::string& fileName) override;
  void ShowMessage(const std::string& text, const std::string& detail) override;
  void SetCaption(LabelId label, const std::string& caption) override;
  void SetDetails(LabelId label, const std::string& details) override;
  void SetLink(const std::string& text) override;
  void ShowRunDetails(const RunDetails& details) override;
  bool DetailsOpen() const override;
  void HideWindow() override;
  void EndProgram() override;

  FileChooser chooseFile_;
  ProgramEnd endProgram_;
  std::array<QLabel*, 4> labels_{};
  QPushButton* link_ = nullptr;
  DetailsWindow* details_ = nullptr;
  Compiler compiler_;
  Commands commands_;
};

}  // namespace zolt
