#pragma once
// A signal that one thread raises to end another's waits at once: a flag for the loop's
// checks and a pipe that poll() can watch beside a device.
#include <atomic>
#include <string>

namespace nocturna {

class CancelSignal {
 public:
  CancelSignal();  // see Ready: the system may have no pipe to give
  ~CancelSignal();
  CancelSignal(const CancelSignal&) = delete;
  CancelSignal& operator=(const CancelSignal&) = delete;

  // False when no pipe could be made (the process is out of descriptors): the signal cannot
  // end a wait, so whatever needs it must not start; Problem says why.
  bool Ready() const { return pipe_[0] >= 0; }
  const std::string& Problem() const { return problem_; }

  // Ends a wait in progress and every later one, until Reset. Any thread.
  void Cancel();
  void Reset();
  bool Cancelled() const { return cancelled_.load(); }
  // Waits up to milliseconds or until cancelled; true when cancelled.
  bool WaitForCancel(int milliseconds) const;
  // Readable once cancelled.
  int SignalFd() const { return pipe_[0]; }

 private:
  int pipe_[2] = {-1, -1};
  std::atomic<bool> cancelled_{false};
  std::string problem_;
};

}  // namespace nocturna
