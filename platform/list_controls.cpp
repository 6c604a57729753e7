#include "list_controls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidget>

#include "event_gate.h"
#include "qt_text.h"
#include "window.h"

namespace {

QTreeWidget* Tree(QWidget* widget) {
  return static_cast<QTreeWidget*>(widget);
}
QComboBox* Combo(QWidget* widget) {
  return static_cast<QComboBox*>(widget);
}

Qt::Alignment CellAlign(Alignment align) {
  switch (align) {
    case Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

Listbox::Listbox(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), columns_(std::max(entry.ColumnCount, 1)) {
  auto* tree = new QTreeWidget(owner.Content());
  tree->setColumnCount(columns_);
  tree->setRootIsDecorated(false);
  tree->setIndentation(0);
  tree->setHeaderHidden(!entry.HasHeading);
  tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tree->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setHeaderLabels(QStringList(columns_, QString()));
  // No widths given: the columns share the list's width.
  QHeaderView* header = tree->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::Stretch);
  header->setMinimumSectionSize(1);
  header->setSectionsMovable(false);
  Adopt(tree, entry);
}

std::string Listbox::Heading(int column) const {
  QTreeWidgetItem* header = Tree(Widget())->headerItem();
  return column >= 0 && column < columns_ ? FromQt(header->text(column)) : std::string();
}

void Listbox::SetHeading(int column, const std::string& text) {
  if (column >= 0 && column < columns_) Tree(Widget())->headerItem()->setText(column, ToQt(text));
}

int Listbox::ListCount() const {
  return Tree(Widget())->topLevelItemCount();
}

void Listbox::AddRow(const std::string& firstCell) {
  auto* item = new QTreeWidgetItem(Tree(Widget()));
  item->setText(0, ToQt(firstCell));
  alignments_.emplace_back(columns_, Alignment::Left);
  lastIndex_ = ListCount() - 1;
}

void Listbox::DeleteAllRows() {
  Tree(Widget())->clear();
  alignments_.clear();
  lastIndex_ = -1;
}

std::string Listbox::Cell(int row, int column) const {
  QTreeWidgetItem* item = Tree(Widget())->topLevelItem(row);
  if (!item || column < 0 || column >= columns_) return {};
  return FromQt(item->text(column));
}

void Listbox::SetCell(int row, int column, const std::string& text) {
  QTreeWidgetItem* item = Tree(Widget())->topLevelItem(row);
  if (item && column >= 0 && column < columns_) item->setText(column, ToQt(text));
}

Alignment Listbox::CellAlignment(int row, int column) const {
  if (row < 0 || row >= ListCount() || column < 0 || column >= columns_) return Alignment::Left;
  return alignments_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void Listbox::SetCellAlignment(int row, int column, Alignment align) {
  QTreeWidgetItem* item = Tree(Widget())->topLevelItem(row);
  if (!item || column < 0 || column >= columns_) return;
  alignments_[static_cast<size_t>(row)][static_cast<size_t>(column)] = align;
  item->setTextAlignment(column, CellAlign(align));
}

PopupMenu::PopupMenu(Window& owner, const ControlSpec& entry) : Control(owner, entry) {
  auto* combo = new QComboBox(owner.Content());
  const QString rows = ToQt(entry.Rows);
  if (!rows.isEmpty()) combo->addItems(rows.split('\n'));
  combo->setCurrentIndex(-1);
  QObject::connect(combo, &QComboBox::activated, [this](int) { Raise(Change); });
  Adopt(combo, entry);
}

void PopupMenu::AddRow(const std::string& text) {
  Combo(Widget())->addItem(ToQt(text));
}
int PopupMenu::ListCount() const {
  return Combo(Widget())->count();
}
std::string PopupMenu::List(int row) const {
  return FromQt(Combo(Widget())->itemText(row));
}
int PopupMenu::ListIndex() const {
  return Combo(Widget())->currentIndex();
}

void PopupMenu::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  Combo(Widget())->setCurrentIndex(index);
  // Set by the program, from inside a handler: Change runs as part of it.
  if (Change) Change();
}
