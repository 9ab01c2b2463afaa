// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the vorn program.
#include "app/command_line.h"

#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/version.h"

namespace vorn {

namespace {

constexpr char kUsage[] = "Usage: vorn [--help] [--version]\n";
constexpr char kDescription[] =
    "Vorn, a board game of six-sided cells: join the left and right columns with a chain of\n"
    "GREEN stones before the computer joins the top and bottom rows with RED.\n"
    "Started without arguments, it opens its window. See vorn(6).\n\n";

constexpr char kHint[] = "Try 'vorn --help'.\n";

CommandLineAnswer Refusal(const QString& problem) {
  return {false, kExitUsage, {}, QStringLiteral("vorn: %1\n%2%3").arg(problem, kUsage, kHint)};
}

// The option as the player typed it, dashes included; the parser names it without them.
QString AsTyped(const QString& name, const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    if (argument == "--") break;
    const QString option = argument.section('=', 0, 0);
    if (option == "-" + name || option == "--" + name) return option;
  }
  return name;
}

QString ParseProblem(const QCommandLineParser& parser, const QStringList& arguments) {
  const QStringList unknown = parser.unknownOptionNames();
  if (unknown.isEmpty()) return parser.errorText();
  return QStringLiteral("Unknown option '%1'.").arg(AsTyped(unknown.first(), arguments));
}

// The parser's text starts with a usage line naming the executable as typed; the list of
// options after it is what is kept.
QString HelpText(const QCommandLineParser& parser) {
  const QString text = parser.helpText();
  return kUsage + QString(kDescription) + text.mid(text.indexOf("Options:"));
}

bool Write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, bytes.size(), stream);
  return std::fflush(stream) == 0 && !std::ferror(stream);
}

}  // namespace

CommandLineAnswer ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
  parser.addOption(help);
  parser.addOption(version);
  // Qt's own options are written with one dash ("-platform"); they are named whole.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

  if (!parser.parse(arguments)) return Refusal(ParseProblem(parser, arguments));
  if (!parser.positionalArguments().isEmpty()) {
    return Refusal(
        QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
  }
  if (parser.isSet(help)) return {false, 0, HelpText(parser), {}};
  if (parser.isSet(version)) return {false, 0, QStringLiteral("vorn %1\n").arg(kVersion), {}};
  return {true, 0, {}, {}};
}

QStringList ArgumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int Deliver(const CommandLineAnswer& answer) {
  if (!answer.output.isEmpty() && !Write(stdout, answer.output)) {
    const int cause = errno;
    Write(stderr, QStringLiteral("vorn: cannot write to standard output: %1\n")
                      .arg(std::strerror(cause)));
    return kExitUsage;
  }
  if (!answer.error.isEmpty()) Write(stderr, answer.error);
  return answer.status;
}

}  // namespace vorn
