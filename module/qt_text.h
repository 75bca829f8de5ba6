// GBK <-> Qt text. The engine speaks GBK; Qt speaks UTF-16.
#pragma once

#include <string>
#include <string_view>

#include <QFile>
#include <QString>

#include "host/gbk_text.h"

namespace ff::gui {

// GBK bytes -> QString; a path in it (ff::gbk::PathInText) as the system
// spells it.
inline QString ToQ(std::string_view gbk) {
  const std::string utf8 = ff::gbk::ToUtf8Shown(gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// QString -> GBK bytes (characters GBK lacks become '?').
inline std::string FromQ(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return ff::gbk::FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// A UTF-8 literal of the templates -> QString.
inline QString FromUtf8(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Paths are the system's bytes (UTF-8 on Linux) from the dialog to open();
// they never pass through GBK, which lacks most of the world's letters.
inline QString PathToQ(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
inline std::string PathFromQ(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace ff::gui
