#include "app/Splash.h"

#include "controls/RotateLabel.h"
#include "platform/Timer.h"

namespace hanaroku {

TForm3::TForm3(IMainWindowHost& host, std::unique_ptr<ITimer> timer) : host_(host), timer_(std::move(timer)) {
  view_.caption = "Loading...";
  view_.color = 0xE8DFDD;        // #DDDFE8
  view_.labelText = "Now Loading...";
  view_.labelFont = "Times New Roman";
  view_.labelHeight = 33;
  view_.labelColor = 0x856556;   // #566585
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback([this] { Timer1Timer(); });
  }
}

TForm3::~TForm3() {
  if (timer_) {
    timer_->SetInterval(0);
    timer_->SetCallback(nullptr);
  }
}

void TForm3::Show(const WindowBounds& mainWindow) {
  view_.bounds.top = mainWindow.top + 37;
  view_.bounds.left = mainWindow.left;
  view_.bounds.height = mainWindow.height - 37;
  view_.bounds.width = mainWindow.width;
  view_.labelLeft = view_.bounds.width / 2 - 116;
  view_.labelTop = view_.bounds.height / 2 - 41;
  visible_ = true;
  host_.ShowSplash(view_);
}

void TForm3::EnableTimer() {
  if (timer_ && visible_) timer_->SetInterval(TimerInterval);
}

bool TForm3::TimerEnabled() const noexcept { return timer_ && timer_->Interval() != 0; }

void TForm3::FormClick() { Close(); }

void TForm3::Timer1Timer() { Close(); }

void TForm3::Close() {
  if (timer_) timer_->SetInterval(0);
  if (!visible_) return;
  visible_ = false;
  host_.CloseSplash();
}

void PaintSplash(IPaintCanvas& canvas, const SplashView& view, Size client) {
  canvas.FillRect(Rect::FromSize(0, 0, client.width, client.height), view.color);
  PaintFont face;
  face.name = view.labelFont;
  face.height = view.labelHeight;
  TRotateLabel label;
  label.SetCaption(view.labelText);
  label.SetFont(ControlFont{face, view.labelColor});
  label.SetTransparent(true);
  label.SetExtent(Size{TForm3::LabelWidth, TForm3::LabelHeight});
  label.Paint(canvas, Point{view.labelLeft, view.labelTop});
}

}  // namespace hanaroku
