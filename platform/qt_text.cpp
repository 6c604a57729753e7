#include "qt_text.h"

#include <QApplication>
#include <QColor>

QString ToQt(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

std::string FromQt(const QString& text) {
  QString s = text;
  s.replace('\n', '\r');
  return s.toStdString();
}

QColor ToQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

QFont FontOfSize(int pixels) {
  // "System" is the desktop's interface font; a Helvetica-like face keeps the layout's texts
  // inside the boxes the layout gives them.
  QFont font = QApplication::font();
  font.setFamilies({"Nimbus Sans", "Liberation Sans", "Arial", "Helvetica", font.family()});
  font.setPixelSize(pixels > 0 ? pixels : 12);
  return font;
}

QFont NarrowFontOfSize(int pixels) {
  QFont font = FontOfSize(pixels);
  QStringList families{"Nimbus Sans Narrow", "Liberation Sans Narrow", "Arial Narrow"};
  families.append(font.families());
  font.setFamilies(families);
  return font;
}

QImage ImageOf(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.Bits()), picture.Width(), picture.Height(),
                picture.BytesPerLine(), QImage::Format_RGB32);
}
