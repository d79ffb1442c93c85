// The open-file dialog on Linux.
#pragma once

#include <QString>

class QWidget;

namespace zolt {

// The open-file dialog (CommonDialog1): shows a modal dialog over parent with
// its file-name field set to fileName and returns what the user chose, or an
// empty text when the user cancelled.
QString ChooseSourceFile(QWidget* parent, const QString& fileName);

}  // namespace zolt
