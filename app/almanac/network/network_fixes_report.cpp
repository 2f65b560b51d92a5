#include "network/network_fixes_report.h"

#include <cstdio>
#include <thread>

#include "cli/json_writer.h"
#include "foundations/windows1252.h"
#include "navigation/nmea_replay.h"
#include "platform/network/network_feed.h"

namespace nocturna {
namespace {

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return status;
}

void WriteText(const std::string& text) {
  const std::string utf8 = Windows1252ToUtf8(text);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

std::string FixesJson(const std::string& source, const std::vector<NmeaReplayFix>& fixes,
                      const NmeaReplayReport& counts) {
  Json list = Json::array();
  for (const NmeaReplayFix& fix : fixes) {
    list.push_back({{"utcTime", fix.utcTime},
                    {"latitude", fix.position.latitude},
                    {"longitudeWest", fix.position.longitude},
                    {"zoneDescription", fix.zoneDescription},
                    {"text", fix.line}});
  }
  return JsonDocumentText(
      {{"source", source}, {"fixes", std::move(list)}, {"bursts", counts.bursts}, {"rejected", counts.rejectedBursts}});
}

// Reads bursts until the fixes have come, the source fails, or cancel is raised (the time-out).
// Empty when all came; else why not.
std::string CollectFixes(NetworkFeed& feed, OverlappedRead& read, long wanted, bool json,
                         NmeaBurstReplay& replay, std::vector<NmeaReplayFix>& fixes) {
  while (static_cast<long>(fixes.size()) < wanted) {
    feed.StartRead(read);
    if (read.Cancelled()) return "no fix";
    if (read.failed) return "lost " + feed.SourceName() + ": " + read.reason;
    const bool burstEnded = feed.BurstLength() < feed.sentenceBuffer.size();
    if (auto fix = replay.Feed(feed.sentenceBuffer.data(), feed.BurstLength(), burstEnded)) {
      if (!json) WriteText(fix->line + '\n');
      fixes.push_back(std::move(*fix));
    }
  }
  return {};
}

}  // namespace

int RunNetworkFixes(const AlmanacOptions& almanac) {
  const NetworkFixesOptions& options = almanac.network;
  OverlappedRead read;
  CancelSignal finished;
  if (!read.Ready() || !finished.Ready()) return Fail(1, read.Ready() ? finished.Problem() : read.Problem());
  // The time-out ends the wait in progress, whatever it waits for.
  std::thread timer([&] {
    if (!finished.WaitForCancel(options.timeoutSeconds * 1000)) read.Cancel();
  });
  NetworkFeed feed(options.source);
  PortResult opened = feed.Open(read.SignalFd());
  NmeaBurstReplay replay;
  std::vector<NmeaReplayFix> fixes;
  std::string problem = opened ? CollectFixes(feed, read, options.fixes, almanac.json, replay, fixes) : "";
  const bool timedOut = read.Cancelled();
  finished.Cancel();
  timer.join();
  if (!opened) return Fail(1, timedOut ? "no answer from " + feed.SourceName() + " within " +
                                             std::to_string(options.timeoutSeconds) + " s"
                                       : opened.message);
  if (timedOut) {
    problem = (fixes.empty() ? "no fix" : "only " + std::to_string(fixes.size()) + " of " +
                                              std::to_string(options.fixes) + " fixes") +
              " from " + feed.SourceName() + " within " + std::to_string(options.timeoutSeconds) + " s";
  }
  WriteText(almanac.json ? FixesJson(feed.SourceName(), fixes, replay.Counts())
                         : FormatReplaySummary(replay.Counts()) + '\n');
  return problem.empty() ? 0 : Fail(1, problem);
}

}  // namespace nocturna
