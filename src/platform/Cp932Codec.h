#pragma once

// The host's CP932 conversion under platform/Cp932: ICU through Qt on Linux (Cp932Icu.cpp), the
// system's code page 932 on Windows (Cp932Windows.cpp), where Qt has no such codec. Whole or
// nothing; the messages that name the file and line are made above it, once for both hosts.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace pekuru::cp932::host {

// False when the host cannot convert CP932 at all.
bool available();
// Nothing when some byte sequence has no CP932 reading.
std::optional<QString> decode(QByteArrayView bytes);
// Nothing when some character has no CP932 form (never a "?" in its place).
std::optional<QByteArray> encode(QStringView text);

}  // namespace pekuru::cp932::host
