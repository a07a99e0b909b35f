#pragma once

#include <QWidget>

#include "shell/AppContext.h"

class QLabel;
class QListWidget;

namespace pekuru {

// The name selection screen: the first screen of the program.
class namesel : public QWidget {
    Q_OBJECT
public:
    explicit namesel(AppContext& context, QWidget* parent = nullptr);

    // The load handler: layout, colour, then the single-instance test. Returns false when another
    // copy is running (the refusal has been shown and the program must end).
    bool load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void activate();

    AppContext& ctx_;
    QLabel* Label4 = nullptr;
    QListWidget* List1 = nullptr;
};

// The refusal shown to a second copy.
QString secondInstanceMessage();

}  // namespace pekuru
