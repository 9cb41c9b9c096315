#include "app/StoredComponents.h"

#include <gtest/gtest.h>

#include <functional>

#include "controls/RichEditSx.h"

namespace hanaroku {
namespace {

// Everything a pane's state carries, for comparisons.
struct PaneLook {
  FontSpec font;
  TColor color;
  bool vertical, wordWrap, selectionBar;
  std::string useRegKey;
  bool operator==(const PaneLook&) const = default;
};

PaneLook Look(const TRichEditSx& p) {
  return {p.Font(), p.Color(), p.Vertical(), p.WordWrap(), p.SelectionBar(), p.UseRegKey};
}

// A state written by hand under a given class name.
class Forged final : public IPersistent {
 public:
  Forged(std::string cls, std::function<void(StateWriter&)> write) : cls_(std::move(cls)), write_(std::move(write)) {}
  std::string ClassName() const override { return cls_; }
  std::string Name() const override { return "Forged1"; }
  void WriteState(StateWriter& w) const override { write_(w); }
  void ReadState(const StateReader&) override {}

 private:
  std::string cls_;
  std::function<void(StateWriter&)> write_;
};

TEST(StoredComponents, APaneComesBackWithAllItsPropertiesButNotItsText) {
  TRichEditSx stored;
  FontSpec f{"ＭＳ ゴシック", 22, true, true, false, true, 0x00336699, 128};
  stored.SetFont(f);
  stored.SetColor(0x00F4F5E9);
  stored.SetVertical(true);
  stored.SetWordWrap(false);
  stored.SetSelectionBar(true);
  stored.UseRegKey = "key";
  stored.SetText("秘密の歌");
  int storedWidth = 345;
  const std::string blob = EncodeComponentState(PaneComponent(stored, "RichEditNx2", &storedWidth));
  EXPECT_EQ(blob.find(stored.Text()), std::string::npos);

  TRichEditSx pane;
  int width = 129;
  PaneComponent restored(pane, "RichEditNx2", &width);
  ASSERT_TRUE(ApplyComponentState(blob, restored));
  EXPECT_EQ(Look(pane), Look(stored));
  EXPECT_EQ(width, 345);
  EXPECT_EQ(pane.Text(), "");

  // The right pane's size is the frame's to give.
  TRichEditSx right;
  PaneComponent rightView(right, "RichEditNx1");
  EXPECT_TRUE(ApplyComponentState(blob, rightView));
  EXPECT_EQ(Look(right), Look(stored));
}

TEST(StoredComponents, ValuesThatMakeNoSenseArePassedOver) {
  Forged bad("TRichEditSx", [](StateWriter& w) {
    w.WriteColor("Color", 0x7F000000);
    FontSpec f;
    f.name = "Good Face";
    f.color = 0xFFFFFFFF;
    w.WriteFont("Font", f);
    w.WriteInt("Width", -5);
    w.WriteFlag("WordWrap", false);
  });
  TRichEditSx pane;
  pane.SetColor(0x123456);
  FontSpec design = pane.Font();
  int width = 129;
  PaneComponent view(pane, "RichEditNx2", &width);
  ASSERT_TRUE(ApplyComponentState(EncodeComponentState(bad), view));
  EXPECT_EQ(pane.Color(), 0x123456u);
  EXPECT_EQ(pane.Font().name, "Good Face");
  EXPECT_EQ(pane.Font().color, design.color);
  EXPECT_EQ(width, 129);
  EXPECT_FALSE(pane.WordWrap());  // the sound value of the same state applies

  EXPECT_TRUE(IsColorValue(0x00FFFFFF));
  EXPECT_TRUE(IsColorValue(kClBtnFace));
  EXPECT_FALSE(IsColorValue(0x01000000));
  EXPECT_FALSE(IsColorValue(0x800000FF));
}

TEST(StoredComponents, EveryCutOfAPaneStateLeavesThePaneAsDesigned) {
  TRichEditSx stored;
  stored.SetVertical(true);
  stored.SetColor(0x0000FF);
  const std::string blob = EncodeComponentState(PaneComponent(stored, "RichEditNx1"));
  TRichEditSx pane;
  const PaneLook design = Look(pane);
  PaneComponent view(pane, "RichEditNx1");
  for (std::size_t n = 0; n < blob.size(); ++n) {
    EXPECT_FALSE(ApplyComponentState(blob.substr(0, n), view)) << n;
    EXPECT_EQ(Look(pane), design) << n;
  }
  // A banner's state is not a pane's.
  MsgSCRProperties banner;
  EXPECT_FALSE(ApplyComponentState(EncodeComponentState(MsgSCRComponent(banner, "MsgSCR1")), view));
  EXPECT_EQ(Look(pane), design);
}

TEST(StoredComponents, TheBannerAndTheDropTargetsComeBack) {
  MsgSCRProperties banner;
  banner.Msg = "月見れば\r\nちぢにものこそ";
  banner.Font.height = 12;
  banner.Font.italic = true;
  banner.Color = 0x00D5E3DD;
  banner.Interval = 30;
  banner.Show = false;
  banner.Align = TAlign::alClient;
  banner.Left = -3;
  banner.Width = 400;
  banner.Hint = "";
  MsgSCRProperties back;
  MsgSCRComponent backView(back, "MsgSCR1");
  ASSERT_TRUE(ApplyComponentState(EncodeComponentState(MsgSCRComponent(banner, "MsgSCR1")), backView));
  EXPECT_EQ(back, banner);

  DropDstProperties drop{"RichEditNx2", THookTarget::htForm, false, ""};
  DropDstProperties target{"RichEditNx1", THookTarget::htControl, true, "DropDst1FileDrop"};
  DropDstComponent targetView(target, "DropDst1");
  ASSERT_TRUE(ApplyComponentState(EncodeComponentState(DropDstComponent(drop, "DropDst1")), targetView));
  EXPECT_EQ(target, drop);
}

TEST(StoredComponents, UnknownPanesHandlersAndAlignmentsArePassedOver) {
  Forged odd("TDropDst", [](StateWriter& w) {
    w.WriteText("Control", "Memo1");
    w.WriteInt("Target", 7);
    w.WriteText("OnFileDrop", "FormDestroy");
    w.WriteFlag("AcceptDrop", false);
  });
  const DropDstProperties design{"RichEditNx1", THookTarget::htControl, true, "DropDst1FileDrop"};
  DropDstProperties target = design;
  DropDstComponent view(target, "DropDst1");
  ASSERT_TRUE(ApplyComponentState(EncodeComponentState(odd), view));
  EXPECT_EQ(target.Control, design.Control);
  EXPECT_EQ(target.Target, design.Target);
  EXPECT_EQ(target.OnFileDrop, design.OnFileDrop);
  EXPECT_FALSE(target.AcceptDrop);

  Forged banner("TMsgSCR", [](StateWriter& w) {
    w.WriteInt("Align", 6);
    w.WriteInt("Interval", -1);
    w.WriteText("Msg", std::string(70000, 'x'));
  });
  MsgSCRProperties props;
  MsgSCRComponent bannerView(props, "MsgSCR1");
  ASSERT_TRUE(ApplyComponentState(EncodeComponentState(banner), bannerView));
  EXPECT_EQ(props, MsgSCRProperties{});
}

}  // namespace
}  // namespace hanaroku
