// RenameDialog (`renamefrm`) lets the user rename species in the files a run
// wrote, one pair of names at a time, through a RenameSession. "Yes, Rename
// >>>" (or Enter) renames what the two boxes hold and shows the session's
// answer in the label; the boxes keep their text for the next pair. A new
// name that would break the files (see model/species_name.h) or that is
// already a species is refused before any file is touched, with the reason
// in the label. The label wraps to show a long answer whole. "No, Thanks
// >>>" (or Escape, or the close box) ends the dialog. The window creates it
// once and reuses it; Start() brings back the first texts for every showing.
//
// The controls sit where their twips positions put them at 96 dpi (15 twips
// to the pixel), moved down as far as a label of several lines needs.
// Reads the joule file of the run to judge a new name. Nothing here throws.
#ifndef KESTRELON_SHELL_RENAME_DIALOG_H_
#define KESTRELON_SHELL_RENAME_DIALOG_H_

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrelon {

class RenameSession;

class RenameDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RenameDialog(QWidget* parent);

  // Brings back the first texts and drives `session` until Finish().
  void Start(RenameSession& session);
  // Lets go of the session once the dialog has closed.
  void Finish() { session_ = nullptr; }

  QLabel* label() const { return renamelbl_; }
  // What the label says, without the breaks that wrap it.
  const QString& message() const { return message_; }
  QPushButton* skip_button() const { return skipcmd_; }
  QPushButton* rename_button() const { return yesreplacecmd_; }
  QLineEdit* former_box() const { return spec1txt_; }
  QLineEdit* new_box() const { return spec2txt_; }

 private:
  void ResetTexts();
  void OnRename();
  void ShowMessage(const QString& message);
  void PlaceControls();

  RenameSession* session_ = nullptr;
  QString message_;
  QLabel* renamelbl_;
  QPushButton* skipcmd_;
  QPushButton* yesreplacecmd_;
  QLineEdit* spec1txt_;
  QLineEdit* spec2txt_;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_RENAME_DIALOG_H_
