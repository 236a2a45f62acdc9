#include "shell/rename_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "rename/rename_session.h"
#include "shell/qt_text.h"

namespace kestrelon {
namespace {

constexpr const char* kFormerName = "FORMER NAME";
constexpr const char* kNewName = "NEW NAME";

// Twips as the dialog was laid out; 15 twips make one pixel at 96 dpi.
QRect Twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

void MakeBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

}  // namespace

RenameDialog::RenameDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("renamefrm");
  setWindowTitle(QStringLiteral("Rename"));
  setModal(true);

  renamelbl_ = new QLabel(this);
  renamelbl_->setObjectName("renamelbl");
  renamelbl_->setGeometry(Twips(120, 120, 3975, 375));
  renamelbl_->setAlignment(Qt::AlignCenter);
  MakeBold(renamelbl_);

  skipcmd_ = new QPushButton(QStringLiteral("No, Thanks >>>"), this);
  skipcmd_->setObjectName("skipcmd");
  skipcmd_->setGeometry(Twips(120, 720, 3975, 375));
  skipcmd_->setAutoDefault(false);
  MakeBold(skipcmd_);

  yesreplacecmd_ = new QPushButton(QStringLiteral("Yes, Rename >>>"), this);
  yesreplacecmd_->setObjectName("yesreplacecmd");
  yesreplacecmd_->setGeometry(Twips(120, 1320, 3975, 375));
  yesreplacecmd_->setAutoDefault(false);
  MakeBold(yesreplacecmd_);

  spec1txt_ = new QLineEdit(this);
  spec1txt_->setObjectName("spec1txt");
  spec1txt_->setGeometry(Twips(120, 1800, 1815, 615));

  spec2txt_ = new QLineEdit(this);
  spec2txt_->setObjectName("spec2txt");
  spec2txt_->setGeometry(Twips(2280, 1800, 1815, 615));

  setFixedSize(QSize((120 + 3975 + 120) / 15, (1800 + 615 + 120) / 15));

  connect(skipcmd_, &QPushButton::clicked, this, &QDialog::accept);
  connect(yesreplacecmd_, &QPushButton::clicked, this, [this] { OnRename(); });
  ResetTexts();
}

void RenameDialog::Start(RenameSession& session) {
  session_ = &session;
  ResetTexts();
}

void RenameDialog::ResetTexts() {
  renamelbl_->setText(QString::fromUtf8(kRenameFirstLabel));
  renamelbl_->setToolTip(QString());
  spec1txt_->setText(QString::fromUtf8(kFormerName));
  spec2txt_->setText(QString::fromUtf8(kNewName));
  spec1txt_->setFocus();
  spec1txt_->selectAll();
}

void RenameDialog::OnRename() {
  if (session_ == nullptr) return;
  QString label;
  try {
    RenameResult result = session_->Rename(FromDisplay(spec1txt_->text()),
                                           FromDisplay(spec2txt_->text()));
    label = ToDisplay(result.label);
  } catch (const std::exception& e) {
    // The session promises not to throw; an exception must still never
    // reach the event loop.
    label = QString::fromUtf8(e.what());
  } catch (...) {
    label = QStringLiteral("The rename failed.");
  }
  renamelbl_->setText(label);
  // A long answer (a file that failed) may not fit the label's one line.
  renamelbl_->setToolTip(label);
}

}  // namespace kestrelon
