#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control.h"

// A list of rows of cells with a heading row.
class Listbox : public Control {
 public:
  Listbox(Window& owner, const ControlSpec& entry);
  int ColumnCount() const { return columns_; }
  std::string Heading(int column) const;
  void SetHeading(int column, const std::string& text);

  int ListCount() const;
  // The index of the row added last, -1 when none was added since the list was emptied.
  int LastIndex() const { return lastIndex_; }
  void AddRow(const std::string& firstCell);
  void DeleteAllRows();
  std::string Cell(int row, int column) const;
  void SetCell(int row, int column, const std::string& text);
  Alignment CellAlignment(int row, int column) const;
  void SetCellAlignment(int row, int column, Alignment align);

 private:
  int columns_;
  int lastIndex_ = -1;
  std::vector<std::vector<Alignment>> alignments_;
};

// A pop-up menu of text rows. Setting ListIndex raises Change, as choosing a row does.
class PopupMenu : public Control {
 public:
  PopupMenu(Window& owner, const ControlSpec& entry);
  void AddRow(const std::string& text);
  int ListCount() const;
  std::string List(int row) const;
  int ListIndex() const;
  void SetListIndex(int index);
  std::function<void()> Change;
};
