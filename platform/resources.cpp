#include "resources.h"

#include <QImage>
#include <QString>

PicturePtr GetPicture(int id) {
  QImage image(QString(":/pictures/%1.png").arg(id));
  if (image.isNull()) return nullptr;
  image = image.convertToFormat(QImage::Format_RGB32);
  auto picture = NewPicture(image.width(), image.height(), 32);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    std::copy(row, row + image.width(), picture->Bits() + static_cast<size_t>(y) * image.width());
  }
  return picture;
}
