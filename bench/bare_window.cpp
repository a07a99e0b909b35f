// bench-bare-window: the yardstick for the start-up measurement. A plain Qt Widgets window of the
// program's size with one line of Japanese text (so the same font is loaded), reporting its first
// showing through the very hook the program uses (PEKURU_REPORT_SHOWN=1).
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/ShownReport.h"

namespace {

class BareApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const bool handled = QApplication::notify(receiver, event);
        pekuru::reportFirstShown(receiver, event);
        return handled;
    }
};

}  // namespace

int main(int argc, char** argv) {
    BareApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("ペクル"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("名前を選びなさい")));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
