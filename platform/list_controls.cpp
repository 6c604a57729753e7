#include "list_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>

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

// How far a cell's text stands in from each side, whatever its alignment: together they keep
// three blank pixels between neighbouring cells, so that "0" beside "1000" never reads "01000".
constexpr qreal kLeftInset = 2;
constexpr qreal kRightInset = 1;

// The font narrowed until the text fits the width. A face with no condensed variant is narrowed
// by the font engine itself, so this holds whatever fonts the machine has.
QFont CondensedToFit(QFont font, const QString& text, qreal width) {
  const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
  if (wide <= std::max<qreal>(width, 0)) return font;
  int stretch = std::clamp(static_cast<int>(100 * width / wide), 1, 99);
  for (;; --stretch) {
    font.setStretch(stretch);
    if (stretch == 1 || QFontMetricsF(font).horizontalAdvance(text) <= width) return font;
  }
}

// Draws a cell's text whole, never shortened to an ellipsis: a count of four digits or a long
// generation is condensed to its cell instead, and a glyph's edge may overhang its box by the
// fraction of a pixel it needs.
class CellPainter : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* view = cell.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    // The background, the selection and the focus, as every list draws them.
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);

    const QPalette::ColorGroup group =
        cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role =
        cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    const QRectF box = QRectF(cell.rect).adjusted(kLeftInset, 0, -kRightInset, 0);
    painter->save();
    painter->setFont(CondensedToFit(cell.font, text, box.width()));
    painter->setPen(cell.palette.color(group, role));
    painter->drawText(box, Qt::TextSingleLine | Qt::TextDontClip | cell.displayAlignment, text);
    painter->restore();
  }
};

// A column with a width in pixels keeps it; the others share what is left.
void ApplyColumnWidths(QHeaderView* header, const QString& widths, int columns) {
  const QStringList given = widths.split(',');
  for (int c = 0; c < columns; ++c) {
    bool isNumber = false;
    const int pixels = c < given.size() ? given[c].trimmed().toInt(&isNumber) : 0;
    if (isNumber && pixels > 0) {
      header->setSectionResizeMode(c, QHeaderView::Fixed);
      header->resizeSection(c, pixels);
    } else {
      header->setSectionResizeMode(c, QHeaderView::Stretch);
    }
  }
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
  tree->setItemDelegate(new CellPainter(tree));
  QHeaderView* header = tree->header();
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  header->setSectionsMovable(false);
  ApplyColumnWidths(header, ToQt(entry.ColumnWidths), columns_);
  Adopt(tree, entry);
  tree->setFont(NarrowFontOfSize(entry.TextSize));
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
