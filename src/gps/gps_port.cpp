#include "gps/gps_port.h"

#include <cmath>
#include <stdexcept>

#include "platform/message_presenter.h"

namespace nocturna {
namespace {

constexpr std::uint32_t kNmeaBaudRate = 4800;
constexpr std::size_t kProbeBytes = 1000;

}  // namespace

GPSPort::GPSPort(MessagePresenter& presenter, SerialDeviceResolver resolver, GpsSearchHooks hooks)
    : COMPort(resolver) {
  SetCancelSignal(hooks.cancel);
  OpenGps(presenter, std::move(resolver), hooks);
}

void GPSPort::OpenGps(MessagePresenter& presenter, SerialDeviceResolver resolver, const GpsSearchHooks& hooks) {
  const auto cancelled = [&hooks] { return hooks.cancel != nullptr && hooks.cancel->Cancelled(); };
  int n = 0;
  for (bool found = false; !found;) {
    COMPort candidate(resolver);
    candidate.SetCancelSignal(hooks.cancel);
    candidate.OpenFirstAvailable(n, presenter);
    if (hooks.probing) hooks.probing(candidate.PortName());
    found = Probe(candidate);
    if (cancelled()) throw std::runtime_error("GPSPort: search cancelled.");
    if (!found) ++n;
    candidate.Close();
  }
  portName = std::string("COM") + static_cast<char>('0' + n);
  if (!OpenDevice()) {
    presenter.Show({MessageKind::Error, "Could not open GPS on " + portName + "Please try again.", "",
                      MessageButtons::Ok, MessageAnswer::Ok});
    throw std::runtime_error("GPSPort: failed to open.");
  }
  Settle();
  if (cancelled()) throw std::runtime_error("GPSPort: search cancelled.");
  presenter.Show({MessageKind::Information, "GPS is open on " + portName + "\n\rAcquiring Satellites - Please Wait",
                    "", MessageButtons::Ok, MessageAnswer::Ok});
  SetBaudRate(kNmeaBaudRate);
  SetParity(0);
  SetDataBits(8);
  SetStopBits(0);
  SetTimeouts(200, 0, 0);
  SetFlowControl(false);
}

bool GPSPort::Probe(COMPort& port) {
  const std::uint32_t baudRate = port.BaudRate();
  const std::uint8_t parity = port.Parity();
  const std::uint8_t dataBits = port.DataBits();
  const std::uint8_t stopBits = port.StopBits();
  ReadTimeouts timeouts;
  port.GetTimeouts(timeouts);

  port.SetBaudRate(kNmeaBaudRate);
  port.SetParity(0);
  port.SetDataBits(8);
  port.SetStopBits(0);
  port.SetTimeouts(kReadReturnAtOnce, 0, 0);
  port.Pause(1000);
  std::array<char, kProbeBytes> bytes{};
  const std::size_t count = port.Read(bytes.data(), bytes.size());

  if (baudRate != 0) port.SetBaudRate(baudRate);
  port.SetParity(parity);
  port.SetDataBits(dataBits);
  port.SetStopBits(stopBits);
  port.SetTimeouts(timeouts.interval, timeouts.multiplier, timeouts.constant);
  return ContainsSatelliteTalker(bytes.data(), count);
}

void GPSPort::StartRead(OverlappedRead& overlapped) {
  sentenceBuffer.fill('\0');
  burstLength_ = ReadAsync(sentenceBuffer.data(), sentenceBuffer.size(), overlapped);
}

bool GPSPort::ParseRmc() {
  const bool burstEnded = burstLength_ < sentenceBuffer.size();
  return burstReader_.Scan(sentenceBuffer.data(), burstLength_, burstEnded, rmc) == BurstRmc::Parsed;
}

DateTime GPSPort::GpsTimeOfDay() const {
  const double x = rmc.utcTime;
  const double h = std::trunc(x * 0.0001);
  const double m = std::trunc((x - 10000.0 * h) * 0.01);
  const double s = std::trunc(x - 10000.0 * h - 100.0 * m);
  if (!(h >= 0.0 && h < 24.0 && m >= 0.0 && m < 60.0 && s >= 0.0 && s < 60.0)) {
    throw std::out_of_range("GPS time is no time of day");
  }
  return (3600.0 * h + 60.0 * m + s) / 86400.0;
}

}  // namespace nocturna
