#include "framework/units/grid.h"

#include <algorithm>
#include <optional>

#include "framework/units/internal.h"
#include "framework/window.h"

namespace fw {

namespace {

constexpr int kDefaultColumnWidth = 64;
constexpr COLORREF kLineColour = RGB(208, 208, 208);
constexpr COLORREF kHeaderColour = RGB(236, 236, 236);
constexpr COLORREF kHeaderText = RGB(64, 64, 64);
constexpr COLORREF kCurrentColour = RGB(214, 232, 252);
constexpr COLORREF kTickColour = RGB(0, 120, 215);

void fill(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void drawTick(HDC dc, const RECT& cell, bool ticked) {
  const int size = 13;
  const int x = (cell.left + cell.right - size) / 2;
  const int y = (cell.top + cell.bottom - size) / 2;
  RECT box{x, y, x + size, y + size};
  fill(dc, box, ticked ? kTickColour : RGB(255, 255, 255));
  HPEN border = CreatePen(PS_SOLID, 1, ticked ? kTickColour : RGB(128, 128, 128));
  HGDIOBJ oldPen = SelectObject(dc, border);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, box.left, box.top, box.right, box.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(border);
  if (!ticked) return;
  HPEN mark = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
  oldPen = SelectObject(dc, mark);
  POINT points[] = {{x + 3, y + 6}, {x + 5, y + 9}, {x + 10, y + 3}};
  Polyline(dc, points, 3);
  SelectObject(dc, oldPen);
  DeleteObject(mark);
}

}  // namespace

Grid::Grid(Window* window, GridDescription d)
    : Unit(window, UnitPlacement{d.parent, d.left, d.top, d.width, d.height, d.visible, d.enabled, d.takesFocus}),
      description_(std::move(d)) {
  setColumnCount(std::max(1, description_.columns));
  setRowCount(std::max(0, description_.rows));
}

void Grid::setRowCount(int rows) {
  rows = std::max(0, rows);
  cells_.resize(static_cast<std::size_t>(rows), std::vector<Cell>(static_cast<std::size_t>(columns_)));
  if (currentRow_ >= rows) currentRow_ = currentColumn_ = -1;
  updateScrollBar();
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Grid::addRow() { setRowCount(rowCount() + 1); }

void Grid::setColumnCount(int columns) {
  columns_ = std::max(0, columns);
  for (auto& row : cells_) row.resize(static_cast<std::size_t>(columns_));
  widths_.resize(static_cast<std::size_t>(columns_), kDefaultColumnWidth);
  types_.resize(static_cast<std::size_t>(columns_), kTextColumn);
  if (currentColumn_ >= columns_) currentRow_ = currentColumn_ = -1;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Grid::setColumnWidth(int column, int width) {
  if (column < 0 || column >= columns_) return;
  widths_[static_cast<std::size_t>(column)] = std::max(0, width);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

int Grid::columnWidth(int column) const {
  return column >= 0 && column < columns_ ? widths_[static_cast<std::size_t>(column)] : 0;
}

void Grid::setColumnType(int column, int type) {
  if (column < 0 || column >= columns_) return;
  types_[static_cast<std::size_t>(column)] = type;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

int Grid::columnType(int column) const {
  return column >= 0 && column < columns_ ? types_[static_cast<std::size_t>(column)] : kTextColumn;
}

Text Grid::cellText(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return Text();
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
}

void Grid::setCellText(int row, int column, const Text& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text = text;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Grid::setCellNumber(int row, int column, int64_t number) { setCellText(row, column, std::to_string(number)); }

bool Grid::cellTick(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return false;
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].tick;
}

void Grid::setCellTick(int row, int column, bool ticked) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].tick = ticked;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Grid::setCurrentCell(int row, int column) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) {
    row = column = -1;
  }
  currentRow_ = row;
  currentColumn_ = column;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

int Grid::rowHeight() const { return 22; }

int Grid::visibleBodyRows() const {
  if (hwnd_ == nullptr) return 0;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int fixed = std::min(description_.fixedRows, rowCount());
  return std::max(0, static_cast<int>(client.bottom - fixed * rowHeight()) / rowHeight());
}

void Grid::updateScrollBar() {
  if (hwnd_ == nullptr) return;
  const int body = std::max(0, rowCount() - description_.fixedRows);
  const int page = visibleBodyRows();
  firstBodyRow_ = std::clamp(firstBodyRow_, 0, std::max(0, body - page));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, body - 1);
  info.nPage = static_cast<UINT>(page);
  info.nPos = firstBodyRow_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
  ShowScrollBar(hwnd_, SB_VERT, body > page);
}

void Grid::scrollTo(int firstRow) {
  const int body = std::max(0, rowCount() - description_.fixedRows);
  const int limit = std::max(0, body - visibleBodyRows());
  const int clamped = std::clamp(firstRow, 0, limit);
  if (clamped == firstBodyRow_) return;
  firstBodyRow_ = clamped;
  updateScrollBar();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

bool Grid::cellAt(int x, int y, int& row, int& column) const {
  const int fixed = std::min(description_.fixedRows, rowCount());
  const int line = y / rowHeight();
  if (y < 0 || x < 0) return false;
  row = line < fixed ? line : line + firstBodyRow_;
  if (row >= rowCount()) return false;
  int left = 0;
  for (column = 0; column < columns_; ++column) {
    left += widths_[static_cast<std::size_t>(column)];
    if (x < left) return true;
  }
  return false;
}

void Grid::paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  fill(dc, client, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  HPEN line = CreatePen(PS_SOLID, 1, kLineColour);
  HGDIOBJ oldPen = SelectObject(dc, line);
  const int fixedRows = std::min(description_.fixedRows, rowCount());
  const int h = rowHeight();
  int y = 0;
  std::optional<RECT> currentCell;
  auto drawRow = [&](int row) {
    int x = 0;
    for (int column = 0; column < columns_; ++column) {
      const int w = widths_[static_cast<std::size_t>(column)];
      RECT cell{x, y, x + w, y + h};
      const bool header = row < fixedRows || column < description_.fixedColumns;
      const bool current = row == currentRow_ && column == currentColumn_;
      fill(dc, cell, current ? kCurrentColour : header ? kHeaderColour : RGB(255, 255, 255));
      if (current) currentCell = cell;
      const Cell& c = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      if (types_[static_cast<std::size_t>(column)] == kTickColumn && row >= fixedRows) {
        drawTick(dc, cell, c.tick);
      } else {
        RECT text{cell.left + 4, cell.top, cell.right - 3, cell.bottom};
        SetTextColor(dc, header ? kHeaderText : RGB(0, 0, 0));
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (row < fixedRows) format |= DT_CENTER;
        DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &text, format);
      }
      MoveToEx(dc, cell.right - 1, cell.top, nullptr);
      LineTo(dc, cell.right - 1, cell.bottom);
      MoveToEx(dc, cell.left, cell.bottom - 1, nullptr);
      LineTo(dc, cell.right, cell.bottom - 1);
      x += w;
    }
    y += h;
  };
  for (int row = 0; row < fixedRows; ++row) drawRow(row);
  for (int row = fixedRows + firstBodyRow_; row < rowCount() && y < client.bottom; ++row) drawRow(row);
  SelectObject(dc, oldPen);
  DeleteObject(line);
  if (GetFocus() == hwnd_) {
    RECT frame = currentCell.value_or(client);
    InflateRect(&frame, -2, -2);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &frame);
  }
}

void Grid::moveCurrentCell(int rows, int columns) {
  const int top = std::max(0, description_.fixedRows);
  const int left = std::clamp(description_.fixedColumns, 0, std::max(0, columns_ - 1));
  if (top >= rowCount() || columns_ == 0) return;
  int row = top;
  int column = left;
  if (currentRow_ >= top && currentColumn_ >= left) {
    row = std::clamp(currentRow_ + rows, top, rowCount() - 1);
    column = std::clamp(currentColumn_ + columns, left, columns_ - 1);
  }
  setCurrentCell(row, column);
  const int body = row - top;
  const int page = std::max(1, visibleBodyRows());
  if (body < firstBodyRow_) scrollTo(body);
  if (body >= firstBodyRow_ + page) scrollTo(body - page + 1);
}

void Grid::createHandle() {
  if (createChild(kUnitClass, WS_VSCROLL, WS_EX_CLIENTEDGE) != nullptr) updateScrollBar();
}

bool Grid::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintsItself(hwnd_, message, result, [this](HDC dc, const RECT&) { paint(dc); })) return true;
  switch (message) {
    case WM_SIZE:
      updateScrollBar();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(hwnd_);
      int row = -1;
      int column = -1;
      if (cellAt(mouseX(lParam), mouseY(lParam), row, column) && row >= description_.fixedRows) {
        setCurrentCell(row, column);
        description_.onCellClick();
      }
      return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_UP: moveCurrentCell(-1, 0); return true;
        case VK_DOWN: moveCurrentCell(1, 0); return true;
        case VK_LEFT: moveCurrentCell(0, -1); return true;
        case VK_RIGHT: moveCurrentCell(0, 1); return true;
        case VK_SPACE:
          if (!keyRepeated(lParam) && currentRow_ >= description_.fixedRows && currentColumn_ >= 0 &&
              eventsAllowed()) {
            description_.onCellClick();
          }
          return true;
        default: return false;
      }
    case WM_MOUSEWHEEL:
      scrollTo(firstBodyRow_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
      return true;
    case WM_VSCROLL: {
      const int page = std::max(1, visibleBodyRows());
      switch (LOWORD(wParam)) {
        case SB_LINEUP: scrollTo(firstBodyRow_ - 1); break;
        case SB_LINEDOWN: scrollTo(firstBodyRow_ + 1); break;
        case SB_PAGEUP: scrollTo(firstBodyRow_ - page); break;
        case SB_PAGEDOWN: scrollTo(firstBodyRow_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          SCROLLINFO info{};
          info.cbSize = sizeof info;
          info.fMask = SIF_TRACKPOS;
          GetScrollInfo(hwnd_, SB_VERT, &info);
          scrollTo(info.nTrackPos);
          break;
        }
        default: break;
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace fw
