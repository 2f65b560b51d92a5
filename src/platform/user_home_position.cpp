#include "platform/user_home_position.h"

#include "platform/home_position.h"
#include "platform/registry_hive_file.h"

namespace nocturna {

bool ReadUserHomePosition(MessagePresenter& presenter, DrPosition& position) {
  const HomePositionRead read = ReadHomePosition(DefaultHivePath());
  for (const Message& message : read.messages) presenter.Show(message);
  // The key also holds other settings (night vision, the ephemeris, the GPS source): without
  // either coordinate nothing is remembered.
  if (!read.found || (!read.latitude && !read.longitude)) return false;
  if (read.latitude) position.latitude = *read.latitude;
  if (read.longitude) position.longitude = *read.longitude;
  return true;
}

void SaveUserHomePosition(MessagePresenter& presenter, const DrPosition& position) {
  const HomePositionSave save = SaveHomePosition(DefaultHivePath(), position);
  for (const Message& message : save.messages) presenter.Show(message);
}

}  // namespace nocturna
