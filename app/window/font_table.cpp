// SPDX-License-Identifier: MIT
#include "font_table.h"

#include <QFontDatabase>
#include <QStringList>

namespace plakora {
namespace {

struct StoredFont {
  const char* face;  // UTF-8; empty: the system chooses
  int pixelHeight;   // character (em) height
};

struct FaceSubstitute {
  const char* face;
  const char* installedFace;
  QFont::Weight weight;  // the substitute's weight standing in for the face's own heaviness
};

// Faces of the window that other systems rarely have. Add new entries at the bottom.
constexpr FaceSubstitute kSubstitutes[] = {
    {"@方正粗黑宋简体", "Noto Serif CJK SC", QFont::Bold},
    {"方正粗黑宋简体", "Noto Serif CJK SC", QFont::Bold},
    {"微软雅黑", "Noto Sans CJK SC", QFont::Normal},
    {"宋体", "Noto Sans CJK SC", QFont::Normal},
};

// The default GUI font of a Chinese system: 宋体, 9 points at 96 dpi.
constexpr StoredFont kDefaultGui{"宋体", 12};

StoredFont Stored(FontName name) {
  switch (name) {
    case FontName::Font1: return {"", 24};
    case FontName::Font2: return {"@方正粗黑宋简体", 67};
    case FontName::Font3: return {"@方正粗黑宋简体", 37};
    case FontName::Font4: return {"微软雅黑", 24};
    case FontName::DefaultGui: break;
  }
  return kDefaultGui;
}

}  // namespace

QFont MakeFont(FontName name) {
  const StoredFont stored = Stored(name);
  QString face = QString::fromUtf8(stored.face);
  QFont::Weight weight = QFont::Normal;
  // '@' asks for the vertical-writing variant; horizontal captions use the face itself.
  const QString family = face.startsWith(u'@') ? face.mid(1) : face;
  QStringList families;
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
    families << family;
  } else {
    for (const FaceSubstitute& s : kSubstitutes) {
      if (face == QString::fromUtf8(s.face)) {
        families << QString::fromUtf8(s.installedFace);
        weight = s.weight;
        break;
      }
    }
  }
  // CJK glyphs must come from a CJK face whatever face leads.
  families << QStringLiteral("Noto Sans CJK SC");

  QFont font;
  font.setFamilies(families);
  font.setPixelSize(stored.pixelHeight);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace plakora
