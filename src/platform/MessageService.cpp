#include "platform/MessageService.h"

#include <cstdio>

namespace pekuru {

void StderrMessageService::showMessage(Icon, const QString& title, const QString& text) {
    const QByteArray line = (QStringLiteral("[") + title + QStringLiteral("] ") + text).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

}  // namespace pekuru
