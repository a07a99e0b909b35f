#include "platform/WidgetMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace pekuru {

void WidgetMessageService::showMessage(Icon icon, const QString& title, const QString& text) {
    StderrMessageService::showMessage(icon, title, text);
    QMessageBox box;
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    // A box without a title shows the program's name, as the host would.
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace pekuru
