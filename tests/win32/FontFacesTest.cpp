// The faces the panes ask for, as the system (or the Wine prefix's font
// substitutes) really gives them: the vertical "@" faces of a Mincho name
// are Mincho faces too, not the default Gothic.
#include <gtest/gtest.h>

#include <string>

#include "platform/Dialogs.h"
#include "platform/win32/Gdi.h"

namespace hanaroku::win32 {
namespace {

// The face name a screen DC reports for the pane font of `name`.
std::string FaceOf(const std::string& name, bool vertical) {
  FontSpec request;
  request.name = name;
  FontPtr font = MakePaneFont(request, vertical);
  WindowDc dc(nullptr);
  SelectGuard select(dc.Get(), font.get());
  wchar_t face[LF_FACESIZE] = {};
  ::GetTextFaceW(dc.Get(), LF_FACESIZE, face);
  return Narrow(face);
}

bool IsMincho(const std::string& face) {
  return face.find("Mincho") != std::string::npos || face.find("明朝") != std::string::npos;
}

TEST(FontFaces, MinchoNamesGiveMinchoFacesInBothDirections) {
  for (const char* name : {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho"})
    for (bool vertical : {false, true}) {
      const std::string face = FaceOf(name, vertical);
      EXPECT_TRUE(IsMincho(face)) << name << (vertical ? " vertical: " : ": ") << face;
      EXPECT_EQ(face.starts_with("@"), vertical) << face;
    }
}

TEST(FontFaces, GothicNamesStayGothicWhenVertical) {
  for (const char* name : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック"}) {
    const std::string face = FaceOf(name, true);
    EXPECT_FALSE(IsMincho(face)) << face;
    EXPECT_TRUE(face.starts_with("@")) << face;
  }
}

}  // namespace
}  // namespace hanaroku::win32
