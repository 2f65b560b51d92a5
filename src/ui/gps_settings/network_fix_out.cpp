#include "ui/gps_settings/network_fix_out.h"

#include <QSocketNotifier>

#include "navigation/nmea_waypoint.h"

namespace nocturna {

NetworkFixOut::NetworkFixOut(QObject* parent) : QObject(parent) {}

NetworkFixOut::~NetworkFixOut() = default;

std::string NetworkFixOut::Start(const FixOutSetting& setting) {
  connecting_.reset();  // before its socket closes
  withDr_ = setting.withDr;
  std::string problem = broadcaster_.Start(setting);
  if (broadcaster_.ListenFd() >= 0) {
    connecting_ = std::make_unique<QSocketNotifier>(broadcaster_.ListenFd(), QSocketNotifier::Read);
    connect(connecting_.get(), &QSocketNotifier::activated, this, [this] { broadcaster_.AcceptPlotters(); });
  }
  return problem;
}

void NetworkFixOut::SendFix(const DrPosition& fix, const DrPosition& dr, DateTime utc) {
  broadcaster_.Send(WaypointSentence(fix, utc) + (withDr_ ? WaypointSentence(dr, utc, "DR") : ""));
}

}  // namespace nocturna
