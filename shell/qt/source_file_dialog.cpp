// The open-file dialog on Linux, whose file-name field also filters its list.
#include "source_file_dialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>

namespace zolt {
namespace {

// A file dialog whose file-name field doubles as its list's pattern, as users
// of the product's dialog expect: a name with wildcards typed into the field
// lists the matching names instead of being returned as a file.
class SourceFileDialog : public QFileDialog {
 public:
  explicit SourceFileDialog(QWidget* parent) : QFileDialog(parent) {
    setObjectName("CommonDialog1");
    // Any name may be typed: a name that is no file ends the run in its
    // failure message, which says why.
    setFileMode(QFileDialog::AnyFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setOption(QFileDialog::DontUseNativeDialog);
  }

  // Sets the file-name field; a pattern in it also chooses what is listed.
  // Patterns match in any letter case, so "*.ZOL" lists demo.zol as well on
  // file systems that tell the cases apart.
  void SetFileNameField(const QString& text) {
    if (IsPattern(text)) setNameFilter(text);
    selectFile(text);
  }

  void accept() override {
    const QLineEdit* field = findChild<QLineEdit*>("fileNameEdit");
    if (field != nullptr && IsPattern(field->text())) {
      SetFileNameField(field->text());
      return;
    }
    QFileDialog::accept();
  }

 private:
  static bool IsPattern(const QString& text) {
    return text.contains(u'*') || text.contains(u'?') || text.contains(u'[');
  }
};

}  // namespace

QString ChooseSourceFile(QWidget* parent, const QString& fileName) {
  SourceFileDialog dialog(parent);
  dialog.SetFileNameField(fileName);
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

}  // namespace zolt
