#include "shell/error_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "model/error_layout.h"
#include "shell/qt_text.h"

namespace kestrelon {
namespace {

QLabel* BoldLabel(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

ErrorDialog::ErrorDialog() {
  setObjectName("errorfrm");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kErrorDialogTitle));
  const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  setWindowIcon(icon);

  auto* picture = new QLabel(this);
  picture->setObjectName("Image1");
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
  picture->setPixmap(icon.pixmap(side, side));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* texts = new QVBoxLayout;
  texts->addWidget(BoldLabel("errorlbl", kErrorCannotRead, this));
  texts->addWidget(BoldLabel("titlelbl1", kErrorNotValid, this));
  texts->addWidget(BoldLabel("Label2", kErrorTryToSave, this));

  auto* head = new QHBoxLayout;
  head->addWidget(picture, 0, Qt::AlignTop);
  head->addSpacing(8);
  head->addLayout(texts, 1);

  format_txt_ = new QPlainTextEdit(this);
  format_txt_->setObjectName("FormatTxt");
  format_txt_->setReadOnly(true);
  format_txt_->setLineWrapMode(QPlainTextEdit::NoWrap);
  format_txt_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  format_txt_->setPlainText(ToDisplay(kErrorExampleLayout));
  // Tall enough for the sixteen lines, so nothing needs scrolling.
  const QFontMetrics metrics(format_txt_->font());
  const int margins =
      2 * (format_txt_->frameWidth() +
           static_cast<int>(format_txt_->document()->documentMargin()));
  format_txt_->setMinimumHeight(17 * metrics.lineSpacing() + margins);

  error_cmd_ = new QPushButton(QStringLiteral("&Exit"), this);
  error_cmd_->setObjectName("ErrorCmd");
  error_cmd_->setDefault(true);
  connect(error_cmd_, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(error_cmd_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(format_txt_, 1);
  layout->addLayout(buttons);
  resize(520, sizeHint().height());
}

}  // namespace kestrelon
