#pragma once
// PaneWindow: the Win32 view of an editing pane. The text, selection,
// colours and layout all belong to the model (TRichEditSx); this window
// paints the visible lines with GDI (double-buffered, vertical writing with
// the "@" font), shows the caret, keeps both scroll bars, and turns keyboard,
// mouse, input-method and file-drop messages into calls on the model.
//
// Use from the main window:
//   PaneWindow::RegisterWindowClass(instance);          // once per process
//   PaneWindow pane;                                     // lives as long as the HWND
//   HWND h = pane.Create(mainWnd, RichEditNx1, kIdRightPane);
//   pane.SetDropHandler([](std::vector<std::string> utf8Paths) { ... });
//   MoveWindow(pane.Handle(), ...);                      // the parent positions it
// The model must outlive the PaneWindow (or the PaneWindow is destroyed
// first); destroying the PaneWindow detaches it from the model.
// Right-button clicks reach the parent as WM_CONTEXTMENU (wParam = the pane's
// HWND); whether a pane has the focus is GetFocus() == pane.Handle(), and
// SetFocusHandler reports the changes.
// Scripts and assistive tools may drive the pane with the standard edit
// messages (WM_GETTEXT, WM_SETTEXT, EM_GETSEL, EM_SETSEL, EM_REPLACESEL, the
// line messages, the modify flag, undo, the clipboard, EM_SETREADONLY): they
// are answered as the platform edit control answers them, in UTF-16.
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiMeasurer.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/PaneComposition.h"
#include "controls/RichEditSx.h"

namespace hanaroku {
class PaneEditAccess;
}

namespace hanaroku::win32 {

class PaneWindow final : public IPaneView {
 public:
  static constexpr const wchar_t* kClassName = L"HanarokuPane";

  // Registers the window class (later calls do nothing).
  static void RegisterWindowClass(HINSTANCE instance);

  PaneWindow();
  ~PaneWindow() override;
  PaneWindow(const PaneWindow&) = delete;
  PaneWindow& operator=(const PaneWindow&) = delete;

  // Creates the pane as a visible child of parent with the control id `id`,
  // sunken edge and both scroll bars, attached to model (its view and its
  // text measurer). Size 0 x 0 until the parent moves it. Throws
  // std::runtime_error when the window cannot be created.
  HWND Create(HWND parent, TRichEditSx& model, int id);
  HWND Handle() const noexcept { return hwnd_; }
  TRichEditSx* Model() const noexcept { return model_; }

  // Files dropped onto the pane (DragAcceptFiles): the full paths, UTF-8.
  void SetDropHandler(std::function<void(std::vector<std::string> utf8Paths)> handler) {
    onDrop_ = std::move(handler);
  }
  // Called with true when the pane gets the keyboard focus, false when it
  // loses it.
  void SetFocusHandler(std::function<void(bool focused)> handler) { onFocus_ = std::move(handler); }

  // Paints the whole client area into dc (what WM_PAINT and WM_PRINTCLIENT
  // do). The caret is not part of it.
  void Paint(HDC dc);

  const GdiMeasurer& Measurer() const noexcept { return measurer_; }
  // The caret's place in client pixels (its top-left corner) and its size.
  RECT CaretBox() const;
  // Position the caret is shown at: the moving end of the selection.
  std::size_t CaretPos() const noexcept;

  // The input method's composition, drawn inside the pane at the caret. The
  // window feeds it from WM_IME_COMPOSITION; after changing it by hand call
  // CompositionChanged.
  PaneComposition& Composition() noexcept { return composition_; }
  void CompositionChanged();

  // IPaneView.
  void Invalidate() override;
  void CaretMoved() override;
  void LayoutChanged() override;

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  // The standard edit messages (PaneWindowEdit.cpp).
  static bool IsEditMessage(UINT msg) noexcept;
  LRESULT OnEditMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  // Message handlers.
  void OnPaint();
  void OnSize(int width, int height);
  void OnSetFocus();
  void OnKillFocus();
  void OnKeyDown(WPARAM vk);
  void OnKeyUp(WPARAM vk);
  void OnChar(WPARAM ch);
  void OnLButtonDown(LPARAM lParam, WPARAM keys);
  void OnLButtonDblClk(LPARAM lParam);
  void OnMouseMove(LPARAM lParam, WPARAM keys);
  void OnLButtonUp(LPARAM lParam);
  void OnCaptureChanged();
  void OnMouseWheel(WPARAM wParam);
  bool OnSetCursor(LPARAM lParam);
  void OnScroll(int bar, int code);
  void OnTimer(WPARAM id);
  LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
  LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);
  void OnImeEndComposition();
  void OnDropFiles(HDROP drop);
  void OnNcDestroy();

  // Painting.
  struct ColorCursor;
  void PaintContent(HDC dc, int width, int height);
  void PaintLine(HDC dc, int line, int width, int height, ColorCursor& colors);
  void PaintComposition(HDC dc);
  // Draws glyphs of a run starting at inline pixel `inlineAt` of the line
  // whose band starts at block pixel `blockAt`.
  void DrawRun(HDC dc, int blockAt, int inlineAt, const wchar_t* chars, UINT count, const INT* dx) const;
  std::vector<CompositionCell> CompositionCells() const;

  // Upkeep.
  void SyncMeasurer();
  void TrackSelection() const noexcept;
  void UpdateCaret();
  void PositionIme();
  void UpdateScrollBars();
  void ScrollInlineTo(int px);
  int TextBoxOffset() const noexcept;  // cross-line offset of the glyph box in a line's pitch

  HWND hwnd_ = nullptr;
  TRichEditSx* model_ = nullptr;
  std::unique_ptr<PaneEditAccess> access_;
  GdiMeasurer measurer_;
  BackBuffer back_;
  std::function<void(std::vector<std::string>)> onDrop_;
  std::function<void(bool)> onFocus_;

  bool focused_ = false;
  bool caretMade_ = false;
  SIZE caretSize_{};
  bool composing_ = false;
  PaneComposition composition_;
  bool buttonDown_ = false;  // the left button went down here; the capture is held
  bool dragging_ = false;    // ... and moving the mouse extends the selection
  bool autoScroll_ = false;
  bool syncing_ = false;
  POINT lastMouse_{};
  bool paintFailed_ = false;
  int wheelRest_ = 0;

  // Selection as last seen, to tell which end moves.
  mutable std::size_t lastSelStart_ = 0, lastSelEnd_ = 0;
  mutable bool caretAtStart_ = false;

  // Scroll bars as last set (skips redundant SetScrollInfo calls).
  struct BarState {
    int max = -1, page = -1, pos = -1;
  } lineBar_, inlineBar_;
  bool barsVertical_ = false;
};

}  // namespace hanaroku::win32
