#include "tests/desktop/ink.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

// Darker than this counts as ink; text is black, backgrounds are white or light grey.
constexpr int kInkBelow = 150;
// How far the drawn ink may be narrower or wider than the text's own: a glyph that starts at
// another fraction of a pixel may light one column more or less.
constexpr int kWidthSlack = 1;

}  // namespace

Ink InkIn(const QImage& image, const QRect& box) {
  Ink ink;
  const QRect r = box & image.rect();
  QRect glyph;
  for (int x = r.left(); x <= r.right() + 1; ++x) {
    int top = -1, bottom = -1;
    if (x <= r.right()) {
      for (int y = r.top(); y <= r.bottom(); ++y) {
        if (qGray(image.pixel(x, y)) >= kInkBelow) continue;
        if (top < 0) top = y;
        bottom = y;
      }
    }
    if (top >= 0) {
      const QRect column(x, top, 1, bottom - top + 1);
      glyph = glyph.isNull() ? column : glyph | column;
    } else if (!glyph.isNull()) {
      ink.glyphs.push_back(glyph);
      ink.span |= glyph;
      glyph = QRect();
    }
  }
  return ink;
}

Ink InkOf(const QFont& font, const std::string& text) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font);
  QImage image(metrics.horizontalAdvance(s) + 8, metrics.height() + 4, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(4, 2 + metrics.ascent()), s);
  painter.end();
  return InkIn(image, image.rect());
}

testing::AssertionResult ShowsWhole(const QImage& image, const QRect& box, const QFont& font,
                                    const std::string& text, double narrowest) {
  const Ink ink = InkIn(image, box);
  const Ink own = InkOf(font, text);
  auto fail = [&] {
    return testing::AssertionFailure()
           << "\"" << text << "\" at (" << box.x() << "," << box.y() << " " << box.width() << "x"
           << box.height() << "): ink " << ink.span.width() << " px wide in " << ink.glyphs.size()
           << " glyphs, the text's own ink is " << own.span.width() << " px in "
           << own.glyphs.size() << "; ";
  };
  if (ink.glyphs.empty()) return fail() << "nothing drawn";
  if (ink.span.width() > own.span.width() + kWidthSlack) return fail() << "wider than itself";
  if (ink.span.width() < narrowest * own.span.width() - kWidthSlack) {
    return fail() << "cut, elided or condensed under " << std::lround(100 * narrowest) << "%";
  }
  // An ellipsis's dots sit at the foot of the line. Every digit reaches above its middle, even a
  // condensed "1" whose stem is too faint to count and leaves only its flag.
  for (const QRect& g : ink.glyphs) {
    if (g.top() > ink.span.center().y()) {
      return fail() << "a glyph " << g.height() << " px tall at the foot of the line: an ellipsis";
    }
  }
  return testing::AssertionSuccess();
}
