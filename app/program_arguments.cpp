#include "app/program_arguments.h"

#include <QRegularExpression>

namespace tovan {

namespace {

std::optional<QSize> ParseSize(const QString& text) {
  static const QRegularExpression form("^([0-9]{1,5})x([0-9]{1,5})$");
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() < 1 || size.height() < 1) return std::nullopt;
  return size;
}

}  // namespace

std::optional<ProgramArguments> ParseProgramArguments(const QStringList& arguments) {
  ProgramArguments parsed;
  bool haveScreenshot = false;
  bool haveSize = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& word = arguments[i];
    if (!word.startsWith('-')) {
      if (!parsed.setupPath.isEmpty() || word.isEmpty()) return std::nullopt;
      parsed.setupPath = word;
      continue;
    }
    if (++i >= arguments.size()) return std::nullopt;
    const QString& value = arguments[i];
    if (word == "--screenshot" && !haveScreenshot && !value.isEmpty()) {
      parsed.screenshotPath = value;
      haveScreenshot = true;
    } else if (word == "--size" && !haveSize) {
      const std::optional<QSize> size = ParseSize(value);
      if (!size) return std::nullopt;
      parsed.windowSize = *size;
      haveSize = true;
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

}  // namespace tovan
