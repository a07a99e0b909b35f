#include "roster/frmver.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ScreenKit.h"

namespace pekuru {

QString frmver::versionText() { return QStringLiteral("バージョン %1").arg(QStringLiteral(PEKURU_VERSION)); }

frmver::frmver(const QString& title, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(title);
    setModal(true);
    // As large as the screen it opens over: on a big window the box grows with it.
    const double u = screenUnit(parent ? parent->window()->size() : kDesignSize);
    auto px = [u](double v) { return int(v * u); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(48), px(32), px(48), px(28));
    layout->setSpacing(px(16));
    auto* name = named(new QLabel(title, this), QStringLiteral("lblTitle"));
    name->setFont(gothicFont(36 * u, true));
    name->setAlignment(Qt::AlignCenter);
    auto* version = named(new QLabel(versionText(), this), QStringLiteral("lblVersion"));
    version->setFont(gothicFont(18 * u));
    version->setAlignment(Qt::AlignCenter);
    auto* ok = named(new QPushButton(QStringLiteral("O.K."), this), QStringLiteral("cmdOK"));
    ok->setFont(gothicFont(18 * u));
    ok->setMinimumSize(px(160), px(56));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(px(8));
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(px(420), px(260))));
}

}  // namespace pekuru
