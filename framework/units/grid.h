#pragma once
// A grid of text cells with a fixed header row and column, column widths, and
// columns of ticks. Drawn by the layer; scrolls vertically when the rows do not
// fit. While it has the focus, a dotted frame marks the current cell (the whole
// grid when there is none) and the arrow keys move the current cell over the
// cells below and right of the headers, the first arrow to the first of them.
#include "framework/units/unit.h"

namespace fw {

struct GridDescription {
  Unit* parent = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int columns = 1;
  int rows = 1;
  int fixedRows = 1;      // header rows at the top, drawn as headers
  int fixedColumns = 1;   // header columns at the left, drawn as headers
  bool visible = true;
  bool enabled = true;
  // In the window's Tab order (see fw::Window).
  bool takesFocus = false;
  // A click on a cell of a row below the fixed rows. The cell becomes
  // the current cell before the handler runs. Space on the focused grid
  // raises it for the current cell, as a click on it would.
  PlainHandler onCellClick;
};

class Grid : public Unit {
 public:
  // Column types. A tick column's cells hold a logic value drawn as a check box.
  enum ColumnType : int { kTextColumn = 0, kTickColumn = 5 };

  Grid(Window* window, GridDescription description);

  // The number of rows, headers included. Growing adds empty rows;
  // shrinking drops the last rows.
  int rowCount() const { return static_cast<int>(cells_.size()); }
  void setRowCount(int rows);
  // Adds an empty row at the end.
  void addRow();
  int columnCount() const { return columns_; }
  void setColumnCount(int columns);
  void setColumnWidth(int column, int width);
  int columnWidth(int column) const;
  void setColumnType(int column, int type);
  int columnType(int column) const;

  // Cells outside the grid read empty / 0 / false and ignore writes.
  Text cellText(int row, int column) const;
  void setCellText(int row, int column, const Text& text);
  // A number is kept as its decimal text.
  void setCellNumber(int row, int column, int64_t number);
  bool cellTick(int row, int column) const;
  void setCellTick(int row, int column, bool ticked);

  // The current cell, -1 and -1 when there is none.
  int currentRow() const { return currentRow_; }
  int currentColumn() const { return currentColumn_; }
  void setCurrentCell(int row, int column);

 protected:
  void createHandle() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  struct Cell {
    Text text;
    bool tick = false;
  };
  void paint(HDC dc);
  bool cellAt(int x, int y, int& row, int& column) const;
  int rowHeight() const;
  int visibleBodyRows() const;
  void updateScrollBar();
  void scrollTo(int firstRow);
  // The arrow keys: the current cell moved by rows and columns.
  void moveCurrentCell(int rows, int columns);

  GridDescription description_;
  int columns_ = 1;
  std::vector<std::vector<Cell>> cells_;
  std::vector<int> widths_;
  std::vector<int> types_;
  int currentRow_ = -1, currentColumn_ = -1;
  int firstBodyRow_ = 0;   // scroll position, in rows below the fixed rows
};

}  // namespace fw
