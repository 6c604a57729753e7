#pragma once

// Conversions between the program's texts (UTF-8, carriage returns between lines) and Qt's.
// Only the platform includes this.

#include <QFont>
#include <QImage>
#include <QString>
#include <string>

#include "core/color.h"
#include "core/picture.h"

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
QColor ToQColor(Color c);
QFont FontOfSize(int pixels);
// The condensed face of the same family, for columns of numbers.
QFont NarrowFontOfSize(int pixels);
// The picture's pixels as an image, without copying them.
QImage ImageOf(const Picture& picture);
