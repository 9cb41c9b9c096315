#pragma once
// TForm3: the loading splash shown over the main window while the file named
// on the command line is read. It closes on its timer's first tick (300 ms
// after the load) or on a click.
#include <functional>
#include <memory>

#include "app/MainForm1.h"

namespace hanaroku {

class ITimer;
class IPaintCanvas;

class TForm3 {
 public:
  static constexpr unsigned TimerInterval = 300;
  // Design size of RotateLabel1; the splash centres it by its placement.
  static constexpr int LabelWidth = 232, LabelHeight = 82;

  TForm3(IMainWindowHost& host, std::unique_ptr<ITimer> timer);
  ~TForm3();
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  // Places the splash over the main window and shows it at once.
  void Show(const WindowBounds& mainWindow);
  // Starts Timer1 (after the file is loaded).
  void EnableTimer();
  void FormClick();
  void Timer1Timer();
  // Closes it at once (before a message box of the load, which it would hide).
  void Close();

  bool Visible() const noexcept { return visible_; }
  bool TimerEnabled() const noexcept;
  const SplashView& View() const noexcept { return view_; }

 private:
  IMainWindowHost& host_;
  std::unique_ptr<ITimer> timer_;
  SplashView view_;
  bool visible_ = false;
};

// The splash's client area of `client` pixels: its background and
// RotateLabel1 (a TRotateLabel) at its place.
void PaintSplash(IPaintCanvas& canvas, const SplashView& view, Size client);

}  // namespace hanaroku
