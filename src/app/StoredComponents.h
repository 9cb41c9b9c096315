#pragma once
// The components of the main window whose state the settings store keeps
// (RichEditNx1Component, RichEditNx2Component, MsgSCR1Component,
// DropDst1Component, DropDst2Component), as IPersistent views.
//
// The panes, the banner and the drop targets are read and written through
// their public API (a banner's or a drop target's state also through a plain
// property set).
//
// What each state holds (record names as in the blob):
//   TRichEditSx  Font, Color, Vertical, WordWrap, SelectionBar, UseRegKey,
//                Width, Height (client size; the left pane's Width is its
//                docked width, the only one that is restored, the frame
//                placing the panes). Never the text.
//   TMsgSCR      Msg (UTF-8), Font, Color, Interval, Show, Align, Left, Top,
//                Width, Height, Hint.
//   TDropDst     Control (the pane's name), Target, AcceptDrop, OnFileDrop
//                (the handler's name).
// A value that does not make sense (a colour that is no colour, an unknown
// pane or handler name, an alignment out of range) is passed over: that
// property keeps what it had, as a property missing from the state does.
#include <cstdint>
#include <string>
#include <utility>

#include "app/ComponentState.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "controls/DropDst.h"
#include "verse/MsgSCR.h"

namespace hanaroku {

class TRichEditSx;

// True for a 0x00BBGGRR colour and for the platform's system colours.
bool IsColorValue(TColor c) noexcept;

class PaneComponent final : public IPersistent {
 public:
  // dockedWidth: the left pane's width held by the window (null for the
  // right pane, which fills what the left pane leaves).
  PaneComponent(TRichEditSx& pane, std::string name, int* dockedWidth = nullptr)
      : pane_(pane), name_(std::move(name)), dockedWidth_(dockedWidth) {}
  std::string ClassName() const override { return "TRichEditSx"; }
  std::string Name() const override { return name_; }
  void WriteState(StateWriter& w) const override;
  void ReadState(const StateReader& r) override;

 private:
  TRichEditSx& pane_;
  std::string name_;
  int* dockedWidth_;
};

class MsgSCRComponent final : public IPersistent {
 public:
  MsgSCRComponent(MsgSCRProperties& props, std::string name) : props_(&props), name_(std::move(name)) {}
  MsgSCRComponent(TMsgSCR& banner, std::string name) : banner_(&banner), name_(std::move(name)) {}
  std::string ClassName() const override { return "TMsgSCR"; }
  std::string Name() const override { return name_; }
  void WriteState(StateWriter& w) const override;
  void ReadState(const StateReader& r) override;

 private:
  MsgSCRProperties* props_ = nullptr;
  TMsgSCR* banner_ = nullptr;
  std::string name_;
};

class DropDstComponent final : public IPersistent {
 public:
  DropDstComponent(DropDstProperties& props, std::string name) : props_(&props), name_(std::move(name)) {}
  DropDstComponent(TDropDst& target, std::string name) : target_(&target), name_(std::move(name)) {}
  std::string ClassName() const override { return "TDropDst"; }
  std::string Name() const override { return name_; }
  void WriteState(StateWriter& w) const override;
  void ReadState(const StateReader& r) override;

 private:
  DropDstProperties* props_ = nullptr;
  TDropDst* target_ = nullptr;
  std::string name_;
};

}  // namespace hanaroku
