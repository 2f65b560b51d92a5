#include "network/network_fixes_report.h"

#include <cstdio>
#include <thread>

#include "cli/json_writer.h"
#include "cli/standard_output.h"
#include "navigation/nmea_replay.h"
#include "platform/network/network_feed.h"

namespace nocturna {
namespace {

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
std::string CollectFixes(NetworkFeed& feed, OverlappedRead& read, long wanted, StandardOutput* text,
                         NmeaBurstReplay& replay, std::vector<NmeaReplayFix>& fixes) {
  while (static_cast<long>(fixes.size()) < wanted) {
    feed.StartRead(read);
    if (read.Cancelled()) return "no fix";
    if (read.failed) return "lost " + feed.SourceName() + ": " + read.reason;
    const bool burstEnded = feed.BurstLength() < feed.sentenceBuffer.size();
    if (auto fix = replay.Feed(feed.sentenceBuffer.data(), feed.BurstLength(), burstEnded)) {
      if (text != nullptr) {
        text->Write(fix->line + '\n');
        std::fflush(stdout);  // each fix shows as it comes
      }
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
  if (!read.Ready() || !finished.Ready()) {
    return Fail(read.Ready() ? finished.Problem() : read.Problem(), kRunFailure);
  }
  // The time-out ends the wait in progress, whatever it waits for.
  std::thread timer([&] {
    if (!finished.WaitForCancel(options.timeoutSeconds * 1000)) read.Cancel();
  });
  NetworkFeed feed(options.source);
  PortResult opened = feed.Open(read.SignalFd());
  NmeaBurstReplay replay;
  std::vector<NmeaReplayFix> fixes;
  StandardOutput out;
  std::string problem =
      opened ? CollectFixes(feed, read, options.fixes, almanac.json ? nullptr : &out, replay, fixes) : "";
  const bool timedOut = read.Cancelled();
  finished.Cancel();
  timer.join();
  if (!opened) {
    return Fail(timedOut ? "no answer from " + feed.SourceName() + " within " +
                               std::to_string(options.timeoutSeconds) + " s"
                         : opened.message,
                kRunFailure);
  }
  if (timedOut) {
    problem = (fixes.empty() ? "no fix" : "only " + std::to_string(fixes.size()) + " of " +
                                              std::to_string(options.fixes) + " fixes") +
              " from " + feed.SourceName() + " within " + std::to_string(options.timeoutSeconds) + " s";
  }
  out.Write(almanac.json ? FixesJson(feed.SourceName(), fixes, replay.Counts())
                         : FormatReplaySummary(replay.Counts()) + '\n');
  const int written = out.Finish();
  return problem.empty() ? written : Fail(problem, kRunFailure);
}

}  // namespace nocturna
