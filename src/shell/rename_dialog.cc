#include "shell/rename_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>
#include <string>

#include "model/run_error.h"
#include "model/species_name.h"
#include "platform/file_error.h"
#include "platform/text_ops.h"
#include "rename/rename_session.h"
#include "rename/species_guard.h"
#include "shell/qt_text.h"
#include "shell/text_fit.h"

namespace kestrelon {
namespace {

constexpr const char* kFormerName = "FORMER NAME";
constexpr const char* kNewName = "NEW NAME";

// Twips as the dialog was laid out; 15 twips make one pixel at 96 dpi.
QRect Twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

QRect LabelRect() { return Twips(120, 120, 3975, 375); }

void MakeBold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

// Why the pair may not be renamed, or nothing. Empty names are left to the
// session, which asks for both; a former name that is not a species renames
// nothing, as the session does with it.
std::optional<std::string> Refusal(const RenameTargets& targets,
                                   std::string former, std::string renamed) {
  UpperCaseAscii(former);
  UpperCaseAscii(renamed);
  if (former.empty() || renamed.empty()) return std::nullopt;
  if (std::optional<std::string> problem = NewSpeciesNameProblem(renamed)) {
    return "\"" + renamed + "\" is refused: " + *problem;
  }
  try {
    if (JudgeRename(targets.outpathj, former, renamed) ==
        RenameVerdict::kNameTaken) {
      return "\"" + renamed +
             "\" is refused: the mechanism already has a "
             "species " +
             renamed;
    }
  } catch (const FileError&) {
    // The session meets the same file and names it.
  } catch (const RunError&) {
  }
  return std::nullopt;
}

}  // namespace

RenameDialog::RenameDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("renamefrm");
  setWindowTitle(QStringLiteral("Rename"));
  setModal(true);

  renamelbl_ = new QLabel(this);
  renamelbl_->setObjectName("renamelbl");
  renamelbl_->setAlignment(Qt::AlignCenter);
  MakeBold(renamelbl_);

  skipcmd_ = new QPushButton(QStringLiteral("No, Thanks >>>"), this);
  skipcmd_->setObjectName("skipcmd");
  skipcmd_->setAutoDefault(false);
  MakeBold(skipcmd_);

  yesreplacecmd_ = new QPushButton(QStringLiteral("Yes, Rename >>>"), this);
  yesreplacecmd_->setObjectName("yesreplacecmd");
  // Enter renames; Escape still means "No, Thanks".
  yesreplacecmd_->setDefault(true);
  MakeBold(yesreplacecmd_);

  spec1txt_ = new QLineEdit(this);
  spec1txt_->setObjectName("spec1txt");

  spec2txt_ = new QLineEdit(this);
  spec2txt_->setObjectName("spec2txt");

  PlaceControls();

  connect(skipcmd_, &QPushButton::clicked, this, &QDialog::accept);
  connect(yesreplacecmd_, &QPushButton::clicked, this, [this] { OnRename(); });
  ResetTexts();
}

void RenameDialog::Start(RenameSession& session) {
  session_ = &session;
  ResetTexts();
}

void RenameDialog::ResetTexts() {
  ShowMessage(QString::fromUtf8(kRenameFirstLabel));
  spec1txt_->setText(QString::fromUtf8(kFormerName));
  spec2txt_->setText(QString::fromUtf8(kNewName));
  spec1txt_->setFocus();
  spec1txt_->selectAll();
}

void RenameDialog::OnRename() {
  if (session_ == nullptr) return;
  const std::string former = FromDisplay(spec1txt_->text());
  const std::string renamed = FromDisplay(spec2txt_->text());
  QString label;
  try {
    if (std::optional<std::string> refusal =
            Refusal(session_->targets(), former, renamed)) {
      label = ToDisplay(*refusal);
    } else {
      label = ToDisplay(session_->Rename(former, renamed).label);
    }
  } catch (const std::exception& e) {
    // The session promises not to throw; an exception must still never
    // reach the event loop.
    label = QString::fromUtf8(e.what());
  } catch (...) {
    label = QStringLiteral("The rename failed.");
  }
  ShowMessage(label);
}

void RenameDialog::ShowMessage(const QString& message) {
  message_ = message;
  // A long answer (a file that failed, a refused name) is shown whole, on
  // as many lines as it needs; the controls below make room for it.
  renamelbl_->setText(
      WrapToWidth(message, renamelbl_->font(), LabelRect().width()));
  PlaceControls();
}

void RenameDialog::PlaceControls() {
  const QRect label = LabelRect();
  const int needed = renamelbl_->sizeHint().height();
  const int extra = std::max(0, needed - label.height());
  renamelbl_->setGeometry(label.adjusted(0, 0, 0, extra));
  skipcmd_->setGeometry(Twips(120, 720, 3975, 375).translated(0, extra));
  yesreplacecmd_->setGeometry(Twips(120, 1320, 3975, 375).translated(0, extra));
  spec1txt_->setGeometry(Twips(120, 1800, 1815, 615).translated(0, extra));
  spec2txt_->setGeometry(Twips(2280, 1800, 1815, 615).translated(0, extra));
  setFixedSize(QSize((120 + 3975 + 120) / 15, (1800 + 615 + 120) / 15 + extra));
}

}  // namespace kestrelon
