#include "shell/text_fit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

namespace kestrelon {

QString WrapToWidth(const QString& text, const QFont& font, int width) {
  QStringList out;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    bool any = false;
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine()) {
      line.setLineWidth(width);
      out << paragraph.mid(line.textStart(), line.textLength());
      any = true;
    }
    layout.endLayout();
    if (!any) out << QString();
  }
  return out.join(QLatin1Char('\n'));
}

QString MessageBoxText(const QString& text, const QFont& font, int max_width) {
  const QFontMetrics metrics(font);
  QStringList lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    lines
        << metrics.elidedText(line, Qt::ElideMiddle, max_width).toHtmlEscaped();
  }
  // "pre" keeps each line whole; Qt's message box would otherwise break
  // any line wider than half the screen wherever it may.
  return QStringLiteral("<p style=\"white-space:pre\">") +
         lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

int MessageTextLimit(int screen_width) {
  // Qt lets a message box grow to the screen on a small screen, otherwise
  // to the screen less 480 pixels but at most 1000; the icon and the
  // margins take about 100 of them.
  const int box =
      screen_width <= 1024 ? screen_width : std::min(screen_width - 480, 1000);
  return std::max(box - 100, 200);
}

}  // namespace kestrelon
