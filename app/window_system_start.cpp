// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting the window system.
#include "app/window_system_start.h"

#include <unistd.h>

#include <QRegularExpression>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace vorn {

namespace {

// What the start-up has set aside, for the message handler, which can reach nothing else.
int realStandardError = -1;             // standard error itself while the output is held back
std::FILE* heldBack = nullptr;          // what was written on standard error meanwhile
QtMessageHandler qtHandler = nullptr;   // Qt's own, which writes on (held-back) standard error
QString firstMessage;

void WriteAll(int descriptor, const QByteArray& bytes) {
  for (qsizetype at = 0; at < bytes.size();) {
    const ssize_t count = ::write(descriptor, bytes.constData() + at, bytes.size() - at);
    if (count <= 0) return;  // nowhere left to say it
    at += count;
  }
}

// Qt's fatal message ends the program here, before Qt can abort it.
void OnStartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (firstMessage.isEmpty() && type != QtDebugMsg && type != QtInfoMsg) firstMessage = text;
    if (qtHandler != nullptr) qtHandler(type, context, text);
    return;
  }
  const QString cause = NoWindowCause(firstMessage.isEmpty() ? text : firstMessage,
                                      qEnvironmentVariable("QT_QPA_PLATFORM"),
                                      qEnvironmentVariable("DISPLAY"),
                                      qEnvironmentVariable("WAYLAND_DISPLAY"));
  const int error = realStandardError >= 0 ? realStandardError : STDERR_FILENO;
  WriteAll(error, QStringLiteral("vorn: cannot open a window: %1\n").arg(cause).toLocal8Bit());
  std::_Exit(kExitNoWindow);
}

// The Debian package that brings a platform plugin, where it is not in Qt's own libraries
// (which hold the X11 plugin among others); empty for those.
QString PackageOfPlatformPlugin(const QString& plugin) {
  if (plugin.startsWith("wayland")) return "qt6-wayland";
  if (plugin == "vnc") return "qt6-qpa-plugins";
  if (plugin == "eglfs" || plugin == "minimalegl") return "libqt6opengl6";
  return {};
}

// Qt's line for a platform plugin that is not installed, with the package to install.
QString WithPackageToInstall(const QString& line) {
  static const QRegularExpression missing(
      R"re(^Could not find the Qt platform plugin "([^"]+)")re");
  const QString package = PackageOfPlatformPlugin(missing.match(line).captured(1));
  return package.isEmpty() ? line : line + "; install the package " + package;
}

}  // namespace

QString NoWindowCause(const QString& firstMessage, const QString& platform,
                      const QString& x11Display, const QString& waylandDisplay) {
  const bool triesADisplay =
      platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
  if (triesADisplay && x11Display.isEmpty() && waylandDisplay.isEmpty()) {
    return "no display; set DISPLAY or WAYLAND_DISPLAY";
  }
  const QString line = firstMessage.section('\n', 0, 0).trimmed();
  if (line.isEmpty()) return QStringLiteral("the window system did not start");
  return WithPackageToInstall(line);
}

WindowSystemStart::WindowSystemStart() {
  std::fflush(stderr);
  heldBack = std::tmpfile();
  realStandardError = heldBack != nullptr ? ::dup(STDERR_FILENO) : -1;
  if (realStandardError >= 0) ::dup2(::fileno(heldBack), STDERR_FILENO);
  firstMessage.clear();
  qtHandler = qInstallMessageHandler(OnStartUpMessage);
}

WindowSystemStart::~WindowSystemStart() {
  qInstallMessageHandler(qtHandler);
  std::fflush(stderr);
  if (realStandardError >= 0) {
    ::dup2(realStandardError, STDERR_FILENO);
    ::close(realStandardError);
    realStandardError = -1;
    std::rewind(heldBack);
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, heldBack)) > 0;) {
      WriteAll(STDERR_FILENO, QByteArray(buffer, static_cast<qsizetype>(count)));
    }
  }
  if (heldBack != nullptr) std::fclose(heldBack);
  heldBack = nullptr;
}

}  // namespace vorn
