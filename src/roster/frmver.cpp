#include "roster/frmver.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pekuru {

namespace {

QFont gothic(double points, bool bold = false) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

}  // namespace

QString frmver::versionText() { return QStringLiteral("バージョン %1").arg(QStringLiteral(PEKURU_VERSION)); }

frmver::frmver(const QString& title, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(title);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 32, 48, 28);
    layout->setSpacing(16);
    auto* name = new QLabel(title, this);
    name->setObjectName(QStringLiteral("lblTitle"));
    name->setFont(gothic(36, true));
    name->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setFont(gothic(18));
    version->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("O.K."), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(gothic(18));
    ok->setMinimumSize(160, 56);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(420, 260)));
}

}  // namespace pekuru
