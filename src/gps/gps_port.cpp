#include "gps/gps_port.h"

#include <cerrno>

#include "platform/message_presenter.h"

namespace nocturna {
namespace {

constexpr std::uint32_t kNmeaBaudRate = 4800;
constexpr std::size_t kProbeBytes = 1000;

}  // namespace

GpsOpening GPSPort::OpenGps(MessagePresenter& presenter, SerialDeviceResolver resolver, GpsSearchHooks hooks) {
  auto port = std::make_unique<GPSPort>(resolver);
  port->SetCancelSignal(hooks.cancel);
  PortResult result = port->Open(presenter, resolver, hooks);
  if (!result) port.reset();
  return {std::move(port), std::move(result)};
}

PortResult GPSPort::Open(MessagePresenter& presenter, const SerialDeviceResolver& resolver,
                         const GpsSearchHooks& hooks) {
  const auto cancelled = [&hooks] { return hooks.cancel != nullptr && hooks.cancel->Cancelled(); };
  int n = 0;
  for (bool found = false; !found;) {
    COMPort candidate(resolver);
    candidate.SetCancelSignal(hooks.cancel);
    PortResult result = candidate.OpenFirstAvailable(n, presenter);
    if (!result) return result;
    if (hooks.probing) hooks.probing(candidate.PortName());
    result = Probe(candidate, found);
    if (!result) return result;
    if (cancelled()) return PortResult::Failure("GPSPort: search cancelled.", ECANCELED);
    if (!found) ++n;
    result = candidate.Close();
    if (!result) return result;
  }
  portName = std::string("COM") + static_cast<char>('0' + n);
  if (const int error = OpenDevice(); error != 0) {
    presenter.Show({MessageKind::Error, "Could not open GPS on " + portName + "Please try again.", "",
                    MessageButtons::Ok, MessageAnswer::Ok});
    return PortResult::Failure("GPSPort: failed to open.", error);
  }
  PortResult result = Settle();
  if (!result) return result;
  if (cancelled()) return PortResult::Failure("GPSPort: search cancelled.", ECANCELED);
  presenter.Show({MessageKind::Information, "GPS is open on " + portName + "\n\rAcquiring Satellites - Please Wait",
                  "", MessageButtons::Ok, MessageAnswer::Ok});
  result = SetBaudRate(kNmeaBaudRate);
  if (result) result = SetParity(0);
  if (result) result = SetDataBits(8);
  if (result) result = SetStopBits(0);
  if (result) result = SetTimeouts(200, 0, 0);
  if (result) result = SetFlowControl(false);
  return result;
}

PortResult GPSPort::Probe(COMPort& port, bool& found) {
  found = false;
  const std::uint32_t baudRate = port.BaudRate();
  const std::uint8_t parity = port.Parity();
  const std::uint8_t dataBits = port.DataBits();
  const std::uint8_t stopBits = port.StopBits();
  ReadTimeouts timeouts;
  if (!port.GetTimeouts(timeouts)) return PortResult::Failure("COMPort: failed to retrieve timeouts.", EBADF);

  PortResult result = port.SetBaudRate(kNmeaBaudRate);
  if (result) result = port.SetParity(0);
  if (result) result = port.SetDataBits(8);
  if (result) result = port.SetStopBits(0);
  if (result) result = port.SetTimeouts(kReadReturnAtOnce, 0, 0);
  if (!result) return result;
  port.Pause(1000);
  std::array<char, kProbeBytes> bytes{};
  const PortRead read = port.Read(bytes.data(), bytes.size());
  if (!read.result) return read.result;

  if (baudRate != 0) result = port.SetBaudRate(baudRate);
  if (result) result = port.SetParity(parity);
  if (result) result = port.SetDataBits(dataBits);
  if (result) result = port.SetStopBits(stopBits);
  if (result) result = port.SetTimeouts(timeouts.interval, timeouts.multiplier, timeouts.constant);
  found = ContainsSatelliteTalker(bytes.data(), read.bytes);
  return result;
}

void GPSPort::StartRead(OverlappedRead& overlapped) {
  sentenceBuffer.fill('\0');
  burstLength_ = ReadAsync(sentenceBuffer.data(), sentenceBuffer.size(), overlapped);
}

}  // namespace nocturna
