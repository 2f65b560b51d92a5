#include "ui/almanac_pages/background_job.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <memory>

namespace nocturna {
namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kRefreshMilliseconds = 100;

}  // namespace

void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(JobProgress&)>& work) {
  JobProgress progress;
  QProgressDialog dialog(label, QStringLiteral("Cancel"), 0, 1000, parent);
  dialog.setObjectName(QStringLiteral("JobProgress"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(kShowAfterMilliseconds);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  std::unique_ptr<QThread> worker(QThread::create([&work, &progress] { work(progress); }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  QTimer refresh;
  QObject::connect(&refresh, &QTimer::timeout, &dialog, [&dialog, &progress] {
    if (dialog.wasCanceled()) progress.cancelled = true;
    if (!progress.cancelled) dialog.setValue(progress.permille);
  });
  refresh.start(kRefreshMilliseconds);
  worker->start();
  loop.exec();
  worker->wait();
}

}  // namespace nocturna
