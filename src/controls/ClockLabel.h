#pragma once
// TClockLabel: a label that shows the time of day and refreshes itself from
// its own timer. Around that: a date label kept up to date, alarms at listed
// times of day, marks every five minutes, background pictures for the form
// it sits on, and saving of its own settings. The main window's ClockLabel2
// shows the time in the default style and uses none of the rest.
//
// The model paints on an IPaintCanvas; a host window paints it when OnChange
// says the caption changed, and forwards clicks.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Geometry.h"
#include "platform/Paint.h"
#include "platform/Timer.h"

namespace hanaroku {

class IDialogs;
class IFileSystem;
class ILocaleWords;
class IPaintCanvas;

enum class TTimeStyle : std::uint8_t { ts12Hours, ts12HoursJ, ts24Hours, ts24HoursJ, tsCustom };
enum class TDateStyle : std::uint8_t { dsShort, dsJap, dsJapW, dsGengo, dsGengoW };

// The five-minute marks: tc00 (minute 0) .. tc55 (minute 55).
enum class TTimeCast : std::uint8_t { tc00, tc05, tc10, tc15, tc20, tc25, tc30, tc35, tc40, tc45, tc50, tc55 };

// A set of marks; as an integer, bit i is mark i.
class TTimeCasts {
 public:
  constexpr TTimeCasts() noexcept = default;
  constexpr TTimeCasts(std::initializer_list<TTimeCast> marks) noexcept {
    for (TTimeCast m : marks) Include(m);
  }
  static constexpr TTimeCasts FromInt(int bits) noexcept {
    TTimeCasts s;
    s.bits_ = static_cast<std::uint16_t>(bits & 0x0FFF);
    return s;
  }
  constexpr int ToInt() const noexcept { return bits_; }
  constexpr bool Has(int mark) const noexcept { return mark >= 0 && mark < 12 && (bits_ >> mark & 1) != 0; }
  constexpr void Include(TTimeCast m) noexcept { bits_ = static_cast<std::uint16_t>(bits_ | 1u << Index(m)); }
  constexpr void Exclude(TTimeCast m) noexcept { bits_ = static_cast<std::uint16_t>(bits_ & ~(1u << Index(m))); }
  constexpr bool Empty() const noexcept { return bits_ == 0; }
  bool operator==(const TTimeCasts&) const = default;

 private:
  static constexpr unsigned Index(TTimeCast m) noexcept { return static_cast<unsigned>(m); }
  std::uint16_t bits_ = 0;
};

// A label's font: the face as painted and its colour.
struct TLabelFont {
  PaintFont face;
  TColor color = 0x000000;
};

enum class TLabelAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// What a plain label shows and where.
struct TLabelLook {
  TColor Color = kSysColorFlag | static_cast<TColor>(SysColor::BtnFace);
  TLabelFont Font;
  bool Transparent = false;
  TLabelAlignment Alignment = TLabelAlignment::taLeftJustify;
  TTextLayout Layout = TTextLayout::tlTop;
  int Left = 0, Top = 0;
  bool Visible = true;
};

// Paints caption in look within client: the background unless transparent,
// then the text placed by the alignment and layout, clipped to client.
void PaintLabel(IPaintCanvas& canvas, const Rect& client, const std::string& caption, const TLabelLook& look);

// The separate label that receives the date text. The clock refers to it;
// its owner calls TClockLabel::Notification before destroying it.
struct TDateLabel : TLabelLook {
  std::string Caption;
};

// A picture loaded from a file.
class IClockPicture {
 public:
  virtual ~IClockPicture() = default;
  virtual Size Extent() const = 0;
};

// Bitmap files: listing a folder and loading a picture.
class IPictureFiles {
 public:
  virtual ~IPictureFiles() = default;
  // Names (without the folder) of the files in dir that match pattern
  // ("*.bmp"), in the order the platform lists them.
  virtual std::vector<std::string> FindFiles(const std::string& dir, const std::string& pattern) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Throws FileError when the file cannot be read as a picture.
  virtual std::unique_ptr<IClockPicture> Load(const std::string& path) = 0;
};

// The form the clock sits on, when its parent is a form.
class IClockForm {
 public:
  virtual ~IClockForm() = default;
  virtual Rect Bounds() const = 0;  // outer rectangle on the screen
  virtual int BorderStyle() const = 0;  // bsNone 0, bsSingle 1, bsSizeable 2, ...
  virtual Rect ClientRect() const = 0;
  virtual void SetSize(int width, int height) = 0;
  // Fills the client area with the form's brush.
  virtual void FillClient() = 0;
  // Copies the picture onto the form's canvas, scaled into dst.
  virtual void DrawPicture(const IClockPicture& picture, const Rect& dst) = 0;
};

class TClockLabel : public TLabelLook {
 public:
  // The timer is the label's own (none: the label never refreshes); words default to the platform's, messages
  // go to dialogs (none: not shown).
  TClockLabel(IClock& clock, std::unique_ptr<ITimer> timer, IDialogs* dialogs = nullptr);
  TClockLabel(IClock& clock, std::unique_ptr<ITimer> timer, IDialogs* dialogs, const ILocaleWords& words);
  ~TClockLabel();
  TClockLabel(const TClockLabel&) = delete;
  TClockLabel& operator=(const TClockLabel&) = delete;

  // ---- published properties ----------------------------------------------
  const std::vector<std::string>& EventList() const noexcept { return eventList_; }
  // Checks the lines as "hh:mm" times (the first five characters, 24-hour):
  // at the first line that is not one a message names its 1-based number.
  // The lines are taken in any case.
  void SetEventList(std::vector<std::string> lines);

  unsigned Interval() const noexcept;
  // Starts, changes or (0) stops the refresh.
  void SetInterval(unsigned ms);

  TTimeStyle Style() const noexcept { return style_; }
  void SetStyle(TTimeStyle style);  // ticks
  const std::string& Format() const noexcept { return format_; }
  void SetFormat(std::string format);  // the custom format of tsCustom; ticks

  TTimeCasts TimeCast;
  bool IniSave = false;
  bool ImgAutoSize = true;
  std::string Hint;

  const std::string& ImgDir() const noexcept { return imgDir_; }
  // Only with a parent form, and only when the value changes.
  void SetImgDir(const std::string& dir);

  TDateStyle DateStyle = TDateStyle::dsShort;
  TDateLabel* DateLabel() const noexcept { return dateLabel_; }
  void SetDateLabel(TDateLabel* label) noexcept { dateLabel_ = label; }
  // The owner of a date label calls this before destroying it.
  void Notification(const TDateLabel* removed) noexcept;

  std::function<void(TClockLabel& sender, int index)> OnAlarm;     // index into EventList
  std::function<void(TClockLabel& sender, int mark)> OnTimeCast;   // mark = minute / 5
  std::function<void(TClockLabel& sender)> OnClick;
  // The caption changed: the host repaints.
  std::function<void()> OnChange;

  const std::string& Caption() const noexcept { return caption_; }

  // ---- the parent form and its pictures ----------------------------------
  void SetParentForm(IClockForm* form, IPictureFiles* files) noexcept;
  const std::vector<std::string>& ImageFiles() const noexcept { return files_; }
  int ImageIndex() const noexcept { return imageIndex_; }
  const IClockPicture* Picture() const noexcept { return picture_.get(); }
  Rect PictureRect() const noexcept { return pictureRect_; }

  // ---- operations ----------------------------------------------------------
  void LoadImage(const std::string& fileName);
  void PaintImage();
  void NextImage();
  void PreviousImage();
  // With IniSave: writes the settings into the file named like the program
  // with the extension ".Ini".
  void SaveSettings(IFileSystem& fs, const std::string& programFile);

  // One refresh: caption, date label, alarm and mark (run by the timer).
  void Tick();
  void Click();
  void Paint(IPaintCanvas& canvas, const Rect& client) const;

  // The format of a style / date style.
  static std::string_view StyleFormat(TTimeStyle style) noexcept;
  static std::string_view DateStyleFormat(TDateStyle style) noexcept;
  std::string TimeText(const TimeOfDay& t) const;
  std::string DateText(const TimeOfDay& t) const;

 private:
  void SetCaption(std::string text);
  void CheckMinute(const TimeOfDay& t);
  void StepImage(int delta);
  void RefreshDateLabel();

  IClock& clock_;
  std::unique_ptr<ITimer> timer_;
  IDialogs* dialogs_;
  const ILocaleWords& words_;
  std::vector<std::string> eventList_;
  TTimeStyle style_ = TTimeStyle::ts12Hours;
  std::string format_;
  std::string caption_;
  std::string lastMinute_;
  std::string imgDir_;
  TDateLabel* dateLabel_ = nullptr;
  IClockForm* form_ = nullptr;
  IPictureFiles* pictureFiles_ = nullptr;
  std::vector<std::string> files_;
  int imageIndex_ = 0;
  std::unique_ptr<IClockPicture> picture_;
  Rect pictureRect_;
};

}  // namespace hanaroku
