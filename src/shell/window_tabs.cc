#include "shell/window_tabs.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "model/ui_services.h"
#include "shell/about_texts.h"
#include "shell/clickable_label.h"
#include "shell/qt_text.h"

namespace kestrelon {
namespace {

QRadioButton* Radio(const char* name, const char* caption, QButtonGroup* group,
                    int id, QLayout* layout) {
  auto* button = new QRadioButton(QString::fromUtf8(caption));
  button->setObjectName(name);
  group->addButton(button, id);
  layout->addWidget(button);
  return button;
}

QLineEdit* ExtensionBox(const char* name) {
  auto* box = new QLineEdit(QStringLiteral("*.ext"));
  box->setObjectName(name);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) *
                     8);
  return box;
}

QGroupBox* Frame(const char* name, const char* caption) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption));
  frame->setObjectName(name);
  return frame;
}

// A list as tall as its three patterns, so it never scrolls.
QListWidget* PatternList(const char* name, const std::string_view (&items)[3],
                         std::string_view selected) {
  auto* list = new QListWidget;
  list->setObjectName(name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (std::string_view item : items) {
    list->addItem(QString::fromUtf8(item.data(), item.size()));
  }
  const QList<QListWidgetItem*> found = list->findItems(
      QString::fromUtf8(selected.data(), selected.size()), Qt::MatchExactly);
  if (!found.isEmpty()) list->setCurrentItem(found.front());
  const int width = list->fontMetrics().horizontalAdvance(QString::fromUtf8(
                        kAPatternItems[0].data(), kAPatternItems[0].size())) +
                    24;
  const int height = list->fontMetrics().height() + 6;
  for (int i = 0; i < list->count(); ++i) {
    list->item(i)->setSizeHint(QSize(width, height));
  }
  const int rows = static_cast<int>(std::size(items));
  list->setFixedSize(width + 2 * list->frameWidth(),
                     rows * height + 2 * list->frameWidth());
  // A list always keeps one pattern selected: a ctrl-click on the
  // selected item would otherwise leave none.
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
    if (list->selectedItems().isEmpty() && list->currentItem() != nullptr) {
      list->currentItem()->setSelected(true);
    }
  });
  return list;
}

QLabel* Caption(const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setObjectName(name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QFont Sized(QFont font, int points, bool bold) {
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

QLabel* AboutBox(const char* name, const char* text, int points, bool bold) {
  auto* box = new QLabel(ToDisplay(text));
  box->setObjectName(name);
  box->setFont(Sized(box->font(), points, bold));
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  box->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return box;
}

ClickableLabel* LinkBox(const char* name, const QString& text,
                        const QString& tip) {
  auto* box = new ClickableLabel(text);
  box->setObjectName(name);
  QFont font = Sized(box->font(), 10, false);
  font.setUnderline(true);
  box->setFont(font);
  QPalette palette = box->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  box->setPalette(palette);
  box->setCursor(Qt::PointingHandCursor);
  box->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  box->setToolTip(tip);
  return box;
}

QFrame* Separator(const char* name) {
  auto* line = new QFrame;
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

QWidget* BuildSettingsTab(WindowParts& p) {
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->setSpacing(12);

  auto* label3 =
      new QLabel(QStringLiteral("Please, check these settings before starting "
                                "Kestrelon..."));
  label3->setObjectName("Label3");
  QFont bold = label3->font();
  bold.setBold(true);
  label3->setFont(bold);
  layout->addWidget(label3);

  QGroupBox* frm1 = Frame("FRM1", "Units of activation energy in input file");
  auto* units = new QHBoxLayout(frm1);
  p.units = new QButtonGroup(tab);
  Radio("optOB4", "cal/mol", p.units, static_cast<int>(EaUnit::kCal), units)
      ->setChecked(true);
  Radio("optOB2", "kcal/mol", p.units, static_cast<int>(EaUnit::kKcal), units);
  Radio("optOB3", "J/mol", p.units, static_cast<int>(EaUnit::kJ), units);
  Radio("optOB1", "kJ/mol", p.units, static_cast<int>(EaUnit::kKj), units);
  Radio("OptOB11", "Kelvin", p.units, static_cast<int>(EaUnit::kKelvin), units);
  units->addStretch(1);
  layout->addWidget(frm1);

  QGroupBox* frm2 = Frame("FRM2", "Extension of mechanism files (output)");
  auto* mech = new QHBoxLayout(frm2);
  p.mech_exts = new QButtonGroup(tab);
  Radio("OptOB5", "*.rxn", p.mech_exts, static_cast<int>(MechExtChoice::kRxn),
        mech)
      ->setChecked(true);
  Radio("OptOB6", "*.mech", p.mech_exts, static_cast<int>(MechExtChoice::kMech),
        mech);
  Radio("OptOB7", "Customize:", p.mech_exts,
        static_cast<int>(MechExtChoice::kCustom), mech);
  p.mechext = ExtensionBox("mechext");
  mech->addWidget(p.mechext);
  mech->addStretch(1);
  layout->addWidget(frm2);

  QGroupBox* frm3 =
      Frame("FRM3", "Extension of thermodynamic database files (output)");
  auto* thermo = new QHBoxLayout(frm3);
  p.thermo_exts = new QButtonGroup(tab);
  Radio("OptOB8", "*.dat", p.thermo_exts,
        static_cast<int>(ThermoExtChoice::kDat), thermo)
      ->setChecked(true);
  Radio("OptOB9", "*.the", p.thermo_exts,
        static_cast<int>(ThermoExtChoice::kThe), thermo);
  Radio("OptOB10", "Customize:", p.thermo_exts,
        static_cast<int>(ThermoExtChoice::kCustom), thermo);
  p.thermext = ExtensionBox("thermext");
  thermo->addWidget(p.thermext);
  thermo->addStretch(1);
  layout->addWidget(frm3);

  // The two extension frames line up their buttons and boxes.
  for (QHBoxLayout* row : {mech, thermo}) {
    for (int i = 0; i < 3; ++i) {
      QWidget* w = row->itemAt(i)->widget();
      w->setMinimumWidth(
          w->fontMetrics().horizontalAdvance(QStringLiteral("Customize:")) +
          40);
    }
  }
  for (int i = 0; i < 5; ++i) {
    QWidget* w = units->itemAt(i)->widget();
    w->setMinimumWidth(frm2->layout()->itemAt(0)->widget()->minimumWidth());
  }

  QGroupBox* frm4 = Frame("FRM4", "Format of Arrhenius coefficients");
  auto* formats = new QGridLayout(frm4);
  p.list1 = PatternList("List1", kAPatternItems, kDefaultAPattern);
  p.list2 = PatternList("List2", kNPatternItems, kDefaultNPattern);
  p.list3 = PatternList("List3", kEaPatternItems, kDefaultEaPattern);
  formats->addWidget(Caption("Albl", "A"), 0, 0);
  formats->addWidget(p.list1, 0, 1);
  formats->addWidget(Caption("nlbl", "n"), 0, 2);
  formats->addWidget(p.list2, 0, 3);
  formats->addWidget(Caption("Label1", "Ea"), 0, 4);
  formats->addWidget(p.list3, 0, 5);
  formats->setColumnMinimumWidth(2, 40);
  formats->setColumnMinimumWidth(4, 40);
  formats->setColumnStretch(6, 1);

  auto* tip = new QHBoxLayout;
  auto* picture = new QLabel;
  picture->setObjectName("Image1");
  const int side = picture->style()->pixelMetric(QStyle::PM_SmallIconSize);
  picture->setPixmap(picture->style()
                         ->standardIcon(QStyle::SP_MessageBoxInformation)
                         .pixmap(side, side));
  auto* label2 = new QLabel(QStringLiteral(
      "Tip: if you intend to use Tarnovell afterwards, select the same "
      "number formats for all your mechanisms."));
  label2->setObjectName("Label2");
  label2->setWordWrap(true);
  tip->addWidget(picture, 0, Qt::AlignTop);
  tip->addWidget(label2, 1);
  formats->addLayout(tip, 1, 0, 1, 7);
  layout->addWidget(frm4);

  layout->addStretch(1);
  return tab;
}

QWidget* BuildStartTab(WindowParts& p) {
  auto* tab = new QWidget;
  auto* layout = new QGridLayout(tab);

  p.open_cmd = new QPushButton(QStringLiteral("&Load File and Run"));
  p.open_cmd->setObjectName("OpenCmd");
  p.open_cmd->setMinimumWidth(p.open_cmd->sizeHint().width() + 24);

  p.statuslbl = new QLabel;
  p.statuslbl->setObjectName("statuslbl");

  p.prog_bar = new QProgressBar;
  p.prog_bar->setObjectName("ProgBar");
  p.prog_bar->setRange(0, 100);
  p.prog_bar->setValue(0);
  p.prog_bar->setFixedWidth(220);
  // Hiding the bar must not move the status text: the run shows and hides
  // it between repaints, when no layout pass runs.
  QSizePolicy policy = p.prog_bar->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  p.prog_bar->setSizePolicy(policy);
  p.prog_bar->setVisible(false);

  p.namefilelbl1 = new QLabel;
  p.namefilelbl1->setObjectName("namefilelbl1");
  p.namefilelbl1->setTextInteractionFlags(Qt::TextSelectableByMouse);

  p.namefilelbl2 = new QLabel;
  p.namefilelbl2->setObjectName("namefilelbl2");
  p.namefilelbl2->setTextInteractionFlags(Qt::TextSelectableByMouse);
  p.namefilelbl2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Long paths must not widen the window; the labels take the width the
  // tab gives them.
  for (QLabel* label : {p.statuslbl, p.namefilelbl1, p.namefilelbl2}) {
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  // Room for the four "Output file: " lines of a run with thermodynamic
  // data, so the grid does not jump when they appear.
  p.namefilelbl2->setMinimumHeight(4 *
                                   p.namefilelbl2->fontMetrics().lineSpacing());

  p.grid = new QTableView;
  p.grid->setObjectName("MSFlexGrid1");
  p.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  p.grid->setWordWrap(false);
  p.grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  QHeaderView* rows = p.grid->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(p.grid->fontMetrics().height() + 6);
  rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QHeaderView* columns = p.grid->horizontalHeader();
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setDefaultSectionSize(90);
  columns->setMinimumSectionSize(24);

  layout->addWidget(p.open_cmd, 0, 0);
  layout->addWidget(p.statuslbl, 0, 1);
  layout->addWidget(p.prog_bar, 0, 2);
  layout->addWidget(p.namefilelbl1, 1, 0, 1, 3);
  layout->addWidget(p.namefilelbl2, 2, 0, 1, 3);
  layout->addWidget(p.grid, 3, 0, 1, 3);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(3, 1);
  return tab;
}

QWidget* BuildAboutTab(WindowParts& p) {
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  QGroupBox* frame = Frame("Frame1", "About Kestrelon");
  auto* inner = new QVBoxLayout(frame);
  inner->setSpacing(10);

  inner->addSpacing(12);
  inner->addWidget(AboutBox("aboutxt", kAboutProgram, 12, true));
  inner->addSpacing(6);
  inner->addWidget(Separator("Line1"));
  inner->addSpacing(6);
  inner->addWidget(AboutBox("aboutxt", kAboutAuthors, 10, false));
  inner->addWidget(AboutBox("aboutxt", kAboutAffiliation, 10, false));
  inner->addSpacing(6);
  inner->addWidget(Separator("Line2"));
  inner->addSpacing(6);

  p.aboutxt3 =
      LinkBox("aboutxt3",
              QStringLiteral("%1\n%2").arg(QString::fromUtf8(kAboutMailFirst),
                                           QString::fromUtf8(kAboutMailSecond)),
              QStringLiteral("Write to the developers"));
  p.aboutxt4 = LinkBox("aboutxt4", QString::fromUtf8(kAboutDownloadPage),
                       QStringLiteral("Open the download page"));
  inner->addWidget(p.aboutxt3, 0, Qt::AlignHCenter);
  inner->addWidget(p.aboutxt4, 0, Qt::AlignHCenter);
  inner->addStretch(1);

  layout->addWidget(frame);
  return tab;
}

}  // namespace kestrelon
