#pragma once

#include <QDialog>

namespace pekuru {

// The about box: the program's title and version, closed with its button.
class frmver : public QDialog {
    Q_OBJECT
  public:
    explicit frmver(const QString& title, QWidget* parent = nullptr);

    static QString versionText();
};

}  // namespace pekuru
