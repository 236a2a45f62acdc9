#include "shell/chooser_filters.h"

#include <QRegularExpression>

namespace kestrelon {
namespace {

QString Patterns(const QString& pattern) {
  QStringList shown;
  for (const QString& part :
       pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString one = part.trimmed();
    if (one == QStringLiteral("*.*") || one == QStringLiteral("*")) {
      shown << QStringLiteral("*");
      continue;
    }
    for (const QString& cased : {one.toLower(), one.toUpper()}) {
      if (!shown.contains(cased)) shown << cased;
    }
  }
  shown.removeDuplicates();
  return shown.join(QLatin1Char(' '));
}

}  // namespace

QStringList ChooserFilters(const std::string& filter) {
  const QStringList parts =
      QString::fromStdString(filter).split(QLatin1Char('|'));
  static const QRegularExpression kBracketTail(
      QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString patterns = Patterns(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    description.remove(kBracketTail);
    filters << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns);
  }
  return filters;
}

}  // namespace kestrelon
