#pragma once
// The home position in the user's own settings hive, with every problem told to the user: the
// window's "&Save" and "Home" and its start-up read go through these two.
#include "foundations/dr_position.h"
#include "platform/message_presenter.h"

namespace nocturna {

// Reads the remembered position from the hive at DefaultHivePath() (looked up at each call)
// into position (degrees, north and west positive), leaving a coordinate the hive does not hold
// as it was. False when nothing is remembered or it could not be read. Problems are shown
// through the presenter, in order.
bool ReadUserHomePosition(MessagePresenter& presenter, DrPosition& position);

// Saves the position (degrees, north and west positive) in the hive at DefaultHivePath(); a
// failure, or a damaged file set aside, is shown through the presenter.
void SaveUserHomePosition(MessagePresenter& presenter, const DrPosition& position);

}  // namespace nocturna
