#pragma once
// A long computation off the window thread: a progress dialog with Cancel while it runs, the
// window painting and answering meanwhile.
#include <QString>
#include <atomic>
#include <functional>

class QWidget;

namespace nocturna {

// What the job and the window share: how far the job is (0..1000) and whether Cancel was pressed.
struct JobProgress {
  std::atomic<int> permille{0};
  std::atomic<bool> cancelled{false};
};

// Runs `work` on a worker thread and returns when it has returned; meanwhile a window-modal
// progress dialog (object name "JobProgress", shown after half a second) follows
// progress.permille, and its Cancel button sets progress.cancelled for `work` to notice.
void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(JobProgress&)>& work);

}  // namespace nocturna
