#pragma once
// The window's side of the fix out: the broadcaster, a watch on its listening socket so that a
// plotter connecting is taken at once, and the sentences of each new fix.
#include <QObject>
#include <memory>
#include <string>

#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "platform/network/fix_broadcaster.h"

class QSocketNotifier;

namespace nocturna {

class NetworkFixOut : public QObject {
  Q_OBJECT

 public:
  explicit NetworkFixOut(QObject* parent = nullptr);
  ~NetworkFixOut() override;

  // Starts what the setting says; the message for the user when it cannot, else empty.
  std::string Start(const FixOutSetting& setting);
  // A new celestial fix (degrees, north and WEST positive; UTC days since 1899-12-30) as a
  // waypoint named with its time; when the setting asks, the DR at that time follows it as a
  // waypoint of its own ("DR" and the time), never as a GPS sentence.
  void SendFix(const DrPosition& fix, const DrPosition& dr, DateTime utc);
  std::size_t Plotters() const { return broadcaster_.Plotters(); }

 private:
  FixBroadcaster broadcaster_;
  bool withDr_ = false;
  std::unique_ptr<QSocketNotifier> connecting_;
};

}  // namespace nocturna
