#include "app/cover_picture.h"

#include "platform/resources.h"

namespace {

constexpr int kCoverResource = 168;

PicturePtr& Cache() {
  static PicturePtr cover;
  return cover;
}

}  // namespace

PicturePtr CalbrookCover() {
  PicturePtr& cover = Cache();
  if (!cover) cover = GetPicture(kCoverResource);
  return cover;
}

void ReleaseCalbrookCover() {
  Cache().reset();
}
