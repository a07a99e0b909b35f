#include "platform/LazyMediaCommands.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>

#include "platform/HostFolders.h"
#include "platform/HostMedia.h"

namespace pekuru {

std::unique_ptr<MediaCommands> makeHostMediaCommands(const QString& executableFolder) {
    return std::make_unique<LazyMediaCommands>(hostFolders(executableFolder).soundModuleFolders);
}

LazyMediaCommands::LazyMediaCommands(QStringList moduleFolders) : folders_(std::move(moduleFolders)) {}

LazyMediaCommands::~LazyMediaCommands() {
    real_.reset();  // the output's code lives in the module: destroy it before unloading
    if (handle_) dlclose(handle_);
}

bool LazyMediaCommands::load() {
    if (tried_) return real_ != nullptr;
    tried_ = true;
    QStringList problems;
    for (const QString& folder : folders_) {
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(kModuleName);
        if (!QFileInfo(path).isFile()) continue;
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            problems << QStringLiteral("『%1』: %2")
                            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(dlerror()));
            continue;
        }
        using Factory = MediaCommands* (*)();
        auto factory = reinterpret_cast<Factory>(dlsym(handle, kFactoryName));
        if (!factory) {
            problems << QStringLiteral("『%1』に %2 がありません")
                            .arg(QDir::toNativeSeparators(path), QLatin1String(kFactoryName));
            dlclose(handle);
            continue;
        }
        handle_ = handle;
        real_.reset(factory());
        return true;
    }
    if (problems.isEmpty()) {
        QStringList looked;
        for (const QString& f : folders_) looked << QDir::toNativeSeparators(f);
        problems << QStringLiteral("%1 が見つかりません (さがした場所: %2)")
                        .arg(QLatin1String(kModuleName), looked.join(QStringLiteral("、")));
    }
    loadProblem_ = QStringLiteral("音を出す部品を読み込めません: ") + problems.join(QStringLiteral("; "));
    return false;
}

int LazyMediaCommands::send(const QString& command) {
    return load() ? real_->send(command) : MediaNoOutputDevice;
}

QString LazyMediaCommands::errorText(int code) {
    if (load()) return real_->errorText(code);
    if (code == MediaOk) return mediaResultText(code);
    return mediaResultText(code) + QLatin1Char('\n') + loadProblem_;
}

}  // namespace pekuru
